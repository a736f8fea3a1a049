// TFormDesigner: the screenless form designer.
#include <algorithm>

#include "host/design/DesignIntf.h"

namespace host {

TFormDesigner::TFormDesigner(TCustomForm* form) : form_(form) {
  form_->SetDesigning(true, false);
  form_->SetDesigner(this);
}

TFormDesigner::~TFormDesigner() {
  if (form_ && form_->Designer() == this) form_->SetDesigner(nullptr);
}

void TFormDesigner::LoadForm(const std::string& text, const TReadOptions& options) { ReadForm(text, form_, options); }

void TFormDesigner::SelectComponent(TPersistent* instance) {
  selection_.clear();
  if (instance) selection_.push_back(instance);
  selectLog_.push_back(instance);
}

void TFormDesigner::Notification(TPersistent* component, TOperation operation) {
  if (operation != opRemove) return;
  selection_.erase(std::remove(selection_.begin(), selection_.end(), component), selection_.end());
  std::replace(selectLog_.begin(), selectLog_.end(), component, static_cast<TPersistent*>(nullptr));
  if (dragging_ == component) dragging_ = nullptr;
}

bool TFormDesigner::IsDesignMsg(TControl* sender, TMessage& m) {
  switch (m.Msg) {
    case WM_LBUTTONDOWN: {
      // The control may take the click itself (a tab of a page control, say).
      controlHasMouse_ = sender->Perform(CM_DESIGNHITTEST, m.WParam, m.LParam) != 0;
      if (controlHasMouse_) return false;
      SelectComponent(sender);
      dragging_ = sender == form_ ? nullptr : sender;
      dragFrom_ = sender->ClientToScreen(Point(LParamX(m.LParam), LParamY(m.LParam)));
      dragged_ = false;
      return true;
    }
    case WM_MOUSEMOVE:
      if (controlHasMouse_) return false;
      if (dragging_ && (m.WParam & MK_LBUTTON)) {
        const TPoint now = sender->ClientToScreen(Point(LParamX(m.LParam), LParamY(m.LParam)));
        if (now.X != dragFrom_.X || now.Y != dragFrom_.Y) {
          dragging_->SetBounds(dragging_->Left() + now.X - dragFrom_.X, dragging_->Top() + now.Y - dragFrom_.Y,
                               dragging_->Width(), dragging_->Height());
          dragFrom_ = now;
          dragged_ = true;
        }
      }
      return true;
    case WM_LBUTTONUP:
      if (controlHasMouse_) {
        controlHasMouse_ = false;
        return false;
      }
      if (dragged_) Modified();
      dragging_ = nullptr;
      dragged_ = false;
      return true;
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP:
    case WM_KEYDOWN:
    case WM_KEYUP:
    case WM_CHAR: return true;
    default: return false;
  }
}

}  // namespace host
