// The button-layout dialog: the entries of a layout list under their labels; entries
// move up and down, and gaps ("Space") are inserted and deleted. Changes that would hand
// the button bar a list it cannot arrange are refused.
#pragma once

#include <memory>

#include "host/stdctrls/ExtCtrls.h"
#include "host/stdctrls/Grids.h"
#include "host/stdctrls/StdCtrls.h"
#include "zelvant/ZelvL.h"
#include "zelvant/design/DesignDialog.h"

namespace zelvant {

// The label of a layout code; empty for codes the bar does not know.
std::string LayoutLabel(Integer code);
// True when the bar can arrange the list: "Middle" (8) once, neither first nor last.
bool LayoutFitsBar(const TIntegerList& layout);

class TLayoutDialog : public TDesignDialog {
  HOST_CLASS(TLayoutDialog, TDesignDialog)
  explicit TLayoutDialog(host::TComponent* AOwner);
  ~TLayoutDialog() override;

  host::TPanel* Panel1;
  host::TButton* Button1;  // OK
  host::TButton* Button2;  // Cancel
  host::TButton* Button3;  // Up
  host::TButton* Button4;  // Down
  host::TButton* Button5;  // Insert Space
  host::TButton* Button6;  // Delete Space
  host::TDrawGrid* LayoutGrid;

  // Working copy of the edited list; grid row r shows entry r.
  TIntegerList* LayoutList() const { return FLayoutList.get(); }
  // Shows as many rows as the list has entries (one empty row for an empty list).
  void SyncRows();

  void FormCreate(host::TObject* Sender);
  void FormDestroy(host::TObject* Sender);
  void LayoutGridDrawCell(host::TObject* Sender, Integer ACol, Integer ARow, host::TRect Rect,
                          host::TGridDrawState State);
  void Button3Click(host::TObject* Sender);
  void Button4Click(host::TObject* Sender);
  void Button5Click(host::TObject* Sender);
  void Button6Click(host::TObject* Sender);

 private:
  // Exchanges entries a and b unless that breaks a list the bar could arrange.
  bool Exchange(Integer a, Integer b);
  std::unique_ptr<TIntegerList> FLayoutList;
};

// The dialog while the layout editor runs.
extern TLayoutDialog* LayoutDialog;

}  // namespace zelvant
