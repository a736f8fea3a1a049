// TApplication (the input loop over the backend) and TScreen (the forms and which is active).
#include <algorithm>

#include "host/forms/Backend.h"
#include "host/core/ClassBuilder.h"
#include "host/forms/Forms.h"
#include "host/core/Lists.h"

namespace host {

HOST_PUBLISHED(TScreen) {}
HOST_PUBLISHED(TApplication) {}

TScreen* Screen = new TScreen(nullptr);
TApplication* Application = new TApplication(nullptr);

namespace {

// Frees the two globals at exit, the application (and the forms it owns) first.
struct TGlobalsCleanup {
  ~TGlobalsCleanup() {
    delete Application;
    Application = nullptr;
    delete Screen;
    Screen = nullptr;
  }
} globalsCleanup;

}  // namespace

TScreen::TScreen(TComponent* owner) : TComponent(owner) {}

Integer TScreen::Width() const { return Application ? Application->Backend().ScreenSize().X : 1024; }
Integer TScreen::Height() const { return Application ? Application->Backend().ScreenSize().Y : 768; }

TWinControl* TScreen::ActiveControl() const {
  TCustomForm* f = ActiveForm();
  return f ? f->ActiveControl() : nullptr;
}

TCustomForm* TScreen::Forms(Integer index) const {
  if (index < 0 || index >= FormCount()) ListIndexError(index);
  return forms_[static_cast<size_t>(index)];
}

void TScreen::AddForm(TCustomForm* form) { forms_.push_back(form); }

void TScreen::RemoveForm(TCustomForm* form) {
  forms_.erase(std::remove(forms_.begin(), forms_.end(), form), forms_.end());
  const bool wasActive = ActiveForm() == form;
  active_.erase(std::remove(active_.begin(), active_.end(), form), active_.end());
  if (wasActive && ActiveForm()) ActiveForm()->SetActive(true);
}

void TScreen::Activate(TCustomForm* form) {
  if (ActiveForm() == form) {
    form->SetActive(true);
    return;
  }
  if (TCustomForm* old = ActiveForm()) old->SetActive(false);
  active_.erase(std::remove(active_.begin(), active_.end(), form), active_.end());
  active_.push_back(form);
  form->SetActive(true);
}

void TScreen::Deactivate(TCustomForm* form) {
  const bool wasActive = ActiveForm() == form;
  active_.erase(std::remove(active_.begin(), active_.end(), form), active_.end());
  form->SetActive(false);
  if (wasActive && ActiveForm()) ActiveForm()->SetActive(true);
}

TApplication::TApplication(TComponent* owner)
    : TComponent(owner), backend_(std::make_unique<THeadlessBackend>()) {}

TApplication::~TApplication() {
  Destroying();
  DestroyComponents();
}

void TApplication::SetBackend(std::unique_ptr<TBackend> backend) {
  backend_ = backend ? std::move(backend) : std::make_unique<THeadlessBackend>();
}

THeadlessBackend* TApplication::Headless() const { return dynamic_cast<THeadlessBackend*>(backend_.get()); }

std::string TApplication::ExeName() const { return ProgramPath(); }

namespace {

// Finds a control by its name path: each name among the components owned by the
// previous one or among its child controls.
TControl* FindByPath(TCustomForm* form, const std::string& path) {
  TComponent* cur = form;
  size_t start = 0;
  bool first = true;
  while (cur && start <= path.size()) {
    size_t dot = path.find('.', start);
    std::string name = path.substr(start, dot == std::string::npos ? std::string::npos : dot - start);
    start = dot == std::string::npos ? path.size() + 1 : dot + 1;
    if (first && SameText(name, form->Name()) && !form->FindComponent(name)) {
      first = false;
      continue;
    }
    first = false;
    TComponent* next = cur->FindComponent(name);
    if (!next)
      if (auto* w = dynamic_cast<TWinControl*>(cur))
        for (Integer i = 0; i < w->ControlCount() && !next; ++i)
          if (SameText(w->Controls(i)->Name(), name)) next = w->Controls(i);
    cur = next;
  }
  return dynamic_cast<TControl*>(cur);
}

}  // namespace

bool TApplication::HandleMessage() {
  TInputEvent e;
  if (!backend_->NextEvent(e)) return false;
  TCustomForm* form = e.Form ? e.Form : Screen->ActiveForm();
  if (form) {
    using K = TInputEvent::TKind;
    switch (e.Kind) {
      case K::MouseDown: form->HandleMouse(miDown, e.Button, e.Shift, e.Pos); break;
      case K::MouseUp: form->HandleMouse(miUp, e.Button, e.Shift, e.Pos); break;
      case K::MouseMove: form->HandleMouse(miMove, e.Button, e.Shift, e.Pos); break;
      case K::KeyDown: lastKeyTaken_ = form->HandleKey(e.Key, e.Shift, true); break;
      case K::KeyUp: form->HandleKey(e.Key, e.Shift, false); break;
      case K::Char:
        // The character of a key that was taken as a dialog key is not typed.
        if (e.Key == 0 || lastKeyTaken_) form->HandleChar(e.Char, e.Shift);
        break;
      case K::Close: form->CloseRequest(); break;
      case K::Wheel: form->HandleWheel(e.WheelDelta, e.Shift, e.Pos); break;
      case K::ClickControl: {
        TControl* c = FindByPath(form, e.Path);
        if (!c) throw EInvalidOperation("No control '" + e.Path + "' on form " + form->Name());
        if (!c->Showing() || c->VisibleWindowRect().IsEmpty())
          throw EInvalidOperation("Control '" + e.Path + "' is not shown");
        const TRect v = c->VisibleWindowRect();
        const TRect area = form->WindowClientArea();
        const TPoint p = Point((v.Left + v.Right) / 2 - area.Left, (v.Top + v.Bottom) / 2 - area.Top);
        form->HandleMouse(miDown, e.Button, e.Shift, p);
        form->HandleMouse(miUp, e.Button, e.Shift, p);
        break;
      }
    }
  }
  if (backend_->ShowsPixels()) PaintShownForms();
  return true;
}

void TApplication::PaintShownForms() {
  for (Integer i = 0; i < Screen->FormCount(); ++i) {
    TCustomForm* f = Screen->Forms(i);
    if (f->Visible() && !f->Parent()) f->UpdateWindow();
  }
}

void TApplication::ProcessMessages() {
  while (HandleMessage()) {
  }
}

void TApplication::Run() {
  terminated_ = false;
  if (mainForm_) mainForm_->Show();
  while (!terminated_ && (!mainForm_ || mainForm_->Visible()))
    if (!HandleMessage()) break;
  terminated_ = false;  // the loop is over; a later one starts afresh
}

}  // namespace host
