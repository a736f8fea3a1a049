// Forms, the screen and the application loop. A top-level form owns the pixels of its
// whole window (frame, caption bar and client area); its controls draw into them.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "host/controls/Controls.h"

namespace host {

class TBackend;
class THeadlessBackend;

HOST_ENUM(TFormBorderStyle, bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin)
// Panels and grids take the first two values.
using TBorderStyle = TFormBorderStyle;
HOST_ENUM(TWindowState, wsNormal, wsMinimized, wsMaximized)
HOST_ENUM(TPosition, poDesigned, poDefault, poDefaultPosOnly, poDefaultSizeOnly, poScreenCenter, poDesktopCenter)
HOST_ENUM(TCloseAction, caNone, caHide, caFree, caMinimize)

using TModalResult = Integer;
constexpr TModalResult mrNone = 0, mrOk = 1, mrCancel = 2, mrAbort = 3, mrRetry = 4, mrIgnore = 5, mrYes = 6,
                       mrNo = 7, mrAll = 8, mrNoToAll = 9, mrYesToAll = 10;

using TCloseEvent = TEvent<void(TObject*, TCloseAction&)>;
using TCloseQueryEvent = TEvent<void(TObject*, bool&)>;

// Input as the application loop hands it to a form.
HOST_ENUM(TMouseInput, miDown, miUp, miMove)

class TCustomForm : public TWinControl, public IWindowHost {
  HOST_CLASS(TCustomForm, TWinControl)

  explicit TCustomForm(TComponent* owner);
  ~TCustomForm() override;

  TFormBorderStyle BorderStyle() const { return borderStyle_; }
  void SetBorderStyle(TFormBorderStyle value);
  TPosition Position() const { return position_; }
  void SetPosition(TPosition value) { position_ = value; }
  TWindowState WindowState() const { return windowState_; }
  void SetWindowState(TWindowState value);
  bool Scaled() const { return scaled_; }
  void SetScaled(bool value) { scaled_ = value; }
  bool KeyPreview() const { return keyPreview_; }
  void SetKeyPreview(bool value) { keyPreview_ = value; }
  Integer PixelsPerInch() const { return 96; }
  void SetPixelsPerInch(Integer) {}
  Integer TextHeight() const;
  void SetTextHeight(Integer) {}

  // Modal runs: a non-zero ModalResult ends ShowModal, which returns it. When the
  // backend has no more input, the run ends with mrNone.
  TModalResult ModalResult() const { return modalResult_; }
  void SetModalResult(TModalResult value) { modalResult_ = value; }
  TModalResult ShowModal();
  bool Modal() const { return modal_; }
  void Show();
  void Hide() { SetVisible(false); }
  // Ends a modal run with mrCancel, or hides the form (OnClose may decide otherwise).
  void Close();
  // A close request from the window system (the close box, the window manager): the
  // form's cancel button takes it as it takes Escape, so that whatever decides about
  // cancelling decides here too; a form without one, or an application that is
  // ending, closes.
  void CloseRequest();
  bool CloseQuery();

  // Focus: the active control has the focus while the form is active.
  bool Active() const override { return active_; }
  TWinControl* ActiveControl() const { return activeControl_; }
  // The control that holds the keyboard focus now (nullptr while the form is not active).
  TWinControl* FocusedControl() const override { return focused_; }
  void SetActiveControl(TWinControl* control) override;
  void FocusControl(TWinControl* control) override;
  void SetFocus() override;

  // Design mode: a form with a designer hands design-time input to it.
  IDesignerHook* Designer() const override { return designer_; }
  void SetDesigner(IDesignerHook* designer) { designer_ = designer; }

  // Non-client metrics of the window (zero for bsNone).
  Integer FrameWidth() const;
  Integer CaptionHeight() const;
  TRect CaptionRect() const;   // in window pixels
  TRect CloseBoxRect() const;  // in window pixels; empty when there is none

  // Pixels. Invalidated areas are painted by UpdateWindow (the application loop does it
  // after input when its backend shows pixels); PaintTo paints all and copies.
  TBitmap& WindowBitmap() override;
  // False until the window is first painted; until then nothing needs invalidating.
  bool HasWindowPixels() const override { return window_ != nullptr; }
  IWindowHost* AsWindowHost() override { return this; }
  void InvalidateWindowRect(const TRect& windowRect) override;
  void UpdateWindow() override;
  // What needs painting: rectangles that do not overlap one another, and their bounds.
  const std::vector<TRect>& InvalidRegion() const { return invalid_; }
  TRect InvalidRect() const;
  void PaintTo(TBitmap& dest);
  void SaveToPng(const std::string& fileName);
  // Paints the whole window now, ignoring what is marked (for benchmarks and tests).
  void PaintWindow(const TRect& windowRect);

  // Input from the application loop; positions are in client coordinates.
  void HandleMouse(TMouseInput kind, TMouseButton button, TShiftState shift, TPoint clientPos);
  // Key down or up; true when the key went to a control (a character may follow).
  bool HandleKey(Word key, TShiftState shift, bool down);
  void HandleChar(char32_t ch, TShiftState shift);
  // The wheel goes to the control under the mouse, then up its parents until one scrolls.
  void HandleWheel(Integer wheelDelta, TShiftState shift, TPoint clientPos);
  TControl* MouseCapture() const { return capture_; }

  TRect GetClientRect() const override;
  TRect WindowClientArea() const override;
  void SetParent(TWinControl* parent) override;

