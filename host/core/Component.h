// TComponent: ownership, names, component state and the hooks of form loading.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "host/core/ComponentLinks.h"
#include "host/core/NameIndex.h"
#include "host/core/Persistent.h"

namespace host {

HOST_ENUM(TComponentStateItem, csLoading, csReading, csWriting, csDestroying, csDesigning, csAncestor, csUpdating,
          csFixups, csFreeNotification, csInline, csDesignInstance)
using TComponentState = TSet<TComponentStateItem>;

HOST_ENUM(TOperation, opInsert, opRemove)

class TComponent;
using TGetChildProc = std::function<void(TComponent*)>;

class TComponent : public TPersistent {
  HOST_CLASS(TComponent, TPersistent)

  // Creates the component owned by `owner` (may be nullptr); the owner frees it.
  explicit TComponent(TComponent* owner);
  // Frees the owned components (last first), then leaves the owner.
  ~TComponent() override;

  TComponent* Owner() const { return owner_; }
  Integer ComponentCount() const { return static_cast<Integer>(ComponentList().size()); }
  // The owned component at index (creation order); EListError outside the range.
  TComponent* Components(Integer index) const;
  const std::vector<TComponent*>& ComponentList() const { return owned_ ? owned_->list : NoComponents(); }
  // Changes whenever a component joins or leaves this one's list; no two lists (nor two
  // states of one list) share a stamp, so a cache of the list can tell it is stale.
  std::uint64_t ComponentListStamp() const { return listStamp_; }
  // Index of this component in its owner's list, or -1.
  Integer ComponentIndex() const;

  const std::string& Name() const { return name_; }
  // A valid identifier (or empty), unique among the owner's components regardless of
  // case; a clash or an invalid name raises EComponentError.
  virtual void SetName(const std::string& newName);
  NativeInt Tag() const { return tag_; }
  void SetTag(NativeInt value) { tag_ = value; }

  TComponentState ComponentState() const { return state_; }
  bool BeingDestroyed() const override { return state_.Contains(csDestroying); }
  // Puts this component and, when setChildren, the components it owns into or out of design mode.
  void SetDesigning(bool value, bool setChildren = true);

  // Called once after the component and all components of its form have been read.
  virtual void Loaded();

  TComponent* FindComponent(std::string_view name) const;  // owned component by name, or nullptr
  void InsertComponent(TComponent* component);
  void RemoveComponent(TComponent* component);
  void DestroyComponents();

  // Told when a component is inserted into or removed from this owner, or when a
  // component this one asked to watch (FreeNotification) is destroyed.
  virtual void Notification(TComponent* component, TOperation operation);
  void FreeNotification(TComponent* component);
  void RemoveFreeNotification(TComponent* component);

  // Form-file structure: the components stored inside this one's block.
  virtual void GetChildren(const TGetChildProc& proc, TComponent* root);
  virtual bool HasParent() const { return false; }
  virtual TComponent* GetParentComponent() const { return nullptr; }
  virtual void SetParentComponent(TComponent*) {}

  TPersistent* GetOwner() const override { return owner_; }
  std::string GetNamePath() const override { return name_; }

  // Loading states, managed by the form reader.
  void BeginReading() { state_.Include(csLoading).Include(csReading); }
  void EndReading() { state_.Exclude(csReading); }
  void AbortLoading() { state_.Exclude(csReading).Exclude(csLoading); }

 protected:
  virtual void Destroying();
  virtual void ValidateRename(TComponent* component, const std::string& curName, const std::string& newName) const;
  TComponentState state_;

 private:
  // What only owners need, made with the first owned component.
  struct TOwned {
    std::vector<TComponent*> list;
    TNameIndex names;  // the named ones among them
  };
  TOwned& Owned();
  static const std::vector<TComponent*>& NoComponents();
  void DetachFromOwner();
  // Whether this component and component watch each other (the links are symmetric).
  bool Linked(const TComponent* component) const;

  TComponent* owner_ = nullptr;
  std::unique_ptr<TOwned> owned_;
  // The components this one watches or is watched by (the link goes both ways).
  TComponentLinks freeNotifies_;
  std::uint64_t listStamp_ = NewListStamp();
  static std::uint64_t NewListStamp();
  std::string name_;
  NativeInt tag_ = 0;
};

bool IsValidIdent(std::string_view ident);

}  // namespace host
