// The show-component dialog: the wizard's pages, page 0 first, each with a box in front
// of its name that is crossed where the control is shown. A click on a box toggles it.
#pragma once

#include <memory>

#include "host/stdctrls/ExtCtrls.h"
#include "host/stdctrls/Grids.h"
#include "host/stdctrls/StdCtrls.h"
#include "zelvant/ZelvL.h"
#include "zelvant/design/DesignDialog.h"

namespace zelvant {

class TShowDialog : public TDesignDialog {
  HOST_CLASS(TShowDialog, TDesignDialog)
  explicit TShowDialog(host::TComponent* AOwner);
  ~TShowDialog() override;

  host::TDrawGrid* ShowGrid;
  host::TPanel* Panel1;
  host::TButton* Button1;  // Cancel
  host::TButton* Button2;  // OK

  // Working copy of the control's position list; record r belongs to page r.
  TAposList* ShowList() const { return FShowList.get(); }
  // The wizard's page names, borrowed: entry r names page r.
  host::TStrings* FNames = nullptr;

  void FormCreate(host::TObject* Sender);
  void FormDestroy(host::TObject* Sender);
  void ShowGridDrawCell(host::TObject* Sender, Integer ACol, Integer ARow, host::TRect Rect,
                        host::TGridDrawState State);
  void ShowGridSelectCell(host::TObject* Sender, Integer ACol, Integer ARow, bool& CanSelect);

 private:
  std::unique_ptr<TAposList> FShowList;
};

// The dialog while the show editor runs.
extern TShowDialog* ShowDialog;

}  // namespace zelvant
