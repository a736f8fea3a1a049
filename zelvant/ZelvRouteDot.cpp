// A wizard's route graph in Graphviz's dot language.
#include <set>
#include <tuple>

#include "zelvant/ZelvRoutes.h"

namespace zelvant {

using host::IntToStr;

namespace {

std::string Escaped(const std::string& s) {
  std::string out;
  for (char c : s) {
    if (c == '"' || c == '\\') out += '\\';
    out += c;
  }
  return out;
}

std::string Node(Integer position) { return position == kRouteFinish ? "finish" : "p" + IntToStr(position); }

std::string EdgeLabel(const TRouteEdge& e) {
  std::string label = RouteEdgeKindName(e.Kind);
  if (e.Control) label += ": " + e.Control->Name();
  return label;
}

std::string EdgeStyle(const TRouteEdge& e) {
  switch (e.Kind) {
    case TRouteEdgeKind::Change: return ", style=dashed, color=gray40, fontcolor=gray40";
    case TRouteEdgeKind::Ask: return ", style=dotted";
    case TRouteEdgeKind::Jump: return ", color=blue4, fontcolor=blue4";
    default: return "";
  }
}

}  // namespace

std::string RouteDot(const TRouteGraph& g) {
  const std::vector<TRouteFinding> findings = RouteFindings(g);
  std::vector<TRouteSeverity> worst(g.LastPosition() + 1, TRouteSeverity::Warning);
  std::vector<char> found(g.LastPosition() + 1, 0);
  for (const TRouteFinding& f : findings) {
    if (!g.IsPosition(f.Position)) continue;
    if (!found[f.Position] || f.Severity == TRouteSeverity::Error) worst[f.Position] = f.Severity;
    found[f.Position] = 1;
  }
  std::string dot = "digraph \"" + Escaped(g.Wizard().Name()) + "\" {\n";
  dot += "  rankdir=LR;\n";
  dot += "  node [shape=box, style=rounded, fontname=\"Helvetica\", fontsize=11];\n";
  dot += "  edge [fontname=\"Helvetica\", fontsize=9];\n";
  dot += "  start [shape=point, width=0.12];\n";
  dot += "  finish [label=\"Finish\", shape=doublecircle, fontsize=10];\n";
  for (Integer p = 0; p <= g.LastPosition(); ++p) {
    dot += "  " + Node(p) + " [label=\"" + IntToStr(p) + ": " + Escaped(g.PageName(g.PageAt(p))) + "\"";
    if (found[p]) dot += worst[p] == TRouteSeverity::Error ? ", color=red, fontcolor=red" : ", color=orange";
    dot += "];\n";
  }
  if (g.IsPosition(g.StartPosition())) dot += "  start -> " + Node(g.StartPosition()) + ";\n";
  // A Change there and back is one edge with two heads.
  std::set<std::pair<Integer, Integer>> changes;
  for (const TRouteEdge& e : g.Edges())
    if (e.Kind == TRouteEdgeKind::Change) changes.insert({e.From, e.To});
  for (const TRouteEdge& e : g.Edges()) {
    std::string both;
    if (e.Kind == TRouteEdgeKind::Change && changes.count({e.To, e.From})) {
      if (e.From > e.To) continue;
      both = ", dir=both";
    }
    dot += "  " + Node(e.From) + " -> " + Node(e.To) + " [label=\"" + Escaped(EdgeLabel(e)) + "\"" + EdgeStyle(e) +
           both + "];\n";
  }
  dot += "}\n";
  return dot;
}

}  // namespace zelvant
