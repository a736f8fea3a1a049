// The form designer of the program: it takes the design-time input of the designed
// form's controls (placing, selecting, moving, resizing), draws the grab handles and
// the rubber band above them, and turns every change into a step of the document.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "Document.h"
#include "host/design/DesignIntf.h"

namespace host {
class TMenuItem;
}

namespace designer {

class TFormEditor : public host::IDesigner {
 public:
  static constexpr host::Integer kGrid = 8;
  static constexpr host::Integer kHandle = 6;  // grab handle size in pixels
  // Size of a component placed with a click instead of a dragged rectangle.
  static constexpr host::Integer kDefaultWidth = 96, kDefaultHeight = 32;

  explicit TFormEditor(TDesignDocument& document);
  ~TFormEditor() override;

  TDesignDocument& Document() const { return document_; }
  TDesignedForm* Form() const { return document_.Form(); }
  // The control that takes the keys of the design surface (focused on each press).
  void SetKeyTarget(host::TWinControl* control) { keyTarget_ = control; }
  // Called by the document when Undo, Redo, New or Open replaced the form.
  void FormReplaced(TDesignedForm* now, TDesignedForm* old);

  // The designer interface.
  void Modified() override;
  bool IsDesignMsg(host::TControl* sender, host::TMessage& message) override;
  void Notification(host::TPersistent* component, host::TOperation operation) override;
  void SelectComponent(host::TPersistent* instance) override;
  host::TComponent* GetRoot() const override { return Form(); }
  std::vector<host::TPersistent*> GetSelections() const override;
  void PaintOverlay(host::TCanvas& canvas) override;

  // The selection; the form itself when nothing else is chosen.
  const std::vector<host::TComponent*>& Selection() const { return selection_; }
  bool IsSelected(const host::TComponent* c) const;
  // add: Shift+click, which adds a component or takes it out again.
  void Select(host::TComponent* component, bool add = false);
  void SelectOnly(const std::vector<host::TComponent*>& components);

  // Placing: the class chosen on the palette (nullptr: the arrow, selecting).
  const host::TClassInfo* PlacingClass() const { return placing_; }
  void SetPlacingClass(const host::TClassInfo* cls);
  // Creates a component of the class in the container with the bounds (container
  // client coordinates), names it uniquely, selects it and records the step.
  host::TComponent* Place(const host::TClassInfo& cls, host::TWinControl* container, const host::TRect& bounds);
  // "Zelvant1" for TZelvant: the class name without its T and the lowest free number.
  std::string UniqueName(const std::string& className) const;

  bool GridEnabled() const { return grid_; }
  void SetGridEnabled(bool value);
  host::Integer Snap(host::Integer v) const;

  // Keys of the design surface: arrows move by a pixel, Shift+arrows resize, Delete,
  // Ctrl+C, Ctrl+V. True when the key was taken.
  bool KeyDown(host::Word key, host::TShiftState shift);
  void Nudge(host::Integer dx, host::Integer dy, bool resize);
  void DeleteSelection();
  // The selected controls (not those inside another selected one) as form-file text;
  // Ctrl+C puts it on the clipboard, Ctrl+V reads it from there.
  std::string CopyText() const;
  void CopySelection();
  // Components read from form-file text into the selected container, renamed where
  // their names are taken; raises the reader's error and changes nothing then.
  std::vector<host::TComponent*> PasteText(const std::string& text);
  void Paste();
  void BringToFront();
  void SendToBack();
  void AlignToGrid();
  // The component editor's Edit (a double click).
  void EditComponent(host::TComponent* component);
  // The context menu of the selection: the component editor's verbs, then Bring to
  // Front, Send to Back and Align to Grid.
  void FillContextMenu(host::TMenuItem& items);

  std::function<void()> OnSelectionChanged;
  // A component of the form is about to be freed (after the selection let go of it).
  std::function<void(host::TPersistent*)> OnRemoving;
  // Placing ended (a component was placed or Escape pressed): the palette's arrow is down again.
  std::function<void()> OnPlacingEnded;
  // After each recorded change of the form (the inspector refreshes from it).
  std::function<void()> OnModified;
  // A drag moved or sized the selection a step (recorded when the mouse goes up).
  std::function<void()> OnDragStep;
  // A right click: the context menu should open at this point of the window.
  std::function<void(host::TPoint windowPos)> OnContextMenu;
  // A message for the user (a rejected paste, say).
  std::function<void(const std::string&)> OnError;

  // Where a control lies in the pixels of the window that shows the form.
  static host::TRect WindowRectOf(const host::TControl& control);
  // The eight grab handles of a window rectangle: corners and edge middles,
  // clockwise from the top-left.
  static std::vector<host::TRect> HandleRects(const host::TRect& windowRect);

 private:
  enum class TDrag { None, Move, Resize, Band, Place };
  struct TOrigin {
    host::TControl* Control;
    host::TRect Bounds;
  };

  host::TPoint WindowPos(host::TControl* sender, const host::TMessage& m) const;
  host::TWinControl* ContainerAt(host::TControl* sender) const;
  std::vector<host::TControl*> SelectedControls() const;
  void InvalidateSelection() const;
  void InvalidateWindow(const host::TRect& windowRect) const;
  void SetBand(const host::TRect& band);
  // The grid's dots on the free background of a container and of the containers in it.
  void PaintGrid(host::TCanvas& canvas, const host::TWinControl& container) const;
  bool MouseDown(host::TControl* sender, host::TPoint windowPos, host::TShiftState shift);
  void MouseMove(host::TPoint windowPos);
  void MouseUp(host::TPoint windowPos);
  void FinishPlace();
  void FinishBand();
  void Changed();
  void SelectionChanged();

  TDesignDocument& document_;
  host::TWinControl* keyTarget_ = nullptr;
  std::vector<host::TComponent*> selection_;
  const host::TClassInfo* placing_ = nullptr;
  bool grid_ = true;

  TDrag drag_ = TDrag::None;
  host::TPoint dragStart_;  // window pixels
  bool dragMoved_ = false;
  bool controlHasMouse_ = false;  // the control took the press itself
  std::vector<TOrigin> origins_;
  int handle_ = -1;
  host::TWinControl* dragContainer_ = nullptr;
  host::TRect band_;  // window pixels; empty when none is shown
};

}  // namespace designer
