// libFuzzer target: whole wizard forms loaded into a form created first, as
// applications load theirs, then driven through a few page changes and painted. A file
// either loads or raises the host's read error; a loaded form runs, paints and saves
// without crashing, and what it saves loads back and saves the same, byte for byte.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "host/forms/Forms.h"
#include "host/streaming/Filer.h"
#include "zelvant/Package.h"
#include "zelvant/ZelvA.h"
#include "zelvant/ZelvC.h"

namespace {

using namespace host;

host::TReadOptions Options() {
  host::TReadOptions options;
  options.KeepUnboundEvents = true;  // the example forms name their own class's handlers
  return options;
}

// Next, Back, Change, a jump and the arrow keys: the inputs a user has.
void Drive(zelvant::TZelvant* z) {
  const auto step = [](auto&& action) {
    try {
      action();
    } catch (const Exception&) {
      // A position the form's own data makes impossible is the host's list error.
    }
  };
  step([&] { z->Nextclick(nullptr); });
  step([&] { z->Nextclick(nullptr); });
  step([&] { z->Backclick(nullptr); });
  step([&] { z->Changeclick(nullptr); });
  step([&] { z->Changeclick(nullptr); });
  step([&] { z->Jump(z->StartPage()); });
  step([&] { z->Perform(WM_KEYDOWN, VK_RIGHT); });
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
  zelvant::PackageDescription();
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  TForm form(nullptr);
  try {
    ReadForm(text, &form, Options());
  } catch (const EReadError&) {
    return 0;
  }
  for (TComponent* c : std::vector<TComponent*>(form.ComponentList()))
    if (auto* z = dynamic_cast<zelvant::TZelvant*>(c)) Drive(z);
  TBitmap picture;
  try {
    form.PaintTo(picture);
  } catch (const EInvalidGraphic&) {
    // A form too large to have pixels says so.
  }
  const std::string saved = WriteForm(&form);
  TForm again(nullptr);
  ReadForm(saved, &again, Options());
  if (WriteForm(&again) != saved) std::abort();
  return 0;
}
