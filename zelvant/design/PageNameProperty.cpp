// The page-names editor: the dialog's rows become the page count, the names, and the
// order of every page-aware control's position records, and whatever refers to a page
// by its number follows the page to its new place.
#include <algorithm>
#include <map>
#include <vector>

#include "zelvant/design/DialogRun.h"
#include "zelvant/design/ZelvP.h"
#include "zelvant/design/pnf.h"

namespace zelvant {

using namespace host;

namespace {

// Every page-aware control's records in the order of the rows: row i takes the record
// of the page it stood for when the dialog opened, a new page a hidden record.
void ReorderPositionLists(TComponent& form, const std::vector<Integer>& identities, Integer P) {
  for (Integer c = form.ComponentCount() - 1; c >= 0; --c) {
    TAposList** field = form.Components(c)->FieldAddress<TAposList*>("FAposList");
    if (!field || !*field) continue;
    auto ordered = std::make_unique<TAposList>();
    for (Integer b : identities) {
      const bool had = b >= 0 && b <= P && b < (*field)->List.Count();
      ordered->AddAPos(had ? (*field)->GetApos(b) : TAPos{0, 0, 0});
    }
    delete *field;
    *field = ordered.release();
  }
}

// Page numbers held elsewhere follow their pages. A way-list record of a page that is
// gone, or of none the dialog showed, points past the last page ("Deleted" in the
// way-list editor). Without a way list positions are page numbers: the position shown,
// the start page and the history follow their pages too; history entries of pages that
// are gone are dropped.
void FollowPages(TZelvant& wizard, const std::map<Integer, Integer>& moved, Integer P, Integer N, Integer shown) {
  auto newPage = [&](Integer p) {
    const auto it = moved.find(p);
    return it == moved.end() ? -1 : it->second;
  };
  TPageList& way = *wizard.WayList();
  for (Integer i = 0; i < std::min(way.Count, way.List.Count()); ++i) {
    TPage& r = way.Record(i);
    if (r.Number >= 0) r.Number = r.Number <= P && newPage(r.Number) >= 0 ? newPage(r.Number) : N + 1;
  }
  if (wizard.WayListEnabled()) return;
  TIntegerList& history = *wizard.History();
  std::vector<Integer> kept;
  for (Integer i = 0; i < std::min(history.Count, history.List.Count()); ++i)
    if (const Integer p = newPage(history.GetInteger(i)); p >= 0) kept.push_back(p);
  history.Clear();
  for (Integer p : kept) history.Add(p);
  // A page that is gone leaves the position and the start page where they were, within the pages.
  auto follow = [&](Integer p, Integer lowest) { return newPage(p) >= 0 ? newPage(p) : std::clamp(p, lowest, N); };
  wizard.SetStartPage(follow(wizard.StartPage(), 1));
  const Integer page = follow(shown, 0);
  if (page != wizard.Page()) wizard.setPage(page);
}

void Apply(TZelvant& wizard, const TStringGrid& grid, Integer P) {
  const Integer N = grid.RowCount() - 2;
  const Integer shown = wizard.Page();  // shrinking may move the page before it is followed
  std::vector<Integer> identities;
  std::map<Integer, Integer> moved;  // old page number -> new one
  for (Integer i = 0; i <= N; ++i) {
    const Integer b = StrToIntDef(grid.Cells(0, i + 1), -1);
    identities.push_back(b);
    if (b >= 0 && b <= P) moved[b] = i;
  }
  if (N > wizard.NumPages()) wizard.SetNumPages(N);
  TStrings& names = *wizard.PageNames();
  for (Integer i = 0; i <= N; ++i) {
    if (i < names.Count()) names.Put(i, grid.Cells(1, i + 1));
    else names.Add(grid.Cells(1, i + 1));
  }
  if (TComponent* form = wizard.Owner()) ReorderPositionLists(*form, identities, P);
  if (wizard.NumPages() > N) wizard.SetNumPages(N);
  FollowPages(wizard, moved, P, N, shown);
}

}  // namespace

void TPageNameProperty::Edit() {
  TZelvant* wizard = nullptr;
  {
    TDialogRun<TPageNameDialog> d(PageNameDialog);
    wizard = As<TZelvant>(GetComponent(0));
    const Integer P = wizard->NumPages();
    d->Fill(*wizard->PageNames(), P);
    if (d.Confirmed()) Apply(*wizard, *d->PageList, P);
  }
  wizard->zelvupdate();
  Modified();
}

}  // namespace zelvant
