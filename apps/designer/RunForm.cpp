#include "RunForm.h"

#include <memory>

#include "host/streaming/Filer.h"

namespace designer {

using namespace host;

TRunResult RunDesignedForm(const std::string& text, const std::function<void(TForm&)>& started) {
  auto form = std::make_unique<TForm>(nullptr);
  TReadOptions options;
  options.KeepUnboundEvents = true;  // the handlers would be the application's
  ReadForm(text, form.get(), options);
  if (started) started(*form);
  TRunResult result;
  result.ModalResult = form->ShowModal();
  result.Caption = form->Caption();
  return result;
}

std::string ModalResultName(TModalResult result) {
  switch (result) {
    case mrNone: return "none";
    case mrOk: return "OK";
    case mrCancel: return "Cancel";
    case mrAbort: return "Abort";
    case mrRetry: return "Retry";
    case mrIgnore: return "Ignore";
    case mrYes: return "Yes";
    case mrNo: return "No";
    default: return std::to_string(result);
  }
}

}  // namespace designer
