// The way-list, show, layout and page-count editors.
#include "zelvant/design/ZelvP.h"

#include <algorithm>

#include "host/stdctrls/Dialogs.h"
#include "zelvant/design/DialogRun.h"
#include "zelvant/design/blf.h"
#include "zelvant/design/scf.h"
#include "zelvant/design/wlf.h"

namespace zelvant {

using namespace host;

namespace {

// The records a way list holds: its count may run ahead of them (Clear keeps Count).
Integer RecordCount(const TPageList& list) { return std::min(list.Count, list.List.Count()); }

}  // namespace

void TWayListProperty::Edit() {
  TZelvant* wizard = nullptr;
  {
    TDialogRun<TWayListForm> d(WayListForm);
    wizard = As<TZelvant>(GetComponent(0));
    d->PageBox->Items()->Clear();
    d->GotoBox->Items()->Clear();
    for (const char* action : {"Next", "Finish", "Ask", "Dialog"}) d->GotoBox->Items()->Add(action);
    d->PageBox->Items()->AddStrings(*wizard->PageNames());
    d->FEditedZelvant = wizard;
    TPageList& work = *d->WorkList();
    const TPageList& list = *wizard->WayList();
    if (list.Count <= 0) {
      work.AddPage(TPage{1, gpNext});
    } else {
      work.Clear();
      work.Count = 0;
      for (Integer i = 0; i < RecordCount(list); ++i) work.AddPage(list.Record(i));
    }
    d->WayListGrid->SetRowCount(work.Count + 1);
    for (Integer k = 1; k <= work.Count; ++k) d->AddGotoItem();
    if (d.Confirmed()) {
      TPageList& target = *wizard->WayList();
      target.Clear();
      target.Count = 0;
      for (Integer i = 0; i < RecordCount(work); ++i) target.AddPage(work.Record(i));
    }
  }
  wizard->zelvupdate();
  Modified();
}

// A control without a position list, or one bound to no wizard (it has no pages to
// show), opens no dialog and changes nothing.
void TShowProperty::Edit() {
  TPersistent* component = GetComponent(0);
  TAposList** field = component->FieldAddress<TAposList*>("FAposList");
  TZelvant** bound = component->FieldAddress<TZelvant*>("FZelvant");
  if (!field || !*field || !bound || !*bound) {
    Modified();
    return;
  }
  TAposList& list = **field;
  TZelvant* wizard = *bound;
  {
    TDialogRun<TShowDialog> d(ShowDialog);
    for (Integer i = 0; i < list.List.Count(); ++i) d->ShowList()->AddAPos(list.Record(i));
    d->ShowGrid->SetRowCount(list.Count);
    d->FNames = wizard->PageNames();
    if (d.Confirmed())
      for (Integer i = 0; i < list.List.Count(); ++i) list.SetApos(i, d->ShowList()->GetApos(i));
  }
  wizard->zelvupdate();
  Modified();
}

void TLayoutProperty::Edit() {
  TZelvant* wizard = nullptr;
  {
    TDialogRun<TLayoutDialog> d(LayoutDialog);
    wizard = As<TZelvant>(GetComponent(0));
    TIntegerList& list = *GetObjectValueAs<TIntegerList>();
    for (Integer i = 0; i < std::min(list.Count, list.List.Count()); ++i) d->LayoutList()->Add(list.GetInteger(i));
    d->SyncRows();
    if (d.Confirmed()) {
      list.Clear();
      for (Integer i = 0; i < d->LayoutList()->Count; ++i) list.Add(d->LayoutList()->GetInteger(i));
    }
  }
  wizard->zelvupdate();
  Modified();
}

void TNumPagesProperty::SetValue(const std::string& value) {
  try {
    const Integer wanted = StrToInt(value);
    const Integer current = StrToInt(GetValue());
    // Pages go only on a Yes: a question closed without an answer keeps them too.
    if (wanted < current && MessageDlg("Do you want to reduce the number of pages in the Zelvant?", mtWarning,
                                       TMsgDlgButtons{mbYes, mbCancel}, 0) != mrYes)
      return;
    TIntegerProperty::SetValue(value);
  } catch (const Exception&) {
    // Text that is no page count is ignored, as is anything the page count refuses.
  }
}

}  // namespace zelvant
