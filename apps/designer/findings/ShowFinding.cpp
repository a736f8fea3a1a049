#include "ShowFinding.h"

#include <algorithm>

#include "zelvant/ZelvL.h"

namespace designer {

using namespace host;
using namespace zelvant;

namespace {

// The component, if it is still one of the wizard's form: a finding may be older than
// the last change.
TComponent* LiveControl(const TZelvant& wizard, const TComponent* control) {
  if (!control || !wizard.Owner()) return nullptr;
  for (TComponent* c : wizard.Owner()->ComponentList())
    if (c == control) return c;
  return nullptr;
}

// The pages a page-aware control is shown on, through its published position list.
std::vector<char> ShownPages(TComponent* control) {
  std::vector<char> shown;
  const TFieldInfo* field = control->ClassInfo().FindField("FAposList");
  if (!field || field->Type() != typeid(TAposList*)) return shown;
  const TAposList* list = *static_cast<TAposList**>(field->Address(control));
  if (!list) return shown;
  for (Integer p = 0; p < list->List.Count(); ++p) shown.push_back(list->Record(p).Show == 1);
  return shown;
}

// The first position showing a page the predicate accepts, wizard pages before the dialog page.
template <class Accept>
Integer FirstPositionShowing(const TRouteGraph& graph, Accept&& accept) {
  for (Integer p = 1; p <= graph.LastPosition(); ++p)
    if (accept(graph.PageAt(p))) return p;
  return accept(graph.PageAt(0)) ? 0 : -1;
}

}  // namespace

Integer FindingPosition(const TRouteGraph& graph, const TRouteFinding& finding) {
  if (graph.IsPosition(finding.Position)) return finding.Position;
  if (TComponent* control = LiveControl(graph.Wizard(), finding.Control)) {
    const std::vector<char> shown = ShownPages(control);
    const Integer p = FirstPositionShowing(graph, [&](Integer page) {
      return page >= 0 && page < static_cast<Integer>(shown.size()) && shown[static_cast<size_t>(page)];
    });
    if (p >= 0) return p;
  }
  if (finding.Page >= 0) return FirstPositionShowing(graph, [&](Integer page) { return page == finding.Page; });
  return -1;
}

TFindingTarget ShowFinding(IDesigner& designer, TZelvant& wizard, const TRouteFinding& finding) {
  TFindingTarget target;
  target.Position = FindingPosition(TRouteGraph(wizard), finding);
  if (target.Position >= 0 && target.Position != wizard.Page()) {
    try {
      wizard.setPage(target.Position);
    } catch (const Exception&) {
      target.Position = -1;  // a row showing a page that does not exist: the fault itself
    }
    if (target.Position >= 0 && wizard.Page() != target.Position) target.Position = -1;  // vetoed
  }
  TComponent* control = LiveControl(wizard, finding.Control);
  target.Selected = control ? control : &wizard;
  designer.SelectComponent(target.Selected);
  return target;
}

}  // namespace designer
