// The owner's index of its components by name, regardless of case: open addressing over
// the component pointers themselves, so that an entry costs a few pointers' worth of
// slots rather than a node with a copy of the name.
#pragma once

#include <cstddef>
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
  static size_t HashOf(std::string_view name);
  size_t HomeOf(const TComponent* component) const;
  void Grow();

  std::unique_ptr<TComponent*[]> slots_;
  size_t capacity_ = 0;  // a power of two, or 0
  size_t count_ = 0;
};

}  // namespace host
