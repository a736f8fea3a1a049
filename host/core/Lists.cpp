#include "host/core/Lists.h"

#include <algorithm>

#include "host/core/ClassBuilder.h"

namespace host {

HOST_PUBLISHED(TList) {}
HOST_PUBLISHED(TStrings) {}
HOST_PUBLISHED(TStringList) {}

void ListIndexError(Integer index) { throw EListError("List index out of bounds (" + IntToStr(index) + ")"); }

void TList::Insert(Integer index, void* item) {
  if (index < 0 || index > Count()) ListIndexError(index);
  items_.insert(items_.begin() + index, item);
}

void TList::Delete(Integer index) { items_.erase(items_.begin() + static_cast<std::ptrdiff_t>(Check(index))); }

Integer TList::Remove(void* item) {
  Integer i = IndexOf(item);
  if (i >= 0) Delete(i);
  return i;
}

Integer TList::IndexOf(void* item) const {
  auto it = std::find(items_.begin(), items_.end(), item);
  return it == items_.end() ? -1 : static_cast<Integer>(it - items_.begin());
}

void TList::Exchange(Integer index1, Integer index2) { std::swap(items_[Check(index1)], items_[Check(index2)]); }

void TList::Move(Integer curIndex, Integer newIndex) {
  if (curIndex == newIndex) return;
  void* item = items_[Check(curIndex)];
  Check(newIndex);
  items_.erase(items_.begin() + curIndex);
  items_.insert(items_.begin() + newIndex, item);
}

void TList::SetCount(Integer count) {
  if (count < 0) ListIndexError(count);
  items_.resize(static_cast<size_t>(count), nullptr);
}

void TList::SetCapacity(Integer capacity) {
  if (capacity < Count()) ListIndexError(capacity);
  if (capacity == Capacity()) return;
  // Exactly capacity slots, fewer than now included: a list sized once wastes nothing.
  std::vector<void*> resized;
  resized.reserve(static_cast<size_t>(capacity));
  resized.assign(items_.begin(), items_.end());
  items_.swap(resized);
}

Integer TStrings::Add(const std::string& s) {
  Insert(Count(), s);
  return Count() - 1;
}

Integer TStrings::AddObject(const std::string& s, TObject* obj) {
  Integer i = Add(s);
  PutObject(i, obj);
  return i;
}

void TStrings::AddStrings(const TStrings& other) {
  for (Integer i = 0; i < other.Count(); ++i) {
    Integer j = Add(other.Get(i));
    PutObjectSlot(j, other.GetObjectSlot(i));
  }
}

Integer TStrings::IndexOf(const std::string& s) const {
  for (Integer i = 0; i < Count(); ++i)
    if (SameText(Get(i), s)) return i;
  return -1;
}

void TStrings::Exchange(Integer index1, Integer index2) {
  std::string s1 = Get(index1), s2 = Get(index2);
  NativeInt o1 = GetObjectSlot(index1), o2 = GetObjectSlot(index2);
  Put(index1, s2);
  PutObjectSlot(index1, o2);
  Put(index2, s1);
  PutObjectSlot(index2, o1);
}

std::string TStrings::Text() const {
  std::string out;
  for (Integer i = 0; i < Count(); ++i) out += Get(i) + "\n";
  return out;
}

void TStrings::SetText(const std::string& text) {
  Clear();
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find_first_of("\r\n", start);
    if (end == std::string::npos) end = text.size();
    Add(text.substr(start, end - start));
    if (end < text.size() && text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n') ++end;
    start = end + 1;
  }
}

std::string TStrings::CommaText() const {
  std::string out;
  for (Integer i = 0; i < Count(); ++i) {
    if (i) out += ',';
    std::string s = Get(i);
    bool quote = s.empty() || s.find_first_of(" ,\"") != std::string::npos;
    if (!quote) {
      out += s;
      continue;
    }
    out += '"';
    for (char c : s) out += c == '"' ? std::string("\"\"") : std::string(1, c);
    out += '"';
  }
  return out;
}

void TStrings::Assign(const TPersistent* source) {
  if (const auto* other = dynamic_cast<const TStrings*>(source)) {
    if (other == this) return;
    Clear();
    AddStrings(*other);
    return;
  }
  TPersistent::Assign(source);
}

bool TStrings::Equals(const TStrings& other) const {
  if (Count() != other.Count()) return false;
  for (Integer i = 0; i < Count(); ++i)
    if (Get(i) != other.Get(i)) return false;
  return true;
}

TStringList::TStringList(std::initializer_list<std::string> lines) {
  for (const auto& l : lines) Add(l);
}

void TStringList::Insert(Integer index, const std::string& s) {
  if (index < 0 || index > Count()) ListIndexError(index);
  items_.insert(items_.begin() + index, Item{s, 0});
  Changed();
}

void TStringList::Delete(Integer index) {
  items_.erase(items_.begin() + static_cast<std::ptrdiff_t>(Check(index)));
  Changed();
}

}  // namespace host
