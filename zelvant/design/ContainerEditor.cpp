// The component editor of the wizard and the page-aware containers.
#include <vector>

#include "zelvant/ZelvC.h"
#include "zelvant/design/ZelvP.h"

namespace zelvant {

using namespace host;

Integer TContainerEditor::GetVerbCount() { return dynamic_cast<TZelvant*>(Component()) ? 4 : 1; }

std::string TContainerEditor::GetVerb(Integer Index) {
  auto* wizard = dynamic_cast<TZelvant*>(Component());
  switch (Index) {
    case 0: return "Insert covered controls";
    case 1: return wizard ? "Aktivate Jump controls" : "";
    case 2: return wizard ? "Disable Jump controls" : "";
    case 3:
      if (!wizard) return "";
      return wizard->Page() == 0 ? "Set size to Wizard size" : "Set size to Dialog size";
    default: return "";
  }
}

void TContainerEditor::ExecuteVerb(Integer Index) {
  switch (Index) {
    case 0: InsertCoveredControls(); break;
    case 1: SetJumpMode(false); break;
    case 2: SetJumpMode(true); break;
    case 3: SetOtherPresentationSize(); break;
    default: break;
  }
}

void TContainerEditor::Modified() {
  if (IDesigner* designer = Designer()) designer->Modified();
}

// The controls lying wholly within the container (edges included) beside it in its own
// parent move into it, keeping their place on the screen. Candidates and container are
// compared in that one parent's coordinates, whether the parent is the form, the wizard
// or another container; the wizard's own bar buttons belong to the wizard, not the form,
// and are never candidates.
void TContainerEditor::InsertCoveredControls() {
  auto* container = dynamic_cast<TWinControl*>(Component());
  TComponent* form = Component()->Owner();
  TWinControl* parent = container ? container->Parent() : nullptr;
  if (!parent || !form) return;
  const Integer L = container->Left(), T = container->Top(), W = container->Width(), H = container->Height();
  std::vector<TControl*> covered;
  for (TComponent* c : form->ComponentList()) {
    auto* x = dynamic_cast<TControl*>(c);
    if (!x || x == container || x->Parent() != parent) continue;
    if (x->Left() >= L && x->Top() >= T && x->Left() + x->Width() <= L + W && x->Top() + x->Height() <= T + H)
      covered.push_back(x);
  }
  for (TControl* x : covered) {
    x->SetParent(container);
    x->SetTop(x->Top() - T);
    x->SetLeft(x->Left() - L);
  }
  if (!covered.empty()) Modified();
}

// Jump controls are not stored in their mode, so the form does not change.
void TContainerEditor::SetJumpMode(bool designMode) {
  TComponent* form = Component()->Owner();
  if (!form) return;
  for (TComponent* c : form->ComponentList()) {
    if (auto* button = dynamic_cast<TAJumpBitBtn*>(c)) button->SetButtonMode(designMode);
    else if (auto* radio = dynamic_cast<TAJumpRadioBtn*>(c)) radio->SetButtonMode(designMode);
  }
}

// The wizard's owner form takes the size stored for the presentation not shown; the
// wizard's own size tracking then records it as for any resize.
void TContainerEditor::SetOtherPresentationSize() {
  auto* wizard = dynamic_cast<TZelvant*>(Component());
  if (!wizard) return;
  TForm* form = As<TForm>(wizard->Owner());
  if (!form) return;
  if (wizard->Page() == 0) {
    form->SetWidth(wizard->WizardWidth());
    form->SetHeight(wizard->WizardHeight());
  } else {
    form->SetWidth(wizard->DialogWidth());
    form->SetHeight(wizard->DialogHeight());
  }
  Modified();
}

}  // namespace zelvant
