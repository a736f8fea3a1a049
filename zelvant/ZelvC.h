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

HOST_ENUM(TJumpMode, jmAbsolut, jmRelativ)
HOST_ENUM(TFormCreate, fcOnCreate, fcOnDemand, fcOnDemandFree)

constexpr Integer kParkedLeft = 20000;  // Left of a control hidden on the page shown

// The design every page-aware control shares, added on top of its host class.
template <class Host>
class TPageAware : public Host {
 public:
  // The host class stands for this layer in the class information.
  using inherited = Host;

  explicit TPageAware(host::TComponent* AOwner);
  ~TPageAware() override;

  void SetBounds(Integer ALeft, Integer ATop, Integer AWidth, Integer AHeight) override;
  void SetParent(host::TWinControl* AParent) override;
  virtual void SetNewPosition(Integer Page);
  void SetNumApos(Integer Value);

  host::TWinControl* GetParentInDialog() const { return FParentInDialog; }
  void SetParentInDialog(host::TWinControl* Value);
  host::TWinControl* GetParentInWizard() const { return FParentInWizard; }
  void SetParentInWizard(host::TWinControl* Value);
  host::TAlign AAlign() const { return FAAlign; }
  void SetAAlign(host::TAlign Value);
  /// Shows the control on exactly these real pages and hides it on all others, placed as
  /// it stands now: each listed page takes its Left and Top, and its parent becomes the
  /// parent on the dialog page (when 0 is listed) and on the wizard pages (when another
  /// page is). The control then takes the state of the page shown. A page outside 0 to
  /// NumPages, or a control bound to no wizard, raises EListError and changes nothing.
  void ShowOn(std::initializer_list<Integer> Pages);
  /// True when the control is shown on real page Page.
  bool ShownOn(Integer Page) const;
  TAposList* ShowContainer() const { return FAposList; }
  TZelvant* Zelvant() const { return FZelvant; }
  Integer AktPage() const { return FAktPage; }

 protected:
  void Notification(host::TComponent* AComponent, host::TOperation Operation) override;

  host::TWinControl* FParentInDialog = nullptr;
  host::TWinControl* FParentInWizard = nullptr;
  bool FRecordPos = true;
  host::TAlign FAAlign = host::alNone;
  Integer FAktPage = 0;

 public:
  // Published fields, found by name by the design-time editors.
  TZelvant* FZelvant = nullptr;
  TAposList* FAposList = nullptr;

 private:
  void Watch(host::TComponent* c);
  bool StoreParentWhileLoading(host::TWinControl*& field, host::TWinControl* Value);
};

class TABox : public TPageAware<host::TCustomControl> {
  HOST_CLASS(TABox, host::TCustomControl)
  explicit TABox(host::TComponent* AOwner);

 protected:
  void Paint() override;
};

class TAGroupBox : public TPageAware<host::TGroupBox> {
  HOST_CLASS(TAGroupBox, host::TGroupBox)
  explicit TAGroupBox(host::TComponent* AOwner);
};

class TAPanel : public TPageAware<host::TPanel> {
  HOST_CLASS(TAPanel, host::TPanel)
  using TPageAware::TPageAware;
};

class TAPageControl : public TPageAware<host::TPageControl> {
  HOST_CLASS(TAPageControl, host::TPageControl)
  explicit TAPageControl(host::TComponent* AOwner);
};

class TAImage : public TPageAware<host::TImage> {
  HOST_CLASS(TAImage, host::TImage)
  using TPageAware::TPageAware;
};

// The part both jump controls add: a target and the switch that makes them usable
// while their form is designed.
template <class Host>
class TJumpControl : public TPageAware<Host> {
 public:
  using inherited = Host;
  using TPageAware<Host>::TPageAware;
  Integer JumpPage = 0;
  TJumpMode JumpMode = jmAbsolut;
  bool ButtonMode() const { return FButtonMode; }
  // False makes the control act at design time as at run time; True returns it.
  void SetButtonMode(bool Value) {
    FButtonMode = Value;
    this->SetDesigning(Value);
  }
  // Held in the designer's design state, so that it neither acts nor counts.
  bool HeldInDesignMode() const { return FButtonMode && this->ComponentState().Contains(host::csDesigning); }
  // The position this control leads to, or -1 when it is not bound.
  Integer Target() const {
    if (!this->FZelvant) return -1;
    return JumpMode == jmAbsolut ? JumpPage : this->FZelvant->Page() + JumpPage;
  }

 private:
  bool FButtonMode = true;
};

class TAJumpBitBtn : public TJumpControl<host::TBitBtn> {
  HOST_CLASS(TAJumpBitBtn, host::TBitBtn)
  using TJumpControl::TJumpControl;
  void Click() override;
};

class TAJumpRadioBtn : public TJumpControl<host::TRadioButton> {
  HOST_CLASS(TAJumpRadioBtn, host::TRadioButton)
  explicit TAJumpRadioBtn(host::TComponent* AOwner);
};

class TAForm;
// Returns the form to embed (the container frees it later), or nullptr.
using TGetFormEvent = host::TEvent<host::TForm*()>;
using TFreeFormEvent = host::TEvent<void(TAForm* sender, host::TForm* form)>;

class TAForm : public TABox {
  HOST_CLASS(TAForm, TABox)
  explicit TAForm(host::TComponent* AOwner);
  ~TAForm() override;

  void SetNewPosition(Integer Page) override;
  void SetName(const std::string& Value) override;
  host::TForm* Form() const { return FForm; }

  TGetFormEvent OnGetForm;
  TFreeFormEvent OnFreeForm;
  TFormCreate FormCreate = fcOnCreate;

 protected:
  void Loaded() override;
  void Paint() override;
  void Notification(host::TComponent* AComponent, host::TOperation Operation) override;

 private:
  void Embed(bool hideFirst);
  void FreeForm();
  host::TForm* FForm = nullptr;
};

}  // namespace zelvant
