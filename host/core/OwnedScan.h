// Caches of what a search over an owner's components finds, kept in step with the
// owner's list: the search runs again only after a component joined or left it.
#pragma once

#include <cstdint>
#include <utility>
#include <vector>

#include "host/core/Component.h"
#include "host/core/TypInfo.h"

namespace host {

template <class Entry>
class TOwnedScan {
 public:
  // The entries found among owner's components; build(owner, entries) fills them anew
  // when the list changed since the last search (or the owner is another one).
  template <class Build>
  const std::vector<Entry>& Get(const TComponent* owner, Build&& build) {
    if (owner != owner_ || owner->ComponentListStamp() != stamp_) {
      entries_.clear();
      build(*owner, entries_);
      owner_ = owner;
      stamp_ = owner->ComponentListStamp();
    }
    return entries_;
  }

 private:
  const TComponent* owner_ = nullptr;
  std::uint64_t stamp_ = 0;
  std::vector<Entry> entries_;
};

// The components of an owner whose classes publish a method of one name and shape.
template <class Sig>
class TMethodListeners {
 public:
  explicit TMethodListeners(std::string name) : methods_(std::move(name)) {}

  // Calls the method on every listener of owner, the last component first. A call may
  // change the owner's list (a component freeing another): the walk then goes on from
  // the next lower index over the list as it is then.
  template <class... Args>
  void CallLastFirst(TComponent& owner, Args... args) {
    const std::vector<Entry>& found = scan_.Get(&owner, [this](const TComponent& o, std::vector<Entry>& out) {
      const auto& list = o.ComponentList();
      for (size_t i = 0; i < list.size(); ++i)
        if (const auto* m = methods_.Find(list[i]->ClassInfo())) out.push_back({list[i], m, static_cast<Integer>(i)});
    });
    const std::uint64_t stamp = owner.ComponentListStamp();
    for (size_t k = found.size(); k-- > 0;) {
      const Entry e = found[k];
      e.method->Call(e.component, args...);
      if (owner.ComponentListStamp() == stamp) continue;
      for (Integer i = e.index - 1; i >= 0; --i) {
        if (i >= owner.ComponentCount()) continue;
        TComponent* c = owner.Components(i);
        if (const auto* m = methods_.Find(c->ClassInfo())) m->Call(c, args...);
      }
      return;
    }
  }

 private:
  struct Entry {
    TComponent* component;
    const TMethodInfoOf<Sig>* method;
    Integer index;
  };
  TMethodCache<Sig> methods_;
  TOwnedScan<Entry> scan_;
};

}  // namespace host
