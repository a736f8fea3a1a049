// Run-time type information: one class-information record per class that lists its
// published properties, methods and fields, plus enumerations, sets and events.
#pragma once

#include <atomic>
#include <climits>
#include <concepts>
#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <type_traits>
#include <typeindex>
#include <unordered_map>
#include <utility>
#include <vector>

#include "host/core/SysUtils.h"

namespace host {

class TObject;
class TPersistent;
class TComponent;
class TClassInfo;

enum class TTypeKind { Integer, Enumeration, Set, String, Class, Method };

// Names of an enumeration's values, in value order.
class TEnumInfo {
 public:
  // `names` is the comma-separated list of the enumerators as written in source.
  TEnumInfo(std::string typeName, std::string_view names);
  TEnumInfo(std::string typeName, std::vector<std::string> names);
  const std::string& TypeName() const { return typeName_; }
  const std::vector<std::string>& Names() const { return names_; }
  std::string NameOf(std::int64_t value) const;   // "" when out of range
  int ValueOf(std::string_view ident) const;       // -1 when unknown; case-insensitive

 private:
  std::string typeName_;
  std::vector<std::string> names_;
};

inline const TEnumInfo& HostEnumInfo(bool*) {
  static const TEnumInfo info("Boolean", "False, True");
  return info;
}

// Declares a one-byte enumeration together with the names the form files use.
#define HOST_ENUM(Type, ...)                                             \
  enum Type : std::uint8_t { __VA_ARGS__ };                              \
  inline const ::host::TEnumInfo& HostEnumInfo(Type*) {                  \
    static const ::host::TEnumInfo info(#Type, #__VA_ARGS__);            \
    return info;                                                         \
  }

template <class E>
concept HostEnum = std::is_enum_v<E> && requires(E* p) { { HostEnumInfo(p) } -> std::same_as<const TEnumInfo&>; };

template <class E>
const TEnumInfo& EnumInfoOf() { return HostEnumInfo(static_cast<E*>(nullptr)); }

// A set of enumeration values, stored as a bit mask: up to 64 values, or as many as
// Storage has bits for sets kept in every object of a class.
template <class E, class Storage = std::uint64_t>
class TSet {
  static_assert(std::is_unsigned_v<Storage>);

 public:
  constexpr TSet() = default;
  constexpr TSet(std::initializer_list<E> items) {
    for (E e : items) bits_ |= Bit(e);
  }
  static constexpr TSet FromBits(std::uint64_t bits) { TSet s; s.bits_ = static_cast<Storage>(bits); return s; }
  constexpr std::uint64_t Bits() const { return bits_; }
  constexpr bool Contains(E e) const { return (bits_ & Bit(e)) != 0; }
  constexpr bool Empty() const { return bits_ == 0; }
  constexpr TSet& Include(E e) { bits_ |= Bit(e); return *this; }
  constexpr TSet& Exclude(E e) { bits_ &= static_cast<Storage>(~Bit(e)); return *this; }
  constexpr TSet operator+(TSet o) const { return FromBits(bits_ | o.bits_); }
  constexpr TSet operator-(TSet o) const { return FromBits(bits_ & ~o.bits_); }
  constexpr TSet operator*(TSet o) const { return FromBits(bits_ & o.bits_); }
  constexpr bool operator==(const TSet&) const = default;

 private:
  static constexpr Storage Bit(E e) { return static_cast<Storage>(Storage{1} << static_cast<unsigned>(e)); }
  Storage bits_ = 0;
};

template <class T> struct IsTSet : std::false_type {};
template <class E, class S> struct IsTSet<TSet<E, S>> : std::true_type { using Element = E; };

// ---------------------------------------------------------------------------
// Published methods.

class TMethodInfo {
 public:
  TMethodInfo(std::string name, std::type_index signature) : name_(std::move(name)), signature_(signature) {}
  virtual ~TMethodInfo() = default;
  const std::string& Name() const { return name_; }
  std::type_index Signature() const { return signature_; }
  template <class Sig> const auto* As() const;

 private:
  std::string name_;
  std::type_index signature_;
};

template <class Sig> class TMethodInfoOf;

// A published method with a known signature; `Call` runs it on an instance of its class.
template <class R, class... A>
class TMethodInfoOf<R(A...)> : public TMethodInfo {
 public:
  using Invoker = std::function<R(TObject*, A...)>;
  TMethodInfoOf(std::string name, Invoker invoke)
      : TMethodInfo(std::move(name), typeid(R(A...))), invoke_(std::move(invoke)) {}
  R Call(TObject* self, A... args) const { return invoke_(self, std::forward<A>(args)...); }

 private:
  Invoker invoke_;
};

template <class Sig>
const auto* TMethodInfo::As() const {
  return signature_ == std::type_index(typeid(Sig)) ? static_cast<const TMethodInfoOf<Sig>*>(this) : nullptr;
}

// True while obj is being destroyed: its handlers must not run on a half-destroyed object.
bool EventTargetGone(const TObject* obj);

// Common part of all events: which object and which published method it is bound to,
// so that the form writer can store the handler by name.
//
// An event is one pointer wide: an unset event costs nothing more. Setting it makes one
// immutable binding block (target object, method, name, callable) that copies of the
// event share; rebinding an event makes a new block and leaves its copies alone.
class TEventBase {
 public:
  TObject* Data() const { return binding_ ? binding_->data : nullptr; }
  const TMethodInfo* Method() const { return binding_ ? binding_->Method() : nullptr; }
  const std::string& MethodName() const;
  // A stored handler name that could not be bound (kept so that a form can be written back).
  void SetUnbound(std::string name);

 protected:
  struct TBinding {
    TBinding(TObject* target, bool isCallable) : callable(isCallable), data(target) {}
    TBinding(const TBinding&) = delete;
    TBinding& operator=(const TBinding&) = delete;
    virtual ~TBinding() = default;
    virtual const TMethodInfo* Method() const { return nullptr; }
    virtual const std::string* Name() const { return nullptr; }
    std::atomic<std::uint32_t> refs{1};
    const bool callable;
    TObject* const data;
  };

  TEventBase() = default;
  TEventBase(const TEventBase& other) noexcept : binding_(Share(other.binding_)) {}
  TEventBase(TEventBase&& other) noexcept : binding_(std::exchange(other.binding_, nullptr)) {}
  TEventBase& operator=(const TEventBase& other) noexcept {
    Reset(Share(other.binding_));
    return *this;
  }
  TEventBase& operator=(TEventBase&& other) noexcept {
    if (this != &other) Reset(std::exchange(other.binding_, nullptr));
    return *this;
  }
  ~TEventBase() { Release(binding_); }

  // Takes over `binding` (may be nullptr) and lets go of the previous one.
  void Reset(TBinding* binding) noexcept { Release(std::exchange(binding_, binding)); }
  static TBinding* Share(TBinding* b) noexcept {
    if (b) b->refs.fetch_add(1, std::memory_order_relaxed);
    return b;
  }
  static void Release(TBinding* b) noexcept {
    if (b && b->refs.fetch_sub(1, std::memory_order_acq_rel) == 1) delete b;
  }

  TBinding* binding_ = nullptr;

 private:
  struct TUnboundBinding;
};

template <class Sig> class TEvent;

// An event: a callable with the identity of its handler. Raise it only when set.
template <class R, class... A>
class TEvent<R(A...)> : public TEventBase {
 public:
  TEvent() = default;
  TEvent(std::nullptr_t) {}
  template <class F>
    requires(std::is_invocable_r_v<R, F&, A...> && !std::is_base_of_v<TEventBase, std::decay_t<F>>)
  TEvent(F&& fn) {
    using Fn = std::decay_t<F>;
    // An empty std::function or a null function pointer leaves the event unset.
    if constexpr (std::is_pointer_v<Fn> || std::is_member_pointer_v<Fn> || IsStdFunction<Fn>::value)
      if (!fn) return;
    binding_ = new TFunctorBinding<Fn>(std::forward<F>(fn));
  }
  template <class T>
  TEvent(T* object, R (T::*method)(A...)) {
    binding_ = new TMemberBinding<T>(object, method);
  }
  // Binds to a published method of `object` by name; an unknown name or another
  // signature raises EInvalidCast.
  TEvent(TObject* object, std::string_view methodName);

  // Binds to a published method; false (and unchanged) when its signature differs.
  bool Bind(TObject* object, const TMethodInfo* method) {
    const auto* typed = method ? method->As<R(A...)>() : nullptr;
    if (!typed) return false;
    Reset(new TPublishedBinding(object, typed));
    return true;
  }
  void Clear() { Reset(nullptr); }

  explicit operator bool() const { return binding_ && binding_->callable; }
  // A handler of an object that is being destroyed (a form freeing its components) is
  // not called: the object is no longer whole. The binding is held for the call, so a
  // handler may clear or rebind the event that is calling it.
  R operator()(A... args) const {
    if (!*this) throw std::bad_function_call();
    if (binding_->data && EventTargetGone(binding_->data)) {
      if constexpr (std::is_void_v<R>) return;
      else return R{};
    }
    struct THold {
      TBinding* b;
      ~THold() { Release(b); }
    } hold{Share(binding_)};
    return static_cast<const TCallBinding*>(hold.b)->Call(std::forward<A>(args)...);
  }

 private:
  template <class T> struct IsStdFunction : std::false_type {};
  template <class S> struct IsStdFunction<std::function<S>> : std::true_type {};

  struct TCallBinding : TBinding {
    explicit TCallBinding(TObject* target) : TBinding(target, true) {}
    virtual R Call(A... args) const = 0;
  };

  template <class T>
  struct TMemberBinding final : TCallBinding {
    TMemberBinding(T* object, R (T::*m)(A...)) : TCallBinding(object), method(m) {}
    R Call(A... args) const override { return (static_cast<T*>(this->data)->*method)(std::forward<A>(args)...); }
    R (T::*method)(A...);
  };

  struct TPublishedBinding final : TCallBinding {
    TPublishedBinding(TObject* object, const TMethodInfoOf<R(A...)>* m) : TCallBinding(object), method(m) {}
    const TMethodInfo* Method() const override { return method; }
    const std::string* Name() const override { return &method->Name(); }
    R Call(A... args) const override { return method->Call(this->data, std::forward<A>(args)...); }
    const TMethodInfoOf<R(A...)>* method;
  };

  template <class Fn>
  struct TFunctorBinding final : TCallBinding {
    template <class G>
    explicit TFunctorBinding(G&& g) : TCallBinding(nullptr), fn(std::forward<G>(g)) {}
    R Call(A... args) const override {
      if constexpr (std::is_void_v<R>) std::invoke(fn, std::forward<A>(args)...);
      else return std::invoke(fn, std::forward<A>(args)...);
    }
    mutable Fn fn;
  };
};

template <class T> struct IsTEvent : std::false_type {};
template <class Sig> struct IsTEvent<TEvent<Sig>> : std::true_type {};

// ---------------------------------------------------------------------------
// Published properties.

struct TIdentMapEntry {
  std::int64_t Value;
  const char* Name;
};
using TIdentMap = std::vector<TIdentMapEntry>;  // symbolic names of integer values (colours)

class TPropInfo {
 public:
  std::string Name;
  TTypeKind Kind = TTypeKind::Integer;
  const TEnumInfo* Enum = nullptr;       // enumeration, or the element type of a set
  // Class properties: the declared class (looked up late, so a class may refer to itself).
  const TClassInfo& (*PropClassOf)() = nullptr;
  const TClassInfo* PropClass() const { return PropClassOf ? &PropClassOf() : nullptr; }
  const TIdentMap* Idents = nullptr;     // integer properties with symbolic values
  bool IsReference = false;              // class property naming another component
  bool StoresNil = false;                // a nil reference is written as nil (it differs from the default)
  std::optional<std::int64_t> Default;   // ordinal default; none means always stored
  std::int64_t MinValue = INT64_MIN;     // range of integer properties
  std::int64_t MaxValue = INT64_MAX;
  std::function<bool(const TObject*)> StoredFn;  // null means stored

  std::function<std::int64_t(const TObject*)> GetOrd;  // integer, enumeration, set (bits)
  std::function<void(TObject*, std::int64_t)> SetOrd;
  std::function<std::string(const TObject*)> GetStr;
  std::function<void(TObject*, const std::string&)> SetStr;
  std::function<TObject*(const TObject*)> GetObj;
  std::function<void(TObject*, TObject*)> SetObj;  // null for sub-objects that are never replaced
  std::function<TEventBase*(TObject*)> EventRef;
  std::function<bool(TObject*, TObject*, const TMethodInfo*)> BindEvent;

  bool IsStored(const TObject* obj) const { return !StoredFn || StoredFn(obj); }

  // Chainable declarations used next to the class.
  TPropInfo& SetDefault(std::int64_t v) { Default = v; return *this; }
  TPropInfo& NoDefault() { Default.reset(); return *this; }
  TPropInfo& Stored(bool stored) {
    if (stored) StoredFn = nullptr; else StoredFn = [](const TObject*) { return false; };
    return *this;
  }
  template <class T>
  TPropInfo& Stored(bool (T::*pred)() const) {
    StoredFn = [pred](const TObject* o) { return (static_cast<const T*>(o)->*pred)(); };
    return *this;
  }
  TPropInfo& WithIdents(const TIdentMap& map) { Idents = &map; return *this; }
  TPropInfo& StoreNil() { StoresNil = true; return *this; }
};

// ---------------------------------------------------------------------------
// Published fields.

class TFieldInfo {
 public:
  TFieldInfo(std::string name, std::type_index type, std::function<void*(TObject*)> address)
      : name_(std::move(name)), type_(type), address_(std::move(address)) {}
  const std::string& Name() const { return name_; }
  std::type_index Type() const { return type_; }
  void* Address(TObject* obj) const { return address_(obj); }

 private:
  std::string name_;
  std::type_index type_;
  std::function<void*(TObject*)> address_;
};

// ---------------------------------------------------------------------------

using TComponentFactory = std::function<TComponent*(TComponent* owner)>;

class TClassInfo {
 public:
  TClassInfo(std::string name, const TClassInfo* parent);
  TClassInfo(const TClassInfo&) = delete;
  TClassInfo& operator=(const TClassInfo&) = delete;

  const std::string& Name() const { return name_; }
  const TClassInfo* Parent() const { return parent_; }
  bool InheritsFrom(const TClassInfo& other) const;

  // All published properties in stored order: the root class's first, a property
  // published again in a descendant keeping its ancestor's place.
  const std::vector<TPropInfo*>& Properties() const { return properties_; }
  const TPropInfo* FindProperty(std::string_view name) const;  // case-insensitive

  // A published method of this class or an ancestor, or nullptr (case-insensitive).
  const TMethodInfo* MethodAddress(std::string_view name) const;
  const TFieldInfo* FindField(std::string_view name) const;

  bool CanCreate() const { return static_cast<bool>(factory_); }
  // Creates a component of this class; raises EClassNotFound for abstract classes.
  TComponent* Create(TComponent* owner) const;

  // Used by the declaration builder.
  TPropInfo& AddProperty(TPropInfo prop);
  void AddMethod(std::unique_ptr<TMethodInfo> m);
  void AddField(std::unique_ptr<TFieldInfo> f);
  void SetFactory(TComponentFactory f) { factory_ = std::move(f); }

 private:
  std::string name_;
  const TClassInfo* parent_;
  std::deque<TPropInfo> ownProps_;
  std::vector<TPropInfo*> properties_;
  std::vector<std::unique_ptr<TMethodInfo>> methods_;
  std::vector<std::unique_ptr<TFieldInfo>> fields_;
  TComponentFactory factory_;
  // The properties by name: open addressing over indexes into properties_ (plus one;
  // zero is empty), kept at most half full as properties are added.
  struct TPropSlot {
    std::uint32_t hash = 0;
    std::uint32_t entry = 0;
  };
  std::vector<TPropSlot> propIndex_;
  void IndexProperty(std::uint32_t entry);
  void PlaceProperty(std::uint32_t entry);
  // Where the next look-up will most likely find its name: just after the last one found,
  // as a form file lists properties in their stored order.
  mutable std::atomic<std::uint32_t> nextGuess_{0};
};

// Class registry: classes that form files may name.
void RegisterClass(const TClassInfo& info);
const TClassInfo* FindClass(std::string_view name);  // nullptr when unknown; case-insensitive
const TClassInfo& GetClass(std::string_view name);   // raises EClassNotFound

// Finds a published method of a given signature per class and remembers the answer,
// so that repeated calls on many components compare no strings.
template <class Sig>
class TMethodCache {
 public:
  explicit TMethodCache(std::string name) : name_(std::move(name)) {}
  const TMethodInfoOf<Sig>* Find(const TClassInfo& cls) {
    auto it = cache_.find(&cls);
    if (it != cache_.end()) return it->second;
    const TMethodInfo* m = cls.MethodAddress(name_);
    const TMethodInfoOf<Sig>* typed = m ? m->template As<Sig>() : nullptr;
    cache_.emplace(&cls, typed);
    return typed;
  }

 private:
  std::string name_;
  std::unordered_map<const TClassInfo*, const TMethodInfoOf<Sig>*> cache_;
};

}  // namespace host
