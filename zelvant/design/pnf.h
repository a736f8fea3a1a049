// The page-names dialog: one row per page, page 0 first; pages are renamed in place,
// moved, inserted, deleted and appended. Column 0 keeps the number each page had when
// the dialog opened (new pages get numbers above all of those), so that the editor can
// tell after OK where every page went.
#pragma once

#include "host/stdctrls/ExtCtrls.h"
#include "host/stdctrls/Grids.h"
#include "host/stdctrls/StdCtrls.h"
#include "zelvant/design/DesignDialog.h"

namespace zelvant {

class TPageNameDialog : public TDesignDialog {
  HOST_CLASS(TPageNameDialog, TDesignDialog)
  explicit TPageNameDialog(host::TComponent* AOwner);

  host::TStringGrid* PageList;
  host::TPanel* Panel1;
  host::TButton* Button1;  // Up
  host::TButton* Button2;  // Down
  host::TButton* Button3;  // Insert
  host::TButton* Button4;  // Delete
  host::TButton* Button5;  // Add
  host::TButton* Button6;  // Cancel
  host::TButton* Button7;  // OK

  // The highest page number handed out so far; the editor sets it to NumPages.
  Integer FPageCounter = 0;
  // Rows for pages 0 to pages, named from names (a missing name is empty), and the
  // counter at pages, as the editor opens the dialog.
  void Fill(const host::TStrings& names, Integer pages);

  void Button1Click(host::TObject* Sender);
  void Button2Click(host::TObject* Sender);
  void Button3Click(host::TObject* Sender);
  void Button4Click(host::TObject* Sender);
  void Button5Click(host::TObject* Sender);

 private:
  void SwapRows(Integer a, Integer b);
  void CopyRow(Integer from, Integer to);
  void NumberRow(Integer row);
};

// The dialog while the page-names editor runs.
extern TPageNameDialog* PageNameDialog;

}  // namespace zelvant
