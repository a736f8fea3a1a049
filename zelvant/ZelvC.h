// Page-aware controls: each remembers per real page whether it is shown and where,
// and places, shows or hides itself when the wizard announces a page. The jump
// controls steer navigation; TAForm embeds a form supplied by the application.
#pragma once

#include <initializer_list>
#include <string>

#include "host/stdctrls/Buttons.h"
#include "host/stdctrls/ComCtrls.h"
#include "host/stdctrls/ExtCtrls.h"
#include "host/forms/Forms.h"
#include "host/stdctrls/StdCtrls.h"
#include "zelvant/ZelvA.h"
#include "zelvant/ZelvL.h"

namespace zelvant {

/// How a jump control's JumpPage is read: as a position, or relative to the one shown.
HOST_ENUM(TJumpMode, jmAbsolut, jmRelativ)
/// When TAForm asks for its form: at once, when first shown, or each time shown (freeing it when left).
HOST_ENUM(TFormCreate, fcOnCreate, fcOnDemand, fcOnDemandFree)

/// Left of a control hidden on the page shown.
constexpr Integer kParkedLeft = 20000;

/// The design every page-aware control shares, added on top of its host class: per real
/// page shown or hidden and where, parents per presentation, binding to the form's wizard.
template <class Host>
class TPageAware : public Host, public IPagePlaced {
 public:
  /// The host class stands for this layer in the class information.
  using inherited = Host;

  /// Creates the control and binds it to its form's wizard.
  explicit TPageAware(host::TComponent* AOwner);
  /// Frees the position list.
  ~TPageAware() override;

  /// Moves and sizes the control, recording the place for the page shown.
  void SetBounds(Integer ALeft, Integer ATop, Integer AWidth, Integer AHeight) override;
  /// Changes the parent, recording it for the presentation shown.
  void SetParent(host::TWinControl* AParent) override;
  /// Shows the control at its place for real page Page, or hides it there.
  virtual void SetNewPosition(Integer Page);
  /// SetNewPosition with the entry of Page already read: shown, or nullptr for hidden.
  void TakePage(Integer Page, const TAPos* shown) override;
  /// Sizes the position list for Value wizard pages.
  void SetNumApos(Integer Value);

  /// Parent on the dialog page.
  host::TWinControl* GetParentInDialog() const { return FParentInDialog; }
  /// Sets the parent on the dialog page.
  void SetParentInDialog(host::TWinControl* Value);
  /// Parent on the wizard pages.
  host::TWinControl* GetParentInWizard() const { return FParentInWizard; }
  /// Sets the parent on the wizard pages.
  void SetParentInWizard(host::TWinControl* Value);
  /// Alignment applied where the control is shown.
  host::TAlign AAlign() const { return FAAlign; }
  /// Sets the alignment applied where the control is shown.
  void SetAAlign(host::TAlign Value);
  /// Shows the control on exactly these real pages and hides it on all others, placed as
  /// it stands now: each listed page takes its Left and Top, and its parent becomes the
  /// parent on the dialog page (when 0 is listed) and on the wizard pages (when another
  /// page is). The control then takes the state of the page shown. A page outside 0 to
  /// NumPages, or a control bound to no wizard, raises EListError and changes nothing.
  void ShowOn(std::initializer_list<Integer> Pages);
  /// True when the control is shown on real page Page.
  bool ShownOn(Integer Page) const;
  /// Per real page: shown or not, and where.
  TAposList* ShowContainer() const override { return FAposList; }
  /// The wizard the control is bound to, or nullptr.
  TZelvant* Zelvant() const override { return FZelvant; }
  /// The real page the control last took its state from (a page change that found it
  /// hidden and parked there, and so left it alone, counts as taken).
  Integer AktPage() const override;
  /// Hidden, disabled, at the parking place, and no alignment to take away.
  bool Parked() const override;
  /// Enables or disables the control.
  void SetEnabled(bool Value) override;

  /// @cond INTERNAL
 protected:
  void Notification(host::TComponent* AComponent, host::TOperation Operation) override;
  void CMVisibleChanged(host::TMessage& Message) override;
  void Planned(Integer slot, Integer aktPage, std::uint64_t serial) override;

  host::TWinControl* FParentInDialog = nullptr;
  host::TWinControl* FParentInWizard = nullptr;
  bool FRecordPos = true;
  host::TAlign FAAlign = host::alNone;
  Integer FAktPage = 0;
  std::uint64_t FAktSerial = 0;  // the wizard's page-change count when FAktPage was taken
  Integer FPlanSlot = -1;        // where the wizard's plan lists the control

  /// @endcond
 public:
  /// The wizard (published field, found by name by the design-time editors).
  TZelvant* FZelvant = nullptr;
  /// The position list (published field, found by name by the design-time editors).
  TAposList* FAposList = nullptr;

