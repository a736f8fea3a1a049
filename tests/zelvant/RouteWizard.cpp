#include "RouteWizard.h"

namespace zelvant_test {

using namespace zelvant;
using host::Integer;

RouteWizard::RouteWizard(Integer numPages, std::initializer_list<TPage> rows) {
  z->SetNumPages(numPages);
  for (const TPage& row : rows) z->WayList()->AddPage(row);
  if (rows.size() > 0) z->SetWayListEnabled(true);
  z->setPage(1);
}

void RouteWizard::ShowOn(TAposList* shows, std::initializer_list<Integer> pages) {
  for (Integer r = 0; r < shows->List.Count(); ++r) shows->Record(r).Show = 0;
  for (Integer r : pages) shows->Record(r).Show = 1;
}

namespace {

std::string Key(const TRouteFinding& f) {
  std::string key = f.Severity == TRouteSeverity::Error ? "error@" : "warning@";
  if (f.Position >= 0 || (f.Page < 0 && !f.Control)) return key + std::to_string(f.Position);
  if (f.Page >= 0) return key + "page " + std::to_string(f.Page);
  return key + f.Control->Name();
}

}  // namespace

std::vector<std::string> RouteWizard::Keys(const TRouteOptions& options) const {
  std::vector<std::string> keys;
  for (const TRouteFinding& f : z->CheckRoutes(options)) keys.push_back(Key(f));
  return keys;
}

std::string RouteWizard::Message(const std::string& key, const TRouteOptions& options) const {
  for (const TRouteFinding& f : z->CheckRoutes(options))
    if (Key(f) == key) return f.Message;
  return "";
}

std::vector<std::string> RouteWizard::From(Integer position, const TRouteOptions& options) const {
  const TRouteGraph g(*z, options);
  std::vector<std::string> edges;
  for (const TRouteEdge& e : g.EdgesFrom(position)) {
    std::string s = e.To == kRouteFinish ? "finish" : std::to_string(e.To);
    s += std::string(" ") + RouteEdgeKindName(e.Kind);
    if (e.Control) s += ": " + e.Control->Name();
    edges.push_back(s);
  }
  return edges;
}

}  // namespace zelvant_test
