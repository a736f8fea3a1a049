// Controls: TControl (bounds, parent, alignment, visibility, mouse), TWinControl
// (children, tab order, focus, keys), TCustomControl and TGraphicControl (painted
// through a canvas). Controls draw themselves into the pixels of their top-level form;
// coordinates are relative to the parent's client area.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "host/core/Component.h"
#include "host/graphics/Graphics.h"
#include "host/controls/Messages.h"
#include "host/controls/WindowHost.h"

namespace host {

class TWinControl;
class TCustomForm;

HOST_ENUM(TAlign, alNone, alTop, alBottom, alLeft, alRight, alClient)

HOST_ENUM(TControlStyleItem, csAcceptsControls, csCaptureMouse, csDesignInteractive, csClickEvents, csFramed,
          csSetCaption, csOpaque, csDoubleClicks, csFixedWidth, csFixedHeight, csNoDesignVisible, csReplicatable,
          csNoStdEvents, csDisplayDragImage, csReflector)
using TControlStyle = TSet<TControlStyleItem, std::uint16_t>;
static_assert(csReflector < 16, "a control style no longer fits its set");

HOST_ENUM(TControlStateItem, csLButtonDown, csClicked, csPalette, csReadingState, csAlignmentNeeded, csFocusing,
          csCreating, csPaintCopy, csCustomPaint, csDestroyingHandle)
using TControlState = TSet<TControlStateItem, std::uint16_t>;
static_assert(csDestroyingHandle < 16, "a control state no longer fits its set");

using TTabOrder = Integer;
using TNotifyEvent = TEvent<void(TObject*)>;
using TMouseEvent = TEvent<void(TObject*, TMouseButton, TShiftState, Integer, Integer)>;
using TMouseMoveEvent = TEvent<void(TObject*, TShiftState, Integer, Integer)>;
using TKeyEvent = TEvent<void(TObject*, Word&, TShiftState)>;
using TKeyPressEvent = TEvent<void(TObject*, char32_t&)>;
using TMouseWheelEvent = TEvent<void(TObject*, TShiftState, Integer, TPoint, bool&)>;

class TControl : public TComponent {
  HOST_CLASS(TControl, TComponent)

  explicit TControl(TComponent* owner);
  ~TControl() override;

  // Bounds, relative to the parent's client area.
  Integer Left() const { return left_; }
  Integer Top() const { return top_; }
  Integer Width() const { return width_; }
  Integer Height() const { return height_; }
  void SetLeft(Integer v) { SetBounds(v, top_, width_, height_); }
  void SetTop(Integer v) { SetBounds(left_, v, width_, height_); }
  void SetWidth(Integer v) { SetBounds(left_, top_, v, height_); }
  void SetHeight(Integer v) { SetBounds(left_, top_, width_, v); }
  TRect BoundsRect() const { return Bounds(left_, top_, width_, height_); }
  void SetBoundsRect(const TRect& r) { SetBounds(r.Left, r.Top, r.Width(), r.Height()); }
  virtual void SetBounds(Integer aLeft, Integer aTop, Integer aWidth, Integer aHeight);

  // The rectangle children are aligned in and painting uses, in the control's own
  // coordinates. ClientWidth and ClientHeight are its Right and Bottom.
  virtual TRect GetClientRect() const;
  TRect ClientRect() const { return GetClientRect(); }
  Integer ClientWidth() const { return GetClientRect().Right; }
  Integer ClientHeight() const { return GetClientRect().Bottom; }
  void SetClientWidth(Integer v);
  void SetClientHeight(Integer v);
  // Screen coordinates: a top-level form's window starts at its Left/Top.
  virtual TPoint ClientOrigin() const;
  TPoint ClientToScreen(TPoint p) const;
  TPoint ScreenToClient(TPoint p) const;

  // With csSetCaption the caption follows the name while the two are equal.
  void SetName(const std::string& newName) override;

  TWinControl* Parent() const { return parent_; }
  virtual void SetParent(TWinControl* parent);
  bool HasParent() const override { return true; }
  TComponent* GetParentComponent() const override;
  void SetParentComponent(TComponent* value) override;

  TAlign Align() const { return align_; }
  void SetAlign(TAlign value);
  bool Visible() const { return visible_; }
  void SetVisible(bool value);
  void Show() { SetVisible(true); }
  void Hide() { SetVisible(false); }
  // Visible, and every parent up to the top-level form too.
  bool Showing() const;
  bool Enabled() const { return enabled_; }
  virtual void SetEnabled(bool value);

