// One editing call's dialog: made with no owner and kept in its unit's form variable
// until the call ends, then freed however the call ends.
#pragma once

#include <memory>

#include "host/forms/Forms.h"

namespace zelvant {

template <class TDialog>
class TDialogRun {
 public:
  explicit TDialogRun(TDialog*& variable) : variable_(variable), dialog_(std::make_unique<TDialog>(nullptr)) {
    variable_ = dialog_.get();
  }
  ~TDialogRun() { variable_ = nullptr; }
  TDialogRun(const TDialogRun&) = delete;
  TDialogRun& operator=(const TDialogRun&) = delete;

  TDialog* operator->() const { return dialog_.get(); }
  TDialog& operator*() const { return *dialog_; }
  // Shows the dialog modally; true when it closed with OK.
  bool Confirmed() { return dialog_->ShowModal() == host::mrOk; }

 private:
  TDialog*& variable_;
  std::unique_ptr<TDialog> dialog_;
};

}  // namespace zelvant
