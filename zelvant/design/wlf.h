// The way-list editor: one row per way-list position with the page shown there and what
// Next does; the selected position's page and action are chosen in two drop-down lists.
// Positions move, are inserted, deleted and appended, or rebuilt from the wizard's pages.
#pragma once

#include <memory>

#include "host/stdctrls/ExtCtrls.h"
#include "host/stdctrls/Grids.h"
#include "host/stdctrls/StdCtrls.h"
#include "zelvant/ZelvA.h"
#include "zelvant/ZelvL.h"
#include "zelvant/design/DesignDialog.h"

namespace zelvant {

class TWayListForm : public TDesignDialog {
  HOST_CLASS(TWayListForm, TDesignDialog)
  explicit TWayListForm(host::TComponent* AOwner);
  ~TWayListForm() override;

  host::TPanel* Panel1;
  host::TButton* Button1;  // Up
  host::TButton* Button2;  // OK
  host::TButton* Button3;  // Cancel
  host::TButton* Button4;  // Down
  host::TButton* Button5;  // Insert
  host::TButton* Button6;  // Delete
  host::TButton* Button7;  // Add
  host::TButton* Button8;  // Default
  host::TPanel* Panel2;
  host::TPanel* Panel3;
  host::TLabel* Label1;
  host::TComboBox* PageBox;  // item i: the name of page i
  host::TComboBox* GotoBox;  // "Next", "Finish", "Ask", "Dialog", then "Goto 1" ...
  host::TDrawGrid* WayListGrid;

  // Working copy of the way list; grid row r (r >= 1) shows record r - 1.
  TPageList* WorkList() const { return FWorkList.get(); }
  // Row last loaded into the label and the drop-down lists; -1 forces a reload.
  Integer FSelectedRow = -1;
  // Source of the page names and of NumPages; set by the editor, not owned.
  TZelvant* FEditedZelvant = nullptr;

  // Appends the "Goto " item for the position count GotoBox then stands for.
  void AddGotoItem();

  void FormCreate(host::TObject* Sender);
  void FormDestroy(host::TObject* Sender);
  void FormShow(host::TObject* Sender);
  void WayListGridDrawCell(host::TObject* Sender, Integer ACol, Integer ARow, host::TRect Rect,
                           host::TGridDrawState State);
  void WayListGridSelectCell(host::TObject* Sender, Integer ACol, Integer ARow, bool& CanSelect);
  void PageBoxChange(host::TObject* Sender);
  void GotoBoxChange(host::TObject* Sender);
  void Button1Click(host::TObject* Sender);
  void Button4Click(host::TObject* Sender);
  void Button5Click(host::TObject* Sender);
  void Button6Click(host::TObject* Sender);
  void Button7Click(host::TObject* Sender);
  void Button8Click(host::TObject* Sender);

 private:
  // Runs the selection for the grid's selected row, as a click on it would.
  void SelectCurrentRow();
  // The record of the selected row, or nullptr when the row has none.
  TPage* SelectedRecord() const;
  std::unique_ptr<TPageList> FWorkList;
};

// The texts of the cells: "ID"/"PAGE"/"GOTO" titles, the position, the page name (or
// "Deleted"), and the Next action.
std::string WayListCellText(const TPageList& list, const TZelvant* wizard, Integer ACol, Integer ARow);

// The editor while the way-list editor runs.
extern TWayListForm* WayListForm;

}  // namespace zelvant
