// Small classes that publish one member of every kind, for the component model tests.
#pragma once

#include <string>
#include <vector>

#include "host/core/Component.h"
#include "host/streaming/Filer.h"
#include "host/core/Lists.h"

namespace sample {

using host::Integer;

HOST_ENUM(TShape, shCircle, shSquare, shTriangle)
using TShapes = host::TSet<TShape>;

// A persistent sub-object with a published property and a defined binary property.
class TInner : public host::TPersistent {
  HOST_CLASS(TInner, host::TPersistent)
  Integer Size() const { return size_; }
  void SetSize(Integer v) { size_ = v; }
  host::TComponent* Peer() const { return peer_; }
  void SetPeer(host::TComponent* c) { peer_ = c; }
  std::vector<std::uint8_t> Blob;
  void DefineProperties(host::TFiler& filer) override;

 private:
  Integer size_ = 10;
  host::TComponent* peer_ = nullptr;
};

// Records the order in which Loaded ran and the state it saw.
extern std::vector<std::string> loadLog;

class TGadget : public host::TComponent {
  HOST_CLASS(TGadget, host::TComponent)
  explicit TGadget(host::TComponent* owner);
  ~TGadget() override;

  Integer Count() const { return count_; }
  void SetCount(Integer v) {
    count_ = v;
    if (ComponentState().Contains(host::csReading)) readingSeen = true;
  }
  TShape Shape() const { return shape_; }
  void SetShape(TShape v) { shape_ = v; }
  bool Active() const { return active_; }
  void SetActive(bool v) { active_ = v; }
  TShapes Shapes() const { return shapes_; }
  void SetShapes(TShapes v) { shapes_ = v; }
  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& v) { caption_ = v; }
  TInner* Inner() const { return inner_; }
  host::TStringList* Lines() const { return lines_; }
  void SetLines(host::TStringList* v) { lines_->Assign(v); }
  TGadget* Buddy() const { return buddy_; }
  void SetBuddy(TGadget* v) { buddy_ = v; }
  Integer Hidden() const { return hidden_; }
  void SetHidden(Integer v) { hidden_ = v; }
  Integer Extra = 0;  // stored as the defined property "Extra"

  host::TEvent<void(host::TObject*)> OnPing;
  bool readingSeen = false;

  void DefineProperties(host::TFiler& filer) override;
  void Loaded() override;
  void Ping(Integer v) { pinged += v; }
  Integer pinged = 0;

 private:
  Integer count_ = 0;
  TShape shape_ = shCircle;
  bool active_ = false;
  TShapes shapes_;
  std::string caption_;
  TInner* inner_;
  host::TStringList* lines_;
  TGadget* buddy_ = nullptr;
  Integer hidden_ = 0;
};

// Publishes Count again (keeping its place) and adds its own property.
class TBigGadget : public TGadget {
  HOST_CLASS(TBigGadget, TGadget)
  using TGadget::TGadget;
  Integer Weight = 0;
};

// A root that publishes event handlers, as a form does.
class TSampleRoot : public host::TComponent {
  HOST_CLASS(TSampleRoot, host::TComponent)
  using host::TComponent::TComponent;
  void GadgetPing(host::TObject*) { ++pings; }
  void WrongShape(Integer) {}
  int pings = 0;
};

// Component that cannot be created from a form file.
class TAbstractThing : public host::TComponent {
  HOST_CLASS(TAbstractThing, host::TComponent)
  using host::TComponent::TComponent;
  virtual void Pure() = 0;
};

}  // namespace sample
