#include "ComponentPalette.h"

#include "host/core/ClassBuilder.h"
#include "host/design/DesignIntf.h"
#include "host/graphics/Draw3D.h"

namespace designer {

using namespace host;

HOST_PUBLISHED(TComponentPalette) {}

TComponentPalette::TComponentPalette(TComponent* owner) : TCustomControl(owner) {
  controlStyle_ = {csOpaque, csCaptureMouse, csClickEvents};
  SetColor(clBtnFace);
  SetHeight(kTabHeight + kButton + 8);
}

TComponentPalette::~TComponentPalette() = default;

void TComponentPalette::Reload() {
  pages_ = PalettePages();
  classes_.clear();
  for (const std::string& page : pages_) {
    std::vector<TEntry> entries;
    for (const TClassInfo* cls : PaletteClasses(page)) entries.push_back({cls, PaletteBitmap(*cls)});
    classes_.push_back(std::move(entries));
  }
  page_ = std::min<Integer>(page_, std::max<Integer>(0, static_cast<Integer>(pages_.size()) - 1));
  Invalidate();
}

void TComponentPalette::SetPageIndex(Integer index) {
  if (index < 0 || index >= static_cast<Integer>(pages_.size()) || index == page_) return;
  page_ = index;
  Invalidate();
}

void TComponentPalette::SetChosen(const TClassInfo* cls) {
  if (chosen_ == cls) return;
  chosen_ = cls;
  Invalidate();
}

TRect TComponentPalette::TabRect(Integer index) {
  TCanvas measure;
  measure.Font().Assign(Font());
  Integer x = 4;
  for (Integer i = 0; i < static_cast<Integer>(pages_.size()); ++i) {
    const Integer w = measure.TextWidth(pages_[static_cast<size_t>(i)]) + 20;
    if (i == index) return Rect(x, 2, x + w, kTabHeight + 1);
    x += w;
  }
  return TRect{};
}

TRect TComponentPalette::ButtonRect(Integer index) const {
  const Integer x = 6 + index * (kButton + 2) + (index > 0 ? 6 : 0);
  return Bounds(x, kTabHeight + 4, kButton, kButton);
}

Integer TComponentPalette::ButtonOf(const std::string& className) const {
  if (page_ >= static_cast<Integer>(classes_.size())) return -1;
  const auto& entries = classes_[static_cast<size_t>(page_)];
  for (size_t i = 0; i < entries.size(); ++i)
    if (SameText(entries[i].Class->Name(), className)) return static_cast<Integer>(i) + 1;
  return -1;
}

void TComponentPalette::MouseDown(TMouseButton button, TShiftState shift, Integer x, Integer y) {
  TCustomControl::MouseDown(button, shift, x, y);
  if (button != mbLeft) return;
  const TPoint p = Point(x, y);
  for (Integer i = 0; i < static_cast<Integer>(pages_.size()); ++i)
    if (TabRect(i).Contains(p)) {
      SetPageIndex(i);
      return;
    }
  if (page_ >= static_cast<Integer>(classes_.size()) && !ButtonRect(0).Contains(p)) return;
  const Integer count = page_ < static_cast<Integer>(classes_.size()) ? static_cast<Integer>(classes_[static_cast<size_t>(page_)].size()) : 0;
  for (Integer i = 0; i <= count; ++i)
    if (ButtonRect(i).Contains(p)) {
      const TClassInfo* cls = i == 0 ? nullptr : classes_[static_cast<size_t>(page_)][static_cast<size_t>(i - 1)].Class;
      // A second click on the chosen button puts it up again.
      SetChosen(cls == chosen_ ? nullptr : cls);
      if (OnChoose) OnChoose(chosen_);
      return;
    }
}

void TComponentPalette::PaintArrow(TCanvas& c, const TRect& r) {
  const Integer x = r.Left + 10, y = r.Top + 6;
  c.Brush().SetColor(clBlack);
  for (Integer i = 0; i < 12; ++i) c.FillRect(Rect(x, y + i, x + 1 + i * 2 / 3, y + i + 1));
  c.FillRect(Rect(x + 4, y + 11, x + 6, y + 17));
}

void TComponentPalette::Paint() {
  TCanvas& c = Canvas();
  c.Brush().SetColor(clBtnFace);
  c.FillRect(Rect(0, 0, Width(), Height()));
  // The page's frame below the tabs, then the tabs, the chosen one joined to it.
  const TRect body = Rect(2, kTabHeight, Width() - 2, Height() - 2);
  Frame3D(c, body, clBtnHighlight, clBtnShadow);
  const Integer th = c.TextHeight("Wg");
  for (Integer i = 0; i < static_cast<Integer>(pages_.size()); ++i) {
    TRect t = TabRect(i);
    const bool on = i == page_;
    if (!on) t.Top += 2;
    c.Brush().SetColor(clBtnFace);
    c.FillRect(Rect(t.Left, t.Top, t.Right, on ? t.Bottom + 1 : t.Bottom - 1));
    c.Pen().SetColor(clBtnHighlight);
    c.MoveTo(t.Left, t.Bottom - 1);
    c.LineTo(t.Left, t.Top);
    c.LineTo(t.Right - 1, t.Top);
    c.Pen().SetColor(clBtnShadow);
    c.LineTo(t.Right - 1, t.Bottom - (on ? 0 : 1));
    c.Brush().SetStyle(bsClear);
    c.Font().SetColor(clBtnText);
    c.TextOut(t.Left + 10, t.Top + (t.Height() - th) / 2, pages_[static_cast<size_t>(i)]);
    c.Brush().SetStyle(bsSolid);
  }
  auto button = [&](const TRect& r, bool down) {
    if (down) {
      c.Brush().SetColor(TColor(0xF0E6DC));
      c.FillRect(r);
      Frame3D(c, r, clBtnShadow, clBtnHighlight);
    } else {
      Frame3D(c, r, clBtnHighlight, clBtnShadow);
    }
  };
  const TRect arrow = ButtonRect(0);
  button(arrow, chosen_ == nullptr);
  PaintArrow(c, arrow);
  if (page_ >= static_cast<Integer>(classes_.size())) return;
  const auto& entries = classes_[static_cast<size_t>(page_)];
  for (size_t i = 0; i < entries.size(); ++i) {
    const TRect r = ButtonRect(static_cast<Integer>(i) + 1);
    const bool down = entries[i].Class == chosen_;
    button(r, down);
    if (entries[i].Picture) c.Draw(r.Left + 3 + (down ? 1 : 0), r.Top + 3 + (down ? 1 : 0), *entries[i].Picture);
  }
}

}  // namespace designer
