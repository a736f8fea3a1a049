// Reading a wizard's routes: positions, the page each shows, and an edge for every way
// Next, a way-list row, an "Ask" row, a jump control, Change or a tab can go. A way to
// a position that does not exist becomes a finding instead of an edge.
#include <algorithm>
#include <optional>
#include <type_traits>

#include "zelvant/ZelvC.h"
#include "zelvant/ZelvRoutes.h"

namespace zelvant {

using namespace host;

const char* RouteEdgeKindName(TRouteEdgeKind kind) {
  switch (kind) {
    case TRouteEdgeKind::Next: return "Next";
    case TRouteEdgeKind::Goto: return "Goto";
    case TRouteEdgeKind::Ask: return "Ask";
    case TRouteEdgeKind::Jump: return "Jump";
    case TRouteEdgeKind::Change: return "Change";
    case TRouteEdgeKind::Tab: return "Tab";
    case TRouteEdgeKind::OK: return "OK";
  }
  return "";
}

namespace {

bool HasCode(const TIntegerList& layout, Integer code) {
  for (Integer i = 0; i < layout.List.Count(); ++i)
    if (layout.GetInteger(i) == code) return true;
  return false;
}

// A jump control bound to the wizard, with what the analysis needs of it.
struct TJumpInfo {
  const TComponent* Control;
  bool Radio;
  TJumpMode Mode;
  Integer JumpPage;
  bool Checked;
  const TWinControl* Group;  // the parent it stands in on wizard pages
  std::vector<Integer> Pages;  // real pages it is shown on

  // Wide enough that a stored offset near the integer's limits cannot overflow.
  long long TargetFrom(Integer position) const {
    return Mode == jmAbsolut ? JumpPage : static_cast<long long>(position) + JumpPage;
  }
};

template <class Control>
TJumpInfo Describe(const Control& c, Integer numPages) {
  constexpr bool radio = std::is_same_v<Control, TAJumpRadioBtn>;
  TJumpInfo info{&c, radio, c.JumpMode, c.JumpPage, false, c.GetParentInWizard() ? c.GetParentInWizard() : c.Parent(), {}};
  if constexpr (radio) info.Checked = c.Checked();
  const TAposList* shows = c.ShowContainer();
  const Integer n = shows ? std::min<Integer>(shows->List.Count(), numPages + 1) : 0;
  for (Integer r = 0; r < n; ++r)
    if (shows->Record(r).Show == 1) info.Pages.push_back(r);
  return info;
}

// The jump control c is, when it is one bound to the wizard.
std::optional<TJumpInfo> JumpControl(const TComponent* c, const TZelvant& wizard) {
  if (const auto* button = dynamic_cast<const TAJumpBitBtn*>(c))
    if (button->Zelvant() == &wizard) return Describe(*button, wizard.NumPages());
  if (const auto* radio = dynamic_cast<const TAJumpRadioBtn*>(c))
    if (radio->Zelvant() == &wizard) return Describe(*radio, wizard.NumPages());
  return std::nullopt;
}

std::string Quoted(const std::string& s) { return "\"" + s + "\""; }

}  // namespace

// Fills a graph from its wizard; one reader per graph.
class TRouteReader {
 public:
  TRouteReader(TRouteGraph& g, const TRouteOptions& options) : g_(g), z_(g.wizard_), options_(options) {}

  void Read() {
    ReadPositions();
    ReadJumpControls();
    if (z_.Style() != asTabbed)
      for (Integer p = 1; p <= g_.last_; ++p) ReadNext(p);
    if (z_.Style() == asWizard) {
      ReadChange();
      ReadOK();
    }
    if (z_.Style() == asTabbed) ReadTabs();
    GroupEdges();
  }

 private:
  void Add(Integer from, Integer to, TRouteEdgeKind kind, const TComponent* control = nullptr) {
    g_.edges_.push_back({from, to, kind, control});
  }

  void Report(TRouteSeverity severity, Integer position, const std::string& message, const TComponent* control = nullptr) {
    TRouteFinding f;
    f.Severity = severity;
    f.Position = position;
    f.Page = g_.IsPosition(position) ? g_.pages_[position] : -1;
    f.PageName = g_.PageName(f.Page);
    f.Message = message;
    f.Control = control;
    g_.findings_.push_back(std::move(f));
  }

