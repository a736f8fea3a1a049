// TCustomForm and TForm: properties, showing, modal runs and focus.
#include <algorithm>

#include "host/forms/Backend.h"
#include "host/core/ClassBuilder.h"
#include "host/forms/Forms.h"

namespace host {

HOST_PUBLISHED(TCustomForm) {}

HOST_PUBLISHED(TForm) {
  P.Property("ActiveControl", &TForm::ActiveControl, &TForm::SetActiveControl);
  P.Property("BorderStyle", &TForm::BorderStyle, &TForm::SetBorderStyle).SetDefault(bsSizeable);
  P.Property("Caption", &TForm::Caption, &TForm::SetCaption);
  P.Property("ClientHeight", &TForm::ClientHeight, &TForm::SetClientHeight).Stored(false);
  P.Property("ClientWidth", &TForm::ClientWidth, &TForm::SetClientWidth).Stored(false);
  P.Property("Color", &TForm::Color, &TForm::SetColor).SetDefault(clBtnFace).WithIdents(ColorIdents());
  P.Property("Enabled", &TForm::Enabled, &TForm::SetEnabled).SetDefault(true);
  P.Property("Font", &TForm::Font);
  P.Property("KeyPreview", &TForm::KeyPreview, &TForm::SetKeyPreview).SetDefault(false);
  P.Property("ParentFont", &TForm::ParentFont, &TForm::SetParentFont).SetDefault(false);
  P.Property("Position", &TForm::Position, &TForm::SetPosition).SetDefault(poDesigned);
  P.Property("Scaled", &TForm::Scaled, &TForm::SetScaled).SetDefault(true);
  P.Property("Visible", &TForm::Visible, &TForm::SetVisible).SetDefault(false);
  P.Property("WindowState", &TForm::WindowState, &TForm::SetWindowState).SetDefault(wsNormal);
  P.Property("OnActivate", &TForm::OnActivate);
  P.Property("OnClick", &TForm::OnClick);
  P.Property("OnClose", &TForm::OnClose);
  P.Property("OnCloseQuery", &TForm::OnCloseQuery);
  P.Property("OnCreate", &TForm::OnCreate);
  P.Property("OnDeactivate", &TForm::OnDeactivate);
  P.Property("OnDestroy", &TForm::OnDestroy);
  P.Property("OnHide", &TForm::OnHide);
  P.Property("OnKeyDown", &TForm::OnKeyDown);
  P.Property("OnKeyPress", &TForm::OnKeyPress);
  P.Property("OnMouseDown", &TForm::OnMouseDown);
  P.Property("OnMouseUp", &TForm::OnMouseUp);
  P.Property("OnResize", &TForm::OnResize);
  P.Property("OnShow", &TForm::OnShow);
  P.Property("PixelsPerInch", &TForm::PixelsPerInch, &TForm::SetPixelsPerInch).Stored(false);
  P.Property("TextHeight", &TForm::TextHeight, &TForm::SetTextHeight).Stored(false);
}

TCustomForm::TCustomForm(TComponent* owner) : TWinControl(owner) {
  controlStyle_ = {csAcceptsControls, csCaptureMouse, csClickEvents, csSetCaption, csOpaque, csDoubleClicks};
  visible_ = false;
  parentFont_ = false;
  color_ = clBtnFace;
  left_ = 0;
  top_ = 0;
  width_ = 320;
  height_ = 240;
  Screen->AddForm(this);
}

TForm::TForm(TComponent* owner) : TCustomForm(owner) {}

TCustomForm::~TCustomForm() {
  Destroying();
  if (OnDestroy) OnDestroy(this);
  if (Screen) Screen->RemoveForm(this);
  // A form freed while shown leaves the screen now.
  if (visible_ && !Parent() && Application) Application->Backend().FormHidden(*this);
}

Integer TCustomForm::TextHeight() const {
  TCanvas measure;
  measure.Font().Assign(Font());
  return measure.TextHeight("Wg");
}

void TCustomForm::SetBorderStyle(TFormBorderStyle value) {
  if (borderStyle_ == value) return;
  // The outer size stays; the client area grows or shrinks with the frame.
  borderStyle_ = value;
  Realign();
  if (handle_) {
    const TRect area = WindowClientArea();
    Perform(WM_SIZE, SIZE_RESTORED, PointToLParam(area.Width(), area.Height()));
  }
  if (window_) InvalidateWindowRect(Rect(0, 0, width_, height_));
  else Invalidate();
}

void TCustomForm::SetWindowState(TWindowState value) {
  if (windowState_ == value) return;
  windowState_ = value;
  if (Parent()) FitParent();
  else if (value == wsMaximized && !ComponentState().Contains(csDesigning) && !ComponentState().Contains(csLoading))
    SetBounds(0, 0, Screen->Width(), Screen->Height());
}

bool TCustomForm::FillsParent() const { return Parent() && windowState_ == wsMaximized; }

void TCustomForm::FitParent() {
  if (!FillsParent()) return;
  TRect r = Parent()->ClientRect();
  SetBounds(r.Left, r.Top, r.Width(), r.Height());
}

void TCustomForm::SetParent(TWinControl* parent) {
  TWinControl::SetParent(parent);
  if (parent) {
    SetActive(false);
    FitParent();
  }
}

Integer TCustomForm::FrameWidth() const {
  switch (borderStyle_) {
    case bsNone: return 0;
    case bsSizeable:
    case bsSizeToolWin: return 4;
    default: return 3;
  }
}

Integer TCustomForm::CaptionHeight() const {
  switch (borderStyle_) {
    case bsNone: return 0;
    case bsToolWindow:
    case bsSizeToolWin: return 16;
    default: return 19;
  }
}

TRect TCustomForm::WindowClientArea() const {
  const Integer f = FrameWidth(), c = CaptionHeight();
  return Rect(f, f + c, std::max(f, width_ - f), std::max(f + c, height_ - f));
}

TRect TCustomForm::GetClientRect() const {
  const TRect a = WindowClientArea();
  return Rect(0, 0, a.Width(), a.Height());
}

void TCustomForm::BoundsChanged(bool sizeChanged) {
  TWinControl::BoundsChanged(sizeChanged);
  if (sizeChanged && window_) InvalidateWindowRect(Rect(0, 0, width_, height_));
}

void TCustomForm::Loaded() {
  TWinControl::Loaded();
  if (OnCreate) OnCreate(this);
  if (visible_) Perform(CM_VISIBLECHANGED, 1);
}

void TCustomForm::Notification(TComponent* component, TOperation operation) {
  TWinControl::Notification(component, operation);
  if (operation == opRemove && component == activeControl_) activeControl_ = nullptr;
  if (designer_) designer_->Notification(component, operation);
}

void TCustomForm::CMTextChanged(TMessage& m) {
  TWinControl::CMTextChanged(m);
  if (window_ && borderStyle_ != bsNone) InvalidateWindowRect(CaptionRect());
}

// ---------------------------------------------------------------------------
// Showing and closing.

void TCustomForm::Show() {
  SetVisible(true);
  if (visible_ && !Parent()) Screen->Activate(this);
}

void TCustomForm::CMVisibleChanged(TMessage& m) {
  TWinControl::CMVisibleChanged(m);
  if (ComponentState().Contains(csLoading)) return;  // a stored Visible shows the form once it is read
  if (visible_) {
    DoShow();
    if (!Parent()) {
      if (!shownOnce_) ApplyPosition();
      shownOnce_ = true;
      HandleNeeded();
      Application->Backend().FormShown(*this);
      Screen->Activate(this);
    }
  } else {
    DoHide();
    if (!Parent()) {
      Screen->Deactivate(this);
      Application->Backend().FormHidden(*this);
    }
  }
}

void TCustomForm::ApplyPosition() {
  if (ComponentState().Contains(csDesigning)) return;
  if (windowState_ == wsMaximized) {
    SetBounds(0, 0, Screen->Width(), Screen->Height());
    return;
  }
  switch (position_) {
    case poScreenCenter:
    case poDesktopCenter:
      SetBounds((Screen->Width() - width_) / 2, (Screen->Height() - height_) / 2, width_, height_);
      break;
    case poDefault:
    case poDefaultPosOnly: SetBounds(24, 24, width_, height_); break;
    default: break;
  }
}

void TCustomForm::DoShow() {
  if (OnShow) OnShow(this);
}

void TCustomForm::DoHide() {
  if (OnHide) OnHide(this);
}

void TCustomForm::DoClose(TCloseAction& action) {
  if (OnClose) OnClose(this, action);
}

bool TCustomForm::CloseQuery() {
  bool can = true;
  if (OnCloseQuery) OnCloseQuery(this, can);
  return can;
}

void TCustomForm::Close() {
  if (modal_) {
    modalResult_ = mrCancel;
    return;
  }
  if (!CloseQuery()) return;
  TCloseAction action = caHide;
  DoClose(action);
  if (action == caNone) return;
  if (Application->MainForm() == this) Application->Terminate();
  if (action == caMinimize) SetWindowState(wsMinimized);
  else Hide();
}

void TCustomForm::CloseRequest() {
  if (!Application->Terminated() && !ComponentState().Contains(csDesigning) &&
      Perform(CM_DIALOGKEY, VK_ESCAPE, 0) != 0)
    return;
  Close();
}

TModalResult TCustomForm::ShowModal() {
  if (visible_ || modal_ || Parent()) throw EInvalidOperation("Cannot make a visible window modal");
  modal_ = true;
  modalResult_ = mrNone;
  try {
    Show();
    while (modalResult_ == mrNone) {
      if (!Application->HandleMessage()) break;  // no more input: the run ends with mrNone
      if (Application->Terminated()) modalResult_ = mrCancel;
      if (modalResult_ != mrNone) {
        // Closing can be refused; the run then goes on.
        TCloseAction action = CloseQuery() ? caHide : caNone;
        if (action != caNone) DoClose(action);
        if (action == caNone) modalResult_ = mrNone;
      }
    }
  } catch (...) {
    modal_ = false;
    Hide();
    throw;
  }
  const TModalResult result = modalResult_;
  Hide();
  modal_ = false;
  return result;
}

// ---------------------------------------------------------------------------
// Activation and focus.

void TCustomForm::SetActive(bool value) {
  if (active_ == value) return;
  active_ = value;
  // The caption bar is drawn lit only on the active form.
  if (HasWindowPixels() && !CaptionRect().IsEmpty()) InvalidateWindowRect(CaptionRect());
  if (value) {
    if (!ComponentState().Contains(csDesigning)) {
      if (!activeControl_ || !activeControl_->CanFocus()) activeControl_ = FindNextControl(nullptr, true, true, false);
      SetWindowFocus(activeControl_);
    }
    if (OnActivate) OnActivate(this);
  } else {
    SetWindowFocus(nullptr);
    if (OnDeactivate) OnDeactivate(this);
  }
}

void TCustomForm::SetFocus() {
  if (!visible_ || !Enabled()) throw EInvalidOperation("Cannot focus a disabled or invisible window");
  if (!Parent()) Screen->Activate(this);
}

void TCustomForm::SetActiveControl(TWinControl* control) {
  if (control && !(control != this && GetParentForm(control) == this &&
                   (ComponentState().Contains(csLoading) || control->CanFocus())))
    throw EInvalidOperation("Cannot focus a disabled or invisible window");
  activeControl_ = control;
  if (active_ && !ComponentState().Contains(csLoading)) SetWindowFocus(control);
}

void TCustomForm::FocusControl(TWinControl* control) {
  SetActiveControl(control);
  if (!active_ && visible_ && !Parent()) Screen->Activate(this);
}

void TCustomForm::SetWindowFocus(TWinControl* control) {
  if (control == this) control = nullptr;
  TWinControl* old = focused_;
  focusLost_ = false;
  if (old == control) return;
  focused_ = control;
  // The controls the move goes through, listed before any handler runs: the old one, the
  // new one, the containers left and those entered. A handler may free any of them;
  // ControlRemoving then clears its entry, so each is looked at again before it is told.
  TFocusMove move{{old, control}, focusMove_};
  focusMove_ = &move;
  struct Pop {
    TCustomForm* form;
    ~Pop() { form->focusMove_ = form->focusMove_->outer; }
  } pop{this};
  std::vector<TWinControl*>& c = move.controls;
  // Exit the old control and the containers that do not hold the new one; enter the
  // new control's containers from the outside in.
  const size_t exitFrom = c.size();
  for (TWinControl* x = old; x && x != this && !x->ContainsControl(control); x = x->Parent()) c.push_back(x);
  const size_t enterFrom = c.size();
  for (TWinControl* x = control; x && x != this && !x->ContainsControl(old); x = x->Parent()) c.push_back(x);
  for (size_t i = exitFrom; i < enterFrom; ++i)
    if (c[i]) c[i]->Perform(CM_EXIT);
  for (size_t i = c.size(); i-- > enterFrom;)
    if (c[i]) c[i]->Perform(CM_ENTER);
  if (c[0]) c[0]->Perform(WM_KILLFOCUS, reinterpret_cast<NativeInt>(c[1]));
  if (c[1] && focused_ == c[1]) c[1]->Perform(WM_SETFOCUS, reinterpret_cast<NativeInt>(c[0]));
  // Told: the control that lost the focus, the one that has it now, and the watchers
  // of this window (the default buttons, whose look depends on whether a button has it).
  const NativeInt now = reinterpret_cast<NativeInt>(focused_);
  old = c[0];
  if (old && old != focused_ && ContainsControl(old)) old->Perform(CM_FOCUSCHANGED, 0, now);
  if (focused_) focused_->Perform(CM_FOCUSCHANGED, 0, now);
  // By index over the live list: a handler may add or free watchers.
  const std::vector<TWinControl*>& watchers = FocusWatchers();
  for (size_t i = 0; i < watchers.size(); ++i) {
    TWinControl* w = watchers[i];
    if (w != old && w != focused_ && w->WindowHost() == this) w->Perform(CM_FOCUSCHANGED, 0, now);
  }
}

void TCustomForm::ControlRemoving(TControl* control) {
  auto within = [control](const TControl* x) {
    return x && (x == control || (control->IsWinControl() && static_cast<const TWinControl*>(control)->ContainsControl(x)));
  };
  if (within(capture_)) capture_ = nullptr;
  for (TFocusMove* m = focusMove_; m; m = m->outer)
    for (TWinControl*& x : m->controls)
      if (within(x)) x = nullptr;
  if (within(activeControl_)) activeControl_ = nullptr;
  if (within(focused_)) {
    if (control->ComponentState().Contains(csDestroying)) focused_ = nullptr;
    else if (focusHold_ > 0) focusLost_ = true;  // it leaves when the focus moves on
    else SetWindowFocus(nullptr);
  }
}

void TCustomForm::ReleaseFocus() {
  if (focusHold_ > 0) --focusHold_;
  if (focusHold_ > 0 || !focusLost_) return;
  focusLost_ = false;
  if (focused_ && !focused_->CanFocus()) SetWindowFocus(nullptr);
}

// ---------------------------------------------------------------------------
// Dialog keys: Tab and the arrows move the focus; the rest goes to the controls
// (the default button takes Enter, the cancel button Escape).

void TCustomForm::CMDialogKey(TWMKey& m) {
  const TShiftState shift = KeyDataToShiftState(m.KeyData);
  if (!shift.Contains(ssAlt)) {
    if (m.CharCode == VK_TAB && !shift.Contains(ssCtrl)) {
      SelectNext(focused_, !shift.Contains(ssShift), true);
      m.Result = 1;
      return;
    }
    if (m.CharCode == VK_LEFT || m.CharCode == VK_RIGHT || m.CharCode == VK_UP || m.CharCode == VK_DOWN) {
      if (focused_ && focused_->Parent()) {
        focused_->Parent()->SelectNext(focused_, m.CharCode == VK_RIGHT || m.CharCode == VK_DOWN, false);
        m.Result = 1;
      }
      return;
    }
  }
  TWinControl::CMDialogKey(m);
}

TCustomForm* GetParentForm(const TControl* control) {
  if (!control) return nullptr;
  return dynamic_cast<TCustomForm*>(control->WindowHost());
}

TCustomForm* ValidParentForm(const TControl* control) {
  TCustomForm* f = GetParentForm(control);
  if (!f) throw EInvalidOperation("Control '" + (control ? control->Name() : std::string()) + "' has no parent window");
  return f;
}

}  // namespace host
