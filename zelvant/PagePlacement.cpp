// The wizard's plan of who takes the page shown: built from the form's components and the
// position lists, and built again once either changed.
#include "zelvant/PagePlacement.h"

#include <algorithm>
#include <iterator>
#include <typeinfo>

#include "host/core/Prefetch.h"
#include "zelvant/ZelvC.h"
#include "zelvant/ZelvL.h"

namespace zelvant {

using namespace host;

namespace {

// The members whose "SetNewPosition" is known to do nothing but note the page on a page
// they are hidden on while parked. Descendants may do more in theirs (TAForm does), and
// so may any class that publishes the name: those are called on every page change.
bool KnownMember(const TComponent& c) {
  const std::type_info& t = typeid(c);
  return t == typeid(TABox) || t == typeid(TAGroupBox) || t == typeid(TAPanel) || t == typeid(TAPageControl) ||
         t == typeid(TAImage) || t == typeid(TAJumpBitBtn) || t == typeid(TAJumpRadioBtn);
}

// The controls of a page change lie all over the heap: asking for the next ones while
// one is placed keeps the walk from waiting on memory for each.
constexpr size_t kPrefetchAhead = 4;

}  // namespace

IPagePlaced* TPagePlacement::OneOfOurs(TComponent& c) const {
  if (!KnownMember(c)) return nullptr;
  auto* placed = dynamic_cast<IPagePlaced*>(&c);
  return placed && placed->Zelvant() == &wizard_ ? placed : nullptr;
}

bool TPagePlacement::Current(const TComponent& owner) const {
  return valid_ && owner_ == &owner && ownerStamp_ == owner.ComponentListStamp() &&
         listsStamp_ == TAposList::ChangeStamp();
}

void TPagePlacement::Rebuild(TComponent& owner) {
  // The page each control took last, as the plan it leaves knows it, before that plan goes.
  std::vector<Entry> entries;
  std::vector<Integer> aktPages;
  const auto& list = owner.ComponentList();
  for (size_t i = 0; i < list.size(); ++i) {
    if (i + 4 * kPrefetchAhead < list.size()) Prefetch(list[i + 4 * kPrefetchAhead]);
    TComponent* c = list[i];
    const auto* m = methods_.Find(c->ClassInfo());
    if (!m) continue;
    IPagePlaced* placed = OneOfOurs(*c);
    entries.push_back({c, m, static_cast<Integer>(i), placed});
    aktPages.push_back(placed ? placed->AktPage() : 0);
  }
  entries_ = std::move(entries);
  always_.clear();
  radios_.clear();
  for (auto& pages : shown_) pages.clear();
  active_.clear();
  isActive_.assign(entries_.size(), 0);
  for (size_t k = 0; k < entries_.size(); ++k) {
    const Integer slot = static_cast<Integer>(k);
    IPagePlaced* placed = entries_[k].placed;
    if (dynamic_cast<TAJumpRadioBtn*>(entries_[k].component)) radios_.push_back(slot);
    if (!placed) {
      always_.push_back({slot, nullptr});
      continue;
    }
    placed->Planned(slot, aktPages[k], serial_);
    if (!placed->Parked()) MarkActive(slot);
    const TAposList* shows = placed->ShowContainer();
    const Integer n = shows ? std::min(shows->Count, shows->List.Count()) : 0;
    if (static_cast<Integer>(shown_.size()) < n) shown_.resize(static_cast<size_t>(n));
    for (Integer p = 0; p < n; ++p)
      if (const TAPos& record = shows->Record(p); record.Show == 1)
        shown_[static_cast<size_t>(p)].push_back({slot, &record});
  }
  owner_ = &owner;
  ownerStamp_ = owner.ComponentListStamp();
  listsStamp_ = TAposList::ChangeStamp();
  valid_ = true;
}

void TPagePlacement::MarkActive(Integer slot) {
  if (isActive_[static_cast<size_t>(slot)]) return;
  isActive_[static_cast<size_t>(slot)] = 1;
  active_.push_back({slot, nullptr});
}

// The slots to call for page, ascending: every one that is always called, those shown
// on page, and those that may not be parked. The last set starts empty again. A slot
// in more than one keeps its record of the page.
void TPagePlacement::GatherCalls(Integer page) {
  static const std::vector<Call> none;
  const auto& shown = page >= 0 && page < static_cast<Integer>(shown_.size()) ? shown_[static_cast<size_t>(page)] : none;
  merged_.clear();
  std::merge(always_.begin(), always_.end(), shown.begin(), shown.end(), std::back_inserter(merged_));
  std::sort(active_.begin(), active_.end());
  calls_.clear();
  std::set_union(merged_.begin(), merged_.end(), active_.begin(), active_.end(), std::back_inserter(calls_));
  for (const Call& c : active_) isActive_[static_cast<size_t>(c.slot)] = 0;
  active_.clear();
}

// The known members take the page straight from the plan, which has read their lists
// already; everybody else by name.
void TPagePlacement::Place(const Entry& e, Integer page, const TAPos* shown) {
  calling_ = e.index;
  if (e.placed)
    e.placed->TakePage(page, shown);
  else
    e.method->Call(e.component, page);
}

void TPagePlacement::CallRest(TComponent& owner, Integer below, Integer page) {
  for (Integer i = below - 1; i >= 0; --i) {
    if (i >= owner.ComponentCount()) continue;
    TComponent* c = owner.Components(i);
    if (const auto* m = methods_.Find(c->ClassInfo())) Place({c, m, i, nullptr}, page, nullptr);
  }
}

void TPagePlacement::Announce(TComponent& owner, Integer page) {
  if (walking_) {
    // A page change from within a call: everybody hears of it, and the walk it
    // interrupts goes on over everybody too.
    spoiled_ = true;
    CallRest(owner, owner.ComponentCount(), page);
    return;
  }
  if (!Current(owner)) Rebuild(owner);
  previousPage_ = page_;
  page_ = page;
  ++serial_;
  stoppedAt_ = -1;
  GatherCalls(page);
  // Until the walk has run through, the plan is not to be trusted: built again next time.
  valid_ = false;
  walking_ = true;
  spoiled_ = false;
  const std::uint64_t stamp = owner.ComponentListStamp();
  try {
    for (size_t k = calls_.size(); k-- > 0;) {
      if (k >= kPrefetchAhead) {
        const Call& ahead = calls_[k - kPrefetchAhead];
        const Entry& next = entries_[static_cast<size_t>(ahead.slot)];
        Prefetch(next.component);
        Prefetch(next.placed);
        Prefetch(ahead.shown);
      }
      const Call call = calls_[k];
      const Entry e = entries_[static_cast<size_t>(call.slot)];
      Place(e, page, call.shown);
      // A call that changed the form's list or any position list leaves the records and
      // sets read for the plan behind: the rest go by name over the live list.
      if (owner.ComponentListStamp() != stamp || TAposList::ChangeStamp() != listsStamp_ || spoiled_) {
        CallRest(owner, e.index, page);
        walking_ = false;
        return;
      }
    }
  } catch (...) {
    stoppedAt_ = calling_;
    walking_ = false;
    throw;
  }
  walking_ = false;
  valid_ = true;
}

bool TPagePlacement::RadiosThatMayBeEnabled(const TComponent& owner, std::vector<TComponent*>& radios) const {
  radios.clear();
  if (walking_ || !Current(owner)) return false;
  for (Integer slot : radios_) {
    const Entry& e = entries_[static_cast<size_t>(slot)];
    if (!e.placed || isActive_[static_cast<size_t>(slot)]) radios.push_back(e.component);
  }
  return true;
}

void TPagePlacement::Unparked(Integer slot, const TComponent* control) {
  if (slot >= 0 && slot < static_cast<Integer>(entries_.size()) &&
      entries_[static_cast<size_t>(slot)].component == control)
    MarkActive(slot);
}

void TPagePlacement::Leaving(TComponent& control) {
  if (control.BeingDestroyed()) return;
  auto* placed = dynamic_cast<IPagePlaced*>(&control);
  if (placed && placed->Zelvant() == &wizard_) placed->Planned(-1, placed->AktPage(), serial_);
}

bool TPagePlacement::LeftOut(Integer slot, const TComponent* control, std::uint64_t serial) const {
  return serial != serial_ && slot >= 0 && slot < static_cast<Integer>(entries_.size()) &&
         entries_[static_cast<size_t>(slot)].component == control;
}

Integer TPagePlacement::AktPageOf(Integer slot, const TComponent* control, std::uint64_t serial,
                                  Integer aktPage) const {
  if (!LeftOut(slot, control, serial)) return aktPage;
  // Below where a walk stopped, the last page change never came: the one before stands.
  if (stoppedAt_ >= 0 && entries_[static_cast<size_t>(slot)].index < stoppedAt_)
    return serial + 1 == serial_ ? aktPage : previousPage_;
  return page_;
}

}  // namespace zelvant
