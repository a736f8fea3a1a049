#include "host/core/TypInfo.h"

#include <algorithm>
#include <unordered_map>


#include "host/core/Persistent.h"
#include "host/core/SysUtils.h"

namespace host {

TEnumInfo::TEnumInfo(std::string typeName, std::string_view names) : typeName_(std::move(typeName)) {
  std::string current;
  for (char c : names) {
    if (c == ',') {
      names_.push_back(current);
      current.clear();
    } else if (c != ' ' && c != '\n' && c != '\t') {
      current += c;
    }
  }
  if (!current.empty()) names_.push_back(current);
}

TEnumInfo::TEnumInfo(std::string typeName, std::vector<std::string> names)
    : typeName_(std::move(typeName)), names_(std::move(names)) {}

std::string TEnumInfo::NameOf(std::int64_t value) const {
  return value >= 0 && value < static_cast<std::int64_t>(names_.size()) ? names_[static_cast<size_t>(value)] : std::string();
}

int TEnumInfo::ValueOf(std::string_view ident) const {
  for (size_t i = 0; i < names_.size(); ++i)
    if (SameText(names_[i], ident)) return static_cast<int>(i);
  return -1;
}

// A handler name kept without a binding; such an event is not callable.
struct TEventBase::TUnboundBinding final : TBinding {
  explicit TUnboundBinding(std::string n) : TBinding(nullptr, false), name(std::move(n)) {}
  const std::string* Name() const override { return &name; }
  std::string name;
};

const std::string& TEventBase::MethodName() const {
  static const std::string none;
  const std::string* name = binding_ ? binding_->Name() : nullptr;
  return name ? *name : none;
}

void TEventBase::SetUnbound(std::string name) {
  Reset(name.empty() ? nullptr : new TUnboundBinding(std::move(name)));
}

TClassInfo::TClassInfo(std::string name, const TClassInfo* parent) : name_(std::move(name)), parent_(parent) {
  if (parent_) {
    properties_ = parent_->properties_;
    propIndex_ = parent_->propIndex_;
  }
}

bool TClassInfo::InheritsFrom(const TClassInfo& other) const {
  for (const TClassInfo* c = this; c; c = c->parent_)
    if (c == &other) return true;
  return false;
}

namespace {

// The length and three characters, case folded, tell the properties of a class apart
// well enough; the name comparison settles the rest. Folding with | 0x20 joins more
// than the two cases of a letter, which only costs a comparison.
std::uint32_t NoCaseHash(std::string_view s) {
  const size_t n = s.size();
  if (n == 0) return 0;
  auto fold = [](char c) { return static_cast<std::uint32_t>(static_cast<unsigned char>(c) | 0x20); };
  const std::uint32_t h = static_cast<std::uint32_t>(n) ^ fold(s[0]) << 8 ^ fold(s[n / 2]) << 16 ^ fold(s[n - 1]) << 24;
  return h * 0x9E3779B1u ^ (h * 0x9E3779B1u) >> 15;
}

}  // namespace

void TClassInfo::IndexProperty(std::uint32_t entry) {
  if (2 * properties_.size() <= propIndex_.size()) {
    PlaceProperty(entry);
    return;
  }
  // Grown: the table is made again with every property.
  propIndex_.assign(std::max<size_t>(8, 2 * propIndex_.size()), TPropSlot{});
  for (std::uint32_t e = 0; e < properties_.size(); ++e) PlaceProperty(e);
}

void TClassInfo::PlaceProperty(std::uint32_t entry) {
  const std::uint32_t h = NoCaseHash(properties_[entry]->Name);
  const size_t mask = propIndex_.size() - 1;
  size_t i = h & mask;
  while (propIndex_[i].entry) i = (i + 1) & mask;
  propIndex_[i] = TPropSlot{h, entry + 1};
}

const TPropInfo* TClassInfo::FindProperty(std::string_view name) const {
  const std::uint32_t guess = nextGuess_.load(std::memory_order_relaxed);
  if (guess < properties_.size() && SameText(properties_[guess]->Name, name)) {
    nextGuess_.store(guess + 1, std::memory_order_relaxed);
    return properties_[guess];
  }
  if (propIndex_.empty()) return nullptr;
  const std::uint32_t h = NoCaseHash(name);
  const size_t mask = propIndex_.size() - 1;
  for (size_t i = h & mask; propIndex_[i].entry; i = (i + 1) & mask) {
    const TPropInfo* p = properties_[propIndex_[i].entry - 1];
    if (propIndex_[i].hash == h && SameText(p->Name, name)) {
      nextGuess_.store(propIndex_[i].entry, std::memory_order_relaxed);
      return p;
    }
  }
  return nullptr;
}

const TMethodInfo* TClassInfo::MethodAddress(std::string_view name) const {
  for (const TClassInfo* c = this; c; c = c->parent_)
    for (const auto& m : c->methods_)
      if (SameText(m->Name(), name)) return m.get();
  return nullptr;
}

const TFieldInfo* TClassInfo::FindField(std::string_view name) const {
  for (const TClassInfo* c = this; c; c = c->parent_)
    for (const auto& f : c->fields_)
      if (SameText(f->Name(), name)) return f.get();
  return nullptr;
}

TComponent* TClassInfo::Create(TComponent* owner) const {
  if (!factory_) throw EClassNotFound("Cannot create an instance of class " + name_);
  return factory_(owner);
}

TPropInfo& TClassInfo::AddProperty(TPropInfo prop) {
  ownProps_.push_back(std::move(prop));
  TPropInfo* p = &ownProps_.back();
  for (TPropInfo*& existing : properties_)
    if (SameText(existing->Name, p->Name)) {
      existing = p;  // published again: keeps the ancestor's place, and its index entry
      return *p;
    }
  properties_.push_back(p);
  IndexProperty(static_cast<std::uint32_t>(properties_.size() - 1));
  return *p;
}

void TClassInfo::AddMethod(std::unique_ptr<TMethodInfo> m) { methods_.push_back(std::move(m)); }
void TClassInfo::AddField(std::unique_ptr<TFieldInfo> f) { fields_.push_back(std::move(f)); }

namespace {

// Class names are found regardless of case, as a form file may spell them, and without
// making a lower-cased copy for every component read.
struct ClassNameHash {
  using is_transparent = void;
  size_t operator()(std::string_view s) const { return static_cast<size_t>(HashText(s)); }
};
struct ClassNameEqual {
  using is_transparent = void;
  bool operator()(std::string_view a, std::string_view b) const { return SameText(a, b); }
};
using TClassRegistry = std::unordered_map<std::string, const TClassInfo*, ClassNameHash, ClassNameEqual>;

TClassRegistry& Registry() {
  static auto* registry = new TClassRegistry();
  return *registry;
}

}  // namespace

void RegisterClass(const TClassInfo& info) { Registry().insert_or_assign(info.Name(), &info); }

const TClassInfo* FindClass(std::string_view name) {
  auto it = Registry().find(name);
  return it == Registry().end() ? nullptr : it->second;
}

const TClassInfo& GetClass(std::string_view name) {
  if (const TClassInfo* c = FindClass(name)) return *c;
  throw EClassNotFound("Class " + std::string(name) + " not found");
}

}  // namespace host
