// TZelvant: construction, loading, page count, page names and caption.
#include "ZelvA.h"

#include <algorithm>

#include "host/core/ClassBuilder.h"

namespace zelvant {

using namespace host;

HOST_PUBLISHED(TDesignButton) {}

HOST_PUBLISHED(TZelvant) {
  P.Property("NumPages", &TZelvant::NumPages, &TZelvant::SetNumPages);
  P.Property("OnPageChange", &TZelvant::OnPageChange);
  P.Property("OnCanPageChange", &TZelvant::OnCanPageChange);
  P.Property("OnHelpClick", &TZelvant::OnHelpClick);
  P.Property("OnAskPageChange", &TZelvant::OnAskPageChange);
  P.Property("OnCancelClick", &TZelvant::OnCancelClick);
  P.Property("CaptionDialog", &TZelvant::CaptionDialog, &TZelvant::SetCaptionDialog);
  P.Property("CaptionWizard", &TZelvant::CaptionWizard, &TZelvant::SetCaptionWizard);
  P.Property("ButtonWidth", &TZelvant::ButtonWidth, &TZelvant::SetButtonWidth);
  P.Property("ButtonHeight", &TZelvant::ButtonHeight, &TZelvant::SetButtonHeight);
  P.Property("ShowGlyph", &TZelvant::ShowGlyph, &TZelvant::setshowglyph);
  P.Property("RememberPage", &TZelvant::RememberPage, &TZelvant::RememberPage);
  P.Property("PageNames", &TZelvant::PageNames, &TZelvant::setpagenames);
  P.Property("BtnHelp", &TZelvant::BtnHelp);
  P.Property("BtnWizardOK", &TZelvant::BtnWizardOK);
  P.Property("BtnFinish", &TZelvant::BtnFinish);
  P.Property("BtnDialogOK", &TZelvant::BtnDialogOK);
  P.Property("BtnChangeWizard", &TZelvant::BtnChangeWizard);
  P.Property("BtnChangeDialog", &TZelvant::BtnChangeDialog);
  P.Property("BtnCancel", &TZelvant::BtnCancel);
  P.Property("BtnNext", &TZelvant::BtnNext);
  P.Property("BtnBack", &TZelvant::BtnBack);
  P.Property("WayList", &TZelvant::WayList);
  P.Property("WayListEnabled", &TZelvant::WayListEnabled, &TZelvant::SetWayListEnabled);
  P.Property("StartPage", &TZelvant::StartPage, &TZelvant::SetStartPage);
  P.Property("ShowPageNames", &TZelvant::ShowPageNames, &TZelvant::setshowpagenames);
  P.Property("BLWizard", &TZelvant::BLWizard);
  P.Property("BLDialog", &TZelvant::BLDialog);
  P.Property("Font", &TControl::Font, &TControl::SetFont);
  P.Property("ButtonStyle", &TZelvant::ButtonStyle, &TZelvant::SetButtonStyle);
  P.Property("Align", &TControl::Align, &TControl::SetAlign).SetDefault(alClient);
  P.Property("Page", &TZelvant::Page, &TZelvant::setPage);
  P.Property("Seperator", &TZelvant::Seperator, &TZelvant::SetSeparator);
  P.Property("SetFormProperties", &TZelvant::SetFormProperties, &TZelvant::SetFormProperties);
  P.Property("UseHistory", &TZelvant::UseHistory, &TZelvant::UseHistory);
  P.Property("SetFormCaption", &TZelvant::SetFormCaption, &TZelvant::SetFormCaption);
  P.Property("Style", &TZelvant::Style, &TZelvant::SetStyle);
  P.Property("TabSpaceX", &TZelvant::TabSpaceX, &TZelvant::SetTabSpaceX);
  P.Property("TabSpaceY", &TZelvant::TabSpaceY, &TZelvant::SetTabSpaceY);
  P.Property("TabStop", &TWinControl::TabStop, &TWinControl::SetTabStop).SetDefault(false);
  P.Property("TabOrder", &TWinControl::TabOrder, &TWinControl::SetTabOrder).SetDefault(-1);
}

namespace {

// A caption format that does not take two integers is shown as it stands rather than
// failing in the middle of a page change.
std::string WizardCaption(const std::string& format, Integer page, Integer numPages) {
  try {
    return Format(format, {static_cast<long long>(page), static_cast<long long>(numPages)});
  } catch (const EConvertError&) {
    return format;
  }
}

}  // namespace

TZelvant::TZelvant(TComponent* AOwner) : TCustomControl(AOwner) {
  FLayoutButtons = false;
  SetControlStyle(ControlStyle() + TControlStyle{csAcceptsControls});
  SetAlign(alClient);
  SetTabStop(false);
  // The wizard paints in its form's colour; controls on it that follow their parent's
  // colour must see the same.
  SetParentColor(true);

  auto makeButton = [this](auto* button, const char* name, void (TZelvant::*click)(TObject*), bool clickable) {
    button->SetName(name);
    button->SetParent(this);
    button->SetTag(-1);
    button->OnClick = TNotifyEvent(this, click);
    if (clickable) button->SetDesigning(false);
    return button;
  };
  FChangeButton = makeButton(new TDesignButton(this), "ChangeButton", &TZelvant::Changeclick, true);
  FHelpButton = makeButton(new TDesignButton(this), "HelpButton", &TZelvant::HelpClick, true);
  FCancelButton = makeButton(new TBitBtn(this), "CancelButton", &TZelvant::CancelClick, false);
  FCancelButton->SetCancel(true);
  FBackButton = makeButton(new TDesignButton(this), "BackButton", &TZelvant::Backclick, true);
  FBackButton->OnMouseUp = TMouseEvent(this, &TZelvant::BackRightDown);
  FNextButton = makeButton(new TDesignButton(this), "NextButton", &TZelvant::Nextclick, true);
  FNextButton->SetEnabled(true);
  FNextButton->OnMouseUp = TMouseEvent(this, &TZelvant::NextRightDown);
  FOKButton = makeButton(new TBitBtn(this), "OKButton", &TZelvant::OKClick, false);
  for (TBitBtn* b : BarButtons()) b->SetWidth(90);

  FBtnHelp = std::make_unique<TButtonData>(this);
  FBtnWizardOK = std::make_unique<TButtonData>(this);
  FBtnFinish = std::make_unique<TButtonData>(this);
  FBtnDialogOK = std::make_unique<TButtonData>(this);
  FBtnChangeWizard = std::make_unique<TButtonData>(this);
  FBtnChangeDialog = std::make_unique<TButtonData>(this);
  FBtnCancel = std::make_unique<TButtonData>(this);
  FBtnNext = std::make_unique<TButtonData>(this);
  FBtnBack = std::make_unique<TButtonData>(this);

  if (ComponentState().Contains(csDesigning)) ReadLanguageFile();

  SetFormProperties = true;
  FPageNames = std::make_unique<TStringList>(std::initializer_list<std::string>{"Dialog"});
  FWayList = std::make_unique<TPageList>();
  FWayListEnabled = false;
  FShowPageNames = false;
  UseHistory = true;
  SetFormCaption = true;
  FTabSpaceX = 16;
  FTabSpaceY = 8;
  FHistory = std::make_unique<TIntegerList>();
  FStartPage = 1;
  FBLWizard = std::make_unique<TIntegerList>(std::initializer_list<Integer>{1, 2, 8, 3, 4, 5, 6});
  FBLDialog = std::make_unique<TIntegerList>(std::initializer_list<Integer>{1, 2, 8, 3, 6});

  if (TForm* form = Form()) {
    FDialogWidth = FWizardWidth = form->Width();
    FDialogHeight = FWizardHeight = form->Height();
  }
  SetNumPages(2);
  SetButtonWidth(90);
  SetButtonHeight(FOKButton->Height());
  SetCaption();
  if (ComponentState().Contains(csDesigning)) FLayoutButtons = true;
}

TZelvant::~TZelvant() {
  FPageNames.reset();
  FWayList.reset();
  FHistory.reset();
  FBtnHelp.reset();
  FBtnWizardOK.reset();
  FBtnFinish.reset();
  FBtnDialogOK.reset();
  FBtnChangeWizard.reset();
  FBtnChangeDialog.reset();
  FBtnCancel.reset();
  FBtnNext.reset();
  FBtnBack.reset();
  FBLWizard.reset();
  FBLDialog.reset();
  FTabLines.reset();
}

TForm* TZelvant::Form() const { return As<TForm>(Owner()); }

// The wizard, or the form it is being created on, is being read from a form file.
bool TZelvant::FormLoading() const {
  return ComponentState().Contains(csLoading) || (Owner() && Owner()->ComponentState().Contains(csLoading));
}

void TZelvant::Loaded() {
  if (SetFormProperties) {
    if (TForm* form = Form()) {
      form->SetPosition(poScreenCenter);
      form->SetBorderStyle(bsDialog);
      form->SetScaled(false);
    }
  }
  TCustomControl::Loaded();
}

void TZelvant::Notification(TComponent* AComponent, TOperation Operation) {
  TCustomControl::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent) FPlacement.Leaving(*AComponent);
}