  TNotifyEvent OnCreate;
  TNotifyEvent OnDestroy;
  TNotifyEvent OnShow;
  TNotifyEvent OnHide;
  TNotifyEvent OnActivate;
  TNotifyEvent OnDeactivate;
  TCloseEvent OnClose;
  TCloseQueryEvent OnCloseQuery;

  // A control of this form is leaving it: drop focus, capture and references to it.
  void ControlRemoving(TControl* control) override;
  void HoldFocus() override { ++focusHold_; }
  void ReleaseFocus() override;

 protected:
  void Loaded() override;
  void CMDialogKey(TWMKey& message) override;
  void CMVisibleChanged(TMessage& message) override;
  void CMTextChanged(TMessage& message) override;
  bool FillsParent() const override;
  void Notification(TComponent* component, TOperation operation) override;
  void BoundsChanged(bool sizeChanged) override;
  virtual void PaintFrame(TCanvas& canvas);
  virtual void DoShow();
  virtual void DoHide();
  virtual void DoClose(TCloseAction& action);

 private:
  friend class TScreen;
  void SetActive(bool value);
  void ApplyPosition();
  void FitParent();
  void SetWindowFocus(TWinControl* control);
  void PaintTree(TWinControl* control, const TRect& clip);
  static void CollectCovered(const TWinControl* control, TPoint clientOrigin, const TRect& clip, size_t from,
                             int depth, std::vector<TRect>& out);
  static void AddOpaqueGraphics(const TWinControl* control, TPoint clientOrigin, const TRect& clip,
                                std::vector<TRect>& out);
  TControl* InputTarget(TPoint windowPos) const;
  void SendMouse(TControl* target, Cardinal msg, NativeInt keys, TPoint windowPos);

  TFormBorderStyle borderStyle_ = bsSizeable;
  TPosition position_ = poDesigned;
  TWindowState windowState_ = wsNormal;
  bool scaled_ = true;
  bool keyPreview_ = false;
  bool active_ = false;
  bool modal_ = false;
  bool shownOnce_ = false;
  TModalResult modalResult_ = mrNone;
  TWinControl* activeControl_ = nullptr;
  TWinControl* focused_ = nullptr;
  TControl* capture_ = nullptr;
  IDesignerHook* designer_ = nullptr;
  std::unique_ptr<TBitmap> window_;
  std::unique_ptr<TCanvas> painter_;
  std::vector<TRect> invalid_;
  std::vector<TRect> covered_;  // scratch of PaintTree: what the children will paint over
  // A focus move in progress, innermost first (handlers may move the focus again).
  struct TFocusMove {
    std::vector<TWinControl*> controls;
    TFocusMove* outer;
  };
  TFocusMove* focusMove_ = nullptr;
  Integer focusHold_ = 0;
  bool focusLost_ = false;  // the focused control was hidden or disabled during a hold
  // The caption bar's gradient, drawn once per size and activation.
  std::unique_ptr<TBitmap> captionBar_;
  bool captionBarLit_ = false;
};

class TForm : public TCustomForm {
  HOST_CLASS(TForm, TCustomForm)
  explicit TForm(TComponent* owner);
};

class TScreen : public TComponent {
  HOST_CLASS(TScreen, TComponent)
  explicit TScreen(TComponent* owner);
  Integer Width() const;
  Integer Height() const;
  TCustomForm* ActiveForm() const { return active_.empty() ? nullptr : active_.back(); }
  TWinControl* ActiveControl() const;
  Integer FormCount() const { return static_cast<Integer>(forms_.size()); }
  TCustomForm* Forms(Integer index) const;

 private:
  friend class TCustomForm;
  void AddForm(TCustomForm* form);
  void RemoveForm(TCustomForm* form);
  void Activate(TCustomForm* form);
  void Deactivate(TCustomForm* form);
  std::vector<TCustomForm*> forms_;
  std::vector<TCustomForm*> active_;  // the active form last
};

class TApplication : public TComponent {
  HOST_CLASS(TApplication, TComponent)
  explicit TApplication(TComponent* owner);
  ~TApplication() override;

  // The backend that supplies input and the screen; headless unless replaced.
  TBackend& Backend() const { return *backend_; }
  void SetBackend(std::unique_ptr<TBackend> backend);
  // The backend when it is the headless one, else nullptr.
  THeadlessBackend* Headless() const;

  // Takes one input event and hands it on; false when there was none.
  bool HandleMessage();
  // Handles input until there is none.
  void ProcessMessages();
  // Shows the main form and handles input until it closes, Terminate is called or the
  // input ends.
  void Run();
  void Terminate() { terminated_ = true; }
  bool Terminated() const { return terminated_; }
  TCustomForm* MainForm() const { return mainForm_; }
  void SetMainForm(TCustomForm* form) { mainForm_ = form; }
  const std::string& Title() const { return title_; }
  void SetTitle(const std::string& value) { title_ = value; }
  std::string ExeName() const;

 private:
  void PaintShownForms();
  std::unique_ptr<TBackend> backend_;
  TCustomForm* mainForm_ = nullptr;
  std::string title_;
  bool terminated_ = false;
  bool lastKeyTaken_ = true;
};

extern TApplication* Application;
extern TScreen* Screen;

// The form at the top of a control's parent chain, or nullptr.
TCustomForm* GetParentForm(const TControl* control);
// As GetParentForm, but raises EInvalidOperation when there is none.
TCustomForm* ValidParentForm(const TControl* control);

}  // namespace host
