// A short list of components kept one pointer wide: nothing, one component held in place,
// or a vector made once a second one joins. Most components watch one other component
// or none, so most lists never allocate.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "host/core/SpareCapacity.h"

namespace host {

class TComponent;

class TComponentLinks {
 public:
  TComponentLinks() = default;
  TComponentLinks(const TComponentLinks&) = delete;
  TComponentLinks& operator=(const TComponentLinks&) = delete;
  ~TComponentLinks() { delete Many(); }

  bool Empty() const { return bits_ == 0 || (Many() && Many()->empty()); }
  size_t Size() const { return Many() ? Many()->size() : (bits_ ? 1 : 0); }
  TComponent* Back() const { return Many() ? Many()->back() : One(); }

  // Searches from the back: the link made last is the one most often undone first.
  bool Contains(const TComponent* c) const {
    if (auto* many = Many()) return std::find(many->rbegin(), many->rend(), c) != many->rend();
    return bits_ != 0 && One() == c;
  }

  void PushBack(TComponent* c) {
    if (auto* many = Many()) {
      many->push_back(c);
    } else if (bits_ == 0) {
      bits_ = reinterpret_cast<std::uintptr_t>(c);
    } else {
      auto* made = new std::vector<TComponent*>{One(), c};
      bits_ = reinterpret_cast<std::uintptr_t>(made) | kMany;
    }
  }

  void ReleaseSpareCapacity() {
    if (auto* many = Many()) host::ReleaseSpareCapacity(*many);
  }

  void PopBack() {
    if (auto* many = Many()) many->pop_back();
    else bits_ = 0;
  }

  // Removes the last occurrence of c; false when there is none.
  bool Remove(const TComponent* c) {
    if (auto* many = Many()) {
      auto it = std::find(many->rbegin(), many->rend(), c);
      if (it == many->rend()) return false;
      many->erase(std::next(it).base());
      return true;
    }
    if (bits_ == 0 || One() != c) return false;
    bits_ = 0;
    return true;
  }

 private:
  static constexpr std::uintptr_t kMany = 1;  // pointers to components are never odd
  TComponent* One() const { return reinterpret_cast<TComponent*>(bits_); }
  std::vector<TComponent*>* Many() const {
    return bits_ & kMany ? reinterpret_cast<std::vector<TComponent*>*>(bits_ & ~kMany) : nullptr;
  }
  std::uintptr_t bits_ = 0;
};

}  // namespace host