void TZelvant::CallOnComponents(TMethodListeners<AMethod1>& method, Integer value) {
  if (TComponent* form = Owner()) method.CallLastFirst(*form, value);
}

void TZelvant::SetNumPages(Integer Value) {
  if (Value > 0) {
    if (Value > FNumPages) {
      for (Integer p = FNumPages + 1; p <= Value; ++p) FPageNames->Add("Page " + IntToStr(p));
    } else {
      // Names edited beyond the count may already be gone: never delete past the list.
      for (Integer i = std::min(FNumPages, FPageNames->Count() - 1); i >= Value + 1; --i) FPageNames->Delete(i);
    }
    CallOnComponents(FSetNumApos, Value + 1);
    FNumPages = Value;
    if (FPage != 0) {
      SetCaption();
      ShowButtons();
    }
    if (FWayListEnabled) {
      if (FPage > FWayList->Count) setPage(FWayList->Count);
    } else if (FPage > FNumPages) {
      setPage(FNumPages);
    }
  }
  if (FStyle == asTabbed) {
    inittabsinline();
    Repaint();
  }
}

void TZelvant::setpagenames(TStringList* Value) {
  if (Value && Value != FPageNames.get()) FPageNames->Assign(Value);
}

void TZelvant::SetCaption() {
  // While loading, the form's stored caption stands; the next page change writes it.
  if (!SetFormCaption || FormLoading()) return;
  TForm* form = Form();
  if (!form) return;
  const Integer r = RealPage();
  std::string text;
  if (FShowPageNames)
    text = r >= 0 && r < FPageNames->Count() ? FPageNames->Get(r) : std::string();
  else if (r != 0)
    text = WizardCaption(FCaptionWizard, FPage, FNumPages);
  else
    text = FCaptionDialog;
  form->SetCaption(text);
}