 private:
  void Watch(host::TComponent* c);
  // Tells the wizard, when the control may no longer be parked, to call it on the next page change.
  void ReportIfUnparked();
  bool StoreParentWhileLoading(host::TWinControl*& field, host::TWinControl* Value);
};

/// A page-aware plain container.
class TABox : public TPageAware<host::TCustomControl> {
  HOST_CLASS(TABox, host::TCustomControl)
  /// Creates the box.
  explicit TABox(host::TComponent* AOwner);

  /// @cond INTERNAL
 protected:
  void Paint() override;
  /// @endcond
};

/// A page-aware group box.
class TAGroupBox : public TPageAware<host::TGroupBox> {
  HOST_CLASS(TAGroupBox, host::TGroupBox)
  /// Creates the group box.
  explicit TAGroupBox(host::TComponent* AOwner);
};

/// A page-aware panel.
class TAPanel : public TPageAware<host::TPanel> {
  HOST_CLASS(TAPanel, host::TPanel)
  using TPageAware::TPageAware;
};

/// A page-aware page control.
class TAPageControl : public TPageAware<host::TPageControl> {
  HOST_CLASS(TAPageControl, host::TPageControl)
  /// Creates the page control.
  explicit TAPageControl(host::TComponent* AOwner);
};

/// A page-aware image.
class TAImage : public TPageAware<host::TImage> {
  HOST_CLASS(TAImage, host::TImage)
  using TPageAware::TPageAware;
};

/// The part both jump controls add: a target and the switch that makes them usable
/// while their form is designed.
template <class Host>
class TJumpControl : public TPageAware<Host> {
 public:
  /// The host class stands for this layer in the class information.
  using inherited = Host;
  using TPageAware<Host>::TPageAware;
  /// The position jumped to (or the distance, with jmRelativ).
  Integer JumpPage = 0;
  /// How JumpPage is read.
  TJumpMode JumpMode = jmAbsolut;
  /// True while the control is held in the designer's design state.
  bool ButtonMode() const { return FButtonMode; }
  /// False makes the control act at design time as at run time; True returns it.
  void SetButtonMode(bool Value) {
    FButtonMode = Value;
    this->SetDesigning(Value);
  }
  /// Held in the designer's design state, so that it neither acts nor counts.
  bool HeldInDesignMode() const { return FButtonMode && this->ComponentState().Contains(host::csDesigning); }
  /// The position this control leads to, or -1 when it is not bound.
  Integer Target() const {
    if (!this->FZelvant) return -1;
    return JumpMode == jmAbsolut ? JumpPage : this->FZelvant->Page() + JumpPage;
  }

 private:
  bool FButtonMode = true;
};

/// A page-aware button that jumps to its target when clicked.
class TAJumpBitBtn : public TJumpControl<host::TBitBtn> {
  HOST_CLASS(TAJumpBitBtn, host::TBitBtn)
  using TJumpControl::TJumpControl;
  /// Jumps to the target.
  void Click() override;
};

/// A page-aware radio button: when checked, Next goes to its target.
class TAJumpRadioBtn : public TJumpControl<host::TRadioButton> {
  HOST_CLASS(TAJumpRadioBtn, host::TRadioButton)
  /// Creates the radio button.
  explicit TAJumpRadioBtn(host::TComponent* AOwner);
};

class TAForm;
/// Returns the form to embed (the container frees it later), or nullptr.
using TGetFormEvent = host::TEvent<host::TForm*()>;
/// Told when the container lets go of its form, before freeing it.
using TFreeFormEvent = host::TEvent<void(TAForm* sender, host::TForm* form)>;

/// A page-aware box that embeds a form the application supplies.
class TAForm : public TABox {
  HOST_CLASS(TAForm, TABox)
  /// Creates the container.
  explicit TAForm(host::TComponent* AOwner);
  /// Frees the form held.
  ~TAForm() override;

  /// Obtains, shows or frees the form as FormCreate says, then places the container.
  void SetNewPosition(Integer Page) override;
  /// Renames the container and repaints its design-time label.
  void SetName(const std::string& Value) override;
  /// The embedded form, or nullptr.
  host::TForm* Form() const { return FForm; }

  /// Supplies the form to embed.
  TGetFormEvent OnGetForm;
  /// Told before the container frees its form.
  TFreeFormEvent OnFreeForm;
  /// When the form is asked for.
  TFormCreate FormCreate = fcOnCreate;

  /// @cond INTERNAL
 protected:
  void Loaded() override;
  void Paint() override;
  void Notification(host::TComponent* AComponent, host::TOperation Operation) override;

  /// @endcond
 private:
  void Embed(bool hideFirst);
  void FreeForm();
  host::TForm* FForm = nullptr;
};

}  // namespace zelvant
