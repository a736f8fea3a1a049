#include "host/core/Component.h"

#include <algorithm>

#include "host/core/ClassBuilder.h"
#include "host/core/SpareCapacity.h"

namespace host {

HOST_PUBLISHED(TComponent) {
  P.Property("Name", &TComponent::Name, &TComponent::SetName).Stored(false);
  P.Property("Tag", &TComponent::Tag, &TComponent::SetTag).SetDefault(0);
}

bool IsValidIdent(std::string_view ident) {
  if (ident.empty()) return false;
  // ASCII letters only, whatever the C locale says.
  auto alpha = [](char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_'; };
  if (!alpha(ident[0])) return false;
  return std::all_of(ident.begin() + 1, ident.end(), [&](char c) { return alpha(c) || (c >= '0' && c <= '9'); });
}

std::uint64_t TComponent::NewListStamp() {
  static std::uint64_t last = 0;
  return ++last;
}

const std::vector<TComponent*>& TComponent::NoComponents() {
  static const std::vector<TComponent*> none;
  return none;
}

TComponent::TOwned& TComponent::Owned() {
  if (!owned_) owned_ = std::make_unique<TOwned>();
  return *owned_;
}

TComponent::TComponent(TComponent* owner) {
  if (owner) owner->InsertComponent(this);
}

TComponent::~TComponent() {
  Destroying();
  // Tell the components that asked to hear of this one's destruction.
  while (!freeNotifies_.Empty()) {
    TComponent* other = freeNotifies_.Back();
    freeNotifies_.PopBack();
    other->freeNotifies_.Remove(this);
    other->Notification(this, opRemove);
  }
  DestroyComponents();
  if (owner_) owner_->RemoveComponent(this);
}

void TComponent::Destroying() {
  if (state_.Contains(csDestroying)) return;
  state_.Include(csDestroying);
  for (TComponent* c : ComponentList()) c->Destroying();
}

TComponent* TComponent::Components(Integer index) const {
  if (index < 0 || index >= ComponentCount()) throw EListError("List index out of bounds (" + IntToStr(index) + ")");
  return ComponentList()[static_cast<size_t>(index)];
}

Integer TComponent::ComponentIndex() const {
  if (!owner_) return -1;
  const auto& list = owner_->ComponentList();
  auto it = std::find(list.begin(), list.end(), this);
  return it == list.end() ? -1 : static_cast<Integer>(it - list.begin());
}

void TComponent::ValidateRename(TComponent* component, const std::string& curName, const std::string& newName) const {
  if (newName.empty() || SameText(curName, newName)) return;
  TComponent* existing = FindComponent(newName);
  if (existing && existing != component)
    throw EComponentError("A component named " + newName + " already exists");
}

void TComponent::SetName(const std::string& newName) {
  if (name_ == newName) return;
  if (!newName.empty() && !IsValidIdent(newName))
    throw EComponentError("'" + newName + "' is not a valid component name");
  if (owner_) {
    owner_->ValidateRename(this, name_, newName);
    TNameIndex& names = owner_->Owned().names;
    names.Erase(this, name_);
    name_ = newName;
    if (!name_.empty()) names.Insert(this);
    return;
  }
  name_ = newName;
}

void TComponent::SetDesigning(bool value, bool setChildren) {
  if (value) state_.Include(csDesigning); else state_.Exclude(csDesigning);
  if (setChildren)
    for (TComponent* c : ComponentList()) c->SetDesigning(value, true);
}

// Nothing is added to the lists of a form just read, so their room for growth goes.
void TComponent::Loaded() {
  state_.Exclude(csLoading);
  if (owned_) ReleaseSpareCapacity(owned_->list);
  freeNotifies_.ReleaseSpareCapacity();
}

TComponent* TComponent::FindComponent(std::string_view name) const {
  if (name.empty() || !owned_) return nullptr;
  return owned_->names.Find(name);
}

void TComponent::InsertComponent(TComponent* component) {
  if (!component || component->owner_ == this) return;
  ValidateRename(component, std::string(), component->name_);
  if (component->owner_) component->owner_->RemoveComponent(component);
  TOwned& owned = Owned();
  owned.list.push_back(component);
  listStamp_ = NewListStamp();
  if (!component->name_.empty()) owned.names.Insert(component);
  component->owner_ = this;
  if (state_.Contains(csDesigning)) component->SetDesigning(true);
  Notification(component, opInsert);
}

void TComponent::RemoveComponent(TComponent* component) {
  if (!component || component->owner_ != this) return;
  Notification(component, opRemove);
  component->DetachFromOwner();
}

void TComponent::DetachFromOwner() {
  if (!owner_) return;
  TOwned& owned = owner_->Owned();
  auto& list = owned.list;
  // Owners mostly free their components last first, so search from the back.
  auto it = std::find(list.rbegin(), list.rend(), this);
  if (it != list.rend()) list.erase(std::next(it).base());
  owner_->listStamp_ = NewListStamp();
  owned.names.Erase(this, name_);
  owner_ = nullptr;
}

void TComponent::DestroyComponents() {
  while (!ComponentList().empty()) {
    TComponent* c = ComponentList().back();
    c->DetachFromOwner();
    delete c;
  }
}

void TComponent::Notification(TComponent* component, TOperation operation) {
  if (operation == opRemove && component) RemoveFreeNotification(component);
  // Owned components hear of removals too, so that they can drop references.
  if (operation == opRemove && !state_.Contains(csDestroying))
    for (TComponent* c : ComponentList())
      if (c != component) c->Notification(component, operation);
}

void TComponent::FreeNotification(TComponent* component) {
  if (!component || component == this) return;
  if (Linked(component)) return;
  freeNotifies_.PushBack(component);
  component->freeNotifies_.PushBack(this);
}

bool TComponent::Linked(const TComponent* component) const {
  // A component watched by many (the wizard) has a long list; its watchers' are short.
  return freeNotifies_.Size() <= component->freeNotifies_.Size() ? freeNotifies_.Contains(component)
                                                                 : component->freeNotifies_.Contains(this);
}

void TComponent::RemoveFreeNotification(TComponent* component) {
  if (!component || !Linked(component)) return;
  freeNotifies_.Remove(component);
  component->freeNotifies_.Remove(this);
}

void TComponent::GetChildren(const TGetChildProc& proc, TComponent* root) {
  if (root != this) return;
  for (TComponent* c : ComponentList())
    if (!c->HasParent()) proc(c);
}

}  // namespace host