void TZelvant::SetCaptionWizard(const std::string& Value) {
  FCaptionWizard = Value;
  SetCaption();
}

void TZelvant::SetCaptionDialog(const std::string& Value) {
  FCaptionDialog = Value;
  if (FPage == 0 && !FormLoading())
    if (TForm* form = Form()) form->SetCaption(Value);
}

void TZelvant::SetStartPage(Integer Value) {
  FStartPage = Value;
  if (FHistory->Count == 0 || !UseHistory) FRememberedPage = Value;
}

void TZelvant::SetWayListEnabled(bool Value) {
  FWayListEnabled = Value;
  zelvupdate();
}

void TZelvant::setshowpagenames(bool Value) {
  FShowPageNames = Value;
  SetCaption();
}

void TZelvant::SetSeparator(bool Value) {
  if (Value == FSeperator) return;
  FSeperator = Value;
  Invalidate();
}

void TZelvant::zelvupdate() {
  if (FStyle == asTabbed) inittabsinline();
  // An editor may have taken away the position shown, or the page its way-list row
  // shows: take the nearest position that can be shown.
  setPage(NearestShownPosition(FPage));
  Repaint();
}

Integer TZelvant::NearestShownPosition(Integer position) const {
  if (!FWayListEnabled) return std::clamp<Integer>(position, 0, FNumPages);
  const Integer last = std::min(FWayList->Count, FWayList->List.Count());
  auto shows = [&](Integer p) {
    if (p == 0) return true;
    if (p < 1 || p > last) return false;
    const Integer r = FWayList->GetNumber(p - 1);
    return r >= 0 && r <= FNumPages;
  };
  position = std::clamp<Integer>(position, 0, last);
  for (Integer d = 0; d <= last; ++d) {
    if (shows(position - d)) return position - d;
    if (shows(position + d)) return position + d;
  }
  return 0;
}

}  // namespace zelvant
