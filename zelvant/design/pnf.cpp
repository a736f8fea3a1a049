#include "zelvant/design/pnf.h"

#include "host/core/ClassBuilder.h"
#include "zelvant/design/FormResources.h"

namespace zelvant {

using namespace host;

TPageNameDialog* PageNameDialog = nullptr;

HOST_PUBLISHED(TPageNameDialog) {
  P.Method("Button1Click", &TPageNameDialog::Button1Click);
  P.Method("Button2Click", &TPageNameDialog::Button2Click);
  P.Method("Button3Click", &TPageNameDialog::Button3Click);
  P.Method("Button4Click", &TPageNameDialog::Button4Click);
  P.Method("Button5Click", &TPageNameDialog::Button5Click);
}

TPageNameDialog::TPageNameDialog(TComponent* AOwner) : TDesignDialog(AOwner) {
  ReadFormResource(resources::pnfForm);
  PageList = Control<TStringGrid>("PageList");
  Panel1 = Control<TPanel>("Panel1");
  Button1 = Control<TButton>("Button1");
  Button2 = Control<TButton>("Button2");
  Button3 = Control<TButton>("Button3");
  Button4 = Control<TButton>("Button4");
  Button5 = Control<TButton>("Button5");
  Button6 = Control<TButton>("Button6");
  Button7 = Control<TButton>("Button7");
}

void TPageNameDialog::Fill(const TStrings& names, Integer pages) {
  PageList->SetRowCount(pages + 2);
  FPageCounter = pages;
  PageList->SetCells(0, 0, "Page");
  PageList->SetCells(1, 0, "Name");
  for (Integer p = 0; p <= pages; ++p) {
    PageList->SetCells(0, p + 1, IntToStr(p));
    PageList->SetCells(1, p + 1, p < names.Count() ? names.Get(p) : std::string());
  }
}

void TPageNameDialog::SwapRows(Integer a, Integer b) {
  for (Integer col = 0; col < 2; ++col) {
    const std::string text = PageList->Cells(col, a);
    PageList->SetCells(col, a, PageList->Cells(col, b));
    PageList->SetCells(col, b, text);
  }
}

void TPageNameDialog::CopyRow(Integer from, Integer to) {
  for (Integer col = 0; col < 2; ++col) PageList->SetCells(col, to, PageList->Cells(col, from));
}

void TPageNameDialog::NumberRow(Integer row) {
  PageList->SetCells(0, row, IntToStr(FPageCounter));
  PageList->SetCells(1, row, "Page " + IntToStr(FPageCounter));
}

// Up: row 1 (page 0) stays first, so row 2 cannot move up.
void TPageNameDialog::Button1Click(TObject*) {
  const Integer R = PageList->Row();
  if (R <= 2) return;
  SwapRows(R, R - 1);
  PageList->SetRow(R - 1);
}

// Down: neither the last row nor row 1 (page 0) moves down.
void TPageNameDialog::Button2Click(TObject*) {
  const Integer R = PageList->Row(), C = PageList->RowCount();
  if (R + 1 < C && R > 1) {
    SwapRows(R, R + 1);
    PageList->SetRow(R + 1);
  }
}

// Insert: a new page before the selected row, never before page 0. The number is used
// up even when no row is inserted.
void TPageNameDialog::Button3Click(TObject*) {
  ++FPageCounter;
  const Integer R = PageList->Row(), C = PageList->RowCount();
  if (R <= 1) return;
  PageList->SetRowCount(C + 1);
  for (Integer row = C; row > R; --row) CopyRow(row - 1, row);
  NumberRow(R);
}

// Delete: page 0 and the last remaining page stay.
void TPageNameDialog::Button4Click(TObject*) {
  const Integer R = PageList->Row(), C = PageList->RowCount();
  if (C <= 3 || R <= 1) return;
  for (Integer row = R + 1; row < C; ++row) CopyRow(row, row - 1);
  PageList->SetRowCount(C - 1);
}

// Add: a new page after the last one.
void TPageNameDialog::Button5Click(TObject*) {
  const Integer C = PageList->RowCount();
  PageList->SetRowCount(C + 1);
  ++FPageCounter;
  NumberRow(C);
}

}  // namespace zelvant
