// The page-aware control family: binding, recording positions, taking a page's
// state, parents per presentation, and the members' own additions.
#include "ZelvC.h"

#include <algorithm>
#include <utility>

#include "host/core/ClassBuilder.h"
#include "host/stdctrls/Dialogs.h"

namespace zelvant {

using namespace host;

// ---------------------------------------------------------------------------
// The shared design

template <class Host>
TPageAware<Host>::TPageAware(TComponent* AOwner) : Host(AOwner) {
  // The owner is checked before the list exists: an owner that is no form raises here.
  TForm* form = AOwner ? As<TForm>(AOwner) : nullptr;
  FAposList = new TAposList;
  // A control made without an owner has no form to find a wizard on: it stays unbound.
  if (!form) return;
  for (TComponent* c : form->ComponentList()) {
    if (auto* z = dynamic_cast<TZelvant*>(c)) {
      FZelvant = z;
      break;
    }
  }
  if (!FZelvant) {
    MessageDlg("No Zelvant on Form!", mtError, {mbOK}, 0);
    return;
  }
  Watch(FZelvant);
  FAposList->SetNumApos(FZelvant->NumPages() + 1);
  const Integer r = FZelvant->RealPage();
  if (r >= 0 && r < FAposList->Count) FAposList->Record(r).Show = 1;
  FAktPage = r;
  FAktSerial = FZelvant->Placement().Serial();
}

template <class Host>
TPageAware<Host>::~TPageAware() {
  delete FAposList;
  FAposList = nullptr;
}

template <class Host>
void TPageAware<Host>::Watch(TComponent* c) {
  if (c && c != this) this->FreeNotification(c);
}

// The wizard and the parents named for the two presentations are references this
// control does not own: it forgets them when they are destroyed before it.
template <class Host>
void TPageAware<Host>::Notification(TComponent* AComponent, TOperation Operation) {
  Host::Notification(AComponent, Operation);
  if (Operation != opRemove) return;
  if (AComponent == FZelvant) FZelvant = nullptr;
  if (AComponent == FParentInDialog) FParentInDialog = nullptr;
  if (AComponent == FParentInWizard) FParentInWizard = nullptr;
}

template <class Host>
Integer TPageAware<Host>::AktPage() const {
  return FZelvant ? FZelvant->Placement().AktPageOf(FPlanSlot, this, FAktSerial, FAktPage) : FAktPage;
}

template <class Host>
void TPageAware<Host>::Planned(Integer slot, Integer aktPage, std::uint64_t serial) {
  FPlanSlot = slot;
  FAktPage = aktPage;
  FAktSerial = serial;
}

// Exactly the state SetNewPosition leaves on a page the control is hidden on, with no
// alignment of its own to take away (an alignment set from outside could not be seen).
template <class Host>
bool TPageAware<Host>::Parked() const {
  return !this->Visible() && !this->Enabled() && this->Left() == kParkedLeft && FAAlign == alNone;
}

template <class Host>
void TPageAware<Host>::ReportIfUnparked() {
  if (FZelvant && !Parked()) FZelvant->Placement().Unparked(FPlanSlot, this);
}

template <class Host>
void TPageAware<Host>::SetEnabled(bool Value) {
  Host::SetEnabled(Value);
  if (FRecordPos) ReportIfUnparked();
}

template <class Host>
void TPageAware<Host>::CMVisibleChanged(TMessage& Message) {
  Host::CMVisibleChanged(Message);
  if (FRecordPos) ReportIfUnparked();
}

template <class Host>
bool TPageAware<Host>::ShownOn(Integer page) const {
  return FAposList && page >= 0 && page < FAposList->Count && page < FAposList->List.Count() &&
         std::as_const(*FAposList).Record(page).Show == 1;
}

template <class Host>
void TPageAware<Host>::SetBounds(Integer ALeft, Integer ATop, Integer AWidth, Integer AHeight) {
  Host::SetBounds(ALeft, ATop, AWidth, AHeight);
  if (FRecordPos) ReportIfUnparked();
  // Moves while loading (stored bounds, alignment) are no designer's: the stored entries stand.
  if (!FRecordPos || this->ControlState().Contains(csCreating) || this->ComponentState().Contains(csLoading) ||
      !FZelvant || !FAposList)
    return;
  const Integer r = FZelvant->RealPage();
  if (r < 0 || r >= FAposList->List.Count() || r != AktPage()) return;
  const TAPos entry = FAposList->GetApos(r);
  FAposList->SetPlace(r, this->Left() != kParkedLeft ? this->Left() : entry.Left, this->Top());
}

template <class Host>
void TPageAware<Host>::SetNewPosition(Integer Page) {
  // A page the list does not hold (an unbound control the wizard never sized) hides it.
  TakePage(Page, ShownOn(Page) ? &std::as_const(*FAposList).Record(Page) : nullptr);
}

template <class Host>
void TPageAware<Host>::TakePage(Integer Page, const TAPos* shown) {
  FRecordPos = false;
  FAktPage = Page;
  FAktSerial = FZelvant ? FZelvant->Placement().Serial() : 0;
  if (shown) {
    const TAPos entry = *shown;
    TWinControl* wanted = Page == 0 ? FParentInDialog : FParentInWizard;
    if (wanted && wanted != this->Parent()) SetParent(wanted);
    if (entry.Left != this->Left()) this->SetLeft(entry.Left);
    if (entry.Top != this->Top()) this->SetTop(entry.Top);
    if (FAAlign != alNone && FAAlign != this->Align()) this->SetAlign(FAAlign);
    if (!this->Enabled()) this->SetEnabled(true);
    if (!this->Visible()) this->SetVisible(true);
  } else if (this->Visible() || this->Enabled() || this->Left() != kParkedLeft ||
             (FAAlign != alNone && this->Align() != alNone)) {
    // Not parked yet (a parked control, as most are on a page change, has nothing to do).
    if (FAAlign != alNone) this->SetAlign(alNone);
    this->SetVisible(false);
    this->SetEnabled(false);
    this->SetLeft(kParkedLeft);
  }
  FRecordPos = true;
  ReportIfUnparked();
}

template <class Host>
void TPageAware<Host>::SetNumApos(Integer Value) {
  FAposList->SetNumApos(Value);
}

template <class Host>
void TPageAware<Host>::SetParent(TWinControl* AParent) {
  Host::SetParent(AParent);
  if (!FZelvant || this->ComponentState().Contains(csDestroying)) return;
  if (FZelvant->DialogShown()) {
    FParentInDialog = AParent;
    if (!FParentInWizard) FParentInWizard = FZelvant;
  } else {
    FParentInWizard = AParent;
    if (!FParentInDialog) FParentInDialog = FZelvant;
  }
  Watch(AParent);
}

// While loading, the stored parent stands (the control's block names it) and the
// reference, nil included, is only remembered for the presentation it belongs to.
template <class Host>
bool TPageAware<Host>::StoreParentWhileLoading(TWinControl*& field, TWinControl* Value) {
  if (!this->ComponentState().Contains(csLoading)) return false;
  if (static_cast<const void*>(Value) != static_cast<const void*>(this)) {
    field = Value;
    Watch(Value);
  }
  return true;
}

template <class Host>
void TPageAware<Host>::SetParentInDialog(TWinControl* Value) {
  if (StoreParentWhileLoading(FParentInDialog, Value)) return;
  if (static_cast<const void*>(Value) == static_cast<const void*>(this) || !Value || Value == FParentInDialog || !FZelvant) return;
  Watch(Value);
  if (FZelvant->DialogShown()) SetParent(Value);
  else FParentInDialog = Value;
}

template <class Host>
void TPageAware<Host>::SetParentInWizard(TWinControl* Value) {
  if (StoreParentWhileLoading(FParentInWizard, Value)) return;
  if (static_cast<const void*>(Value) == static_cast<const void*>(this) || !Value || Value == FParentInWizard || !FZelvant) return;
  Watch(Value);
  if (!FZelvant->DialogShown()) SetParent(Value);
  else FParentInWizard = Value;
}

template <class Host>
void TPageAware<Host>::SetAAlign(TAlign Value) {
  FAAlign = Value;
  if (FZelvant && ShownOn(FZelvant->RealPage())) this->SetAlign(FAAlign);
  ReportIfUnparked();
}

template <class Host>
void TPageAware<Host>::ShowOn(std::initializer_list<Integer> Pages) {
  const Integer count = FZelvant ? std::min(FAposList->Count, FAposList->List.Count()) : 0;
  for (Integer page : Pages)
    if (page < 0 || page >= count)
      throw EListError("Page " + IntToStr(page) + " is outside 0 to " + IntToStr(count - 1) + " of " +
                       this->Name());
  TWinControl* parent = this->Parent();
  for (Integer page = 0; page < count; ++page) {
    TAPos& entry = FAposList->Record(page);
    entry.Show = std::find(Pages.begin(), Pages.end(), page) != Pages.end() ? 1 : 0;
    if (entry.Show != 1) continue;
    if (this->Left() != kParkedLeft) entry.Left = this->Left();
    entry.Top = this->Top();
    if (parent) (page == 0 ? FParentInDialog : FParentInWizard) = parent;
  }
  Watch(parent);
  SetNewPosition(FZelvant->RealPage());
}

template class TPageAware<TCustomControl>;
template class TPageAware<TGroupBox>;
template class TPageAware<TPanel>;
template class TPageAware<TPageControl>;
template class TPageAware<TImage>;
template class TPageAware<TBitBtn>;
template class TPageAware<TRadioButton>;

namespace {

// The members every page-aware control publishes, after those of its host class.
template <class T>
void PublishPageAware(TClassBuilder<T>& P) {
  // No parent for a presentation is stored as nil: loading would otherwise default it to the wizard.
  P.Property("ParentInDialog", &T::GetParentInDialog, &T::SetParentInDialog).StoreNil();
  P.Property("ParentInWizard", &T::GetParentInWizard, &T::SetParentInWizard).StoreNil();
  P.Property("ShowContainer", &T::ShowContainer);
  P.Property("Align", &TControl::Align, &TControl::SetAlign).SetDefault(alNone);
  P.Property("AAlign", &T::AAlign, &T::SetAAlign);
  P.Method("SetNewPosition", &T::SetNewPosition);
  P.Method("SetNumApos", &T::SetNumApos);
  P.Field("FZelvant", &T::FZelvant);
  P.Field("FAposList", &T::FAposList);
}

template <class T>
void PublishJump(TClassBuilder<T>& P) {
  PublishPageAware(P);
  P.Property("JumpPage", &T::JumpPage, &T::JumpPage);
  P.Property("JumpMode", &T::JumpMode, &T::JumpMode);
}

}  // namespace

// ---------------------------------------------------------------------------
// The members

HOST_PUBLISHED(TABox) {
  P.Property("TabOrder", &TWinControl::TabOrder, &TWinControl::SetTabOrder).SetDefault(-1);
  P.Property("Visible", &TControl::Visible, &TControl::SetVisible).SetDefault(true);
  PublishPageAware(P);
}

TABox::TABox(TComponent* AOwner) : TPageAware(AOwner) {
  SetControlStyle((ControlStyle() + TControlStyle{csAcceptsControls}) - TControlStyle{csOpaque});
  // An invisible container: children that follow their parent's colour must take the
  // colour that shows through it, not a window colour it never paints.
  SetParentColor(true);
  SetTabStop(false);
  SetTabOrder(0);
  FRecordPos = false;  // the default size is no move to record
  SetWidth(50);
  SetHeight(50);
  FRecordPos = true;
}

void TABox::Paint() {
  TCustomControl::Paint();
  if (!ComponentState().Contains(csDesigning)) return;
  TCanvas& c = Canvas();
  c.Pen().SetStyle(psDot);
  c.Pen().SetColor(clBlack);
  c.Brush().SetStyle(bsClear);
  c.Rectangle(0, 0, Width(), Height());
}

HOST_PUBLISHED(TAGroupBox) { PublishPageAware(P); }
TAGroupBox::TAGroupBox(TComponent* AOwner) : TPageAware(AOwner) { SetTabStop(false); }

HOST_PUBLISHED(TAPanel) { PublishPageAware(P); }

HOST_PUBLISHED(TAPageControl) { PublishPageAware(P); }
TAPageControl::TAPageControl(TComponent* AOwner) : TPageAware(AOwner) { SetTabStop(false); }

HOST_PUBLISHED(TAImage) { PublishPageAware(P); }

HOST_PUBLISHED(TAJumpBitBtn) { PublishJump(P); }

void TAJumpBitBtn::Click() {
  TBitBtn::Click();
  if (FZelvant) FZelvant->Jump(Target());
}

HOST_PUBLISHED(TAJumpRadioBtn) { PublishJump(P); }
TAJumpRadioBtn::TAJumpRadioBtn(TComponent* AOwner) : TJumpControl(AOwner) {
  const bool record = FRecordPos;
  FRecordPos = false;
  SetWidth(140);
  FRecordPos = record;
}

// ---------------------------------------------------------------------------
// TAForm

HOST_PUBLISHED(TAForm) {
  P.Property("FormCreate", &TAForm::FormCreate, &TAForm::FormCreate);
  P.Property("OnGetForm", &TAForm::OnGetForm);
  P.Property("OnFreeForm", &TAForm::OnFreeForm);
  P.Property("OnEnter", &TWinControl::OnEnter);
  P.Property("OnExit", &TWinControl::OnExit);
}

TAForm::TAForm(TComponent* AOwner) : TABox(AOwner) {}

TAForm::~TAForm() { FreeForm(); }

void TAForm::FreeForm() {
  if (!FForm) return;
  TForm* form = FForm;
  if (OnFreeForm) OnFreeForm(this, form);
  // The handler may have freed it already (then Notification cleared FForm).
  if (FForm == form) {
    FForm = nullptr;
    RemoveFreeNotification(form);
    delete form;
  }
}

void TAForm::Embed(bool hideFirst) {
  if (!FForm) return;
  FreeNotification(FForm);
  if (hideFirst) FForm->SetVisible(false);
  FForm->SetBorderStyle(bsNone);
  FForm->SetWindowState(wsMaximized);
  FForm->SetParent(this);
  FForm->SetVisible(true);
}

void TAForm::SetNewPosition(Integer Page) {
  if (ShownOn(Page)) {
    if (!FForm && OnGetForm) {
      FForm = OnGetForm();
      Embed(true);
    }
  } else if (FormCreate == fcOnDemandFree) {
    FreeForm();
  }
  TABox::SetNewPosition(Page);
}

void TAForm::Loaded() {
  TABox::Loaded();
  // A form obtained while the owner form was still being read is kept: asking again
  // would orphan it.
  if (FormCreate == fcOnCreate && !FForm && OnGetForm) {
    FForm = OnGetForm();
    Embed(false);
  }
}

void TAForm::SetName(const std::string& Value) {
  TABox::SetName(Value);
  Repaint();
}

void TAForm::Notification(TComponent* AComponent, TOperation Operation) {
  TABox::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == FForm) FForm = nullptr;
}

void TAForm::Paint() {
  TABox::Paint();
  if (!ComponentState().Contains(csDesigning)) return;
  TCanvas& c = Canvas();
  c.Pen().SetStyle(psSolid);
  c.Brush().SetStyle(bsClear);
  c.Rectangle(0, 0, Width(), Height());
  c.Font().Assign(Font());
  c.TextOut(Width() / 2 - c.TextWidth(Name()) / 2, Height() / 2 - c.TextHeight(Name()) / 2, Name());
}

}  // namespace zelvant
