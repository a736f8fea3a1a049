// TZelvant painting in its three styles, the client rectangle per style, and the tab
// strip of the tabbed style: line breaking, drawing, hit testing and focus.
#include <algorithm>
#include <numeric>

#include "ZelvA.h"

namespace zelvant {

using namespace host;

namespace {

TColor FormColor(const TComponent* owner) {
  const auto* form = dynamic_cast<const TCustomForm*>(owner);
  return form ? form->Color() : clBtnFace;
}

void Line(TCanvas& c, std::initializer_list<TPoint> points) {
  auto it = points.begin();
  c.MoveTo(it->X, it->Y);
  for (++it; it != points.end(); ++it) c.LineTo(it->X, it->Y);
}

}  // namespace

TRect TZelvant::GetClientRect() const {
  switch (FStyle) {
    case asWizard: return Rect(0, 0, Width(), Height() - (FCancelButton ? FCancelButton->Height() : 0) - 10);
    case asNone: return Rect(0, 0, Width(), Height());
    case asTabbed: return Rect(1, const_cast<TZelvant*>(this)->tabheight() + 1, Width() - 2, Height() - 2);
  }
  return Rect(0, 0, Width(), Height());
}

void TZelvant::Paint() {
  TCanvas& c = Canvas();
  const Integer W = Width(), H = Height();
  const TColor back = FormColor(Owner());
  c.Brush().SetStyle(bsSolid);
  c.Brush().SetColor(back);
  if (FStyle == asTabbed) {
    const Integer T = tabheight();
    c.Pen().SetWidth(1);
    c.Pen().SetStyle(psSolid);
    c.Pen().SetColor(back);
    c.FillRect(Rect(0, 0, W, H));
    c.Pen().SetColor(clWhite);
    Line(c, {{0, T}, {0, H - 2}});
    c.Pen().SetColor(clGray);
    Line(c, {{1, H - 2}, {W - 2, H - 2}, {W - 2, T}});
    c.Pen().SetColor(clBlack);
    Line(c, {{0, H - 1}, {W - 1, H - 1}, {W - 1, T}});
    painttabs();
  } else {
    c.FillRect(Rect(0, 0, W, H));
    if (FStyle == asWizard && FSeperator) {
      const Integer yS = H - FCancelButton->Height() - 8;
      c.Pen().SetStyle(psSolid);
      c.Pen().SetWidth(1);
      c.Pen().SetColor(clBtnHighlight);
      Line(c, {{0, yS}, {W, yS}});
      c.Pen().SetColor(clBtnShadow);
      Line(c, {{0, yS - 1}, {W, yS - 1}});
    }
  }
  TCustomControl::Paint();
}

void TZelvant::SetStyle(ZelvantStyle Value) {
  if (Value == asTabbed) {
    // A stored tabbed wizard may have been left on the dialog page: loading keeps it there.
    if (FPage == 0 && !ComponentState().Contains(csLoading)) setPage(1);
  } else {
    FTabLines.reset();
  }
  FStyle = Value;
  // Lines broken after the page change, which may have resized the form and the wizard.
  if (Value == asTabbed) inittabsinline();
  ShowButtons();
  Realign();
  FAlignedTabHeight = tabheight();
  Repaint();
}

void TZelvant::SetTabSpaceX(Integer Value) {
  FTabSpaceX = std::clamp(Value, 0, kMaxExtent);
  if (FStyle == asTabbed) {
    inittabsinline();
    Repaint();
  }
}

void TZelvant::SetTabSpaceY(Integer Value) {
  FTabSpaceY = std::clamp(Value, 0, kMaxExtent);
  if (FStyle == asTabbed) {
    inittabsinline();
    Repaint();
  }
}

Integer TZelvant::TabRowHeight() {
  Canvas().Font().Assign(Font());
  return Canvas().TextHeight("X") + FTabSpaceY;
}

Integer TZelvant::tabheight() {
  if (FStyle != asTabbed || !FTabLines) return 0;
  return TabRowHeight() * FTabLines->Count + 2;
}

std::string TZelvant::TabLabel(Integer position) const {
  const Integer r = ShownPage(position);
  return r >= 0 && r < FPageNames->Count() ? FPageNames->Get(r) : std::string();
}

Integer TZelvant::FirstPageOfLine(Integer line) const {
  Integer first = 1;
  for (Integer k = 0; k < line; ++k) first += FTabLines->GetInteger(k);
  return first;
}

Integer TZelvant::LineOfPage(Integer position) const {
  Integer sum = 0;
  for (Integer L = 0; L < FTabLines->Count; ++L) {
    sum += FTabLines->GetInteger(L);
    if (sum >= position) return L;
  }
  return -1;
}

bool TZelvant::tabinline(Integer APage, Integer Line) const {
  if (APage == 0 || !FTabLines) return false;
  return LineOfPage(APage) == Line;
}

Integer TZelvant::tablength(Integer Line) {
  Canvas().Font().Assign(Font());
  const Integer first = FirstPageOfLine(Line), n = FTabLines->GetInteger(Line);
  Integer len = 0;
  for (Integer p = first; p < first + n; ++p) len += Canvas().TextWidth(TabLabel(p)) + FTabSpaceX;
  return len;
}

Integer TZelvant::TabCount() const {
  return FWayListEnabled ? std::min(FNumPages, FWayList->List.Count()) : FNumPages;
}

// The strip's height decides the client rectangle: children aligned to it move when it changes.
void TZelvant::RealignToTabStrip() {
  const Integer height = tabheight();
  if (height == FAlignedTabHeight) return;
  FAlignedTabHeight = height;
  Realign();
}

void TZelvant::inittabsinline() {
  const Integer S = Width() - 4;
  if (!FTabLines) FTabLines = std::make_unique<TIntegerList>();
  if (FNumPages <= 0) return;
  FTabLines->Clear();
  const Integer tabs = TabCount();
  if (tabs <= 0) {
    RealignToTabStrip();
    return;
  }
  Canvas().Font().Assign(Font());
  Integer acc = 0, n = 0;
  for (Integer p = 1; p <= tabs; ++p) {
    const Integer w = Canvas().TextWidth(TabLabel(p));
    // A tab wider than the strip still gets a line of its own: no line is left empty.
    if (w + acc + FTabSpaceX > S && n > 0) {
      FTabLines->Add(n);
      n = 1;
      acc = w + FTabSpaceX;
    } else {
      ++n;
      acc += w + FTabSpaceX;
    }
  }
  FTabLines->Add(n);
  BalanceTabLines(S);
  RealignToTabStrip();
}

// Pulls tabs down from earlier lines until each later line holds the average number of
// tabs or fills the width, and gives tabs back while a line is wider than the strip.
// Every line keeps at least one tab, so the loops end for any width.
void TZelvant::BalanceTabLines(Integer S) {
  const Integer lines = FTabLines->Count;
  if (lines < 2) return;
  const Integer avg = TabCount() / lines;
  for (Integer i = lines - 1; i >= 1; --i) {
    while (tablength(i) < S && FTabLines->GetInteger(i) < avg && FTabLines->GetInteger(i - 1) > 1) {
      FTabLines->SetInteger(i, FTabLines->GetInteger(i) + 1);
      FTabLines->SetInteger(i - 1, FTabLines->GetInteger(i - 1) - 1);
    }
    while (tablength(i) > S && FTabLines->GetInteger(i) > 1) {
      FTabLines->SetInteger(i, FTabLines->GetInteger(i) - 1);
      FTabLines->SetInteger(i - 1, FTabLines->GetInteger(i - 1) + 1);
    }
  }
}

void TZelvant::painttabs() {
  if (FStyle != asTabbed || !FTabLines) return;
  TCanvas& c = Canvas();
  c.Font().Assign(Font());
  const Integer h = TabRowHeight();
  c.Pen().SetColor(clSilver);
  c.Pen().SetStyle(psSolid);
  c.Brush().SetColor(clSilver);
  c.Brush().SetStyle(bsSolid);
  c.Rectangle(0, 0, 2, tabheight());
  Integer y = 2, current = -1;
  for (Integer i = 0; i < FTabLines->Count; ++i) {
    if (tabinline(FPage, i)) {
      current = i;
    } else {
      painttabline(i, y);
      y += h;
    }
  }
  if (current != -1) painttabline(current, y);
}

void TZelvant::painttabline(Integer LineIndex, Integer Y) {
  TCanvas& c = Canvas();
  const Integer W = Width();
  const Integer first = FirstPageOfLine(LineIndex), n = FTabLines->GetInteger(LineIndex);
  if (n <= 0) return;
  Integer textsum = 0;
  for (Integer p = first; p < first + n; ++p) textsum += c.TextWidth(TabLabel(p));
  Integer pad = FTabSpaceX, rest = 0;
  if (FTabLines->Count != 1) {
    pad = (W - 4 - textsum) / n;
    rest = W - 4 - (n * pad + textsum);
  }
  Integer x = 2, curPage = -1, curX = 0, curPad = 0;
  for (Integer p = first; p < first + n; ++p) {
    if (p == first + n - 1) pad += rest;
    const std::string label = TabLabel(p);
    if (p == FPage) {
      curPage = p;
      curX = x;
      curPad = pad;
      x += c.TextWidth(label) + pad;
    } else {
      x += painttab(p, x, Y, pad, label, false);
    }
  }
  if (FTabLines->Count == 1) {
    c.Pen().SetColor(clSilver);
    c.Brush().SetColor(clSilver);
    c.Brush().SetStyle(bsSolid);
    c.Rectangle(x, 0, x + 2, tabheight());
    c.Rectangle(0, 0, W, 2);
  }
  if (curPage != -1) painttab(curPage, curX, Y, curPad, TabLabel(curPage), true);
}

Integer TZelvant::painttab(Integer APage, Integer X, Integer Y, Integer Pad, const std::string& Caption,
                           bool Selected) {
  TCanvas& c = Canvas();
  const Integer W = Width();
  const Integer w = c.TextWidth(Caption) + Pad;
  const Integer b = Y + c.TextHeight("X") + FTabSpaceY;
  c.Pen().SetWidth(1);
  c.Pen().SetStyle(psSolid);
  c.Pen().SetColor(clSilver);
  c.Brush().SetColor(clSilver);
  c.Brush().SetStyle(bsSolid);
  c.Font().SetColor(clBlack);
  const Integer tx = X + Pad / 2, ty = Y + FTabSpaceY / 2;
  if (!Selected) {
    c.Rectangle(X, Y, X + w - 1, b - 1);
    c.Pen().SetColor(clWhite);
    Line(c, {{X, b - 1}, {X, Y + 2}, {X + 2, Y}, {X + w - 2, Y}});
    c.Pen().SetColor(clBlack);
    Line(c, {{X + w - 2, Y + 1}, {X + w - 1, Y + 2}, {X + w - 1, b}});
    c.Pen().SetColor(clGray);
    Line(c, {{X + w - 2, Y + 2}, {X + w - 2, b}});
    c.TextOut(tx, ty, Caption);
  } else {
    c.Rectangle(X - 2, Y - 2, X + w + 1, b + 1);
    c.Pen().SetColor(clWhite);
    Line(c, {{0, b}, {X - 2, b}, {X - 2, Y}, {X, Y - 2}, {X + w - 1, Y - 2}});
    Line(c, {{X + w, b}, {W - 2, b}});
    c.Pen().SetColor(clBlack);
    Line(c, {{X + w, Y - 1}, {X + w + 1, Y}, {X + w + 1, b + 1}});
    c.Pen().SetColor(clGray);
    Line(c, {{X + w, Y}, {X + w, b + 1}});
    c.TextOut(tx, ty, Caption);
    if (Focused())
      c.DrawFocusRect(Rect(tx - 2, ty - 2, tx + c.TextWidth(Caption) + 2, ty + c.TextHeight(Caption) + 2));
  }
  const Integer r = ShownPage(APage);
  if (r >= 0 && r < FPageNames->Count()) FPageNames->PutObjectSlot(r, w);
  if (static_cast<Integer>(FTabWidths.size()) <= APage) FTabWidths.resize(static_cast<size_t>(APage) + 1, 0);
  FTabWidths[static_cast<size_t>(APage)] = w;
  return w;
}

void TZelvant::tabclick(Integer X, Integer Y) {
  if (!FTabLines || FTabLines->Count == 0) return;
  const Integer h = TabRowHeight();
  if (h <= 0) return;
  const Integer row = (Y - 2) / h;
  // Lines without the current page take the rows from the top in line order; the line
  // with the current page takes the bottom row.
  const Integer current = LineOfPage(FPage);
  Integer line = -1, shownRow = 0;
  for (Integer i = 0; i < FTabLines->Count; ++i) {
    if (i == current) continue;
    if (shownRow == row) line = i;
    ++shownRow;
  }
  if (line == -1) line = current == -1 ? FTabLines->Count - 1 : current;
  Integer x = 2;
  const Integer first = FirstPageOfLine(line);
  for (Integer q = first; q < first + FTabLines->GetInteger(line); ++q) {
    const Integer w = q < static_cast<Integer>(FTabWidths.size()) ? FTabWidths[static_cast<size_t>(q)] : 0;
    if (X >= x && X < x + w) {
      setPage(q);
      return;
    }
    x += w;
  }
}

void TZelvant::MouseDown(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) {
  if (FStyle == asTabbed && Button == mbLeft && Y < tabheight()) tabclick(X, Y);
  TCustomControl::MouseDown(Button, Shift, X, Y);
}

void TZelvant::CMDesignHitTest(TCMDesignHitTest& Message) {
  if (FStyle == asTabbed && Message.Keys == MK_LBUTTON && Message.YPos < tabheight()) {
    tabclick(Message.XPos, Message.YPos);
    Message.Result = 1;
  } else {
    Message.Result = 0;
  }
  const NativeInt result = Message.Result;
  TCustomControl::CMDesignHitTest(Message);
  Message.Result = result;
}

void TZelvant::WMSetFocus(TWMSetFocus& Message) {
  if (FStyle == asTabbed) painttabs();
  TCustomControl::WMSetFocus(Message);
}

void TZelvant::WMKillFocus(TWMKillFocus& Message) {
  if (FStyle == asTabbed) painttabs();
  TCustomControl::WMKillFocus(Message);
}

}  // namespace zelvant
