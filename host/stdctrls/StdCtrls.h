// Standard controls: push button, radio button, check box, group box, label, edit box,
// drop-down list, and (in their own headers) memo, list box and scroll bar.
#pragma once

#include <algorithm>
#include <memory>
#include <string>

#include "host/controls/Controls.h"
#include "host/core/Lists.h"
#include "host/stdctrls/LineEditor.h"
#include "host/stdctrls/ScrollBar.h"

namespace host {

HOST_ENUM(TAlignment, taLeftJustify, taRightJustify, taCenter)
HOST_ENUM(TTextLayout, tlTop, tlCenter, tlBottom)
HOST_ENUM(TLeftRight, lrLeftJustify, lrRightJustify)

class TButton : public TWinControl {
  HOST_CLASS(TButton, TWinControl)
  explicit TButton(TComponent* owner);

  bool Default() const { return default_; }
  void SetDefault(bool value);
  // Escape presses a button whose Cancel is True.
  bool Cancel() const { return cancel_; }
  void SetCancel(bool value) { cancel_ = value; }
  Integer ModalResult() const { return modalResult_; }
  void SetModalResult(Integer value) { modalResult_ = value; }
  // The button Enter presses: the focused button, or the default one when the focus
  // is not on a button.
  bool IsActive() const { return active_; }

  // Sets the form's ModalResult to this button's, then raises OnClick.
  void Click() override;
  void PaintControl(TCanvas& canvas) override;

 protected:
  bool Down() const;
  // The face of the button; descendants draw their own content into the rectangle.
  virtual void PaintContent(TCanvas& canvas, const TRect& content, bool down);
  void MouseDown(TMouseButton button, TShiftState shift, Integer x, Integer y) override;
  void MouseMove(TShiftState shift, Integer x, Integer y) override;
  void MouseUp(TMouseButton button, TShiftState shift, Integer x, Integer y) override;
  void KeyDown(Word& key, TShiftState shift) override;
  void KeyUp(Word& key, TShiftState shift) override;
  void WMGetDlgCode(TWMGetDlgCode& message) override;
  void WMKillFocus(TWMKillFocus& message) override;
  void CMDialogKey(TWMKey& message) override;
  void CMDialogChar(TWMKey& message) override;
  void CMFocusChanged(TMessage& message) override;

 private:
  bool default_ = false;
  bool cancel_ = false;
  bool active_ = false;
  bool mouseInside_ = false;
  bool spaceDown_ = false;
  Integer modalResult_ = 0;
};

class TRadioButton : public TWinControl {
  HOST_CLASS(TRadioButton, TWinControl)
  explicit TRadioButton(TComponent* owner);

  // Checking a radio button unchecks the other radio buttons of its parent and raises
  // OnClick; a checked radio button is the tab stop of its group.
  bool Checked() const { return checked_; }
  void SetChecked(bool value);
  TLeftRight Alignment() const { return alignment_; }
  void SetAlignment(TLeftRight value);
  void PaintControl(TCanvas& canvas) override;

 protected:
  void MouseDown(TMouseButton button, TShiftState shift, Integer x, Integer y) override;
  void MouseUp(TMouseButton button, TShiftState shift, Integer x, Integer y) override;
  void KeyUp(Word& key, TShiftState shift) override;
  void WMGetDlgCode(TWMGetDlgCode& message) override;
  void WMSetFocus(TWMSetFocus& message) override;
  void CMDialogChar(TWMKey& message) override;

 private:
  bool checked_ = false;
  TLeftRight alignment_ = lrRightJustify;
};

HOST_ENUM(TCheckBoxState, cbUnchecked, cbChecked, cbGrayed)

class TCheckBox : public TWinControl {
  HOST_CLASS(TCheckBox, TWinControl)
  explicit TCheckBox(TComponent* owner);

  // A click goes from unchecked to grayed (when AllowGrayed) to checked and back to
  // unchecked; every change of state raises OnClick.
  TCheckBoxState State() const { return state_; }
  void SetState(TCheckBoxState value);
  bool Checked() const { return state_ == cbChecked; }
  void SetChecked(bool value) { SetState(value ? cbChecked : cbUnchecked); }
  bool AllowGrayed() const { return allowGrayed_; }
  void SetAllowGrayed(bool value);
  TLeftRight Alignment() const { return alignment_; }
  void SetAlignment(TLeftRight value);
  void Toggle();
  void PaintControl(TCanvas& canvas) override;

 protected:
  void MouseDown(TMouseButton button, TShiftState shift, Integer x, Integer y) override;
  void MouseUp(TMouseButton button, TShiftState shift, Integer x, Integer y) override;
  void KeyUp(Word& key, TShiftState shift) override;
  void WMGetDlgCode(TWMGetDlgCode& message) override;
  void CMDialogChar(TWMKey& message) override;