  void Broken(Integer position, const std::string& message, const TComponent* control = nullptr) {
    Report(TRouteSeverity::Error, position, message, control);
    g_.broken_[position] = 1;
  }

  bool Exists(long long position) const { return position >= 0 && position <= g_.last_; }

  std::string Range() const { return "0 to " + IntToStr(g_.last_); }

  void ReadPositions() {
    const bool wayList = z_.WayListEnabled();
    const TPageList& rows = *z_.WayList();
    g_.last_ = std::max<Integer>(0, wayList ? std::min<Integer>(rows.Count, rows.List.Count()) : z_.NumPages());
    g_.pages_.assign(g_.last_ + 1, 0);
    g_.broken_.assign(g_.last_ + 1, 0);
    for (Integer p = 1; p <= g_.last_; ++p) {
      const Integer page = wayList ? rows.GetNumber(p - 1) : p;
      if (page < 0 || page > z_.NumPages()) {
        g_.pages_[p] = -1;
        Broken(p, "the way-list row shows page " + IntToStr(page) + ", but the wizard's pages are 0 to " +
                      IntToStr(z_.NumPages()) + ": showing this position raises an error");
      } else {
        g_.pages_[p] = page;
        if (page == 0 && wayList)
          Report(TRouteSeverity::Warning, p,
                 "the way-list row shows the dialog page (page 0) among the wizard pages, with the wizard's buttons");
      }
    }
    positionsOfPage_.assign(z_.NumPages() + 1, {});
    for (Integer p = 0; p <= g_.last_; ++p)
      if (g_.pages_[p] >= 0) positionsOfPage_[g_.pages_[p]].push_back(p);
    g_.start_ = z_.StartPage();
    if (!g_.IsPosition(g_.start_))
      Report(TRouteSeverity::Error, g_.start_,
             "StartPage is " + IntToStr(g_.start_) + ", which is not a position of this wizard (" + Range() + ")");
  }

  std::vector<Integer> PositionsShowing(const TJumpInfo& j) const {
    std::vector<Integer> positions;
    for (Integer page : j.Pages)
      positions.insert(positions.end(), positionsOfPage_[page].begin(), positionsOfPage_[page].end());
    std::sort(positions.begin(), positions.end());
    return positions;
  }

  void ReadJumpControls() {
    radiosAt_.assign(g_.last_ + 1, {});
    const TComponent* form = z_.Owner();
    if (!form) return;
    for (const TComponent* c : form->ComponentList()) {
      const std::optional<TJumpInfo> jump = JumpControl(c, z_);
      if (!jump) continue;
      const TJumpInfo& j = *jump;
      const std::string what = (j.Radio ? "jump radio button " : "jump button ") + c->Name();
      const std::vector<Integer> positions = PositionsShowing(j);
      if (j.Pages.empty()) {
        Report(TRouteSeverity::Warning, -1, what + " is shown on no page", c);
        continue;
      }
      if (positions.empty()) {
        Report(TRouteSeverity::Warning, -1, what + " is shown only on pages that no position shows", c);
        continue;
      }
      if (j.Radio && j.Mode == jmAbsolut && j.JumpPage == kRouteFinish)
        Report(TRouteSeverity::Warning, -1,
               what + " leads to -1, which Next passes over: it never finishes the wizard", c);
      jumps_.push_back(j);
      for (Integer p : positions) {
        if (j.Radio) {
          radiosAt_[p].push_back(jumps_.size() - 1);
          continue;
        }
        const long long t = j.TargetFrom(p);
        if (t == kRouteFinish || Exists(t)) Add(p, static_cast<Integer>(t), TRouteEdgeKind::Jump, c);
        else Broken(p, what + " leads to position " + IntToStr(t) + ", which does not exist (" + Range() + ")", c);
      }
    }
  }

