// What a control needs from the top-level window it lives in. The form implements it;
// controls reach their window only through this, so they need nothing of forms.
#pragma once

#include "host/core/Component.h"

namespace host {

class TBitmap;
class TCanvas;
class TControl;
class TWinControl;
struct TMessage;
struct TRect;

// What a window in design mode reports to, and what sees its design-time input first.
class IDesignerHook {
 public:
  virtual ~IDesignerHook() = default;
  // The designed form changed.
  virtual void Modified() = 0;
  // A message for a control in design mode; true when the designer took it.
  virtual bool IsDesignMsg(TControl* sender, TMessage& message) = 0;
  // A component of the form was inserted or is being removed.
  virtual void Notification(TPersistent* component, TOperation operation) = 0;
  // Hands a component to the designer, which makes it the selection.
  virtual void SelectComponent(TPersistent* instance) = 0;
  virtual TComponent* GetRoot() const = 0;
  // Draws what the designer shows above the controls (grab handles, a rubber band)
  // into the window's pixels; the canvas is clipped to the part being painted.
  virtual void PaintOverlay(TCanvas& canvas) { (void)canvas; }
};

class IWindowHost {
 public:
  virtual ~IWindowHost() = default;
  // Focus: the active control has the focus while the window is active.
  virtual bool Active() const = 0;
  virtual TWinControl* FocusedControl() const = 0;
  virtual void FocusControl(TWinControl* control) = 0;
  virtual void SetActiveControl(TWinControl* control) = 0;
  // A control of this window is leaving it: drop focus, capture and references to it.
  virtual void ControlRemoving(TControl* control) = 0;
  // Between the two, a focused control that is hidden or disabled keeps the focus until
  // it is given to another control or the hold ends: the focus then moves once, from
  // the old control straight to the new one. Holds nest.
  virtual void HoldFocus() = 0;
  virtual void ReleaseFocus() = 0;
  // Pixels: false until the window is first painted; until then nothing needs invalidating.
  virtual bool HasWindowPixels() const = 0;
  virtual TBitmap& WindowBitmap() = 0;
  virtual void InvalidateWindowRect(const TRect& windowRect) = 0;
  virtual void UpdateWindow() = 0;
  virtual IDesignerHook* Designer() const = 0;
};

}  // namespace host
