#include "zelvant/design/wlf.h"

#include "host/core/ClassBuilder.h"
#include "zelvant/design/CellColors.h"
#include "zelvant/design/FormResources.h"

namespace zelvant {

using namespace host;

TWayListForm* WayListForm = nullptr;

namespace {

constexpr TPage kNewRecord{1, gpNext};
const char* const kActions[] = {"Next", "Finish", "Ask", "Dialog"};

}  // namespace

std::string WayListCellText(const TPageList& list, const TZelvant* wizard, Integer ACol, Integer ARow) {
  if (ARow == 0) {
    static const char* const titles[] = {"ID", "PAGE", "GOTO"};
    return ACol >= 0 && ACol <= 2 ? titles[ACol] : "Error";
  }
  if (ACol == 0) return IntToStr(ARow);
  if (ACol > 2 || ARow - 1 >= list.List.Count()) return "Error";
  const TPage& record = list.Record(ARow - 1);
  if (ACol == 1) {
    // A page that is not there (beyond NumPages or below 0) has been deleted.
    const Integer p = record.Number;
    if (!wizard || p < 0 || p > wizard->NumPages() || p >= wizard->PageNames()->Count()) return "Deleted";
    return wizard->PageNames()->Get(p);
  }
  const Integer g = record.GotoPage;
  return g >= gpNext && g <= gpDialog ? kActions[g - gpNext] : "Goto " + IntToStr(g);
}

HOST_PUBLISHED(TWayListForm) {
  P.Method("FormCreate", &TWayListForm::FormCreate);
  P.Method("FormDestroy", &TWayListForm::FormDestroy);
  P.Method("FormShow", &TWayListForm::FormShow);
  P.Method("WayListGridDrawCell", &TWayListForm::WayListGridDrawCell);
  P.Method("WayListGridSelectCell", &TWayListForm::WayListGridSelectCell);
  P.Method("PageBoxChange", &TWayListForm::PageBoxChange);
  P.Method("GotoBoxChange", &TWayListForm::GotoBoxChange);
  P.Method("Button1Click", &TWayListForm::Button1Click);
  P.Method("Button4Click", &TWayListForm::Button4Click);
  P.Method("Button5Click", &TWayListForm::Button5Click);
  P.Method("Button6Click", &TWayListForm::Button6Click);
  P.Method("Button7Click", &TWayListForm::Button7Click);
  P.Method("Button8Click", &TWayListForm::Button8Click);
}

TWayListForm::TWayListForm(TComponent* AOwner) : TDesignDialog(AOwner) {
  ReadFormResource(resources::wlfForm);
  Panel1 = Control<TPanel>("Panel1");
  Button1 = Control<TButton>("Button1");
  Button2 = Control<TButton>("Button2");
  Button3 = Control<TButton>("Button3");
  Button4 = Control<TButton>("Button4");
  Button5 = Control<TButton>("Button5");
  Button6 = Control<TButton>("Button6");
  Button7 = Control<TButton>("Button7");
  Button8 = Control<TButton>("Button8");
  Panel2 = Control<TPanel>("Panel2");
  Panel3 = Control<TPanel>("Panel3");
  Label1 = Control<TLabel>("Label1");
  PageBox = Control<TComboBox>("PageBox");
  GotoBox = Control<TComboBox>("GotoBox");
  WayListGrid = Control<TDrawGrid>("WayListGrid");
}

TWayListForm::~TWayListForm() { RaiseDestroy(); }

void TWayListForm::FormCreate(TObject*) {
  FWorkList = std::make_unique<TPageList>();
  FSelectedRow = -1;
}

void TWayListForm::FormDestroy(TObject*) { FWorkList.reset(); }

void TWayListForm::FormShow(TObject*) { SelectCurrentRow(); }

void TWayListForm::AddGotoItem() { GotoBox->Items()->Add("Goto " + IntToStr(GotoBox->Items()->Count() - 3)); }

void TWayListForm::SelectCurrentRow() {
  bool can = true;
  WayListGridSelectCell(WayListGrid, 0, WayListGrid->Row(), can);
}

TPage* TWayListForm::SelectedRecord() const {
  const Integer R = WayListGrid->Row();
  return FWorkList && R >= 1 && R - 1 < FWorkList->List.Count() ? &FWorkList->Record(R - 1) : nullptr;
}

void TWayListForm::WayListGridDrawCell(TObject*, Integer ACol, Integer ARow, TRect Rect, TGridDrawState State) {
  TCanvas& c = WayListGrid->Canvas();
  const std::string text = FWorkList ? WayListCellText(*FWorkList, FEditedZelvant, ACol, ARow) : "Error";
  SetCellColors(c, State);
  c.Rectangle(Rect.Left, Rect.Top, Rect.Right, Rect.Bottom);
  c.TextRect(Rect, Rect.Left, Rect.Top, text);
}

// Loads the position of row ARow into the label and the drop-down lists, once per row;
// values without an item leave the list showing nothing.
void TWayListForm::WayListGridSelectCell(TObject*, Integer, Integer ARow, bool& CanSelect) {
  CanSelect = true;
  if (ARow == FSelectedRow) return;
  FSelectedRow = ARow;
  Label1->SetCaption(IntToStr(ARow));
  if (!FWorkList || ARow < 1 || ARow - 1 >= FWorkList->List.Count()) {
    PageBox->SetItemIndex(-1);
    GotoBox->SetItemIndex(-1);
    return;
  }
  const TPage& record = FWorkList->Record(ARow - 1);
  PageBox->SetItemIndex(record.Number);
  GotoBox->SetItemIndex(record.GotoPage + 3);
}

void TWayListForm::PageBoxChange(TObject*) {
  if (TPage* record = SelectedRecord()) record->Number = PageBox->ItemIndex();
  WayListGrid->Refresh();
}

void TWayListForm::GotoBoxChange(TObject*) {
  if (TPage* record = SelectedRecord()) record->GotoPage = GotoBox->ItemIndex() - 3;
  WayListGrid->Refresh();
}

// Up.
void TWayListForm::Button1Click(TObject*) {
  const Integer R = WayListGrid->Row();
  if (R <= 1 || R - 1 >= FWorkList->List.Count()) return;
  FWorkList->ExchPage(R - 1, R - 2);
  WayListGrid->SetRow(R - 1);
  WayListGrid->Refresh();
}

// Down.
void TWayListForm::Button4Click(TObject*) {
  const Integer R = WayListGrid->Row(), n = FWorkList->List.Count();
  if (R < 1 || R >= n) return;
  FWorkList->ExchPage(R - 1, R);
  WayListGrid->SetRow(R + 1);
  WayListGrid->Refresh();
}

// Insert: a new position before the selected one, shown selected at once.
void TWayListForm::Button5Click(TObject*) {
  const Integer R = std::max<Integer>(WayListGrid->Row(), 1);
  FWorkList->InsertPage(std::min<Integer>(R - 1, FWorkList->List.Count()), kNewRecord);
  WayListGrid->SetRowCount(WayListGrid->RowCount() + 1);
  WayListGrid->Refresh();
  FSelectedRow = -1;
  bool can = true;
  WayListGridSelectCell(WayListGrid, 0, R, can);
  AddGotoItem();
}

// Delete: the first position stays, so the list never becomes empty.
void TWayListForm::Button6Click(TObject*) {
  const Integer R = WayListGrid->Row();
  if (R <= 1 || R - 1 >= FWorkList->List.Count()) return;
  FWorkList->DelPage(R - 1);
  WayListGrid->SetRowCount(WayListGrid->RowCount() - 1);
  WayListGrid->Refresh();
  FSelectedRow = -1;
  SelectCurrentRow();
  GotoBox->Items()->Delete(GotoBox->Items()->Count() - 1);
}

// Add: a new last position; the selection stays.
void TWayListForm::Button7Click(TObject*) {
  FWorkList->AddPage(kNewRecord);
  WayListGrid->SetRowCount(WayListGrid->RowCount() + 1);
  AddGotoItem();
}

// Default: one position per wizard page in page order, Next everywhere but Finish on
// the last. A wizard without pages gets the one position {1, Finish}.
void TWayListForm::Button8Click(TObject*) {
  FWorkList->Clear();
  FWorkList->Count = 0;
  GotoBox->Items()->Clear();
  for (const char* action : kActions) GotoBox->Items()->Add(action);
  const Integer pages = FEditedZelvant ? FEditedZelvant->NumPages() : 0;
  for (Integer i = 1; i <= std::max<Integer>(pages, 1); ++i) {
    FWorkList->AddPage(TPage{i, gpNext});
    AddGotoItem();
  }
  WayListGrid->SetRowCount(FWorkList->Count + 1);
  FWorkList->Record(FWorkList->Count - 1).GotoPage = gpFinish;
  FSelectedRow = -1;
  WayListGrid->Refresh();
  SelectCurrentRow();
}

}  // namespace zelvant
