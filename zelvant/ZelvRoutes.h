// Route analysis of a wizard: the graph of the positions a user can move between
// (Next, way-list rows, "Ask" rows, jump buttons, checked jump radio buttons, Change,
// tabs), the faults in it a user would otherwise find by getting stuck, and the steps
// left to a finish from the position shown. Nothing here paints or needs a screen.
#pragma once

#include <map>
#include <span>
#include <string>
#include <vector>

#include "host/core/Component.h"
#include "zelvant/ZelvA.h"

namespace zelvant {

// The end of every route: what a Next on a "Finish" row or on the last page, a jump to
// position -1, or the OK button leads to.
constexpr Integer kRouteFinish = -1;

enum class TRouteEdgeKind { Next, Goto, Ask, Jump, Change, Tab, OK };

// "Next", "Goto", "Ask", "Jump", "Change", "Tab", "OK".
const char* RouteEdgeKindName(TRouteEdgeKind kind);

struct TRouteEdge {
  Integer From = 0;
  Integer To = 0;  // a position, or kRouteFinish
  TRouteEdgeKind Kind = TRouteEdgeKind::Next;
  const host::TComponent* Control = nullptr;  // the jump control taking it, if any
};

// Change leaves the route for the dialog page and comes back to it: it neither rescues
// a user from a trap nor counts as a step.
inline bool MakesProgress(const TRouteEdge& e) { return e.Kind != TRouteEdgeKind::Change; }

enum class TRouteSeverity {
  Error,    // a user can get stuck, or a click raises
  Warning,  // dead design: nobody gets stuck, but something is not as meant
};

struct TRouteFinding {
  TRouteSeverity Severity = TRouteSeverity::Error;
  Integer Position = -1;  // -1 when the finding belongs to no position
  Integer Page = -1;      // the real page concerned, -1 when none
  std::string PageName;
  std::string Message;
  const host::TComponent* Control = nullptr;  // the control concerned, if any
};

struct TRouteOptions {
  // What the OnAskPageChange handler may choose on an "Ask" row, by position
  // (kRouteFinish included). Rows not named here may lead to every position.
  std::map<Integer, std::vector<Integer>> AskTargets;
};

// Steps on the route through the position shown. "Step k of n" is Taken + 1 of
// Taken + 1 + FewestLeft; a page that offers the finish has 0 left.
struct TRouteSteps {
  Integer Taken = 0;        // steps taken to get here: the history's depth
  Integer FewestLeft = -1;  // pages still to come on the shortest route; -1: no route finishes
  Integer MostLeft = -1;    // on the longest route that visits no position twice
};

// The positions of a wizard and the ways between them, read from the wizard, its way
// list and the jump controls of its form. Ways to positions that do not exist are left
// out of the graph and reported as findings instead. The tabbed style moves by its tabs
// and has no Next; the style without a bar is taken to have the application's own
// buttons call Next; only the button bar has Change and OK.
class TRouteGraph {
 public:
  explicit TRouteGraph(const TZelvant& wizard, const TRouteOptions& options = {});

  const TZelvant& Wizard() const { return wizard_; }
  // Positions are 0 (the dialog page) to LastPosition().
  Integer LastPosition() const { return last_; }
  bool IsPosition(Integer p) const { return p >= 0 && p <= last_; }
  Integer StartPosition() const { return start_; }
  // The page shown at a position; -1 when its way-list row names no page.
  Integer PageAt(Integer position) const;
  std::string PageName(Integer page) const;
  const std::vector<TRouteEdge>& Edges() const { return edges_; }
  // Edges leaving a position, in the order they were found.
  std::span<const TRouteEdge> EdgesFrom(Integer position) const;
  // Faults found while reading the ways: rows and jump controls.
  const std::vector<TRouteFinding>& ReadFindings() const { return findings_; }
  // Positions whose own way out is broken (their row or the Next target).
  bool RowBroken(Integer position) const { return broken_[position] != 0; }

 private:
  friend class TRouteReader;
  const TZelvant& wizard_;
  Integer last_ = 0;
  Integer start_ = 1;
  std::vector<Integer> pages_;  // page shown at each position
  std::vector<char> broken_;
  std::vector<TRouteEdge> edges_;  // grouped by From
  std::vector<Integer> firstEdge_;  // edges of position p: firstEdge_[p] to firstEdge_[p + 1]
  std::vector<TRouteFinding> findings_;
};

// Every fault of the wizard's routes, ordered by position (those of no position last).
std::vector<TRouteFinding> RouteFindings(const TRouteGraph& graph);
// Steps left from a position, with `taken` steps behind it. Change leaves the route
// and comes back to it, so it counts for no step.
TRouteSteps StepsAt(const TRouteGraph& graph, Integer position, Integer taken);
// Edges on the shortest route from each position to a finish (the last edge is the
// one that finishes), -1 where no route finishes; Change edges are not followed.
std::vector<Integer> EdgesToFinish(const TRouteGraph& graph);
// Fewest steps from the start position to a position; -1 when no route leads there.
Integer StepsFromStart(const TRouteGraph& graph, Integer position);
// The graph in Graphviz's dot language: positions labelled with their page names,
// edges with their kind; positions with an error are drawn red, with a warning orange.
std::string RouteDot(const TRouteGraph& graph);
// `position N (page "Name"): message`, or the page or the control where no position fits.
std::string FormatFinding(const TRouteFinding& finding);

}  // namespace zelvant
