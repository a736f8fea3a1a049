// TZelvant navigation: the one page change, the bar's click handlers, jumps, history,
// modal execution, arrow keys and design-time paging.
#include "ZelvA.h"

#include <algorithm>

#include "zelvant/ZelvC.h"

namespace zelvant {

using namespace host;

Integer TZelvant::GetRealPage(Integer APage) const {
  if (!FWayListEnabled || APage == 0) return APage;
  return FWayList->GetNumber(APage - 1);
}

Integer TZelvant::ShownPage(Integer position) const {
  if (!FWayListEnabled || position == 0) return position;
  return position >= 1 && position <= FWayList->List.Count() ? FWayList->GetNumber(position - 1) : -1;
}

void TZelvant::CheckPosition(Integer position, Integer realPage) const {
  if (realPage < -1 || realPage > FNumPages)
    throw EListError(position == realPage ? "Page " + IntToStr(realPage) + " is outside 0 to " + IntToStr(FNumPages)
                                          : "Way list position " + IntToStr(position) + " shows page " +
                                                IntToStr(realPage) + ", outside 0 to " + IntToStr(FNumPages));
}

void TZelvant::setPage(Integer Value) {
  Integer toPage = Value;
  const bool reading = ComponentState().Contains(csReading);
  FCanChange = true;
  if (OnCanPageChange && !reading) FCanChange = OnCanPageChange(this, FPage, toPage);
  if (FCanChange) {
    // A position the way list does not hold, or one showing a page that does not
    // exist, is refused before anything changes.
    if (FWayListEnabled && toPage > FWayList->Count)
      throw EListError("Way list position " + IntToStr(toPage) + " is outside 1 to " + IntToStr(FWayList->Count));
    const Integer r = FWayListEnabled && toPage > 0 ? FWayList->GetNumber(toPage - 1) : toPage;
    // A stored way-list row may show a page beyond a page count reduced after it was
    // chosen: what was saved loads; only new changes are held to the range.
    if (!reading) CheckPosition(toPage, r);
    if (r == -1) {
      if (TForm* form = Form()) form->SetModalResult(mrOk);
    } else {
      // The focus leaves a control the new page hides only when it reaches its target.
      IWindowHost* window = WindowHost();
      if (window) window->HoldFocus();
      try {
        ChangePage(toPage, r, reading);
      } catch (...) {
        if (window) window->ReleaseFocus();
        throw;
      }
      if (window) window->ReleaseFocus();
    }
  }
  if (ComponentState().Contains(csDesigning))
    if (TCustomForm* form = GetParentForm(this))
      if (IDesignerHook* designer = form->Designer()) designer->Modified();
}

void TZelvant::ChangePage(Integer toPage, Integer r, bool reading) {
  const Integer old = FPage;
  FPage = toPage;
  SetCaption();
  if (Owner()) {
    FTrackSize = false;
    if (r == 0 && old != 0) myresize(FDialogWidth, FDialogHeight);
    if (r != 0 && old == 0) myresize(FWizardWidth, FWizardHeight);
    FTrackSize = true;
    FPlacement.Announce(*Owner(), r);
  }
  FLayoutButtons = false;
  // While reading, the stored Back and Next states stand: they are what the last page
  // change made of the history, which is read only after the page.
  if (!reading) {
    FBtnBack->SetEnabled((UseHistory && FHistory->Count > 0) || (!UseHistory && FPage > 1));
    if (!FWayListEnabled)
      FBtnNext->SetEnabled(r != FNumPages);
    else if (FPage > 0)
      FBtnNext->SetEnabled(FWayList->GetGotoPage(FPage - 1) != gpFinish);
  }
  FLayoutButtons = true;
  ShowButtons();
  if (FStyle == asTabbed) painttabs();
  if ((FPage != old || FPage == 0) && OnPageChange && !reading) OnPageChange(this, FPage);
  if (!ComponentState().Contains(csDesigning) && FStyle == asWizard) FocusPage();
}

void TZelvant::FocusPage() {
  IWindowHost* window = WindowHost();
  if (!window || !CanFocus()) return;
  // The bar is not the page: Enter on a page without controls of its own goes on, so
  // the focus waits on the default button rather than on Change, Help or Cancel.
  const auto bar = BarButtons();
  TWinControl* target = FirstTabStop(
      [&bar](const TWinControl& c) { return std::find(bar.begin(), bar.end(), &c) != bar.end(); });
  if (!target) {
    target = FNextButton->Default() ? static_cast<TWinControl*>(FNextButton)
             : FOKButton->Default() ? static_cast<TWinControl*>(FOKButton)
                                    : nullptr;
    if (target && !target->CanFocus()) target = nullptr;
  }
  if (target) window->SetActiveControl(target);
}

Integer TZelvant::getjumppage() {
  Integer target = -1;
  if (TComponent* form = Owner()) {
    // A parked radio button is disabled: those the page change left parked need no look.
    std::vector<TComponent*>& candidates = FRadioCandidates;
    if (!FPlacement.RadiosThatMayBeEnabled(*form, candidates))
      for (TComponent* c : FJumpRadios.Get(form, [](const TComponent& owner, std::vector<TAJumpRadioBtn*>& found) {
             for (TComponent* c : owner.ComponentList())
               if (auto* radio = dynamic_cast<TAJumpRadioBtn*>(c)) found.push_back(radio);
           }))
        candidates.push_back(c);
    for (TComponent* c : candidates) {
      auto* radio = static_cast<TAJumpRadioBtn*>(c);
      if (radio->HeldInDesignMode() || !radio->Enabled() || !radio->Checked()) continue;
      target = radio->JumpMode == jmAbsolut ? radio->JumpPage : FPage + radio->JumpPage;
      if (target != -1) break;
    }
  }
  return target == -1 ? FPage + 1 : target;
}

void TZelvant::PushHistory(Integer position) { FHistory->Add(position); }

void TZelvant::Nextclick(TObject*) {
  const bool designing = ComponentState().Contains(csDesigning);
  if (designing) UpdateDesigner();
  const Integer cur = FPage;
  Integer t;
  if (FWayListEnabled && cur > 0) {
    const Integer g = FWayList->GetGotoPage(cur - 1);
    if (g == gpNext) {
      t = getjumppage();
    } else if (g == gpFinish) {
      t = -1;
    } else if (g == gpAsk) {
      t = cur + 1;
      if (OnAskPageChange) OnAskPageChange(this, cur, t);
    } else {
      t = g;
    }
  } else if (FWayListEnabled) {
    // The dialog page has no way-list row: go on as a "Next" row would.
    t = getjumppage();
  } else {
    t = cur < FNumPages ? getjumppage() : -1;
  }
  const bool pushed = t != cur && t != -1 && UseHistory;
  if (pushed) PushHistory(cur);
  try {
    setPage(t);
  } catch (...) {
    if (pushed) FHistory->Del(FHistory->Count - 1);
    throw;
  }
  if (!FCanChange && pushed) FHistory->Del(FHistory->Count - 1);
  if (designing) Deselect();
}

void TZelvant::Backclick(TObject*) {
  const bool designing = ComponentState().Contains(csDesigning);
  if (designing) UpdateDesigner();
  if (UseHistory) {
    if (FHistory->Count > 0) {
      const Integer p = FHistory->GetInteger(FHistory->Count - 1);
      FHistory->Del(FHistory->Count - 1);
      try {
        setPage(p);
      } catch (...) {
        PushHistory(p);
        throw;
      }
      if (!FCanChange || FPage != p) PushHistory(p);
    }
  } else if (FPage > 1) {
    setPage(FPage - 1);
  }
  if (designing) Deselect();
}

void TZelvant::Changeclick(TObject*) {
  const bool designing = ComponentState().Contains(csDesigning);
  if (designing) UpdateDesigner();
  if (FPage > 0) {
    FRememberedPage = FPage;
    setPage(0);
  } else if (RememberPage) {
    setPage(FRememberedPage);
  } else {
    FHistory->Clear();
    setPage(FStartPage);
  }
  if (designing) Deselect();
}

void TZelvant::OKClick(TObject*) { setPage(-1); }

void TZelvant::CancelClick(TObject*) {
  bool ok = true;
  if (OnCancelClick) ok = OnCancelClick(this, FPage);
  if (ok)
    if (TForm* form = Form()) form->SetModalResult(mrCancel);
}

void TZelvant::HelpClick(TObject*) {
  if (OnHelpClick) OnHelpClick(this, FPage);
  if (ComponentState().Contains(csDesigning)) Deselect();
}

void TZelvant::Jump(Integer APage) {
  const bool pushed = UseHistory;
  if (pushed) PushHistory(FPage);
  try {
    setPage(APage);
  } catch (...) {
    if (pushed) FHistory->Del(FHistory->Count - 1);
    throw;
  }
}

void TZelvant::JumpRel(Integer Delta) { Jump(FPage + Delta); }

void TZelvant::ClearHistory() {
  FHistory->Clear();
  FBtnBack->SetEnabled(false);
  ShowButtons();
}

Integer TZelvant::Execute(Integer APage) {
  setPage(APage);
  ClearHistory();
  TForm* form = Form();
  if (!form) return mrNone;
  form->ShowModal();
  return form->ModalResult();
}

void TZelvant::KeyDown(Word& Key, TShiftState Shift) {
  if (Key == VK_LEFT && FPage > 1) {
    setPage(FPage - 1);
    Key = 0;
  } else if (Key == VK_RIGHT && FPage < FNumPages) {
    setPage(FPage + 1);
    Key = 0;
  }
  if (Key != 0) TCustomControl::KeyDown(Key, Shift);
}

void TZelvant::WMGetDlgCode(TWMGetDlgCode& Message) { Message.Result = DLGC_WANTARROWS; }

void TZelvant::NextRightDown(TObject*, TMouseButton Button, TShiftState, Integer, Integer) {
  if (!ComponentState().Contains(csDesigning) || Button != mbRight) return;
  if (FPage < FNumPages) setPage(FPage + 1);
  UpdateDesigner();
}

void TZelvant::BackRightDown(TObject*, TMouseButton Button, TShiftState, Integer, Integer) {
  if (!ComponentState().Contains(csDesigning) || Button != mbRight) return;
  // Position -1 would finish the designed form: paging back stops at the dialog page.
  if (FPage > 0) setPage(FPage - 1);
  UpdateDesigner();
}

}  // namespace zelvant
