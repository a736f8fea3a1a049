// Steps on a wizard's routes: the fewest and the most steps from a position to a
// finish, and the wizard's own operations that report them for the position shown.
#include <algorithm>

#include "zelvant/ZelvRoutes.h"

namespace zelvant {

namespace {

// Longest route to a finish from each position over the graph without the edges that
// close a loop (those back to a position still open in a depth-first walk from the
// start): edges to the finish counted, -1 where that graph has none.
std::vector<Integer> LongestToFinish(const TRouteGraph& g) {
  const Integer n = g.LastPosition() + 1;
  std::vector<Integer> longest(n, -1);
  std::vector<char> state(n, 0);  // 0 new, 1 open, 2 done
  struct TFrame {
    Integer Position;
    size_t Next;
  };
  std::vector<TFrame> stack;
  auto walk = [&](Integer root) {
    if (state[root]) return;
    state[root] = 1;
    stack.push_back({root, 0});
    while (!stack.empty()) {
      TFrame& top = stack.back();
      const auto edges = g.EdgesFrom(top.Position);
      if (top.Next < edges.size()) {
        const TRouteEdge& e = edges[top.Next++];
        if (MakesProgress(e) && e.To != kRouteFinish && state[e.To] == 0) {
          state[e.To] = 1;
          stack.push_back({e.To, 0});
        }
        continue;
      }
      // Every edge's target is done by now, except the open ones that close a loop.
      Integer best = -1;
      for (const TRouteEdge& e : edges) {
        if (!MakesProgress(e)) continue;
        if (e.To == kRouteFinish) best = std::max<Integer>(best, 1);
        else if (state[e.To] == 2 && longest[e.To] >= 0) best = std::max(best, longest[e.To] + 1);
      }
      longest[top.Position] = best;
      state[top.Position] = 2;
      stack.pop_back();
    }
  };
  if (g.IsPosition(g.StartPosition())) walk(g.StartPosition());
  for (Integer p = 0; p < n; ++p) walk(p);
  return longest;
}

}  // namespace

std::vector<Integer> EdgesToFinish(const TRouteGraph& g) {
  const Integer n = g.LastPosition() + 1;
  // Reverse adjacency of the edges that make progress, as offsets into one array.
  std::vector<Integer> first(n + 1, 0), from;
  std::vector<Integer> dist(n, -1), queue;
  for (const TRouteEdge& e : g.Edges())
    if (MakesProgress(e) && e.To != kRouteFinish) ++first[e.To + 1];
  for (Integer p = 0; p < n; ++p) first[p + 1] += first[p];
  from.resize(first[n]);
  std::vector<Integer> fill(first.begin(), first.end() - 1);
  for (const TRouteEdge& e : g.Edges()) {
    if (!MakesProgress(e)) continue;
    if (e.To == kRouteFinish) {
      if (dist[e.From] < 0) {
        dist[e.From] = 1;
        queue.push_back(e.From);
      }
    } else {
      from[fill[e.To]++] = e.From;
    }
  }
  // Breadth first from the positions that finish in one step.
  for (size_t head = 0; head < queue.size(); ++head) {
    const Integer q = queue[head];
    for (Integer i = first[q]; i < first[q + 1]; ++i)
      if (dist[from[i]] < 0) {
        dist[from[i]] = dist[q] + 1;
        queue.push_back(from[i]);
      }
  }
  return dist;
}

Integer StepsFromStart(const TRouteGraph& g, Integer position) {
  if (!g.IsPosition(g.StartPosition()) || !g.IsPosition(position)) return -1;
  std::vector<Integer> dist(g.LastPosition() + 1, -1), queue{g.StartPosition()};
  dist[g.StartPosition()] = 0;
  for (size_t head = 0; head < queue.size(); ++head)
    for (const TRouteEdge& e : g.EdgesFrom(queue[head]))
      if (MakesProgress(e) && e.To != kRouteFinish && dist[e.To] < 0) {
        dist[e.To] = dist[queue[head]] + 1;
        queue.push_back(e.To);
      }
  return dist[position];
}

TRouteSteps StepsAt(const TRouteGraph& g, Integer position, Integer taken) {
  TRouteSteps steps;
  steps.Taken = taken;
  if (!g.IsPosition(position)) return steps;
  const Integer fewest = EdgesToFinish(g)[position];
  if (fewest < 0) return steps;
  steps.FewestLeft = fewest - 1;
  // A route that must close a loop to finish is still no shorter than the fewest.
  steps.MostLeft = std::max(fewest, LongestToFinish(g)[position]) - 1;
  return steps;
}

// The wizard's operations. Without the history the steps taken are the fewest from
// the start, which is what a route without detours has taken.

std::vector<TRouteFinding> TZelvant::CheckRoutes() const { return CheckRoutes(TRouteOptions{}); }

std::vector<TRouteFinding> TZelvant::CheckRoutes(const TRouteOptions& options) const {
  return RouteFindings(TRouteGraph(*this, options));
}

TRouteSteps TZelvant::RouteSteps() const { return RouteSteps(TRouteOptions{}); }

TRouteSteps TZelvant::RouteSteps(const TRouteOptions& options) const {
  const TRouteGraph graph(*this, options);
  const Integer taken = UseHistory ? FHistory->Count : std::max<Integer>(0, StepsFromStart(graph, FPage));
  return StepsAt(graph, FPage, taken);
}

Integer TZelvant::StepsTaken() const { return RouteSteps().Taken; }
Integer TZelvant::FewestStepsLeft() const { return RouteSteps().FewestLeft; }
Integer TZelvant::MostStepsLeft() const { return RouteSteps().MostLeft; }

}  // namespace zelvant
