// The owner's index of its components by name, regardless of case: open addressing over
// the component pointers themselves, so that an entry costs a few pointers' worth of
// slots rather than a node with a copy of the name. Beside each pointer the index keeps
// 32 bits of its name's hash: a probe reads a component (and its name) only when they
// agree, and growing moves entries without reading any name.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string_view>

namespace host {

class TComponent;

class TNameIndex {
 public:
  TNameIndex() = default;
  TNameIndex(const TNameIndex&) = delete;
  TNameIndex& operator=(const TNameIndex&) = delete;

  size_t Count() const { return count_; }
  // The component indexed under name (any case), or nullptr.
  TComponent* Find(std::string_view name) const;
  // Indexes component under its current, non-empty Name.
  void Insert(TComponent* component);
  // Drops component, which was indexed under name; nothing when it is not there.
  void Erase(const TComponent* component, std::string_view name);

 private:
  static std::uint32_t HashOf(std::string_view name);
  void Place(TComponent* component, std::uint32_t hash);
  void Grow();

  std::unique_ptr<TComponent*[]> slots_;
  std::unique_ptr<std::uint32_t[]> hashes_;  // of the name in the same slot
  size_t capacity_ = 0;  // a power of two, or 0
  size_t count_ = 0;
};

}  // namespace host