  // A group of jump radio buttons always decides Next at a position when one of them
  // is checked and the user can only move the check among them: every radio button of
  // their parent is one of them, and none leads to -1 (Next passes over those).
  bool GroupAlwaysDecides(Integer position, const TWinControl* group) const {
    bool checked = false;
    for (size_t index : radiosAt_[position]) {
      const TJumpInfo& j = jumps_[index];
      if (j.Group != group) continue;
      if (j.TargetFrom(position) == kRouteFinish) return false;
      checked = checked || j.Checked;
    }
    if (!checked || !group) return false;
    for (Integer i = 0; i < group->ControlCount(); ++i) {
      const TControl* sibling = group->Controls(i);
      if (!dynamic_cast<const TRadioButton*>(sibling)) continue;
      const auto* jump = dynamic_cast<const TAJumpRadioBtn*>(sibling);
      if (!jump || jump->Zelvant() != &z_) return false;
      const bool here = std::any_of(radiosAt_[position].begin(), radiosAt_[position].end(),
                                    [&](size_t index) { return jumps_[index].Control == jump; });
      if (!here) return false;
    }
    return true;
  }

  // Next consults the jump radio buttons shown at p; without one that counts it goes to
  // the following position.
  void ReadJumpSearch(Integer p, const char* pastTheEnd) {
    bool decided = false;
    for (size_t index : radiosAt_[p]) {
      const TJumpInfo& j = jumps_[index];
      const long long t = j.TargetFrom(p);
      if (t == kRouteFinish) continue;
      if (Exists(t)) Add(p, static_cast<Integer>(t), TRouteEdgeKind::Jump, j.Control);
      else
        Broken(p, "jump radio button " + j.Control->Name() + " leads to position " + IntToStr(t) +
                      ", which does not exist (" + Range() + ")", j.Control);
      decided = decided || GroupAlwaysDecides(p, j.Group);
    }
    if (decided) return;
    if (p + 1 <= g_.last_) Add(p, p + 1, TRouteEdgeKind::Next);
    else Broken(p, pastTheEnd);
  }

  void ReadNext(Integer p) {
    if (!z_.WayListEnabled()) {
      if (p < z_.NumPages()) ReadJumpSearch(p, "");
      else Add(p, kRouteFinish, TRouteEdgeKind::Next);
      return;
    }
    const Integer g = z_.WayList()->GetGotoPage(p - 1);
    if (g == gpNext) {
      ReadJumpSearch(p, "\"Next\" on the last way-list row leads past the end of the list: the Next button raises an error");
    } else if (g == gpFinish) {
      Add(p, kRouteFinish, TRouteEdgeKind::Next);
    } else if (g == gpAsk) {
      ReadAsk(p);
    } else if (g == gpDialog) {
      Add(p, 0, TRouteEdgeKind::Goto);
    } else if (g == p) {
      Broken(p, "the way-list row says \"Goto " + IntToStr(g) + "\", its own position: the Next button does nothing here");
    } else if (g > 0 && g <= g_.last_) {
      Add(p, g, TRouteEdgeKind::Goto);
    } else if (g > 0) {
      Broken(p, "the way-list row says \"Goto " + IntToStr(g) + "\", but the way list has " + IntToStr(g_.last_) +
                    " rows: the Next button raises an error");
    } else {
      Broken(p, "the way-list row has the unknown code " + IntToStr(g) + " for the Next button");
    }
  }

  void ReadAsk(Integer p) {
    const bool bound = static_cast<bool>(z_.OnAskPageChange) || !z_.OnAskPageChange.MethodName().empty();
    if (auto narrowed = options_.AskTargets.find(p); bound && narrowed != options_.AskTargets.end()) {
      for (Integer t : narrowed->second) {
        if (t == kRouteFinish || g_.IsPosition(t)) Add(p, t, TRouteEdgeKind::Ask);
        else Broken(p, "the OnAskPageChange handler may choose position " + IntToStr(t) + ", which does not exist");
      }
    } else if (bound) {
      // The handler's choice is the application's: any position may follow.
      for (Integer t = 0; t <= g_.last_; ++t)
        if (t != p) Add(p, t, TRouteEdgeKind::Ask);
    } else if (p + 1 <= g_.last_) {
      Add(p, p + 1, TRouteEdgeKind::Ask);
      Report(TRouteSeverity::Warning, p,
             "an \"Ask\" row, but no OnAskPageChange handler is bound: Next simply goes to the following row");
    } else {
      Broken(p, "an \"Ask\" row on the last row with no OnAskPageChange handler bound: Next leads past the end of "
                "the list and raises an error");
    }
  }

