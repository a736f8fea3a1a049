#include <algorithm>

#include "host/core/ClassBuilder.h"
#include "host/core/Prefetch.h"
#include "host/streaming/Filer.h"

namespace host {

HOST_PUBLISHED(TFiler) {}
HOST_PUBLISHED(TReader) {}

namespace {

constexpr int kMaxDepth = 200;  // nesting of object blocks

bool IsObjectKeyword(const TToken& t) { return t.IsIdent("object") || t.IsIdent("inherited") || t.IsIdent("inline"); }

std::string WithOwner(const TComponent* c, std::string_view path) {
  return c && !c->Name().empty() ? c->Name() + "." + std::string(path) : std::string(path);
}

}  // namespace

// A reference to resolve once everything is read. The target is held in the record, as it
// is read again then; the path serves only an error, so it stays a view, mostly into the
// form text itself.
struct TReader::Fixup {
  TObject* Object;
  const TPropInfo* Prop;
  std::string Target;
  std::string_view Path;        // the property as written
  TComponent* Owner = nullptr;  // whose property line it is, named in an error
  int Line;
  int Column;
  std::string What() const { return WithOwner(Owner, Path); }
};

struct TReader::Requirement {
  TComponent* Component;
  TObject* Object;
  std::string Path;  // of the object holding the property, as written ("ShowContainer.")
  std::string Name;
  std::string Why;
  int Line;
  int Column;
};

namespace {

// The components of a large form have left the cache by the time a pass over all of them
// comes after reading: each pass asks for those a few places ahead of the one it is at.
constexpr size_t kAhead = 16;

// Six lines: a component's own fields and its class's first ones.
constexpr int kComponentLines = 6;

template <class F>
void ForEachAhead(const std::vector<TComponent*>& components, F each) {
  for (size_t i = 0; i < components.size(); ++i) {
    if (i + kAhead < components.size()) Prefetch(components[i + kAhead], kComponentLines);
    each(components[i]);
  }
}

}  // namespace

// Views into the text.
struct TReader::Header {
  std::string_view Keyword;
  std::string_view Name;
  std::string_view ClassName;
  int ClassLine;
  int ClassColumn;
};

TReader::TReader(std::string_view text, TReadOptions options) : parser_(text), options_(options) {}
TReader::~TReader() = default;

void TReader::FailAt(int line, int column, std::string_view what, const std::string& detail) const {
  throw EFormReadError(line, column, detail, std::string(what));
}

TReader::Header TReader::ReadHeader() {
  const TToken& t = parser_.Token();
  if (!IsObjectKeyword(t)) parser_.Error("'object' expected");
  Header h;
  h.Keyword = t.Text;
  parser_.Next();
  h.ClassLine = parser_.Token().Line;
  h.ClassColumn = parser_.Token().Column;
  const std::string_view first = parser_.ExpectIdent();
  if (parser_.Token().Is(':')) {
    parser_.Next();
    h.Name = first;
    h.ClassLine = parser_.Token().Line;
    h.ClassColumn = parser_.Token().Column;
    h.ClassName = parser_.ExpectIdent();
  } else {
    h.ClassName = first;
  }
  return h;
}

TComponent* TReader::ReadRootComponent(TComponent* root) {
  Header h = ReadHeader();
  rootClassName_.assign(h.ClassName);
  bool created = false;
  if (!root) {
    const TClassInfo* cls = FindClass(h.ClassName);
    if (!cls) cls = options_.FallbackRootClass;
    CheckCreatable(cls, h);
    try {
      root = cls->Create(nullptr);
    } catch (const Exception& e) {
      FailAt(h.ClassLine, h.ClassColumn, std::string(h.Name), e.Message());
    }
    created = true;
  }
  root_ = root;
  try {
    root->BeginReading();
    loaded_.push_back(root);
    if (!h.Name.empty() && root->Name() != h.Name) {
      try {
        root->SetName(std::string(h.Name));
      } catch (const Exception& e) {
        FailAt(h.ClassLine, h.ClassColumn, std::string(h.Name), e.Message());
      }
    }
    ReadBody(root, 0);
    if (parser_.Token().Kind != TTokenKind::End) parser_.Error("End of file expected");
    ResolveFixups();
    ForEachAhead(loaded_, [](TComponent* c) { c->EndReading(); });
    ForEachAhead(loaded_, [&](TComponent* c) {
      try {
        c->Loaded();
      } catch (const Exception& e) {
        FailAt(parser_.Token().Line, parser_.Token().Column, c->Name(), e.Message());
      }
    });
  } catch (...) {
    Cleanup(root, created);
    throw;
  }
  ForEachAhead(loaded_, [](TComponent* c) { c->AbortLoading(); });
  return root;
}

void TReader::Cleanup(TComponent* root, bool rootCreated) {
  if (rootCreated) {
    delete root;
  } else {
    // Freeing last first frees children before their parents, unless a setter moved a
    // control into one created after it; a parent frees its children, so free only
    // what the root still owns.
    while (!created_.empty()) {
      TComponent* c = created_.back();
      created_.pop_back();
      const auto& owned = root->ComponentList();
      if (std::find(owned.begin(), owned.end(), c) != owned.end()) delete c;
    }
    root->AbortLoading();
  }
  created_.clear();
  loaded_.clear();
}

void TReader::CheckCreatable(const TClassInfo* cls, const Header& h) const {
  if (!cls) FailAt(h.ClassLine, h.ClassColumn, "", "Class " + std::string(h.ClassName) + " not found");
  if (!cls->InheritsFrom(TComponent::StaticClassInfo()) || !cls->CanCreate())
    FailAt(h.ClassLine, h.ClassColumn, "", "Class " + std::string(h.ClassName) + " cannot be created");
}

void TReader::ReadBody(TComponent* component, int depth) {
  while (parser_.Token().Kind == TTokenKind::Ident && !IsObjectKeyword(parser_.Token()) && !parser_.Token().IsIdent("end"))
    ReadPropertyLine(component);
  CheckRequirements(component);
  while (IsObjectKeyword(parser_.Token())) ReadChild(component, depth + 1);
  if (!parser_.Token().IsIdent("end")) {
    if (parser_.Token().Kind == TTokenKind::End) parser_.Error("Unexpected end of file: 'end' expected");
    parser_.Error("'end' expected");
  }
  parser_.Next();
}

void TReader::ReadChild(TComponent* parent, int depth) {
  if (depth > kMaxDepth) parser_.Error("Objects nested too deeply");
  Header h = ReadHeader();
  const TClassInfo* cls = FindClass(h.ClassName);
  CheckCreatable(cls, h);
  TComponent* component = nullptr;
  if (!SameText(h.Keyword, "object")) {
    // An inherited block refers to a component that the root's class already made.
    component = root_->FindComponent(h.Name);
    if (component && &component->ClassInfo() != cls) component = nullptr;
  }
  try {
    if (!component) {
      component = cls->Create(root_);
      created_.push_back(component);
    }
    component->BeginReading();
    // Only a component the root already had can have been read before.
    const bool isNew = !created_.empty() && created_.back() == component;
    if (isNew || std::find(loaded_.begin(), loaded_.end(), component) == loaded_.end()) loaded_.push_back(component);
    component->SetName(std::string(h.Name));
    component->SetParentComponent(parent);
  } catch (const EFormReadError&) {
    throw;
  } catch (const Exception& e) {
    FailAt(h.ClassLine, h.ClassColumn, std::string(h.Name.empty() ? h.ClassName : h.Name), e.Message());
  }
  ReadBody(component, depth);
}

// The segments of a property path joined by dots: a view into the text when they were
// written without blanks, as the writer writes them.
std::string_view TReader::JoinedPath() {
  const std::string_view first = path_.front(), last = path_.back();
  bool contiguous = true;
  for (size_t i = 1; i < path_.size() && contiguous; ++i)
    contiguous = path_[i].data() == path_[i - 1].data() + path_[i - 1].size() + 1;
  if (contiguous) return std::string_view(first.data(), static_cast<size_t>(last.data() + last.size() - first.data()));
  joined_.assign(first);
  for (size_t i = 1; i < path_.size(); ++i) (joined_ += '.') += path_[i];
  return joined_;
}

void TReader::ReadPropertyLine(TComponent* component) {
  const int line = parser_.Token().Line, column = parser_.Token().Column;
  path_.clear();
  path_.push_back(parser_.ExpectIdent());
  while (parser_.Token().Is('.')) {
    parser_.Next();
    path_.push_back(parser_.ExpectIdent());
  }
  const std::string_view dotted = JoinedPath();
  const std::string_view name = path_.back();
  // The error context names the component too; it is built only for an error.
  auto what = [&] { return WithOwner(component, dotted); };
  try {
    parser_.Expect('=');
    TObject* obj = component;
    for (size_t i = 0; i + 1 < path_.size(); ++i) {
      const TPropInfo* p = obj->ClassInfo().FindProperty(path_[i]);
      TObject* sub = p && p->Kind == TTypeKind::Class && !p->IsReference ? p->GetObj(obj) : nullptr;
      if (!sub) FailAt(line, column, what(), "Property " + std::string(path_[i]) + " does not exist");
      obj = sub;
    }
    if (const TPropInfo* prop = obj->ClassInfo().FindProperty(name)) {
      const size_t fixups = fixups_.size();
      ReadPublished(obj, *prop, dotted);
      if (fixups_.size() > fixups) fixups_.back().Owner = component;
      return;
    }
    // The class information answers as the cast would, without comparing type names.
    auto* persistent = obj->InheritsFrom<TPersistent>() ? static_cast<TPersistent*>(obj) : nullptr;
    lineComponent_ = component;
    lineObject_ = obj;
    linePath_.assign(dotted.substr(0, dotted.size() - name.size()));
    lineLine_ = line;
    lineColumn_ = column;
    handled_ = false;
    wantedName_ = &name;
    if (persistent) persistent->DefineProperties(*this);
    wantedName_ = nullptr;
    if (!handled_) FailAt(line, column, what(), "Property " + std::string(name) + " does not exist");
  } catch (const EFormReadError& e) {
    wantedName_ = nullptr;
    // ReadPublished names the property alone; a context from deeper down stays.
    if (!e.Context().empty() && e.Context() != dotted) throw;
    throw EFormReadError(e.Line(), e.Column(), e.Detail(), what());
  } catch (const Exception& e) {
    wantedName_ = nullptr;
    FailAt(line, column, what(), e.Message());
  }
}

void TReader::ReadPublished(TObject* obj, const TPropInfo& prop, std::string_view what) {
  const TToken& t = parser_.Token();
  const int line = t.Line, column = t.Column;
  auto invalid = [&](const std::string& detail) { FailAt(line, column, what, detail); };
  auto needSetter = [&](bool has) {
    if (!has) invalid("Property " + prop.Name + " is read-only");
  };
  switch (prop.Kind) {
    case TTypeKind::Integer: {
      std::int64_t v = 0;
      if (t.Kind == TTokenKind::Integer) {
        v = t.Value;
      } else if (t.Kind == TTokenKind::Ident && prop.Idents) {
        auto it = std::find_if(prop.Idents->begin(), prop.Idents->end(),
                               [&](const TIdentMapEntry& e) { return SameText(e.Name, t.Text); });
        if (it == prop.Idents->end()) invalid("Invalid property value " + std::string(t.Text));
        v = it->Value;
      } else {
        invalid("Integer value expected");
      }
      if (v < prop.MinValue || v > prop.MaxValue) invalid("Value " + std::to_string(v) + " out of range");
      needSetter(static_cast<bool>(prop.SetOrd));
      parser_.Next();
      prop.SetOrd(obj, v);
      return;
    }
    case TTypeKind::Enumeration: {
      if (t.Kind != TTokenKind::Ident) invalid("Identifier expected");
      int v = prop.Enum->ValueOf(t.Text);
      if (v < 0) invalid("Invalid property value " + std::string(t.Text));
      needSetter(static_cast<bool>(prop.SetOrd));
      parser_.Next();
      prop.SetOrd(obj, v);
      return;
    }
    case TTypeKind::Set: {
      if (!t.Is('[')) invalid("'[' expected");
      parser_.Next();
      std::uint64_t bits = 0;
      while (!parser_.Token().Is(']')) {
        const TToken& item = parser_.Token();
        if (item.Kind != TTokenKind::Ident) FailAt(item.Line, item.Column, what, "Identifier expected");
        int v = prop.Enum->ValueOf(item.Text);
        if (v < 0 || v >= 64) FailAt(item.Line, item.Column, what, "Invalid property value " + std::string(item.Text));
        bits |= std::uint64_t{1} << v;
        parser_.Next();
        if (parser_.Token().Is(']')) break;
        if (!parser_.Token().Is(',')) parser_.Error("',' or ']' expected");
        parser_.Next();
      }
      needSetter(static_cast<bool>(prop.SetOrd));
      parser_.Next();
      prop.SetOrd(obj, static_cast<std::int64_t>(bits));
      return;
    }
    case TTypeKind::String: {
      if (t.Kind != TTokenKind::String) invalid("String expected");
      needSetter(static_cast<bool>(prop.SetStr));
      std::string v = parser_.ReadStringValue();
      prop.SetStr(obj, v);
      return;
    }
    case TTypeKind::Class: {
      if (!prop.IsReference) invalid("Property " + prop.Name + " is an object: set its properties instead");
      if (t.Kind != TTokenKind::Ident) invalid("Component name expected");
      needSetter(static_cast<bool>(prop.SetObj));
      std::string target(t.Text);
      parser_.Next();
      // A component of another component is named by its owner's name, a dot and its own.
      while (parser_.Token().Is('.')) {
        parser_.Next();
        (target += '.') += parser_.ExpectIdent();
      }
      if (SameText(target, "nil")) prop.SetObj(obj, nullptr);
      else fixups_.push_back(Fixup{obj, &prop, std::move(target), Keep(what), nullptr, line, column});
      return;
    }
    case TTypeKind::Method: {
      if (t.Kind != TTokenKind::Ident) invalid("Method name expected");
      std::string name(t.Text);
      parser_.Next();
      TEventBase* ev = prop.EventRef(obj);
      if (SameText(name, "nil")) {
        prop.BindEvent(obj, nullptr, nullptr);
        ev->SetUnbound("");
        return;
      }
      const TMethodInfo* m = root_->MethodAddress(name);
      if (m && prop.BindEvent(obj, root_, m)) return;
      if (options_.KeepUnboundEvents) {
        ev->SetUnbound(name);
        return;
      }
      invalid(m ? "Method " + name + " has the wrong type for this event" : "Method " + name + " not found");
    }
  }
}

void TReader::RequireProperty(const std::string& name, const std::string& why) {
  if (!lineObject_) return;
  required_.push_back(Requirement{lineComponent_, lineObject_, linePath_, name, why, lineLine_, lineColumn_});
}

void TReader::Satisfy(const std::string& name) {
  std::erase_if(required_, [&](const Requirement& r) { return r.Object == lineObject_ && SameText(r.Name, name); });
}

// Property lines stand before the child blocks, so a requirement not met by then never is.
void TReader::CheckRequirements(TComponent* component) {
  for (const Requirement& r : required_)
    if (r.Component == component)
      FailAt(r.Line, r.Column, WithOwner(r.Component, r.Path + r.Name), "Property " + r.Name + " missing: " + r.Why);
}

void TReader::ResolveFixups() {
  for (size_t i = 0; i < fixups_.size(); ++i) {
    if (i + kAhead < fixups_.size()) Prefetch(fixups_[i + kAhead].Object, kComponentLines);
    const Fixup& f = fixups_[i];
    TComponent* target = root_;
    size_t start = 0;
    if (!SameText(root_->Name(), f.Target)) {
      while (target && start <= f.Target.size()) {
        size_t dot = f.Target.find('.', start);
        if (dot == std::string::npos) dot = f.Target.size();
        target = target->FindComponent(std::string_view(f.Target).substr(start, dot - start));
        start = dot + 1;
      }
    }
    if (!target) FailAt(f.Line, f.Column, f.What(), "Component " + f.Target + " not found");
    if (!target->InheritsFrom(*f.Prop->PropClass()))
      FailAt(f.Line, f.Column, f.What(), "Invalid property value " + f.Target);
    try {
      f.Prop->SetObj(f.Object, target);
    } catch (const Exception& e) {
      FailAt(f.Line, f.Column, f.What(), e.Message());
    }
  }
  fixups_.clear();
  kept_.clear();
}

std::string_view TReader::Keep(std::string_view s) {
  if (parser_.Holds(s)) return s;
  return kept_.emplace_back(s);
}

Integer TReader::ReadInteger() {
  const TToken& t = parser_.Token();
  if (t.Kind != TTokenKind::Integer) parser_.Error("Integer value expected");
  if (t.Value < INT32_MIN || t.Value > INT32_MAX) parser_.Error("Value " + std::to_string(t.Value) + " out of range");
  Integer v = static_cast<Integer>(t.Value);
  parser_.Next();
  return v;
}

std::string TReader::ReadString() { return parser_.ReadStringValue(); }

bool TReader::ReadBoolean() {
  const TToken& t = parser_.Token();
  if (t.IsIdent("True") || t.IsIdent("False")) {
    bool v = t.IsIdent("True");
    parser_.Next();
    return v;
  }
  parser_.Error("Boolean value expected");
}

std::string TReader::ReadIdent() { return std::string(parser_.ExpectIdent()); }

void TReader::ReadListBegin() { parser_.Expect('('); }
bool TReader::EndOfList() const { return parser_.Token().Is(')'); }
void TReader::ReadListEnd() { parser_.Expect(')'); }

void TReader::DefineProperty(const std::string& name, const TReaderProc& readData, const TWriterProc&, bool) {
  if (handled_ || !wantedName_ || !readData || !SameText(name, *wantedName_)) return;
  handled_ = true;
  Satisfy(name);
  readData(*this);
}

void TReader::DefineBinaryProperty(const std::string& name, const TStreamProc& readData, const TStreamProc&, bool) {
  if (handled_ || !wantedName_ || !readData || !SameText(name, *wantedName_)) return;
  handled_ = true;
  Satisfy(name);
  parser_.ReadBinary(binary_);
  TMemoryStream stream(std::move(binary_));
  readData(stream);
  binary_ = stream.TakeBytes();  // its room serves the next block
}

TComponent* ReadForm(std::string_view text, TComponent* root, const TReadOptions& options) {
  TReader reader(text, options);
  return reader.ReadRootComponent(root);
}

TComponent* LoadFormFile(const std::string& fileName, TComponent* root, const TReadOptions& options) {
  std::string text;
  try {
    text = ReadTextFile(fileName);
  } catch (const EFOpenError& e) {
    throw EReadError(e.Message());
  }
  return ReadForm(text, root, options);
}

}  // namespace host