  // The text shown by the control (the classic library keeps caption and text in one).
  const std::string& Caption() const { return text_; }
  void SetCaption(const std::string& value) { SetText(value); }
  const std::string& Text() const { return text_; }
  void SetText(const std::string& value);

  TColor Color() const { return color_; }
  void SetColor(TColor value);
  bool ParentColor() const { return parentColor_; }
  void SetParentColor(bool value);
  TFont* Font() const { return &font_; }
  void SetFont(TFont* value) { font_.Assign(value); }
  bool ParentFont() const { return parentFont_; }
  // Font and Color are stored in form files unless they follow the parent.
  bool IsFontStored() const { return !parentFont_; }
  bool IsColorStored() const { return !parentColor_; }
  void SetParentFont(bool value);

  TControlStyle ControlStyle() const { return controlStyle_; }
  void SetControlStyle(TControlStyle value) { controlStyle_ = value; }
  TControlState ControlState() const { return controlState_; }
  void SetControlState(TControlState value) { controlState_ = value; }

  // Marks the control's area for the next paint of its form; Update paints what is
  // marked; Repaint does both at once.
  virtual void Invalidate();
  void Update();
  virtual void Repaint();
  void Refresh() { Repaint(); }
  void BringToFront();
  void SendToBack();

  // The one message path: Perform hands a message to WndProc, which lets the form's
  // designer see design-time input first and then calls Dispatch, which decodes the
  // message for its handler method.
  NativeInt Perform(Cardinal msg, NativeInt wParam = 0, NativeInt lParam = 0);
  virtual void WndProc(TMessage& message);
  virtual void Dispatch(TMessage& message);
  virtual void DefaultHandler(TMessage& message);

  // Presses the control as a click of the mouse would.
  virtual void Click();

  TNotifyEvent OnClick;
  TNotifyEvent OnDblClick;
  TMouseEvent OnMouseDown;
  TMouseEvent OnMouseUp;
  TMouseMoveEvent OnMouseMove;
  // The wheel turned over the control; setting the last argument keeps it from the parents.
  TMouseWheelEvent OnMouseWheel;

  // Used by the form: position of the control's top-left in its top-level window's
  // pixels, and the part of it that is visible there (clipped by every parent).
  TPoint WindowOrigin() const;
  TRect VisibleWindowRect() const;
  // The top-level window whose pixels this control draws into, or nullptr.
  IWindowHost* WindowHost() const;
  bool IsWinControl() const { return isWin_; }
  // The area that holds the children, relative to the control's top-left (a form's
  // frame and caption bar lie outside it). Windows clip their children to it.
  virtual TRect WindowClientArea() const { return Rect(0, 0, width_, height_); }
  // Visible, and so is every parent below the top-level window.
  bool VisibleInWindow() const;

  // Paints the control's own look into canvas, whose origin is the control's client
  // top-left and whose clip is what needs painting. Called by the form.
  virtual void PaintControl(TCanvas& canvas);
  // True when PaintControl covers every pixel of the client area by itself: nothing
  // needs erasing before it, and nothing under it needs painting.
  virtual bool PaintFillsClient() const { return false; }

 protected:
  // The window a top-level control is (the form), without a cross cast per look-up.
  virtual IWindowHost* AsWindowHost() { return nullptr; }
  // Mouse and click handling; the default implementations raise the events.
  virtual void MouseDown(TMouseButton button, TShiftState shift, Integer x, Integer y);
  virtual void MouseUp(TMouseButton button, TShiftState shift, Integer x, Integer y);
  virtual void MouseMove(TShiftState shift, Integer x, Integer y);
  virtual void DblClick();
  // The wheel turned over the control (delta in WHEEL_DELTA steps, positive away from
  // the user); true when the control scrolled, so its parents are not asked.
  virtual bool DoMouseWheel(TShiftState shift, Integer wheelDelta, TPoint mousePos);

  // Message handlers.
  virtual void CMDesignHitTest(TCMDesignHitTest& message);
  virtual void CMEnabledChanged(TMessage& message);
  virtual void CMVisibleChanged(TMessage& message);
  virtual void CMTextChanged(TMessage& message);
  virtual void CMFontChanged(TMessage& message);
  virtual void CMColorChanged(TMessage& message);
  virtual void WMMouse(TWMMouse& message);
  void WMMouseWheel(TWMMouseWheel& message);

  void Loaded() override;
  // The parent's font or colour changed: follow it when ParentFont / ParentColor.
  virtual void ParentFontChanged();
  virtual void ParentColorChanged();
  // Asks the parent to align its children again after this one's alignment changed.
  void RequestAlign();
  virtual void BoundsChanged(bool sizeChanged);