 private:
  TCheckBoxState state_ = cbUnchecked;
  bool allowGrayed_ = false;
  TLeftRight alignment_ = lrRightJustify;
};

// The caption of a radio button or check box beside its box at x, with its accelerator,
// greyed when disabled, and the focus rectangle a pixel clear of the text.
void PaintButtonCaption(TCanvas& canvas, const TControl& control, Integer x, bool focused);

// A one-line edit box: caret, selection by mouse and Shift with the keys, words with
// Ctrl, the clipboard, and horizontal scrolling of text longer than the box.
class TEdit : public TWinControl {
  HOST_CLASS(TEdit, TWinControl)
  explicit TEdit(TComponent* owner);
  ~TEdit() override;

  // Characters the text may hold; 0 for no limit. Typing and pasting stop there.
  Integer MaxLength() const { return editor_.MaxLength; }
  void SetMaxLength(Integer value) { editor_.MaxLength = std::max<Integer>(value, 0); }
  bool ReadOnly() const { return editor_.ReadOnly; }
  void SetReadOnly(bool value) { editor_.ReadOnly = value; }
  // The character shown for each character of the text ('' for the text itself).
  std::string PasswordChar() const;
  void SetPasswordChar(const std::string& value);
  // Entering the box with the keyboard selects all its text.
  bool AutoSelect() const { return autoSelect_; }
  void SetAutoSelect(bool value) { autoSelect_ = value; }

  // Selection in bytes of the UTF-8 text.
  Integer SelStart() const { return static_cast<Integer>(editor_.SelStart()); }
  Integer SelLength() const { return static_cast<Integer>(editor_.SelLength()); }
  void SetSelStart(Integer value);
  void SetSelLength(Integer value);
  std::string SelText() const { return editor_.SelText(Text()); }
  void SetSelText(const std::string& value);
  void SelectAll();
  void CopyToClipboard();
  void CutToClipboard();
  void PasteFromClipboard();
  bool Modified() const { return modified_; }
  void SetModified(bool value) { modified_ = value; }
  const TLineEditor& Editor() const { return editor_; }
  // The area the text is drawn in.
  TRect TextArea() const;

  TNotifyEvent OnChange;
  void PaintControl(TCanvas& canvas) override;

 protected:
  virtual void Change();
  void MouseDown(TMouseButton button, TShiftState shift, Integer x, Integer y) override;
  void MouseMove(TShiftState shift, Integer x, Integer y) override;
  void KeyDown(Word& key, TShiftState shift) override;
  void KeyPress(char32_t& key) override;
  void WMGetDlgCode(TWMGetDlgCode& message) override;
  void WMSetFocus(TWMSetFocus& message) override;
  void WMKillFocus(TWMKillFocus& message) override;
  void CMTextChanged(TMessage& message) override;
  void BoundsChanged(bool sizeChanged) override;

 private:
  // Applies what a key did: the new text, a repaint of what changed, the caret.
  void Edited(TLineEditor::TResult result, const std::string& text, size_t oldStart, size_t oldLength);
  void UpdateCaret();
  TLineEditor editor_;
  bool autoSelect_ = true;
  bool modified_ = false;
};

class TGroupBox : public TCustomControl {
  HOST_CLASS(TGroupBox, TCustomControl)
  explicit TGroupBox(TComponent* owner);

 protected:
  void Paint() override;
  void AdjustClientRect(TRect& rect) const override;
  void CMTextChanged(TMessage& message) override;
};

class TLabel : public TGraphicControl {
  HOST_CLASS(TLabel, TGraphicControl)
  explicit TLabel(TComponent* owner);

  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment value);
  bool AutoSize() const { return autoSize_; }
  void SetAutoSize(bool value);
  bool Transparent() const { return transparent_; }
  void SetTransparent(bool value);
  bool WordWrap() const { return wordWrap_; }
  void SetWordWrap(bool value);
  TTextLayout Layout() const { return layout_; }
  void SetLayout(TTextLayout value);
  bool ShowAccelChar() const { return showAccelChar_; }
  void SetShowAccelChar(bool value);
  // The control that an accelerator of the caption focuses.
  TWinControl* FocusControl() const { return focusControl_; }
  void SetFocusControl(TWinControl* value) { focusControl_ = value; }
  // The caption's accelerator focuses FocusControl.
  void Dispatch(TMessage& message) override;

 protected:
  void Paint() override;
  void CMTextChanged(TMessage& message) override;
  void CMFontChanged(TMessage& message) override;
  void Loaded() override;
  void Notification(TComponent* component, TOperation operation) override;

