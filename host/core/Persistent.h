// TObject and TPersistent: the roots of the class library.
#pragma once

#include <string>
#include <string_view>
#include <type_traits>

#include "host/core/TypInfo.h"

namespace host {

class TFiler;
template <class T> class TClassBuilder;

// Declares the class-information members of a class; put it first in the class body.
// The published members are then listed once with HOST_PUBLISHED in the source file.
#define HOST_CLASS(Type, Parent)                                                      \
 public:                                                                              \
  using inherited = Parent;                                                           \
  using ClassInfoOwner = Type;                                                        \
  static const ::host::TClassInfo& StaticClassInfo();                                 \
  const ::host::TClassInfo& ClassInfo() const override { return StaticClassInfo(); }  \
  static void Publish(::host::TClassBuilder<Type>& P);

class TObject {
 public:
  // The class whose class information this one answers with: itself when it declares its
  // own, else the nearest ancestor that does (a template between two declared classes).
  using ClassInfoOwner = TObject;

  TObject() = default;
  TObject(const TObject&) = delete;
  TObject& operator=(const TObject&) = delete;
  virtual ~TObject() = default;

  static const TClassInfo& StaticClassInfo();
  virtual const TClassInfo& ClassInfo() const { return StaticClassInfo(); }
  const std::string& ClassName() const;

  bool InheritsFrom(const TClassInfo& cls) const;
  // True once destruction has begun (components say so; plain objects never do).
  virtual bool BeingDestroyed() const { return false; }
  template <class T> bool InheritsFrom() const { return InheritsFrom(T::StaticClassInfo()); }

  // A published method of this object's class, or nullptr.
  const TMethodInfo* MethodAddress(std::string_view name) const;
  // The published field itself when it exists and has type F, else nullptr.
  template <class F>
  F* FieldAddress(std::string_view name) {
    const TFieldInfo* f = ClassInfo().FindField(name);
    if (!f || f->Type() != std::type_index(typeid(F))) return nullptr;
    return static_cast<F*>(f->Address(this));
  }
};

// Checked cast: nullptr stays nullptr, an object of another class raises EInvalidCast.
template <class T>
T* As(TObject* obj) {
  if (!obj) return nullptr;
  // A class with class information of its own is told by it, which is cheaper than the
  // cast; one sharing an ancestor's cannot be, as the ancestor's objects answer the same.
  if constexpr (std::is_same_v<typename T::ClassInfoOwner, T>) {
    if (obj->InheritsFrom(T::StaticClassInfo())) return static_cast<T*>(obj);
  } else if (auto* t = dynamic_cast<T*>(obj)) {
    return t;
  }
  throw EInvalidCast("Invalid class typecast: " + obj->ClassName() + " is not a " + T::StaticClassInfo().Name());
}
template <class T>
const T* As(const TObject* obj) {
  return As<T>(const_cast<TObject*>(obj));
}

class TPersistent : public TObject {
  HOST_CLASS(TPersistent, TObject)

  // Copies source into this object; the default asks the source (AssignTo) and
  // raises EConvertError when neither side knows the other.
  virtual void Assign(const TPersistent* source);
  // Declares the properties this object stores beyond its published ones.
  virtual void DefineProperties(TFiler& filer);
  // The object that owns this one, for name paths.
  virtual TPersistent* GetOwner() const { return nullptr; }
  virtual std::string GetNamePath() const;

 protected:
  virtual void AssignTo(TPersistent* dest) const;
  [[noreturn]] void AssignError(const TPersistent* source) const;
};

template <class R, class... A>
TEvent<R(A...)>::TEvent(TObject* object, std::string_view methodName) {
  if (!object || !Bind(object, object->MethodAddress(methodName)))
    throw EInvalidCast("No published method '" + std::string(methodName) + "' of the event's type");
}

}  // namespace host
