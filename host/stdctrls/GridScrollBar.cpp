// The grid's vertical scroll bar: arrows step one row, the track a page, the thumb drags.
#include "host/stdctrls/GridScrollBar.h"

#include <algorithm>

#include "host/core/ClassBuilder.h"
#include "host/graphics/Draw3D.h"

namespace host {

HOST_PUBLISHED(TGridScrollBar) {}

TGridScrollBar::TGridScrollBar() : TCustomControl(nullptr) {
  controlStyle_ = {csOpaque, csCaptureMouse};
  width_ = kWidth;
  SetTabStop(false);
}

void TGridScrollBar::SetParams(Integer position, Integer range, Integer pageSize) {
  range = std::max<Integer>(range, 0);
  pageSize = std::max<Integer>(pageSize, 1);
  position = std::clamp<Integer>(position, 0, range);
  if (position == position_ && range == range_ && pageSize == pageSize_) return;
  position_ = position;
  range_ = range;
  pageSize_ = pageSize;
  Invalidate();
}

Integer TGridScrollBar::ArrowHeight() const { return std::min<Integer>(kWidth, height_ / 2); }

TRect TGridScrollBar::UpArrowRect() const { return Rect(0, 0, width_, ArrowHeight()); }
TRect TGridScrollBar::DownArrowRect() const { return Rect(0, height_ - ArrowHeight(), width_, height_); }

TRect TGridScrollBar::ThumbRect() const {
  const Integer a = ArrowHeight(), track = height_ - 2 * a;
  if (range_ <= 0 || track < 8) return TRect{};
  // The thumb's share of the track is the share of the rows in view, at least 8 pixels.
  const Integer length = std::clamp<Integer>(track * pageSize_ / (range_ + pageSize_), 8, track);
  const Integer top = a + (track - length) * position_ / range_;
  return Rect(0, top, width_, top + length);
}

void TGridScrollBar::Scroll(Integer position) {
  position = std::clamp<Integer>(position, 0, range_);
  if (position == position_) return;
  position_ = position;
  Invalidate();
  if (OnScroll) OnScroll(position);
}

void TGridScrollBar::MouseDown(TMouseButton button, TShiftState shift, Integer x, Integer y) {
  TCustomControl::MouseDown(button, shift, x, y);
  if (button != mbLeft) return;
  const TPoint p = Point(x, y);
  const TRect thumb = ThumbRect();
  if (UpArrowRect().Contains(p)) {
    pressed_ = TPart::Up;
    Invalidate();
    Scroll(position_ - 1);
  } else if (DownArrowRect().Contains(p)) {
    pressed_ = TPart::Down;
    Invalidate();
    Scroll(position_ + 1);
  } else if (thumb.Contains(p)) {
    pressed_ = TPart::Thumb;
    grip_ = y - thumb.Top;
  } else if (!thumb.IsEmpty()) {
    Scroll(y < thumb.Top ? position_ - pageSize_ : position_ + pageSize_);
  }
}

void TGridScrollBar::MouseMove(TShiftState shift, Integer x, Integer y) {
  TCustomControl::MouseMove(shift, x, y);
  if (pressed_ != TPart::Thumb) return;
  const TRect thumb = ThumbRect();
  const Integer a = ArrowHeight(), free = height_ - 2 * a - thumb.Height();
  if (free <= 0) return;
  // The position whose thumb top lies nearest to where the thumb is dragged.
  const Integer top = std::clamp<Integer>(y - grip_ - a, 0, free);
  Scroll((top * range_ + free / 2) / free);
}

void TGridScrollBar::MouseUp(TMouseButton button, TShiftState shift, Integer x, Integer y) {
  TCustomControl::MouseUp(button, shift, x, y);
  if (pressed_ == TPart::Up || pressed_ == TPart::Down) Invalidate();
  pressed_ = TPart::None;
}

namespace {

// A small black triangle, seven pixels wide, pointing up or down.
void DrawArrow(TCanvas& c, const TRect& r, bool up, bool down, bool enabled) {
  const Integer x = r.Left + (r.Width() - 7) / 2 + (down ? 1 : 0);
  const Integer y = r.Top + (r.Height() - 4) / 2 + (down ? 1 : 0);
  c.Brush().SetColor(enabled ? clBtnText : clBtnShadow);
  for (Integer i = 0; i < 4; ++i) {
    const Integer row = up ? 3 - i : i;
    c.FillRect(Rect(x + i, y + row, x + 7 - i, y + row + 1));
  }
}

}  // namespace

void TGridScrollBar::Paint() {
  TCanvas& c = Canvas();
  const bool enabled = range_ > 0;
  const TRect up = UpArrowRect(), down = DownArrowRect();
  // The track: the classic checker of highlight and face.
  const Integer top = up.Bottom, bottom = down.Top;
  for (Integer y = top; y < bottom; ++y)
    for (Integer x = 0; x < width_; ++x) c.Pixel(x, y, ((x + y) & 1) ? clBtnFace : clBtnHighlight);
  DrawButtonFace(c, up, pressed_ == TPart::Up, false);
  DrawArrow(c, up, true, pressed_ == TPart::Up, enabled);
  DrawButtonFace(c, down, pressed_ == TPart::Down, false);
  DrawArrow(c, down, false, pressed_ == TPart::Down, enabled);
  const TRect thumb = ThumbRect();
  if (!thumb.IsEmpty()) DrawButtonFace(c, thumb, false, false);
}

}  // namespace host
