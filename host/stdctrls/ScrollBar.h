// TScrollBar: a standalone scroll bar, and the one that lists and memos put beside
// their text when they hold more than they show.
#pragma once

#include <functional>

#include "host/controls/Controls.h"

namespace host {

HOST_ENUM(TScrollBarKind, sbHorizontal, sbVertical)
HOST_ENUM(TScrollCode, scLineUp, scLineDown, scPageUp, scPageDown, scPosition, scTrack, scTop, scBottom, scEndScroll)
using TScrollEvent = TEvent<void(TObject*, TScrollCode, Integer&)>;
// Which scroll bars a memo or grid shows.
HOST_ENUM(TScrollStyle, ssNone, ssHorizontal, ssVertical, ssBoth)

class TScrollBar : public TWinControl {
  HOST_CLASS(TScrollBar, TWinControl)
  explicit TScrollBar(TComponent* owner);

  TScrollBarKind Kind() const { return kind_; }
  void SetKind(TScrollBarKind value);
  Integer Min() const { return min_; }
  void SetMin(Integer value) { SetParams(position_, value, max_); }
  Integer Max() const { return max_; }
  void SetMax(Integer value) { SetParams(position_, min_, value); }
  // Position runs from Min to Max - PageSize + 1 (to Max when PageSize is 0).
  Integer Position() const { return position_; }
  void SetPosition(Integer value) { SetParams(value, min_, max_); }
  Integer PageSize() const { return pageSize_; }
  void SetPageSize(Integer value);
  Integer SmallChange() const { return smallChange_; }
  void SetSmallChange(Integer value) { smallChange_ = value; }
  Integer LargeChange() const { return largeChange_; }
  void SetLargeChange(Integer value) { largeChange_ = value; }
  // Sets all three at once, keeping Position within the range; OnChange when it moved.
  void SetParams(Integer position, Integer min, Integer max);
  Integer MaxPosition() const;
  // A bar over `count` rows of which `rows` are in view, the first of them `top`: one
  // call, so the position is never clamped against a range that is half set.
  void SetRows(Integer top, Integer count, Integer rows);

  // The width of a vertical bar beside a list, memo or grid.
  static constexpr Integer kInnerWidth = 16;

  // The arrows, the track between them and the thumb, in client coordinates.
  TRect ArrowRect(bool first) const;
  TRect TrackRect() const;
  TRect ThumbRect() const;

  TNotifyEvent OnChange;
  // Raised for every move by the user before Position changes; the handler may change
  // the position it is given.
  TScrollEvent OnScroll;

  void PaintControl(TCanvas& canvas) override;

 protected:
  void MouseDown(TMouseButton button, TShiftState shift, Integer x, Integer y) override;
  void MouseMove(TShiftState shift, Integer x, Integer y) override;
  void MouseUp(TMouseButton button, TShiftState shift, Integer x, Integer y) override;
  void KeyDown(Word& key, TShiftState shift) override;
  void WMGetDlgCode(TWMGetDlgCode& message) override;
  bool DoMouseWheel(TShiftState shift, Integer wheelDelta, TPoint mousePos) override;
  virtual void Scroll(TScrollCode code, Integer& position);
  virtual void Change();

 private:
  enum class TPart { None, FirstArrow, SecondArrow, PageBefore, PageAfter, Thumb };
  void UserScroll(TScrollCode code, Integer position);
  TPart PartAt(TPoint p) const;
  Integer Along(TPoint p) const { return kind_ == sbVertical ? p.Y : p.X; }
  void DrawArrow(TCanvas& canvas, const TRect& r, bool first, bool pressed) const;

  TScrollBarKind kind_ = sbHorizontal;
  Integer min_ = 0;
  Integer max_ = 100;
  Integer position_ = 0;
  Integer pageSize_ = 0;
  Integer smallChange_ = 1;
  Integer largeChange_ = 1;
  TPart pressed_ = TPart::None;
  Integer dragOffset_ = 0;  // where the thumb was taken, from its start
};

// A vertical bar inside a list or memo, owned by nobody (its parent frees it, form files
// never store it), that never takes the focus; moved calls back with the new position.
TScrollBar* MakeInnerScrollBar(TWinControl* parent, std::function<void(Integer)> moved);

}  // namespace host
