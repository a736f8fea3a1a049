#include "host/core/TypInfo.h"

#include <unordered_map>


#include "host/core/Persistent.h"

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
  if (parent_) properties_ = parent_->properties_;
}

bool TClassInfo::InheritsFrom(const TClassInfo& other) const {
  for (const TClassInfo* c = this; c; c = c->parent_)
    if (c == &other) return true;
  return false;
}

namespace {

struct TNoCaseHash {
  size_t operator()(std::string_view s) const {
    size_t h = 14695981039346656037ull;
    for (unsigned char c : s) h = (h ^ static_cast<size_t>(c >= 'A' && c <= 'Z' ? c + 32 : c)) * 1099511628211ull;
    return h;
  }
};
struct TNoCaseEqual {
  bool operator()(std::string_view a, std::string_view b) const { return SameText(a, b); }
};

// Each class's properties by name, made on the first look-up and again after the class
// gained properties.
struct TPropertyIndex {
  size_t count = 0;
  std::unordered_map<std::string_view, const TPropInfo*, TNoCaseHash, TNoCaseEqual> byName;
};

}  // namespace

const TPropInfo* TClassInfo::FindProperty(std::string_view name) const {
  static std::unordered_map<const TClassInfo*, TPropertyIndex> indexes;
  TPropertyIndex& index = indexes[this];
  if (index.count != properties_.size()) {
    index.byName.clear();
    // A property published again in a descendant takes its ancestor's place: the
    // first of a name wins, as a search from the front would find it.
    for (const TPropInfo* p : properties_) index.byName.emplace(p->Name, p);
    index.count = properties_.size();
  }
  auto it = index.byName.find(name);
  return it == index.byName.end() ? nullptr : it->second;
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
      existing = p;  // published again: keeps the ancestor's place
      return *p;
    }
  properties_.push_back(p);
  return *p;
}

void TClassInfo::AddMethod(std::unique_ptr<TMethodInfo> m) { methods_.push_back(std::move(m)); }
void TClassInfo::AddField(std::unique_ptr<TFieldInfo> f) { fields_.push_back(std::move(f)); }

namespace {

std::unordered_map<std::string, const TClassInfo*>& Registry() {
  static auto* registry = new std::unordered_map<std::string, const TClassInfo*>();
  return *registry;
}

}  // namespace

void RegisterClass(const TClassInfo& info) { Registry()[LowerCase(info.Name())] = &info; }

const TClassInfo* FindClass(std::string_view name) {
  auto it = Registry().find(LowerCase(name));
  return it == Registry().end() ? nullptr : it->second;
}

const TClassInfo& GetClass(std::string_view name) {
  if (const TClassInfo* c = FindClass(name)) return *c;
  throw EClassNotFound("Class " + std::string(name) + " not found");
}

}  // namespace host