  Integer left_ = 0;
  Integer top_ = 0;
  Integer width_ = 0;
  Integer height_ = 0;
  // The small fields are packed together: every control of a form carries them.
  TControlStyle controlStyle_{csCaptureMouse, csClickEvents, csSetCaption, csDoubleClicks};
  TControlState controlState_;
  bool isWin_ = false;

 private:
  friend class TWinControl;
  friend class TCustomForm;
  void FontChanged(TObject*);
  TAlign align_ = alNone;
  bool visible_ = true;
  bool enabled_ = true;
  bool parentFont_ = true;
  bool parentColor_ = false;
  bool followingParent_ = false;  // font or colour being copied from the parent
  TColor color_ = clWindow;
  TWinControl* parent_ = nullptr;
  std::string text_;
  mutable TFont font_;
};

class TWinControl : public TControl {
  HOST_CLASS(TWinControl, TControl)

  explicit TWinControl(TComponent* owner);
  ~TWinControl() override;

  // Children: graphic controls first, then windowed controls, each in z-order.
  Integer ControlCount() const { return static_cast<Integer>(GraphicChildren().size() + WinChildren().size()); }
  TControl* Controls(Integer index) const;  // EListError outside the range
  void InsertControl(TControl* control);
  void RemoveControl(TControl* control);
  bool ContainsControl(const TControl* control) const;  // a descendant (or this)
  // The child (graphic or windowed) under a point of the client area, or nullptr.
  TControl* ControlAtPos(TPoint pos, bool allowDisabled, bool allowWinControls = true) const;
  const std::vector<TControl*>& GraphicChildren() const { return children_ ? children_->graphics : NoControls(); }
  const std::vector<TWinControl*>& WinChildren() const { return children_ ? children_->wins : NoWinControls(); }

  // Alignment of the children within GetClientRect, in the classic order: top,
  // bottom, left, right, client. DisableAlign / EnableAlign bracket bulk changes.
  void DisableAlign() { ++alignLevel_; }
  void EnableAlign();
  void Realign();
  bool AlignDisabled() const { return alignLevel_ > 0; }

  // Tab order: the position among the parent's windowed children. A value beyond the
  // last (or negative) puts the control last; reading gives the real position.
  TTabOrder TabOrder() const;
  void SetTabOrder(TTabOrder value);
  bool TabStop() const { return tabStop_; }
  void SetTabStop(bool value) { tabStop_ = value; }
  void GetTabOrderList(std::vector<TWinControl*>& list) const;
  const std::vector<TWinControl*>& TabList() const { return children_ ? children_->tabs : NoWinControls(); }

  // Focus.
  bool CanFocus() const;
  bool Focused() const;
  virtual void SetFocus();
  TWinControl* FindNextControl(TWinControl* current, bool goForward, bool checkTabStop, bool checkParent) const;
  void SelectNext(TWinControl* current, bool goForward, bool checkTabStop);
  // Focuses the first tab stop among this control's children.
  void SelectFirst();
  // The first visible, enabled tab stop below this control in tab order, not looking
  // into hidden or disabled containers nor into the controls skip passes over.
  TWinControl* FirstTabStop(const std::function<bool(const TWinControl&)>& skip = nullptr) const;

  // Sends a message to every child until one answers with a non-zero result.
  void Broadcast(TMessage& message);
  // CM_FOCUSCHANGED goes to the control losing the focus, the one gaining it, and the
  // controls that asked to hear every change (the default buttons): no walk over all.
  static const std::vector<TWinControl*>& FocusWatchers();

  // A window is made when the control first shows in a form that has one. Making it
  // sets csCreating and sends WM_SIZE; afterwards every change of size sends WM_SIZE.
  bool HandleAllocated() const { return handle_; }
  void HandleNeeded();

  void Dispatch(TMessage& message) override;
  void GetChildren(const TGetChildProc& proc, TComponent* root) override;

  TNotifyEvent OnEnter;
  TNotifyEvent OnExit;
  TKeyEvent OnKeyDown;
  TKeyEvent OnKeyUp;
  TKeyPressEvent OnKeyPress;
  TNotifyEvent OnResize;

 protected:
  virtual void AlignControls(TControl* aControl, TRect& rect);
  // Shrinks the client rectangle to the part children are aligned in (frames, captions).
  virtual void AdjustClientRect(TRect& rect) const;
  void AlignControl(TControl* aControl);
  virtual void CreateWnd() {}
  void CreateHandle();
  void DestroyHandle();

