// Menu items and the popup (context) menu: a list shown above everything else in its
// form until an item is chosen, the mouse is pressed elsewhere or Escape is pressed.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "host/controls/Controls.h"

namespace host {

class TMenuItem : public TComponent {
  HOST_CLASS(TMenuItem, TComponent)
  explicit TMenuItem(TComponent* owner);
  ~TMenuItem() override;

  // "-" makes the item a separator line.
  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& value) { caption_ = value; }
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool value) { enabled_ = value; }
  bool IsLine() const { return caption_ == "-"; }

  // Sub-items, owned by this item.
  Integer Count() const { return static_cast<Integer>(items_.size()); }
  TMenuItem* Items(Integer index) const;  // EListError outside the range
  void Add(TMenuItem* item);
  // A new item added at the end.
  TMenuItem* Add(const std::string& caption, TNotifyEvent onClick = {});
  void Clear();

  // Raises OnClick when the item is enabled.
  virtual void Click();
  TNotifyEvent OnClick;

 private:
  std::string caption_;
  bool enabled_ = true;
  std::vector<std::unique_ptr<TMenuItem>> items_;
};

class TPopupList;

class TPopupMenu : public TComponent {
  HOST_CLASS(TPopupMenu, TComponent)
  explicit TPopupMenu(TComponent* owner);
  ~TPopupMenu() override;

  TMenuItem* Items() const { return items_.get(); }
  // Shows the items at a point of the form's client area (moved inside the form when
  // they would stick out). Any menu shown before is closed.
  void Popup(TWinControl* form, TPoint clientPos);
  void CloseUp();
  // The list while the menu is shown, else nullptr.
  TPopupList* List() const { return list_; }
  TNotifyEvent OnPopup;

 private:
  friend class TPopupList;
  std::unique_ptr<TMenuItem> items_;
  TPopupList* list_ = nullptr;
};

// The shown menu: a child of the form, on top of its other controls.
class TPopupList : public TCustomControl {
  HOST_CLASS(TPopupList, TCustomControl)
  TPopupList(TPopupMenu* menu, TWinControl* host, TPoint pos);
  ~TPopupList() override;

  static constexpr Integer kItemHeight = 22;
  static constexpr Integer kLineHeight = 7;
  Integer Highlight() const { return highlight_; }
  // The item under a point of the list, or -1 (lines and the frame give -1).
  Integer ItemAt(TPoint p) const;
  // The rectangle of item i in the list's coordinates.
  TRect ItemRect(Integer index) const;
  // Chooses item i: the menu closes (freeing this list), then the item is clicked.
  void Choose(Integer index);

 protected:
  void Paint() override;
  void MouseMove(TShiftState shift, Integer x, Integer y) override;
  void MouseUp(TMouseButton button, TShiftState shift, Integer x, Integer y) override;
  void KeyDown(Word& key, TShiftState shift) override;
  void WMGetDlgCode(TWMGetDlgCode& message) override;
  void WMKillFocus(TWMKillFocus& message) override;
  void Dispatch(TMessage& message) override;

 private:
  void SetHighlight(Integer index);
  void Step(Integer delta);
  TPopupMenu* menu_;
  Integer highlight_ = -1;
};

}  // namespace host
