#include "host/core/Persistent.h"

#include "host/core/ClassBuilder.h"

namespace host {

const TClassInfo& TObject::StaticClassInfo() {
  static const TClassInfo* info = [] {
    auto* i = new TClassInfo("TObject", nullptr);
    RegisterClass(*i);
    return i;
  }();
  return *info;
}

bool EventTargetGone(const TObject* obj) { return obj->BeingDestroyed(); }

const std::string& TObject::ClassName() const { return ClassInfo().Name(); }

bool TObject::InheritsFrom(const TClassInfo& cls) const { return ClassInfo().InheritsFrom(cls); }

const TMethodInfo* TObject::MethodAddress(std::string_view name) const { return ClassInfo().MethodAddress(name); }

HOST_PUBLISHED(TPersistent) {}

void TPersistent::Assign(const TPersistent* source) {
  if (source) {
    source->AssignTo(this);
    return;
  }
  AssignError(nullptr);
}

void TPersistent::AssignTo(TPersistent* dest) const { dest->AssignError(this); }

void TPersistent::AssignError(const TPersistent* source) const {
  throw EConvertError("Cannot assign a " + (source ? source->ClassName() : std::string("nil")) + " to a " + ClassName());
}

void TPersistent::DefineProperties(TFiler&) {}

std::string TPersistent::GetNamePath() const { return ClassName(); }

}  // namespace host