  // Keys; the defaults raise OnKeyDown, OnKeyUp and OnKeyPress.
  virtual void KeyDown(Word& key, TShiftState shift);
  virtual void KeyUp(Word& key, TShiftState shift);
  virtual void KeyPress(char32_t& key);
  virtual void DoEnter();
  virtual void DoExit();
  virtual void Resize();

  // A control whose look follows every focus change of its window (not only its own)
  // asks for CM_FOCUSCHANGED on each one.
  void SetWatchesFocus(bool value);

  // Message handlers.
  virtual void WMSize(TWMSize& message);
  virtual void WMGetDlgCode(TWMGetDlgCode& message);
  virtual void WMSetFocus(TWMSetFocus& message);
  virtual void WMKillFocus(TWMKillFocus& message);
  virtual void WMKeyDown(TWMKey& message);
  virtual void WMKeyUp(TWMKey& message);
  virtual void WMChar(TWMKey& message);
  virtual void CMDialogKey(TWMKey& message);
  virtual void CMDialogChar(TWMKey& message);
  virtual void CMFocusChanged(TMessage& message);
  virtual void CMEnter(TMessage& message);
  virtual void CMExit(TMessage& message);

  void CMFontChanged(TMessage& message) override;
  void CMColorChanged(TMessage& message) override;
  void Loaded() override;
 public:
  // Windows erase their background with Color when csOpaque is in their style.
  void PaintControl(TCanvas& canvas) override;
 protected:
  void BoundsChanged(bool sizeChanged) override;
  // True for a form that fills its parent (embedded and maximized).
  virtual bool FillsParent() const { return false; }

 private:
  friend class TControl;
  friend class TCustomForm;
  void UpdateTabOrder(TTabOrder value);
  void FixupTabList();

  // Most controls have no children: the lists are made with the first one.
  struct TChildLists {
    std::vector<TControl*> graphics;
    std::vector<TWinControl*> wins;
    std::vector<TWinControl*> tabs;
  };
  TChildLists& Children();
  static const std::vector<TControl*>& NoControls();
  static const std::vector<TWinControl*>& NoWinControls();
  std::unique_ptr<TChildLists> children_;
  Integer alignLevel_ = 0;
  bool aligning_ = false;
  bool alignNeeded_ = false;
  bool tabStop_ = false;
  bool handle_ = false;
  bool watchesFocus_ = false;
  TTabOrder pendingTabOrder_ = -1;  // read from a form file, applied in Loaded
};

// A canvas that draws on a control: outside painting it finds the control's place in
// its form's pixels each time it is asked for.
class TControlCanvas : public TCanvas {
  HOST_CLASS(TControlCanvas, TCanvas)
  explicit TControlCanvas(TControl* control) : control_(control) {}
  TControl* Control() const { return control_; }
  // Points the canvas at the control's pixels (or at nothing when it is not shown).
  void Prepare();
  // Set by the form around Paint: origin and clip come from the paint in progress.
  void BeginPaint(const TCanvas& painter);
  void EndPaint() {
    painting_ = false;
    SetCoveredRects(nullptr);
  }
  // Runs paint with the canvas set up from painter, ending the paint however it leaves.
  template <class F>
  void PaintWith(const TCanvas& painter, F&& paint) {
    BeginPaint(painter);
    struct End {
      TControlCanvas* c;
      ~End() { c->EndPaint(); }
    } end{this};
    paint();
  }
  bool Painting() const { return painting_; }

 private:
  TControl* control_;
  bool painting_ = false;
};

// A windowed control that paints itself on its Canvas in Paint.
class TCustomControl : public TWinControl {
  HOST_CLASS(TCustomControl, TWinControl)
  explicit TCustomControl(TComponent* owner);
  ~TCustomControl() override;
  TCanvas& Canvas();
  void PaintControl(TCanvas& canvas) override;

 protected:
  virtual void Paint();

 private:
  std::unique_ptr<TControlCanvas> canvas_;
};

// A control without a window of its own, painted by its parent.
class TGraphicControl : public TControl {
  HOST_CLASS(TGraphicControl, TControl)
  explicit TGraphicControl(TComponent* owner);
  ~TGraphicControl() override;
  TCanvas& Canvas();
  void PaintControl(TCanvas& canvas) override;

 protected:
  virtual void Paint();

 private:
  std::unique_ptr<TControlCanvas> canvas_;
};

}  // namespace host
