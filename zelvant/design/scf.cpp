#include "zelvant/design/scf.h"

#include "host/core/ClassBuilder.h"
#include "zelvant/design/FormResources.h"

namespace zelvant {

using namespace host;

TShowDialog* ShowDialog = nullptr;

HOST_PUBLISHED(TShowDialog) {
  P.Method("FormCreate", &TShowDialog::FormCreate);
  P.Method("FormDestroy", &TShowDialog::FormDestroy);
  P.Method("ShowGridDrawCell", &TShowDialog::ShowGridDrawCell);
  P.Method("ShowGridSelectCell", &TShowDialog::ShowGridSelectCell);
}

TShowDialog::TShowDialog(TComponent* AOwner) : TDesignDialog(AOwner) {
  ReadFormResource(resources::scfForm);
  ShowGrid = Control<TDrawGrid>("ShowGrid");
  Panel1 = Control<TPanel>("Panel1");
  Button1 = Control<TButton>("Button1");
  Button2 = Control<TButton>("Button2");
}

TShowDialog::~TShowDialog() { RaiseDestroy(); }

void TShowDialog::FormCreate(TObject*) { FShowList = std::make_unique<TAposList>(); }

void TShowDialog::FormDestroy(TObject*) { FShowList.reset(); }

// The grid draws nothing itself: a 16 x 16 box in column 0, crossed when the control is
// shown on the row's page, and the page's name in column 1. Rows without a record or a
// name (odd lists) draw an empty box or nothing.
void TShowDialog::ShowGridDrawCell(TObject*, Integer ACol, Integer ARow, TRect Rect, TGridDrawState) {
  TCanvas& c = ShowGrid->Canvas();
  if (ACol == 0) {
    c.Pen().SetColor(clBlack);
    c.Brush().SetColor(clWhite);
    c.Rectangle(Rect.Left, Rect.Top, Rect.Left + 16, Rect.Top + 16);
    const bool shown = FShowList && ARow >= 0 && ARow < FShowList->List.Count() && FShowList->Record(ARow).Show == 1;
    if (shown) {
      c.MoveTo(Rect.Left, Rect.Top);
      c.LineTo(Rect.Left + 16, Rect.Top + 16);
      c.MoveTo(Rect.Left + 16, Rect.Top);
      c.LineTo(Rect.Left, Rect.Top + 16);
    }
  } else if (ACol == 1 && FNames && ARow >= 0 && ARow < FNames->Count()) {
    c.TextRect(Rect, Rect.Left, Rect.Top, FNames->Get(ARow));
  }
}

// Selecting a box toggles its page: 0 becomes 1 and any other value 0, so a stored
// value other than 0 or 1 (drawn as an empty box) is cleared by the first click.
void TShowDialog::ShowGridSelectCell(TObject*, Integer ACol, Integer ARow, bool&) {
  if (ACol != 0 || !FShowList || ARow < 0 || ARow >= FShowList->List.Count()) return;
  TAPos& record = FShowList->Record(ARow);
  record.Show = record.Show == 0 ? 1 : 0;
  ShowGrid->Refresh();
}

}  // namespace zelvant
