// The wizard's button bar: the nine button roles, the two layout lists and the
// wizard, dialog and empty arrangements.
#include <algorithm>

#include "ZelvA.h"
#include "host/core/ClassBuilder.h"

namespace zelvant {

using namespace host;

namespace {

constexpr Integer kParked = 20000;  // Left of a bar button that is not shown
constexpr Integer kSpace = 8;       // width of a "Space" entry
enum LayoutCode : Integer { lcChange = 1, lcHelp, lcCancel, lcBack, lcNext, lcOK, lcSpace, lcMiddle };

void Park(TControl* button) {
  button->SetEnabled(false);
  button->SetLeft(kParked);
}

}  // namespace

HOST_PUBLISHED(TButtonData) {
  P.Property("Text", &TButtonData::Text, &TButtonData::SetText);
  P.Property("Layout", &TButtonData::Layout, &TButtonData::SetLayout);
  P.Property("Glyph", &TButtonData::GetGlyph, &TButtonData::SetGlyph);
  P.Property("NumGlyphs", &TButtonData::GetNumGlyphs, &TButtonData::SetNumGlyphs).SetDefault(1);
  P.Property("Enabled", &TButtonData::Enabled, &TButtonData::SetEnabled);
  P.Property("Show", &TButtonData::Show, &TButtonData::SetShow);
}

TButtonData::TButtonData(TZelvant* AOwner) : FZelvant(AOwner), FGlyph(std::make_unique<TBitmap>()) {}
TButtonData::~TButtonData() = default;

void TButtonData::SetText(const std::string& Value) {
  FText = Value;
  FZelvant->ShowButtons();
}

void TButtonData::SetLayout(TButtonLayout Value) {
  FLayout = Value;
  FZelvant->ShowButtons();
}

void TButtonData::SetEnabled(bool Value) {
  FEnabled = Value;
  FZelvant->ShowButtons();
}

void TButtonData::SetShow(bool Value) {
  FShow = Value;
  FZelvant->ShowButtons();
}

void TButtonData::SetNumGlyphs(TNumGlyphs Value) {
  FNumGlyphs = std::min<TNumGlyphs>(Value, 4);
  FZelvant->ShowButtons();
}

void TButtonData::SetGlyph(TBitmap* Value) {
  FGlyph->Assign(Value);
  if (Value && Value->Height() > 0 && Value->Width() % Value->Height() == 0) {
    Integer n = Value->Width() / Value->Height();
    if (n > 4) n = 1;
    SetNumGlyphs(static_cast<TNumGlyphs>(n));
  }
  FZelvant->ClearGlyphTag();
  FZelvant->ShowButtons();
}

bool TButtonData::WriteToButton(TBitBtn* Button, Integer top, Integer left, bool showGlyph, Integer& tabPosition) {
  if (Button->Top() != top) Button->SetTop(top);
  bool shown = FShow;
  if (shown) {
    if (Button->Left() != left) Button->SetLeft(left);
  } else if (Button->Left() != kParked) {
    Button->SetLeft(kParked);
  }
  if (Button->Caption() != FText) Button->SetCaption(FText);
  const bool enabled = FEnabled && FShow;
  if (Button->Enabled() != enabled) Button->SetEnabled(enabled);
  if (Button->Layout() != FLayout) Button->SetLayout(FLayout);
  const NativeInt identity = reinterpret_cast<NativeInt>(this);
  if (showGlyph) {
    if (Button->Tag() != identity) {
      Button->SetGlyph(FGlyph.get());
      Button->SetTag(identity);
    }
    if (Button->NumGlyphs() != FNumGlyphs) Button->SetNumGlyphs(FNumGlyphs);
  } else {
    if (!Button->Glyph()->Empty()) Button->SetGlyph(nullptr);
    Button->SetTag(0);
  }
  Button->SetTabOrder(tabPosition);
  tabPosition = Button->TabOrder();
  return shown;
}

std::array<TBitBtn*, 6> TZelvant::BarButtons() const {
  return {FOKButton, FNextButton, FBackButton, FHelpButton, FCancelButton, FChangeButton};
}

void TZelvant::ShowButtons() {
  if (FStyle != asWizard) {
    setnobuttons();
  } else if (FLayoutButtons) {
    if (FPage == 0) setdialogbuttons();
    else setWizardbuttons();
  }
}

// Lays out one layout entry at x; advance is how far the walk moves on. Returns the
// button the entry placed, if any.
TBitBtn* TZelvant::PlaceButton(Integer code, bool dialog, bool last, Integer top, Integer x, Integer& tabPos,
                               Integer& advance) {
  const Integer step = FButtonWidth + 4;
  TBitBtn* placed = nullptr;
  auto place = [&](TButtonData* data, TBitBtn* button) {
    advance = data->WriteToButton(button, top, x, FShowGlyph, tabPos) ? step : 0;
    placed = button;
  };
  advance = 0;
  const bool okFinishes = FBtnWizardOK->Show() && last;
  switch (code) {
    case lcChange: place(dialog ? FBtnChangeWizard.get() : FBtnChangeDialog.get(), FChangeButton); break;
    case lcHelp: place(FBtnHelp.get(), FHelpButton); break;
    case lcCancel: place(FBtnCancel.get(), FCancelButton); break;
    case lcBack:
      if (!dialog) place(FBtnBack.get(), FBackButton);
      break;
    case lcNext:
      if (!dialog) place(last && !FBtnWizardOK->Show() ? FBtnFinish.get() : FBtnNext.get(), FNextButton);
      break;
    case lcOK:
      place(dialog ? FBtnDialogOK.get() : okFinishes ? FBtnFinish.get() : FBtnWizardOK.get(), FOKButton);
      break;
    case lcSpace: advance = kSpace; break;
    default: break;  // unknown codes only take a tab position
  }
  return placed;
}

// Left group from the left edge rightwards up to "Middle", right group from the right
// edge leftwards down to it. A list without "Middle" (or with it at either end) is laid
// out as if it stood at the list's end (or there): the walks never pass the list.
// Buttons the list does not name are parked as hidden ones are.
void TZelvant::LayoutGroups(const TIntegerList& layout, bool dialog, bool last, Integer top) {
  Integer middle = 0;
  while (middle < layout.Count && layout.GetInteger(middle) != lcMiddle) ++middle;
  std::vector<TBitBtn*> placed;
  Integer tabPos = 10000, x = 4, advance = 0;
  for (Integer i = 0; i < middle; ++i) {
    placed.push_back(PlaceButton(layout.GetInteger(i), dialog, last, top, x, tabPos, advance));
    x += advance;
    ++tabPos;
  }
  tabPos = 15000;
  x = Width() - FButtonWidth - 4;
  for (Integer i = layout.Count - 1; i > middle; --i) {
    placed.push_back(PlaceButton(layout.GetInteger(i), dialog, last, top, x, tabPos, advance));
    x -= advance;
    --tabPos;
  }
  for (TBitBtn* b : BarButtons())
    if (std::find(placed.begin(), placed.end(), b) == placed.end()) Park(b);
}

void TZelvant::setWizardbuttons() {
  const Integer top = Height() - FChangeButton->Height() - 3;
  const bool last = FWayListEnabled ? FPage >= 1 && FPage <= FWayList->List.Count() &&
                                          FWayList->GetGotoPage(FPage - 1) == gpFinish
                                    : FPage == FNumPages;
  LayoutGroups(*FBLWizard, false, last, top);
  if (FBtnWizardOK->Show() && last) {
    FNextButton->SetDefault(false);
    FOKButton->SetDefault(true);
  } else {
    FNextButton->SetDefault(true);
    FOKButton->SetDefault(false);
  }
}

void TZelvant::setdialogbuttons() {
  const Integer top = Height() - FChangeButton->Height() - 3;
  Park(FNextButton);
  Park(FBackButton);
  LayoutGroups(*FBLDialog, true, false, top);
  FNextButton->SetDefault(false);
  FOKButton->SetDefault(true);
}

void TZelvant::setnobuttons() {
  for (TBitBtn* b : BarButtons())
    Park(b);
}

void TZelvant::SetButtonWidth(Integer Value) {
  FButtonWidth = std::clamp(Value, 0, kMaxExtent);
  for (TBitBtn* b : BarButtons())
    b->SetWidth(FButtonWidth);
  ShowButtons();
}

void TZelvant::SetButtonHeight(Integer Value) {
  FButtonHeight = std::clamp(Value, 0, kMaxExtent);
  for (TBitBtn* b : BarButtons())
    b->SetHeight(FButtonHeight);
  ShowButtons();
  Repaint();
}

void TZelvant::SetButtonStyle(TButtonStyle Value) {
  FButtonStyle = Value;
  for (TBitBtn* b : BarButtons())
    b->SetStyle(Value);
  ShowButtons();
}

void TZelvant::setshowglyph(bool Value) {
  FShowGlyph = Value;
  ShowButtons();
}

void TZelvant::ClearGlyphTag() {
  for (TBitBtn* b : BarButtons())
    b->SetTag(0);
}

}  // namespace zelvant