 private:
  // The caption broken into the lines that are drawn.
  std::vector<std::string> Lines(TCanvas& canvas) const;
  void AdjustBounds();
  TAlignment alignment_ = taLeftJustify;
  TTextLayout layout_ = tlTop;
  bool autoSize_ = true;
  bool transparent_ = false;
  bool wordWrap_ = false;
  bool showAccelChar_ = true;
  TWinControl* focusControl_ = nullptr;
};

HOST_ENUM(TComboBoxStyle, csDropDown, csSimple, csDropDownList, csOwnerDrawFixed, csOwnerDrawVariable)

class TComboListBox;

class TComboBox : public TWinControl {
  HOST_CLASS(TComboBox, TWinControl)
  explicit TComboBox(TComponent* owner);
  ~TComboBox() override;

  TComboBoxStyle Style() const { return style_; }
  void SetStyle(TComboBoxStyle value);
  TStrings* Items() const { return items_.get(); }
  void SetItems(TStrings* value);
  // -1 when nothing is chosen; a value outside the items chooses nothing, and so does
  // an index left beyond the items when items are deleted.
  Integer ItemIndex() const { return itemIndex_ < items_->Count() ? itemIndex_ : -1; }
  void SetItemIndex(Integer value);
  Integer DropDownCount() const { return dropDownCount_; }
  void SetDropDownCount(Integer value) { dropDownCount_ = value; }
  Integer ItemHeight() const;
  void SetItemHeight(Integer) {}
  bool Sorted() const { return sorted_; }
  void SetSorted(bool value);

  // The selection of the field's text (csDropDown), in bytes of the UTF-8 text.
  Integer SelStart() const { return static_cast<Integer>(editor_.SelStart()); }
  Integer SelLength() const { return static_cast<Integer>(editor_.SelLength()); }
  std::string SelText() const { return editor_.SelText(Text()); }

  bool DroppedDown() const { return list_ != nullptr; }
  void SetDroppedDown(bool value);
  TComboListBox* DropList() const { return list_; }

  TNotifyEvent OnChange;
  TNotifyEvent OnDropDown;

  void PaintControl(TCanvas& canvas) override;
  TRect ButtonRect() const;

 protected:
  // A choice by the user: sets ItemIndex and raises OnChange.
  void Choose(Integer index);
  virtual void Change();
  void MouseDown(TMouseButton button, TShiftState shift, Integer x, Integer y) override;
  void KeyDown(Word& key, TShiftState shift) override;
  void KeyPress(char32_t& key) override;
  void WMGetDlgCode(TWMGetDlgCode& message) override;
  void WMSetFocus(TWMSetFocus& message) override;
  void WMKillFocus(TWMKillFocus& message) override;
  void MouseMove(TShiftState shift, Integer x, Integer y) override;
  void CMTextChanged(TMessage& message) override;
  void Dispatch(TMessage& message) override;
  void Loaded() override;

 private:
  friend class TComboListBox;
  void SyncText();
  // The field where csDropDown edits its text.
  TRect TextArea() const;
  bool Editing() const { return style_ == csDropDown || style_ == csSimple; }
  void Edited(TLineEditor::TResult result, const std::string& text, size_t oldStart, size_t oldLength);
  void UpdateCaret();
  TLineEditor editor_;
  std::unique_ptr<TStringList> items_;
  TComboBoxStyle style_ = csDropDown;
  Integer itemIndex_ = -1;
  Integer dropDownCount_ = 8;
  bool sorted_ = false;
  TComboListBox* list_ = nullptr;
};

// The list a combo box drops down: a child of the top-level form, above all else.
class TComboListBox : public TCustomControl {
  HOST_CLASS(TComboListBox, TCustomControl)
  TComboListBox(TComboBox* combo, TWinControl* host);
  ~TComboListBox() override;
  Integer Highlight() const { return highlight_; }
  void SetHighlight(Integer index);
  Integer TopIndex() const { return top_; }
  Integer ItemAt(Integer y) const;
  Integer Rows() const;
  void SetTopIndex(Integer value);
  TScrollBar* ScrollBar() const { return scrollBar_; }

 protected:
  void Paint() override;
  bool DoMouseWheel(TShiftState shift, Integer wheelDelta, TPoint mousePos) override;
  void MouseMove(TShiftState shift, Integer x, Integer y) override;
  void MouseUp(TMouseButton button, TShiftState shift, Integer x, Integer y) override;

 private:
  TComboBox* combo_;
  Integer highlight_ = -1;
  Integer top_ = 0;
  TScrollBar* scrollBar_ = nullptr;  // when the items are more than the rows
};

}  // namespace host

#include "host/stdctrls/ListBox.h"
#include "host/stdctrls/Memo.h"
