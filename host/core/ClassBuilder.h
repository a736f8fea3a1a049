// The declaration builder behind HOST_PUBLISHED: one short block per class lists its
// published properties, methods and fields in declaration order.
#pragma once

#include <limits>
#include <type_traits>

#include "host/core/Persistent.h"

namespace host {

class TComponent;

template <class T>
class TClassBuilder {
 public:
  explicit TClassBuilder(TClassInfo& info) : info_(info) {}

  // Publishes a property. `get` is a data member or a const member function of T
  // (or of an ancestor); `set` is a data member, a member function taking the value,
  // or nullptr for a read-only property (published sub-objects).
  template <class G, class S = std::nullptr_t>
  TPropInfo& Property(std::string name, G get, S set = nullptr) {
    using V = typename GetterTraits<G>::Value;
    TPropInfo p;
    p.Name = std::move(name);
    std::function<V(const T&)> getter = [get](const T& o) -> V { return GetterTraits<G>::Get(o, get); };
    std::function<void(T&, V)> setter;
    if constexpr (!std::is_same_v<S, std::nullptr_t>) setter = [set](T& o, V v) { SetterTraits<S>::Set(o, set, std::move(v)); };
    if constexpr (IsTEvent<V>::value) {
      static_assert(std::is_member_object_pointer_v<G>, "events are published by field");
      p.Kind = TTypeKind::Method;
      p.EventRef = [get](TObject* o) -> TEventBase* { return &(static_cast<T*>(o)->*get); };
      p.BindEvent = [get](TObject* o, TObject* data, const TMethodInfo* m) { return (static_cast<T*>(o)->*get).Bind(data, m); };
    } else if constexpr (std::is_same_v<V, bool> || HostEnum<V>) {
      p.Kind = TTypeKind::Enumeration;
      p.Enum = &EnumInfoOf<V>();
      BindOrd<V>(p, getter, setter);
    } else if constexpr (IsTSet<V>::value) {
      p.Kind = TTypeKind::Set;
      p.Enum = &EnumInfoOf<typename IsTSet<V>::Element>();
      p.GetOrd = [getter](const TObject* o) { return static_cast<std::int64_t>(getter(*static_cast<const T*>(o)).Bits()); };
      if (setter) p.SetOrd = [setter](TObject* o, std::int64_t v) { setter(*static_cast<T*>(o), V::FromBits(static_cast<std::uint64_t>(v))); };
    } else if constexpr (std::is_integral_v<V>) {
      p.Kind = TTypeKind::Integer;
      p.MinValue = static_cast<std::int64_t>(std::numeric_limits<V>::min());
      p.MaxValue = std::numeric_limits<V>::max() > INT64_MAX ? INT64_MAX : static_cast<std::int64_t>(std::numeric_limits<V>::max());
      BindOrd<V>(p, getter, setter);
    } else if constexpr (std::is_same_v<V, std::string>) {
      p.Kind = TTypeKind::String;
      p.GetStr = [getter](const TObject* o) { return getter(*static_cast<const T*>(o)); };
      if (setter) p.SetStr = [setter](TObject* o, const std::string& v) { setter(*static_cast<T*>(o), v); };
    } else if constexpr (std::is_pointer_v<V> && std::is_base_of_v<TPersistent, std::remove_pointer_t<V>>) {
      using P = std::remove_pointer_t<V>;
      p.Kind = TTypeKind::Class;
      p.PropClassOf = &P::StaticClassInfo;
      p.IsReference = std::is_base_of_v<TComponent, P>;
      p.GetObj = [getter](const TObject* o) -> TObject* { return getter(*static_cast<const T*>(o)); };
      if (setter) p.SetObj = [setter](TObject* o, TObject* v) { setter(*static_cast<T*>(o), As<P>(v)); };
    } else {
      static_assert(sizeof(V) == 0, "unsupported published property type");
    }
    return info_.AddProperty(std::move(p));
  }

  // Publishes a method so that it can be found by name (MethodAddress).
  template <class B, class R, class... A>
  void Method(std::string name, R (B::*method)(A...)) {
    static_assert(std::is_base_of_v<B, T>);
    info_.AddMethod(std::make_unique<TMethodInfoOf<R(A...)>>(
        std::move(name), [method](TObject* o, A... a) -> R { return (static_cast<T*>(o)->*method)(std::forward<A>(a)...); }));
  }

  // Publishes a field so that it can be reached by name (FieldAddress).
  template <class B, class F>
  void Field(std::string name, F B::*field) {
    static_assert(std::is_base_of_v<B, T>);
    info_.AddField(std::make_unique<TFieldInfo>(std::move(name), typeid(F),
                                                [field](TObject* o) -> void* { return &(static_cast<T*>(o)->*field); }));
  }

 private:
  template <class G> struct GetterTraits;
  template <class B, class V>
  struct GetterTraits<V B::*> {
    using Value = std::remove_cvref_t<V>;
    static Value Get(const T& o, V B::*m) { return o.*m; }
  };
  template <class B, class V>
  struct GetterTraits<V (B::*)() const> {
    using Value = std::remove_cvref_t<V>;
    static Value Get(const T& o, V (B::*m)() const) { return (o.*m)(); }
  };
  template <class S> struct SetterTraits;
  template <class B, class V>
  struct SetterTraits<V B::*> {
    template <class X> static void Set(T& o, V B::*m, X&& v) { o.*m = std::forward<X>(v); }
  };
  template <class B, class X>
  struct SetterTraits<void (B::*)(X)> {
    template <class Y> static void Set(T& o, void (B::*m)(X), Y&& v) { (o.*m)(std::forward<Y>(v)); }
  };

  template <class V>
  static void BindOrd(TPropInfo& p, std::function<V(const T&)> getter, std::function<void(T&, V)> setter) {
    p.GetOrd = [getter](const TObject* o) { return static_cast<std::int64_t>(getter(*static_cast<const T*>(o))); };
    if (setter) p.SetOrd = [setter](TObject* o, std::int64_t v) { setter(*static_cast<T*>(o), static_cast<V>(v)); };
  }

  TClassInfo& info_;
};

template <class T>
const TClassInfo& BuildClassInfo(const char* name) {
  // Class information lives for the whole program.
  auto* info = new TClassInfo(name, &T::inherited::StaticClassInfo());
  TClassBuilder<T> builder(*info);
  T::Publish(builder);
  if constexpr (std::is_base_of_v<TComponent, T> && !std::is_abstract_v<T> && std::is_constructible_v<T, TComponent*>)
    info->SetFactory([](TComponent* owner) -> TComponent* { return new T(owner); });
  return *info;
}

struct TClassRegistrar {
  explicit TClassRegistrar(const TClassInfo& info) { RegisterClass(info); }
};

// Defines the class-information record of Type and registers the class; the block
// that follows lists the published members through the builder `P`.
#define HOST_PUBLISHED(Type)                                                            \
  const ::host::TClassInfo& Type::StaticClassInfo() {                                   \
    static const ::host::TClassInfo& info = ::host::BuildClassInfo<Type>(#Type);        \
    return info;                                                                        \
  }                                                                                     \
  static const ::host::TClassRegistrar hostRegistrar_##Type(Type::StaticClassInfo());   \
  void Type::Publish([[maybe_unused]] ::host::TClassBuilder<Type>& P)

}  // namespace host