  // Change takes a wizard page to the dialog page, and the dialog page back to the
  // remembered position or to the start.
  void ReadChange() {
    const bool toDialog = z_.BtnChangeDialog()->Show() && HasCode(*z_.BLWizard(), 1);
    const bool toWizard = z_.BtnChangeWizard()->Show() && HasCode(*z_.BLDialog(), 1);
    if (toDialog)
      for (Integer p = 1; p <= g_.last_; ++p) Add(p, 0, TRouteEdgeKind::Change);
    if (!toWizard) return;
    if (g_.IsPosition(g_.start_) && g_.start_ != 0) Add(0, g_.start_, TRouteEdgeKind::Change);
    if (z_.RememberPage && toDialog)
      for (Integer p = 1; p <= g_.last_; ++p)
        if (p != g_.start_) Add(0, p, TRouteEdgeKind::Change);
  }

  // The bar's OK button finishes from the dialog page, and from every wizard page where
  // the wizard presentation shows it too.
  void ReadOK() {
    if (z_.BtnDialogOK()->Show() && HasCode(*z_.BLDialog(), 6)) Add(0, kRouteFinish, TRouteEdgeKind::OK);
    if (z_.BtnWizardOK()->Show() && HasCode(*z_.BLWizard(), 6))
      for (Integer p = 1; p <= g_.last_; ++p) Add(p, kRouteFinish, TRouteEdgeKind::OK);
  }

  // A tab stands for each wizard position up to the page count.
  void ReadTabs() {
    const Integer tabs = std::min(z_.NumPages(), g_.last_);
    for (Integer p = 0; p <= g_.last_; ++p)
      for (Integer q = 1; q <= tabs; ++q)
        if (q != p) Add(p, q, TRouteEdgeKind::Tab);
  }

  // Groups the edges by their position, keeping the order found within each.
  void GroupEdges() {
    auto& edges = g_.edges_;
    std::stable_sort(edges.begin(), edges.end(), [](const TRouteEdge& a, const TRouteEdge& b) { return a.From < b.From; });
    g_.firstEdge_.assign(g_.last_ + 2, 0);
    for (const TRouteEdge& e : edges) ++g_.firstEdge_[e.From + 1];
    for (Integer p = 0; p <= g_.last_; ++p) g_.firstEdge_[p + 1] += g_.firstEdge_[p];
  }

  TRouteGraph& g_;
  const TZelvant& z_;
  const TRouteOptions& options_;
  std::vector<std::vector<Integer>> positionsOfPage_;
  std::vector<TJumpInfo> jumps_;
  std::vector<std::vector<size_t>> radiosAt_;  // indexes into jumps_ of the radio buttons shown at each position
};

TRouteGraph::TRouteGraph(const TZelvant& wizard, const TRouteOptions& options) : wizard_(wizard) {
  TRouteReader(*this, options).Read();
}

Integer TRouteGraph::PageAt(Integer position) const { return IsPosition(position) ? pages_[position] : -1; }

std::string TRouteGraph::PageName(Integer page) const {
  const TStringList* names = wizard_.PageNames();
  return page >= 0 && names && page < names->Count() ? names->Get(page) : "";
}

std::span<const TRouteEdge> TRouteGraph::EdgesFrom(Integer position) const {
  if (!IsPosition(position)) return {};
  return std::span<const TRouteEdge>(edges_.data() + firstEdge_[position], edges_.data() + firstEdge_[position + 1]);
}

std::string FormatFinding(const TRouteFinding& f) {
  std::string where;
  if (f.Position >= 0 || (f.Page < 0 && !f.Control)) {
    where = "position " + IntToStr(f.Position);
    if (f.Page >= 0) where += " (page " + Quoted(f.PageName) + ")";
  } else if (f.Page >= 0) {
    where = "page " + IntToStr(f.Page) + " (" + Quoted(f.PageName) + ")";
  } else {
    where = f.Control->Name();
  }
  return where + ": " + f.Message;
}

}  // namespace zelvant
