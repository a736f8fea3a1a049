// TPageControl and its tab sheets.
#pragma once

#include <vector>

#include "host/controls/Controls.h"

namespace host {

class TPageControl;
using TTabChangingEvent = TEvent<void(TObject*, bool&)>;

class TTabSheet : public TWinControl {
  HOST_CLASS(TTabSheet, TWinControl)
  explicit TTabSheet(TComponent* owner);
  ~TTabSheet() override;

  // The page control holding the sheet (its parent).
  TPageControl* PageControl() const { return pageControl_; }
  void SetPageControl(TPageControl* value);
  Integer PageIndex() const;
  void SetPageIndex(Integer value);
  bool TabVisible() const { return tabVisible_; }
  void SetTabVisible(bool value);
  void SetParent(TWinControl* parent) override;

 protected:
  void CMTextChanged(TMessage& message) override;

 private:
  friend class TPageControl;
  TPageControl* pageControl_ = nullptr;
  bool tabVisible_ = true;
};

class TPageControl : public TWinControl {
  HOST_CLASS(TPageControl, TWinControl)
  explicit TPageControl(TComponent* owner);
  ~TPageControl() override;

  Integer PageCount() const { return static_cast<Integer>(pages_.size()); }
  TTabSheet* Pages(Integer index) const;  // EListError outside the range
  TTabSheet* ActivePage() const { return activePage_; }
  void SetActivePage(TTabSheet* page);
  Integer ActivePageIndex() const;
  void SetActivePageIndex(Integer index);
  // Moves to the next (or previous) visible tab, asking OnChanging first.
  void SelectNextPage(bool goForward);
  Integer TabHeight() const { return tabHeight_; }
  void SetTabHeight(Integer value);
  Integer TabWidth() const { return tabWidth_; }
  void SetTabWidth(Integer value);

  // Geometry of the tabs (client coordinates) and of the area the sheets fill.
  TRect TabRect(Integer index);
  TRect DisplayRect();
  Integer IndexOfTabAt(Integer x, Integer y);

  TNotifyEvent OnChange;
  TTabChangingEvent OnChanging;

  void PaintControl(TCanvas& canvas) override;
  void GetChildren(const TGetChildProc& proc, TComponent* root) override;

 protected:
  void AlignControls(TControl* aControl, TRect& rect) override;
  void MouseDown(TMouseButton button, TShiftState shift, Integer x, Integer y) override;
  void KeyDown(Word& key, TShiftState shift) override;
  void WMGetDlgCode(TWMGetDlgCode& message) override;
  void CMDesignHitTest(TCMDesignHitTest& message) override;
  void CMDialogKey(TWMKey& message) override;
  void Loaded() override;
  void Notification(TComponent* component, TOperation operation) override;

 private:
  friend class TTabSheet;
  Integer TabRowHeight();
  void InsertPage(TTabSheet* page);
  void RemovePage(TTabSheet* page);
  // A change by the user: OnChanging may refuse it; OnChange follows it.
  void ChangeActivePage(TTabSheet* page);
  void ShowActive();
  std::vector<TTabSheet*> pages_;
  TTabSheet* activePage_ = nullptr;
  Integer tabHeight_ = 0;
  Integer tabWidth_ = 0;
};

}  // namespace host
