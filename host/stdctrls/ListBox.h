// TListBox: a list of lines to choose one or (MultiSelect) several of, with a scroll
// bar when it holds more than it shows.
#pragma once

#include <memory>
#include <vector>

#include "host/controls/Controls.h"
#include "host/core/Lists.h"
#include "host/stdctrls/ScrollBar.h"

namespace host {

class TListBox : public TWinControl {
  HOST_CLASS(TListBox, TWinControl)
  explicit TListBox(TComponent* owner);
  ~TListBox() override;

  TStrings* Items() const { return items_.get(); }
  void SetItems(TStrings* value) { items_->Assign(value); }
  // The item with the focus (the chosen one without MultiSelect); -1 for none.
  Integer ItemIndex() const { return itemIndex_; }
  void SetItemIndex(Integer value);
  // Several items can be selected; with ExtendedSelect Shift selects a range and Ctrl
  // adds or removes one, without it every click adds or removes one.
  bool MultiSelect() const { return multiSelect_; }
  void SetMultiSelect(bool value);
  bool ExtendedSelect() const { return extendedSelect_; }
  void SetExtendedSelect(bool value) { extendedSelect_ = value; }
  bool Selected(Integer index) const;
  void SetSelected(Integer index, bool value);
  Integer SelCount() const;
  void ClearSelection();

  Integer ItemHeight() const;
  void SetItemHeight(Integer) {}
  Integer TopIndex() const { return top_; }
  void SetTopIndex(Integer value);
  // Items that fit in the box whole.
  Integer VisibleRows() const;
  // The item at a point of the client area, or -1.
  Integer ItemAtPos(TPoint pos) const;
  TRect ItemRect(Integer index) const;
  TRect TextArea() const;
  TScrollBar* ScrollBar() const { return bar_; }

  void PaintControl(TCanvas& canvas) override;

 protected:
  void MouseDown(TMouseButton button, TShiftState shift, Integer x, Integer y) override;
  void MouseMove(TShiftState shift, Integer x, Integer y) override;
  void KeyDown(Word& key, TShiftState shift) override;
  void KeyPress(char32_t& key) override;
  void WMGetDlgCode(TWMGetDlgCode& message) override;
  bool DoMouseWheel(TShiftState shift, Integer wheelDelta, TPoint mousePos) override;
  void BoundsChanged(bool sizeChanged) override;
  void CMFontChanged(TMessage& message) override;
  void Loaded() override;

 private:
  void ItemsChanged(TObject*);
  void UpdateScrollBar();
  // Moves the focus to index as a click or key does, selecting as shift says.
  void Select(Integer index, TShiftState shift, bool toggle);
  void MakeVisible(Integer index);
  void InvalidateItem(Integer index);

  std::unique_ptr<TStringList> items_;
  std::vector<bool> selected_;
  Integer itemIndex_ = -1;
  Integer anchor_ = -1;
  Integer top_ = 0;
  bool multiSelect_ = false;
  bool extendedSelect_ = true;
  TScrollBar* bar_;
};

}  // namespace host
