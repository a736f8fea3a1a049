// The faults of a wizard's routes: positions nobody reaches, positions from which no
// route finishes, loops with no way out, and pages that no position shows, on top of
// the faults found while reading the rows and the jump controls.
#include <algorithm>

#include "zelvant/ZelvRoutes.h"

namespace zelvant {

using host::IntToStr;

namespace {

std::vector<char> ReachedFromStart(const TRouteGraph& g) {
  std::vector<char> reached(g.LastPosition() + 1, 0);
  if (!g.IsPosition(g.StartPosition())) return reached;
  std::vector<Integer> queue{g.StartPosition()};
  reached[g.StartPosition()] = 1;
  for (size_t head = 0; head < queue.size(); ++head)
    for (const TRouteEdge& e : g.EdgesFrom(queue[head]))
      if (e.To != kRouteFinish && !reached[e.To]) {
        reached[e.To] = 1;
        queue.push_back(e.To);
      }
  return reached;
}

// Strongly connected components over the edges that make progress (Tarjan's, without
// recursion): the component of each position, numbered from 0.
std::vector<Integer> Components(const TRouteGraph& g) {
  const Integer n = g.LastPosition() + 1;
  std::vector<Integer> index(n, -1), low(n, 0), component(n, -1), open;
  struct TFrame {
    Integer Position;
    size_t Next;
  };
  std::vector<TFrame> stack;
  Integer counter = 0, components = 0;
  for (Integer root = 0; root < n; ++root) {
    if (index[root] >= 0) continue;
    stack.push_back({root, 0});
    index[root] = low[root] = counter++;
    open.push_back(root);
    while (!stack.empty()) {
      const Integer p = stack.back().Position;
      const auto edges = g.EdgesFrom(p);
      if (stack.back().Next < edges.size()) {
        const TRouteEdge& e = edges[stack.back().Next++];
        if (!MakesProgress(e) || e.To == kRouteFinish) continue;
        if (index[e.To] < 0) {
          index[e.To] = low[e.To] = counter++;
          open.push_back(e.To);
          stack.push_back({e.To, 0});
        } else if (component[e.To] < 0) {
          low[p] = std::min(low[p], index[e.To]);
        }
        continue;
      }
      stack.pop_back();
      if (!stack.empty()) low[stack.back().Position] = std::min(low[stack.back().Position], low[p]);
      if (low[p] == index[p]) {
        Integer q;
        do {
          q = open.back();
          open.pop_back();
          component[q] = components;
        } while (q != p);
        ++components;
      }
    }
  }
  return component;
}

std::string PositionList(const std::vector<Integer>& positions) {
  std::string s;
  for (size_t i = 0; i < positions.size(); ++i)
    s += (i == 0 ? "" : i + 1 == positions.size() ? " and " : ", ") + IntToStr(positions[i]);
  return s;
}

class TRouteChecker {
 public:
  explicit TRouteChecker(const TRouteGraph& g) : g_(g), findings_(g.ReadFindings()) {}

  std::vector<TRouteFinding> Run() {
    const std::vector<char> reached = ReachedFromStart(g_);
    const std::vector<Integer> toFinish = EdgesToFinish(g_);
    if (g_.IsPosition(g_.StartPosition()))
      for (Integer p = 1; p <= g_.LastPosition(); ++p)
        if (!reached[p])
          Report(TRouteSeverity::Warning, p,
                 "no route from the start (position " + IntToStr(g_.StartPosition()) + ") leads here");
    CheckFinishes(reached, toFinish);
    CheckPagesShown();
    std::stable_sort(findings_.begin(), findings_.end(), [](const TRouteFinding& a, const TRouteFinding& b) {
      return static_cast<unsigned>(a.Position) < static_cast<unsigned>(b.Position);
    });
    return std::move(findings_);
  }

 private:
  void Report(TRouteSeverity severity, Integer position, const std::string& message, Integer page = -1) {
    TRouteFinding f;
    f.Severity = severity;
    f.Position = position;
    f.Page = position >= 0 ? g_.PageAt(position) : page;
    f.PageName = g_.PageName(f.Page);
    f.Message = message;
    findings_.push_back(std::move(f));
  }

  // A reached wizard position from which no route finishes traps the user. A loop whose
  // positions lead only to each other is told once, at its first position; a position
  // whose own row is broken has said so already.
  void CheckFinishes(const std::vector<char>& reached, const std::vector<Integer>& toFinish) {
    const std::vector<Integer> component = Components(g_);
    const Integer n = g_.LastPosition() + 1;
    std::vector<std::vector<Integer>> members(n);
    std::vector<char> leaves(n, 0);
    for (Integer p = 0; p < n; ++p) members[component[p]].push_back(p);
    for (const TRouteEdge& e : g_.Edges())
      if (MakesProgress(e) && (e.To == kRouteFinish || component[e.To] != component[e.From])) leaves[component[e.From]] = 1;
    for (Integer p = 1; p < n; ++p) {
      if (!reached[p] || toFinish[p] >= 0) continue;
      const std::vector<Integer>& loop = members[component[p]];
      if (loop.size() > 1 && !leaves[component[p]]) {
        if (loop.front() == p)
          Report(TRouteSeverity::Error, p,
                 "positions " + PositionList(loop) + " lead only to each other: a loop with no way out to a finish");
      } else if (!g_.RowBroken(p)) {
        Report(TRouteSeverity::Error, p, "no route from here reaches a finish: the user can only go back or cancel");
      }
    }
  }

  void CheckPagesShown() {
    const TZelvant& z = g_.Wizard();
    if (!z.WayListEnabled()) return;
    std::vector<char> shown(z.NumPages() + 1, 0);
    for (Integer p = 1; p <= g_.LastPosition(); ++p)
      if (g_.PageAt(p) >= 0) shown[g_.PageAt(p)] = 1;
    for (Integer page = 1; page <= z.NumPages(); ++page)
      if (!shown[page]) Report(TRouteSeverity::Warning, -1, "no way-list row shows this page", page);
  }

  const TRouteGraph& g_;
  std::vector<TRouteFinding> findings_;
};

}  // namespace

std::vector<TRouteFinding> RouteFindings(const TRouteGraph& graph) { return TRouteChecker(graph).Run(); }

}  // namespace zelvant
