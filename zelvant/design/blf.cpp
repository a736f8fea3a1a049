#include "zelvant/design/blf.h"

#include <algorithm>

#include "host/core/ClassBuilder.h"
#include "zelvant/design/CellColors.h"
#include "zelvant/design/FormResources.h"

namespace zelvant {

using namespace host;

TLayoutDialog* LayoutDialog = nullptr;

namespace {

constexpr Integer kSpace = 7;
constexpr Integer kMiddle = 8;

}  // namespace

std::string LayoutLabel(Integer code) {
  static const char* const labels[] = {"Change", "Help", "Cancel", "Back", "Next", "OK", "Space", "Middle"};
  return code >= 1 && code <= 8 ? labels[code - 1] : "";
}

bool LayoutFitsBar(const TIntegerList& layout) {
  Integer middles = 0;
  for (Integer i = 0; i < layout.Count; ++i) middles += layout.GetInteger(i) == kMiddle;
  return middles == 1 && layout.Count >= 3 && layout.GetInteger(0) != kMiddle &&
         layout.GetInteger(layout.Count - 1) != kMiddle;
}

HOST_PUBLISHED(TLayoutDialog) {
  P.Method("FormCreate", &TLayoutDialog::FormCreate);
  P.Method("FormDestroy", &TLayoutDialog::FormDestroy);
  P.Method("LayoutGridDrawCell", &TLayoutDialog::LayoutGridDrawCell);
  P.Method("Button3Click", &TLayoutDialog::Button3Click);
  P.Method("Button4Click", &TLayoutDialog::Button4Click);
  P.Method("Button5Click", &TLayoutDialog::Button5Click);
  P.Method("Button6Click", &TLayoutDialog::Button6Click);
}

TLayoutDialog::TLayoutDialog(TComponent* AOwner) : TDesignDialog(AOwner) {
  ReadFormResource(resources::blfForm);
  Panel1 = Control<TPanel>("Panel1");
  Button1 = Control<TButton>("Button1");
  Button2 = Control<TButton>("Button2");
  Button3 = Control<TButton>("Button3");
  Button4 = Control<TButton>("Button4");
  Button5 = Control<TButton>("Button5");
  Button6 = Control<TButton>("Button6");
  LayoutGrid = Control<TDrawGrid>("LayoutGrid");
}

TLayoutDialog::~TLayoutDialog() { RaiseDestroy(); }

void TLayoutDialog::FormCreate(TObject*) { FLayoutList = std::make_unique<TIntegerList>(); }

void TLayoutDialog::FormDestroy(TObject*) { FLayoutList.reset(); }

void TLayoutDialog::SyncRows() { LayoutGrid->SetRowCount(std::max<Integer>(FLayoutList->Count, 1)); }

// A row without an entry (the one row of an empty list) is drawn empty.
void TLayoutDialog::LayoutGridDrawCell(TObject*, Integer, Integer ARow, TRect Rect, TGridDrawState State) {
  TCanvas& c = LayoutGrid->Canvas();
  SetCellColors(c, State);
  const bool exists = FLayoutList && ARow >= 0 && ARow < FLayoutList->Count && ARow < FLayoutList->List.Count();
  c.TextRect(Rect, Rect.Left, Rect.Top, exists ? LayoutLabel(FLayoutList->GetInteger(ARow)) : std::string());
}

bool TLayoutDialog::Exchange(Integer a, Integer b) {
  const bool fitted = LayoutFitsBar(*FLayoutList);
  FLayoutList->exchange(a, b);
  if (fitted && !LayoutFitsBar(*FLayoutList)) {
    FLayoutList->exchange(a, b);
    return false;
  }
  return true;
}

// Up.
void TLayoutDialog::Button3Click(TObject*) {
  const Integer R = LayoutGrid->Row();
  if (R <= 0 || R >= FLayoutList->Count || !Exchange(R, R - 1)) return;
  LayoutGrid->SetRow(R - 1);
  LayoutGrid->Refresh();
}

// Down.
void TLayoutDialog::Button4Click(TObject*) {
  const Integer R = LayoutGrid->Row();
  if (R >= FLayoutList->Count - 1 || !Exchange(R, R + 1)) return;
  LayoutGrid->SetRow(R + 1);
  LayoutGrid->Refresh();
}

// Insert Space: before the selected entry, which stays selected and is now the gap.
void TLayoutDialog::Button5Click(TObject*) {
  const Integer R = std::min<Integer>(LayoutGrid->Row(), FLayoutList->Count);
  FLayoutList->Insert(R, kSpace);
  SyncRows();
  LayoutGrid->Refresh();
}

// Delete Space: only a gap goes, never the last entry, and never one whose going would
// leave "Middle" at an end of a list the bar could arrange.
void TLayoutDialog::Button6Click(TObject*) {
  const Integer R = LayoutGrid->Row();
  if (R >= FLayoutList->Count || FLayoutList->GetInteger(R) != kSpace || FLayoutList->Count <= 1) return;
  const bool fitted = LayoutFitsBar(*FLayoutList);
  FLayoutList->Del(R);
  if (fitted && !LayoutFitsBar(*FLayoutList)) {
    FLayoutList->Insert(R, kSpace);
    return;
  }
  SyncRows();
  LayoutGrid->Refresh();
}

}  // namespace zelvant
