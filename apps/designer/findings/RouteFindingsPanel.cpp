// TRouteFindingsPanel: the findings, re-checked after each change, and the current one.
#include "RouteFindingsPanel.h"

#include <algorithm>

#include "host/core/ClassBuilder.h"

namespace designer {

using namespace host;
using namespace zelvant;

namespace {

bool SameFinding(const TRouteFinding& a, const TRouteFinding& b) {
  return a.Severity == b.Severity && a.Position == b.Position && a.Page == b.Page && a.Control == b.Control &&
         a.Message == b.Message && a.PageName == b.PageName;
}

}  // namespace

HOST_PUBLISHED(TRouteFindingsPanel) {}

TRouteFindingsPanel::TRouteFindingsPanel(TComponent* owner) : TCustomControl(owner) {
  controlStyle_ = {csCaptureMouse, csClickEvents, csOpaque};
  SetColor(clWindow);
  SetTabStop(true);
  width_ = 480;
  height_ = 120;
  TCanvas measure;
  measure.Font().Assign(Font());
  view_.RowHeight = measure.TextHeight("Wg") + 3;
}

TRouteFindingsPanel::~TRouteFindingsPanel() { Destroying(); }

void TRouteFindingsPanel::SetWizard(TZelvant* wizard) {
  if (wizard == wizard_) return;
  wizard_ = wizard;
  current_ = -1;
  Recheck();
}

void TRouteFindingsPanel::SetOptions(TRouteOptions options) {
  options_ = std::move(options);
  Recheck();
}

bool TRouteFindingsPanel::Recheck() {
  std::vector<TRouteFinding> found;
  if (wizard_) found = wizard_->CheckRoutes(options_);
  if (std::equal(found.begin(), found.end(), findings_.begin(), findings_.end(), SameFinding)) return false;
  // The current finding stays current when it is found again.
  const Integer old = current_;
  Integer keep = -1;
  if (old >= 0 && old < Count())
    for (size_t i = 0; i < found.size() && keep < 0; ++i)
      if (SameFinding(found[i], findings_[static_cast<size_t>(old)])) keep = static_cast<Integer>(i);
  findings_ = std::move(found);
  current_ = keep >= 0 ? keep : findings_.empty() ? -1 : std::clamp<Integer>(old, -1, Count() - 1);
  UpdateScrollBar();
  ScrollInView(current_);
  Invalidate();
  return true;
}

Integer TRouteFindingsPanel::ErrorCount() const {
  return static_cast<Integer>(std::count_if(findings_.begin(), findings_.end(),
                                            [](const TRouteFinding& f) { return f.Severity == TRouteSeverity::Error; }));
}

std::vector<std::string> TRouteFindingsPanel::Columns(Integer index) const {
  if (index < 0 || index >= Count()) return {};
  const TRouteFinding& f = findings_[static_cast<size_t>(index)];
  std::string page;
  if (f.Page >= 0) page = f.PageName.empty() ? IntToStr(f.Page) : IntToStr(f.Page) + " \"" + f.PageName + "\"";
  return {f.Severity == TRouteSeverity::Error ? "Error" : "Warning", f.Position >= 0 ? IntToStr(f.Position) : "",
          page, f.Message};
}

void TRouteFindingsPanel::SetItemIndex(Integer index) {
  if (findings_.empty()) return;
  index = std::clamp<Integer>(index, 0, Count() - 1);
  if (index == current_) return;
  InvalidateRow(current_);
  current_ = index;
  InvalidateRow(current_);
  ScrollInView(current_);
}

void TRouteFindingsPanel::Choose(Integer index) {
  if (index < 0 || index >= Count()) return;
  SetItemIndex(index);
  // A copy: the handler may change the form, and a recheck replaces the list.
  const TRouteFinding finding = findings_[static_cast<size_t>(index)];
  if (OnChoose) OnChoose(this, finding);
}

void TRouteFindingsPanel::MouseDown(TMouseButton button, TShiftState shift, Integer x, Integer y) {
  TCustomControl::MouseDown(button, shift, x, y);
  if (button != mbLeft) return;
  if (CanFocus() && !Focused()) SetFocus();
  const TRect area = ListArea();
  if (!area.Contains(Point(x, y))) return;
  const Integer index = view_.RowAt(area, y, Count());
  if (index >= 0) Choose(index);
}

void TRouteFindingsPanel::KeyDown(Word& key, TShiftState shift) {
  TCustomControl::KeyDown(key, shift);
  switch (key) {
    case VK_UP: SetItemIndex(current_ - 1); break;
    case VK_DOWN: SetItemIndex(current_ + 1); break;
    case VK_PRIOR: SetItemIndex(current_ - VisibleRowCount()); break;
    case VK_NEXT: SetItemIndex(current_ + VisibleRowCount()); break;
    case VK_RETURN: Choose(current_); break;
    default: return;
  }
  key = 0;
}

bool TRouteFindingsPanel::DoMouseWheel(TShiftState shift, Integer wheelDelta, TPoint mousePos) {
  if (TCustomControl::DoMouseWheel(shift, wheelDelta, mousePos)) return true;
  SetTopRow(view_.Top - wheelDelta / WHEEL_DELTA * 3);
  return true;
}

void TRouteFindingsPanel::WMGetDlgCode(TWMGetDlgCode& m) { m.Result = DLGC_WANTARROWS | DLGC_WANTALLKEYS; }

void TRouteFindingsPanel::WMSetFocus(TWMSetFocus& m) {
  TCustomControl::WMSetFocus(m);
  InvalidateRow(current_);
}

void TRouteFindingsPanel::WMKillFocus(TWMKillFocus& m) {
  TCustomControl::WMKillFocus(m);
  InvalidateRow(current_);
}

}  // namespace designer
