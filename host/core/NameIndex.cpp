#include "host/core/NameIndex.h"

#include "host/core/Component.h"
#include "host/core/SysUtils.h"

namespace host {

std::uint32_t TNameIndex::HashOf(std::string_view name) {
  const std::uint64_t h = HashText(name);
  return static_cast<std::uint32_t>(h ^ (h >> 32));
}

TComponent* TNameIndex::Find(std::string_view name) const {
  if (count_ == 0) return nullptr;
  const std::uint32_t hash = HashOf(name);
  for (size_t i = hash & (capacity_ - 1);; i = (i + 1) & (capacity_ - 1)) {
    TComponent* c = slots_[i];
    if (!c) return nullptr;
    if (hashes_[i] == hash && SameText(c->Name(), name)) return c;
  }
}

void TNameIndex::Place(TComponent* component, std::uint32_t hash) {
  size_t i = hash & (capacity_ - 1);
  while (slots_[i]) i = (i + 1) & (capacity_ - 1);
  slots_[i] = component;
  hashes_[i] = hash;
  ++count_;
}

void TNameIndex::Insert(TComponent* component) {
  // At most three quarters full, so that every probe meets an empty slot soon.
  if ((count_ + 1) * 4 > capacity_ * 3) Grow();
  Place(component, HashOf(component->Name()));
}

void TNameIndex::Erase(const TComponent* component, std::string_view name) {
  if (count_ == 0 || name.empty()) return;
  const size_t mask = capacity_ - 1;
  size_t hole = HashOf(name) & mask;
  for (; slots_[hole] != component; hole = (hole + 1) & mask)
    if (!slots_[hole]) return;
  // Close the gap: move back every later entry of the run whose home slot does not lie
  // between the hole and the entry, so that no probe stops early at the hole.
  for (size_t next = (hole + 1) & mask; slots_[next]; next = (next + 1) & mask) {
    const size_t home = hashes_[next] & mask;
    const bool reachesHole = ((next - home) & mask) >= ((next - hole) & mask);
    if (reachesHole) {
      slots_[hole] = slots_[next];
      hashes_[hole] = hashes_[next];
      hole = next;
    }
  }
  slots_[hole] = nullptr;
  --count_;
}

void TNameIndex::Grow() {
  const size_t oldCapacity = capacity_;
  std::unique_ptr<TComponent*[]> oldSlots = std::move(slots_);
  std::unique_ptr<std::uint32_t[]> oldHashes = std::move(hashes_);
  capacity_ = oldCapacity ? oldCapacity * 2 : 4;
  slots_ = std::make_unique<TComponent*[]>(capacity_);  // value-initialised: all empty
  hashes_ = std::make_unique_for_overwrite<std::uint32_t[]>(capacity_);
  count_ = 0;
  for (size_t i = 0; i < oldCapacity; ++i)
    if (oldSlots[i]) Place(oldSlots[i], oldHashes[i]);
}

}  // namespace host
