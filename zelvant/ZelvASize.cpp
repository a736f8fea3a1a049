// TZelvant's stored sizes and history, the form's two sizes, and the designer notice.
#include "ZelvA.h"

namespace zelvant {

using namespace host;

namespace {

constexpr std::int64_t kFormSizeBytes = 16;

}  // namespace

void TZelvant::DefineProperties(TFiler& Filer) {
  TCustomControl::DefineProperties(Filer);
  Filer.DefineProperty(
      "HistoryNumPages",
      [this](TReader& r) {
        FHistory->ReadNum(r);
        if (FHistory->Count > 0) r.RequireProperty("HistoryData", "HistoryNumPages is " + IntToStr(FHistory->Count));
      }, [this](TWriter& w) { FHistory->WriteNum(w); },
      true);
  Filer.DefineBinaryProperty(
      "HistoryData", [this](TStream& s) { FHistory->ReadBinaryData(s); },
      [this](TStream& s) { FHistory->WriteBinaryData(s); }, FHistory->Count > 0);
  Filer.DefineBinaryProperty(
      "FormSize", [this](TStream& s) { ReadSize(s); }, [this](TStream& s) { WriteSize(s); }, true);
}

void TZelvant::WriteSize(TStream& Stream) {
  WriteInt32LE(Stream, FWizardHeight);
  WriteInt32LE(Stream, FWizardWidth);
  WriteInt32LE(Stream, FDialogHeight);
  WriteInt32LE(Stream, FDialogWidth);
}

void TZelvant::ReadSize(TStream& Stream) {
  // All four sizes or none: a payload of another length keeps the sizes held before.
  if (Stream.Size() - Stream.Position() != kFormSizeBytes)
    throw EReadError("FormSize must hold 16 bytes, not " + IntToStr(Stream.Size() - Stream.Position()));
  FWizardHeight = ReadInt32LE(Stream);
  FWizardWidth = ReadInt32LE(Stream);
  FDialogHeight = ReadInt32LE(Stream);
  FDialogWidth = ReadInt32LE(Stream);
}

void TZelvant::SetBounds(Integer ALeft, Integer ATop, Integer AWidth, Integer AHeight) {
  TCustomControl::SetBounds(ALeft, ATop, AWidth, AHeight);
  if (!FTrackSize || !ComponentState().Contains(csDesigning) || !FHistory) return;
  if (TForm* form = Form()) {
    if (FPage == 0) {
      FDialogWidth = form->Width();
      FDialogHeight = form->Height();
    } else {
      FWizardWidth = form->Width();
      FWizardHeight = form->Height();
    }
  }
}

void TZelvant::myresize(Integer AWidth, Integer AHeight) {
  if (Align() != alClient) return;
  TForm* form = Form();
  if (!form) return;
  form->SetBounds(form->Left() + form->Width() / 2 - AWidth / 2, form->Top() + form->Height() / 2 - AHeight / 2, AWidth,
                  AHeight);
}

void TZelvant::setWizardHeight(Integer Value) {
  FWizardHeight = Value;
  setPage(FPage);
}

void TZelvant::setWizardWidth(Integer Value) {
  FWizardWidth = Value;
  setPage(FPage);
}

void TZelvant::setDialogHeight(Integer Value) {
  FDialogHeight = Value;
  setPage(FPage);
}

void TZelvant::setDialogWidth(Integer Value) {
  FDialogWidth = Value;
  setPage(FPage);
}

void TZelvant::UpdateDesigner() {
  if (TForm* form = Form())
    if (IDesignerHook* designer = form->Designer()) designer->SelectComponent(this);
}

void TZelvant::WMSize(TWMSize& Message) {
  TCustomControl::WMSize(Message);
  SizeChanged();
  Message.Result = 0;
}

// A wizard that has no window yet hears of no WM_SIZE: its bar and tab lines follow
// its size all the same, so a form reads back as it was saved.
void TZelvant::BoundsChanged(bool sizeChanged) {
  TCustomControl::BoundsChanged(sizeChanged);
  if (sizeChanged && !HandleAllocated()) SizeChanged();
}

void TZelvant::SizeChanged() {
  if (!FHistory) return;  // still being constructed
  ShowButtons();
  if (FStyle == asTabbed) inittabsinline();
}

}  // namespace zelvant
