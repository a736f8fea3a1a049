#include "host/stdctrls/ScrollBar.h"

#include <algorithm>

#include "host/core/ClassBuilder.h"
#include "host/graphics/Draw3D.h"

namespace host {

HOST_PUBLISHED(TScrollBar) {
  P.Property("Enabled", &TScrollBar::Enabled, &TScrollBar::SetEnabled).SetDefault(true);
  P.Property("Kind", &TScrollBar::Kind, &TScrollBar::SetKind).SetDefault(sbHorizontal);
  P.Property("LargeChange", &TScrollBar::LargeChange, &TScrollBar::SetLargeChange).SetDefault(1);
  P.Property("Max", &TScrollBar::Max, &TScrollBar::SetMax).SetDefault(100);
  P.Property("Min", &TScrollBar::Min, &TScrollBar::SetMin).SetDefault(0);
  P.Property("PageSize", &TScrollBar::PageSize, &TScrollBar::SetPageSize).SetDefault(0);
  P.Property("Position", &TScrollBar::Position, &TScrollBar::SetPosition).SetDefault(0);
  P.Property("SmallChange", &TScrollBar::SmallChange, &TScrollBar::SetSmallChange).SetDefault(1);
  P.Property("TabOrder", &TScrollBar::TabOrder, &TScrollBar::SetTabOrder).SetDefault(-1);
  P.Property("TabStop", &TScrollBar::TabStop, &TScrollBar::SetTabStop).SetDefault(true);
  P.Property("Visible", &TScrollBar::Visible, &TScrollBar::SetVisible).SetDefault(true);
  P.Property("OnChange", &TScrollBar::OnChange);
  P.Property("OnEnter", &TScrollBar::OnEnter);
  P.Property("OnExit", &TScrollBar::OnExit);
  P.Property("OnKeyDown", &TScrollBar::OnKeyDown);
  P.Property("OnScroll", &TScrollBar::OnScroll);
}

namespace {
constexpr Integer kMinThumb = 8;
}

TScrollBar::TScrollBar(TComponent* owner) : TWinControl(owner) {
  width_ = 121;
  height_ = 16;
  SetTabStop(true);
  controlStyle_ = {csOpaque, csCaptureMouse, csDoubleClicks};
  SetColor(clBtnFace);
}

void TScrollBar::SetKind(TScrollBarKind value) {
  if (kind_ == value) return;
  kind_ = value;
  if (!ComponentState().Contains(csLoading)) SetBounds(left_, top_, height_, width_);
  Invalidate();
}

void TScrollBar::SetPageSize(Integer value) {
  value = std::max<Integer>(value, 0);
  if (pageSize_ == value) return;
  pageSize_ = value;
  SetParams(position_, min_, max_);
  Invalidate();
}

Integer TScrollBar::MaxPosition() const { return std::max<Integer>(min_, pageSize_ > 0 ? max_ - pageSize_ + 1 : max_); }

void TScrollBar::SetParams(Integer position, Integer min, Integer max) {
  const bool reading = ComponentState().Contains(csReading);
  if (max < min && !reading) max = min;
  const bool rangeChanged = min != min_ || max != max_;
  min_ = min;
  max_ = max;
  if (!reading) position = std::clamp<Integer>(position, min_, MaxPosition());
  if (rangeChanged) Invalidate();
  if (position == position_) return;
  position_ = position;
  Invalidate();
  if (!reading) Change();
}

void TScrollBar::SetRows(Integer top, Integer count, Integer rows) {
  rows = std::max<Integer>(rows, 1);
  if (pageSize_ != rows || largeChange_ != rows) Invalidate();
  pageSize_ = rows;
  largeChange_ = rows;
  SetParams(top, 0, std::max<Integer>(count - 1, 0));
}

void TScrollBar::Change() {
  if (OnChange) OnChange(this);
}

void TScrollBar::Scroll(TScrollCode code, Integer& position) {
  if (OnScroll) OnScroll(this, code, position);
}

void TScrollBar::UserScroll(TScrollCode code, Integer position) {
  position = std::clamp<Integer>(position, min_, MaxPosition());
  Scroll(code, position);
  SetPosition(position);
}

TRect TScrollBar::ArrowRect(bool first) const {
  if (kind_ == sbVertical) {
    const Integer a = std::min<Integer>(width_, height_ / 2);
    return first ? Rect(0, 0, width_, a) : Rect(0, height_ - a, width_, height_);
  }
  const Integer a = std::min<Integer>(height_, width_ / 2);
  return first ? Rect(0, 0, a, height_) : Rect(width_ - a, 0, width_, height_);
}

TRect TScrollBar::TrackRect() const {
  const TRect a = ArrowRect(true), b = ArrowRect(false);
  return kind_ == sbVertical ? Rect(0, a.Bottom, width_, b.Top) : Rect(a.Right, 0, b.Left, height_);
}

TRect TScrollBar::ThumbRect() const {
  const TRect track = TrackRect();
  const Integer length = kind_ == sbVertical ? track.Height() : track.Width();
  const Integer range = max_ - min_ + 1;
  if (!Enabled() || range <= 0 || (pageSize_ > 0 && pageSize_ >= range) || length < kMinThumb) return TRect{};
  const Integer size = pageSize_ > 0 ? std::max<Integer>(static_cast<Integer>(static_cast<long long>(length) * pageSize_ / range), kMinThumb)
                                     : std::min<Integer>(kind_ == sbVertical ? width_ : height_, length);
  const Integer span = MaxPosition() - min_;
  const Integer offset = span > 0 ? static_cast<Integer>(static_cast<long long>(length - size) * (position_ - min_) / span) : 0;
  if (kind_ == sbVertical) return Rect(0, track.Top + offset, width_, track.Top + offset + size);
  return Rect(track.Left + offset, 0, track.Left + offset + size, height_);
}

TScrollBar::TPart TScrollBar::PartAt(TPoint p) const {
  if (ArrowRect(true).Contains(p)) return TPart::FirstArrow;
  if (ArrowRect(false).Contains(p)) return TPart::SecondArrow;
  const TRect thumb = ThumbRect();
  if (thumb.IsEmpty() || !TrackRect().Contains(p)) return TPart::None;
  if (thumb.Contains(p)) return TPart::Thumb;
  return Along(p) < Along(Point(thumb.Left, thumb.Top)) ? TPart::PageBefore : TPart::PageAfter;
}

void TScrollBar::MouseDown(TMouseButton button, TShiftState shift, Integer x, Integer y) {
  TWinControl::MouseDown(button, shift, x, y);
  if (button != mbLeft || !Enabled()) return;
  if (TabStop() && CanFocus() && !Focused()) SetFocus();
  const TPoint p = Point(x, y);
  pressed_ = PartAt(p);
  const Integer page = pageSize_ > 0 ? pageSize_ : largeChange_;
  switch (pressed_) {
    case TPart::FirstArrow: UserScroll(scLineUp, position_ - smallChange_); break;
    case TPart::SecondArrow: UserScroll(scLineDown, position_ + smallChange_); break;
    case TPart::PageBefore: UserScroll(scPageUp, position_ - page); break;
    case TPart::PageAfter: UserScroll(scPageDown, position_ + page); break;
    case TPart::Thumb: {
      const TRect t = ThumbRect();
      dragOffset_ = Along(p) - (kind_ == sbVertical ? t.Top : t.Left);
      break;
    }
    case TPart::None: break;
  }
  Invalidate();
}

void TScrollBar::MouseMove(TShiftState shift, Integer x, Integer y) {
  TWinControl::MouseMove(shift, x, y);
  if (pressed_ != TPart::Thumb) return;
  const TRect track = TrackRect(), thumb = ThumbRect();
  const Integer length = kind_ == sbVertical ? track.Height() : track.Width();
  const Integer size = kind_ == sbVertical ? thumb.Height() : thumb.Width();
  const Integer start = kind_ == sbVertical ? track.Top : track.Left;
  const Integer room = length - size;
  if (room <= 0) return;
  const Integer at = std::clamp<Integer>(Along(Point(x, y)) - dragOffset_ - start, 0, room);
  const Integer span = MaxPosition() - min_;
  UserScroll(scTrack, min_ + static_cast<Integer>((static_cast<long long>(at) * span + room / 2) / room));
}

void TScrollBar::MouseUp(TMouseButton button, TShiftState shift, Integer x, Integer y) {
  if (button == mbLeft && pressed_ != TPart::None) {
    pressed_ = TPart::None;
    Integer p = position_;
    Scroll(scEndScroll, p);
    Invalidate();
  }
  TWinControl::MouseUp(button, shift, x, y);
}

void TScrollBar::KeyDown(Word& key, TShiftState shift) {
  TWinControl::KeyDown(key, shift);
  const Integer page = pageSize_ > 0 ? pageSize_ : largeChange_;
  switch (key) {
    case VK_UP:
    case VK_LEFT: UserScroll(scLineUp, position_ - smallChange_); break;
    case VK_DOWN:
    case VK_RIGHT: UserScroll(scLineDown, position_ + smallChange_); break;
    case VK_PRIOR: UserScroll(scPageUp, position_ - page); break;
    case VK_NEXT: UserScroll(scPageDown, position_ + page); break;
    case VK_HOME: UserScroll(scTop, min_); break;
    case VK_END: UserScroll(scBottom, MaxPosition()); break;
    default: return;
  }
  key = 0;
}

void TScrollBar::WMGetDlgCode(TWMGetDlgCode& m) { m.Result = DLGC_WANTARROWS; }

bool TScrollBar::DoMouseWheel(TShiftState shift, Integer wheelDelta, TPoint mousePos) {
  if (TWinControl::DoMouseWheel(shift, wheelDelta, mousePos)) return true;
  if (!Enabled()) return false;
  UserScroll(wheelDelta > 0 ? scLineUp : scLineDown, position_ - wheelDelta / WHEEL_DELTA * 3 * smallChange_);
  return true;
}

void TScrollBar::DrawArrow(TCanvas& c, const TRect& r, bool first, bool pressed) const {
  DrawButtonFace(c, r, pressed, false);
  const bool vertical = kind_ == sbVertical;
  const Integer shift = pressed ? 1 : 0;
  const bool usable = Enabled() && max_ > min_ && !(pageSize_ > 0 && pageSize_ > max_ - min_);
  // A triangle of four rows, seven pixels at its base, pointing along the bar.
  const auto draw = [&](Integer dx, Integer dy, TColor color) {
    c.Brush().SetColor(color);
    const Integer cx = (r.Left + r.Right) / 2 + shift + dx, cy = (r.Top + r.Bottom) / 2 + shift + dy;
    for (Integer i = 0; i < 4; ++i) {
      const Integer row = first ? i : 3 - i;  // the tip first when pointing up or left
      if (vertical) c.FillRect(Rect(cx - row, cy - 2 + i, cx + row + 1, cy - 1 + i));
      else c.FillRect(Rect(cx - 2 + i, cy - row, cx - 1 + i, cy + row + 1));
    }
  };
  if (!usable) draw(1, 1, clBtnHighlight);
  draw(0, 0, usable ? clBtnText : clBtnShadow);
}

void TScrollBar::PaintControl(TCanvas& c) {
  // The track: the classic dither of highlight and face.
  const TRect track = TrackRect();
  c.Brush().SetStyle(bsSolid);
  c.Brush().SetColor(clBtnFace);
  c.FillRect(track);
  const TColor light = clBtnHighlight;
  const TRect clip = IntersectRect(track, c.ClipRect());
  for (Integer y = clip.Top; y < clip.Bottom; ++y)
    for (Integer x = clip.Left + ((clip.Left + y) & 1); x < clip.Right; x += 2) c.Pixel(x, y, light);
  const TRect thumb = ThumbRect();
  if (!thumb.IsEmpty()) DrawButtonFace(c, thumb, false, false);
  DrawArrow(c, ArrowRect(true), true, pressed_ == TPart::FirstArrow);
  DrawArrow(c, ArrowRect(false), false, pressed_ == TPart::SecondArrow);
}

TScrollBar* MakeInnerScrollBar(TWinControl* parent, std::function<void(Integer)> moved) {
  auto* bar = new TScrollBar(nullptr);
  bar->SetKind(sbVertical);
  bar->SetTabStop(false);
  bar->SetParent(parent);
  bar->OnChange = [bar, moved = std::move(moved)](TObject*) { moved(bar->Position()); };
  return bar;
}

}  // namespace host
