#include <algorithm>

#include "host/core/ClassBuilder.h"
#include "host/streaming/Filer.h"

namespace host {

HOST_PUBLISHED(TWriter) {}

namespace {

constexpr size_t kBytesPerLine = 32;

// Length of the well-formed UTF-8 sequence at s[i] (shortest form, no surrogate, at
// most U+10FFFF), or 0 when the byte there does not start one.
size_t Utf8Length(const std::string& s, size_t i, std::uint32_t& codePoint) {
  auto byte = [&](size_t k) { return static_cast<unsigned char>(s[k]); };
  const unsigned char c = byte(i);
  const size_t extra = c >= 0xC2 && c <= 0xDF ? 1 : c >= 0xE0 && c <= 0xEF ? 2 : c >= 0xF0 && c <= 0xF4 ? 3 : 0;
  if (extra == 0 || i + extra >= s.size()) return 0;
  std::uint32_t cp = c & (0x3F >> extra);
  for (size_t k = 1; k <= extra; ++k) {
    const unsigned char cc = byte(i + k);
    if ((cc & 0xC0) != 0x80) return 0;
    cp = (cp << 6) | (cc & 0x3F);
  }
  static constexpr std::uint32_t kSmallest[] = {0, 0x80, 0x800, 0x10000};
  if (cp < kSmallest[extra] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return 0;
  codePoint = cp;
  return extra + 1;
}

}  // namespace

// Printable ASCII goes inside quotes, characters beyond it as #codes. Bytes that are not
// part of well-formed UTF-8 stand for no character: they go inside quotes as they are,
// which the reader keeps byte for byte.
std::string QuoteFormString(const std::string& value) {
  if (value.empty()) return "''";
  std::string out;
  bool quoted = false;
  auto quote = [&](bool on) {
    if (quoted != on) out += '\'';
    quoted = on;
  };
  for (size_t i = 0; i < value.size();) {
    const unsigned char c = static_cast<unsigned char>(value[i]);
    std::uint32_t cp = 0;
    if (c >= 32 && c < 127) {
      quote(true);
      out += c == '\'' ? "''" : std::string(1, static_cast<char>(c));
      ++i;
    } else if (c < 0x80) {
      quote(false);
      out += '#' + std::to_string(c);
      ++i;
    } else if (size_t n = Utf8Length(value, i, cp)) {
      quote(false);
      out += '#' + std::to_string(cp);
      i += n;
    } else {
      quote(true);
      out += static_cast<char>(c);
      ++i;
    }
  }
  quote(false);
  return out;
}

void TWriter::WriteRootComponent(TComponent* root, const std::string& rootClassName) {
  root_ = root;
  out_.clear();
  indent_ = 0;
  std::string cls = rootClassName.empty() ? root->ClassName() : rootClassName;
  out_ += "object " + (root->Name().empty() ? cls : root->Name() + ": " + cls) + "\n";
  indent_ = 2;
  WriteProperties(root, "", 0);
  root->GetChildren([this](TComponent* child) { WriteComponent(child, 2); }, root);
  out_ += "end\n";
}

void TWriter::WriteComponent(TComponent* component, int indent) {
  std::string pad(static_cast<size_t>(indent), ' ');
  out_ += pad + "object " + (component->Name().empty() ? component->ClassName()
                                                       : component->Name() + ": " + component->ClassName()) + "\n";
  indent_ = indent + 2;
  WriteProperties(component, "", 0);
  component->GetChildren([this, indent](TComponent* child) { WriteComponent(child, indent + 2); }, root_);
  out_ += pad + "end\n";
  indent_ = indent;
}

void TWriter::WriteProperties(TObject* obj, const std::string& prefix, int depth) {
  if (depth > 32) return;  // sub-objects that refer back to their owner
  for (const TPropInfo* prop : obj->ClassInfo().Properties()) {
    if (prop->Kind == TTypeKind::Class && !prop->IsReference) {
      // A sub-object that is not stored (a font that follows the parent's) is left out whole.
      if (!prop->IsStored(obj)) continue;
      if (TObject* sub = prop->GetObj(obj)) WriteProperties(sub, prefix + prop->Name + ".", depth + 1);
      continue;
    }
    if (prop->IsStored(obj)) WritePublished(obj, *prop, prefix);
  }
  if (auto* persistent = dynamic_cast<TPersistent*>(obj)) {
    std::string saved = prefix_;
    prefix_ = prefix;
    persistent->DefineProperties(*this);
    prefix_ = saved;
  }
}

// The names from the root's component down to c, joined by dots (a component of a
// component of the form is "Owner.Name").
std::string TWriter::ReferenceName(TComponent* c) const {
  if (c == root_) return c->Name();
  std::string path = c->Name();
  for (TComponent* o = c->Owner(); o && o != root_ && !o->Name().empty(); o = o->Owner()) path = o->Name() + "." + path;
  return path;
}

void TWriter::WritePublished(TObject* obj, const TPropInfo& prop, const std::string& prefix) {
  auto line = [&](const std::string& value) {
    out_ += std::string(static_cast<size_t>(indent_), ' ') + prefix + prop.Name + " = " + value + "\n";
  };
  switch (prop.Kind) {
    case TTypeKind::Integer: {
      std::int64_t v = prop.GetOrd(obj);
      if (prop.Default && *prop.Default == v) return;
      if (prop.Idents) {
        auto it = std::find_if(prop.Idents->begin(), prop.Idents->end(), [&](const TIdentMapEntry& e) { return e.Value == v; });
        if (it != prop.Idents->end()) return line(it->Name);
      }
      return line(std::to_string(v));
    }
    case TTypeKind::Enumeration: {
      std::int64_t v = prop.GetOrd(obj);
      if (prop.Default && *prop.Default == v) return;
      std::string name = prop.Enum->NameOf(v);
      return line(name.empty() ? std::to_string(v) : name);
    }
    case TTypeKind::Set: {
      std::int64_t v = prop.GetOrd(obj);
      if (prop.Default && *prop.Default == v) return;
      std::string items;
      for (size_t i = 0; i < prop.Enum->Names().size() && i < 64; ++i)
        if (static_cast<std::uint64_t>(v) & (std::uint64_t{1} << i)) items += (items.empty() ? "" : ", ") + prop.Enum->Names()[i];
      return line("[" + items + "]");
    }
    case TTypeKind::String: {
      std::string v = prop.GetStr(obj);
      if (v.empty() && !prop.StoredFn) return;
      return line(QuoteFormString(v));
    }
    case TTypeKind::Class: {
      auto* target = dynamic_cast<TComponent*>(prop.GetObj(obj));
      if (!target && prop.StoresNil) return line("nil");
      if (!target || target->Name().empty()) return;
      return line(ReferenceName(target));
    }
    case TTypeKind::Method: {
      const TEventBase* ev = prop.EventRef(obj);
      if (ev->MethodName().empty() || (ev->Method() && ev->Data() != root_)) return;
      return line(ev->MethodName());
    }
  }
}

void TWriter::BeginLine(const std::string& name) {
  out_ += std::string(static_cast<size_t>(indent_), ' ') + prefix_ + name + " = ";
}

void TWriter::WriteValue(const std::string& text) {
  if (listDepth_ > 0) out_ += "\n" + std::string(static_cast<size_t>(indent_ + 2 * listDepth_), ' ');
  out_ += text;
}

void TWriter::WriteInteger(Integer value) { WriteValue(std::to_string(value)); }
void TWriter::WriteString(const std::string& value) { WriteValue(QuoteFormString(value)); }
void TWriter::WriteBoolean(bool value) { WriteValue(value ? "True" : "False"); }
void TWriter::WriteIdent(const std::string& ident) { WriteValue(ident); }

void TWriter::WriteListBegin() {
  WriteValue("(");
  ++listDepth_;
}

void TWriter::WriteListEnd() {
  --listDepth_;
  out_ += ")";
}

void TWriter::DefineProperty(const std::string& name, const TReaderProc&, const TWriterProc& writeData, bool hasData) {
  if (!hasData || !writeData) return;
  BeginLine(name);
  writeData(*this);
  out_ += "\n";
}

void TWriter::DefineBinaryProperty(const std::string& name, const TStreamProc&, const TStreamProc& writeData,
                                   bool hasData) {
  if (!hasData || !writeData) return;
  TMemoryStream stream;
  writeData(stream);
  BeginLine(name);
  out_ += "{";
  static const char* digits = "0123456789ABCDEF";
  const auto& bytes = stream.Bytes();
  const std::string lineStart = "\n" + std::string(static_cast<size_t>(indent_ + 2), ' ');
  out_.reserve(out_.size() + bytes.size() * 2 + (bytes.size() / kBytesPerLine + 1) * lineStart.size() + 2);
  for (size_t i = 0; i < bytes.size(); ++i) {
    if (i % kBytesPerLine == 0) out_ += lineStart;
    const char pair[2] = {digits[bytes[i] >> 4], digits[bytes[i] & 15]};
    out_.append(pair, 2);
  }
  out_ += "}\n";
}

std::string WriteForm(TComponent* root, const std::string& rootClassName) {
  TWriter writer;
  writer.WriteRootComponent(root, rootClassName);
  return writer.Text();
}

void SaveFormFile(const std::string& fileName, TComponent* root) { WriteTextFile(fileName, WriteForm(root)); }

}  // namespace host
