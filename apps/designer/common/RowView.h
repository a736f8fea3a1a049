// A list of rows of one height in an area of a control, scrolled by its top row, with a
// scroll bar beside the area while the rows do not fit: what the designer's inspector
// and findings list share.
#pragma once

#include <algorithm>
#include <functional>

#include "host/controls/Controls.h"
#include "host/stdctrls/ScrollBar.h"

namespace designer {

struct TRowView {
  host::Integer Top = 0;         // the first row shown
  host::Integer RowHeight = 16;
  host::TScrollBar* Bar = nullptr;  // a child of the control, while the rows do not fit

  // Whole rows that fit in the area (at least one).
  host::Integer Fit(const host::TRect& area) const { return std::max<host::Integer>(area.Height() / RowHeight, 1); }

  // The row's rectangle, cut at the area's bottom; empty when it is scrolled out of view.
  host::TRect RowRect(const host::TRect& area, host::Integer index, host::Integer count) const {
    if (index < Top || index >= count) return host::TRect{};
    const host::Integer y = area.Top + (index - Top) * RowHeight;
    if (y >= area.Bottom) return host::TRect{};
    return host::Rect(area.Left, y, area.Right, std::min(y + RowHeight, area.Bottom));
  }

  // The row at y, or -1.
  host::Integer RowAt(const host::TRect& area, host::Integer y, host::Integer count) const {
    if (y < area.Top || y >= area.Bottom) return -1;
    const host::Integer i = Top + (y - area.Top) / RowHeight;
    return i < count ? i : -1;
  }

  // Top clamped to the rows; true when it changed. The bar follows.
  bool SetTop(host::Integer row, host::Integer count, host::Integer fit) {
    row = std::clamp<host::Integer>(row, 0, std::max<host::Integer>(count - fit, 0));
    if (row == Top) return false;
    Top = row;
    if (Bar) Bar->SetPosition(Top);
    return true;
  }

  // The top row that brings a row into view.
  host::Integer TopShowing(host::Integer index, host::Integer fit) const {
    if (index < 0 || index < Top) return index < 0 ? Top : index;
    return index >= Top + fit ? index - fit + 1 : Top;
  }

  // Shows, places or removes the bar in `strip` (the control's right edge) for `count`
  // rows of which `fit` fit; `scrolled` hears the top row the user asks for. True when
  // the bar came or went, so the area changed width.
  bool UpdateBar(host::TWinControl* owner, const host::TRect& strip, host::Integer count, host::Integer fit,
                 std::function<void(host::Integer)> scrolled) {
    const bool wanted = count > fit && strip.Height() >= 2 * host::TScrollBar::kInnerWidth;
    const bool had = Bar != nullptr;
    if (!wanted) {
      delete Bar;
      Bar = nullptr;
      Top = std::clamp<host::Integer>(Top, 0, std::max<host::Integer>(count - fit, 0));
      return had;
    }
    if (!Bar) {
      Bar = host::MakeInnerScrollBar(owner, std::move(scrolled));
    }
    Bar->SetBoundsRect(strip);
    Top = std::clamp<host::Integer>(Top, 0, count - fit);
    Bar->SetRows(Top, count, fit);
    return !had;
  }
};

// Marks a rectangle of a control (its own coordinates) for the next paint of its window.
inline void InvalidateControlRect(host::TControl& control, const host::TRect& r) {
  if (r.IsEmpty()) return;
  host::IWindowHost* window = control.WindowHost();
  if (!window || !window->HasWindowPixels() || !control.VisibleInWindow()) return;
  const host::TPoint o = control.WindowOrigin();
  const host::TRect visible = host::IntersectRect(host::OffsetRect(r, o.X, o.Y), control.VisibleWindowRect());
  if (!visible.IsEmpty()) window->InvalidateWindowRect(visible);
}

}  // namespace designer
