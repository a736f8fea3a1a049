#include "SampleClasses.h"

#include "host/core/ClassBuilder.h"

namespace sample {

using namespace host;

std::vector<std::string> loadLog;

HOST_PUBLISHED(TInner) {
  P.Property("Size", &TInner::Size, &TInner::SetSize).SetDefault(10);
  P.Property("Peer", &TInner::Peer, &TInner::SetPeer);
}

void TInner::DefineProperties(TFiler& filer) {
  filer.DefineBinaryProperty(
      "Blob",
      [this](TStream& s) {
        Blob.assign(static_cast<size_t>(s.Size()), 0);
        s.ReadBuffer(Blob.data(), s.Size());
      },
      [this](TStream& s) { s.WriteBuffer(Blob.data(), static_cast<std::int64_t>(Blob.size())); }, !Blob.empty());
}

HOST_PUBLISHED(TGadget) {
  P.Property("Count", &TGadget::Count, &TGadget::SetCount);
  P.Property("Shape", &TGadget::Shape, &TGadget::SetShape).SetDefault(shCircle);
  P.Property("Active", &TGadget::Active, &TGadget::SetActive).SetDefault(false);
  P.Property("Shapes", &TGadget::Shapes, &TGadget::SetShapes).SetDefault(0);
  P.Property("Caption", &TGadget::Caption, &TGadget::SetCaption);
  P.Property("Inner", &TGadget::Inner);
  P.Property("Lines", &TGadget::Lines, &TGadget::SetLines);
  P.Property("Buddy", &TGadget::Buddy, &TGadget::SetBuddy);
  P.Property("Hidden", &TGadget::Hidden, &TGadget::SetHidden).Stored(false);
  P.Property("OnPing", &TGadget::OnPing);
  P.Method("Ping", &TGadget::Ping);
  P.Field("Extra", &TGadget::Extra);
}

TGadget::TGadget(TComponent* owner) : TComponent(owner), inner_(new TInner), lines_(new TStringList) {}

TGadget::~TGadget() {
  delete inner_;
  delete lines_;
}

void TGadget::DefineProperties(TFiler& filer) {
  filer.DefineProperty(
      "Extra", [this](TReader& r) { Extra = r.ReadInteger(); }, [this](TWriter& w) { w.WriteInteger(Extra); },
      Extra != 0);
}

void TGadget::Loaded() {
  loadLog.push_back(Name() + (ComponentState().Contains(csLoading) ? ":loading" : ":?") +
                    (ComponentState().Contains(csReading) ? ":reading" : ""));
  TComponent::Loaded();
}

HOST_PUBLISHED(TBigGadget) {
  P.Property("Weight", &TBigGadget::Weight, &TBigGadget::Weight);
  P.Property("Count", &TGadget::Count, &TGadget::SetCount).SetDefault(7);
}

HOST_PUBLISHED(TSampleRoot) {
  P.Method("GadgetPing", &TSampleRoot::GadgetPing);
  P.Method("WrongShape", &TSampleRoot::WrongShape);
}

HOST_PUBLISHED(TAbstractThing) {}

}  // namespace sample
