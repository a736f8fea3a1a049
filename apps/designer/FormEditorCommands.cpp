// The editor's commands: keys, deleting, copying and pasting as form-file text,
// z-order, aligning to the grid, and the component editor's verbs.
#include <algorithm>
#include <set>
#include <sstream>

#include "FormEditor.h"
#include "FormText.h"
#include "host/forms/Clipbrd.h"
#include "host/stdctrls/Menus.h"
#include "host/streaming/Filer.h"

namespace designer {

using namespace host;

namespace {

// True when an ancestor of the control is among the controls.
bool InsideAnother(const TControl* c, const std::vector<TControl*>& controls) {
  for (const TWinControl* p = c->Parent(); p; p = p->Parent())
    if (std::find(controls.begin(), controls.end(), p) != controls.end()) return true;
  return false;
}

}  // namespace

bool TFormEditor::KeyDown(Word key, TShiftState shift) {
  const bool ctrl = shift.Contains(ssCtrl), sh = shift.Contains(ssShift);
  switch (key) {
    case VK_LEFT: Nudge(-1, 0, sh); return true;
    case VK_RIGHT: Nudge(1, 0, sh); return true;
    case VK_UP: Nudge(0, -1, sh); return true;
    case VK_DOWN: Nudge(0, 1, sh); return true;
    case VK_DELETE: DeleteSelection(); return true;
    case VK_ESCAPE:
      // Escape chooses the parent of the selection, as far as the form.
      if (placing_) {
        SetPlacingClass(nullptr);
      } else if (selection_.size() == 1) {
        if (auto* c = dynamic_cast<TControl*>(selection_.front()); c && c != Form() && c->Parent())
          Select(c->Parent() == Form() || c->Parent()->Owner() == Form() ? c->Parent() : Form());
      }
      return true;
    default: break;
  }
  if (ctrl && key == 'C') {
    CopySelection();
    return true;
  }
  if (ctrl && key == 'V') {
    Paste();
    return true;
  }
  if (ctrl && key == 'X') {
    CopySelection();
    DeleteSelection();
    return true;
  }
  return false;
}

void TFormEditor::Nudge(Integer dx, Integer dy, bool resize) {
  const std::vector<TControl*> controls = SelectedControls();
  if (controls.empty()) return;
  InvalidateSelection();
  for (TControl* c : controls) {
    if (resize) c->SetBounds(c->Left(), c->Top(), std::max<Integer>(1, c->Width() + dx), std::max<Integer>(1, c->Height() + dy));
    else c->SetBounds(c->Left() + dx, c->Top() + dy, c->Width(), c->Height());
  }
  InvalidateSelection();
  Changed();
}

void TFormEditor::DeleteSelection() {
  std::vector<TControl*> controls = SelectedControls();
  std::vector<TComponent*> doomed;
  for (TComponent* c : selection_)
    if (c != Form()) {
      auto* control = dynamic_cast<TControl*>(c);
      if (!control || !InsideAnother(control, controls)) doomed.push_back(c);
    }
  if (doomed.empty()) return;
  // The selection lets go first: whoever shows it must not see a freed component.
  InvalidateSelection();
  selection_.assign(1, Form());
  SelectionChanged();
  // Children owned by the form go with their parent: free them first, deepest last.
  for (TComponent* c : doomed) {
    if (auto* w = dynamic_cast<TWinControl*>(c)) {
      std::vector<TComponent*> inner;
      for (TComponent* k : Form()->ComponentList())
        if (auto* kc = dynamic_cast<TControl*>(k); kc && kc != w && w->ContainsControl(kc)) inner.push_back(k);
      for (auto it = inner.rbegin(); it != inner.rend(); ++it) delete *it;
    }
    delete c;
  }
  Changed();
}

std::string TFormEditor::CopyText() const {
  const std::vector<TControl*> controls = SelectedControls();
  const std::string text = WriteForm(Form(), document_.RootClassName());
  std::string out;
  for (TControl* c : controls)
    if (!InsideAnother(c, controls)) out += ComponentBlock(text, c->Name());
  return out;
}

void TFormEditor::CopySelection() {
  const std::string text = CopyText();
  if (!text.empty()) Clipboard().SetAsText(text);
}

std::vector<TComponent*> TFormEditor::PasteText(const std::string& text) {
  // The container: a selected container, else the parent of the selected control.
  TWinControl* container = Form();
  if (selection_.size() == 1)
    if (auto* c = dynamic_cast<TControl*>(selection_.front()); c && c != Form()) {
      if (c->IsWinControl() && c->ControlStyle().Contains(csAcceptsControls)) container = static_cast<TWinControl*>(c);
      else if (c->Parent()) container = c->Parent();
    }
  std::set<std::string> taken;
  for (TComponent* c : Form()->ComponentList()) taken.insert(LowerCase(c->Name()));
  taken.insert(LowerCase(Form()->Name()));
  const std::string renamed = RenameComponents(text, [&](const std::string& name, const std::string& cls) {
    std::string n = name;
    if (n.empty() || taken.count(LowerCase(n))) {
      std::string base = StripNumber(n.empty() ? cls.substr(cls.size() > 1 ? 1 : 0) : n);
      for (Integer i = 1;; ++i)
        if (!taken.count(LowerCase(base + std::to_string(i)))) {
          n = base + std::to_string(i);
          break;
        }
    }
    taken.insert(LowerCase(n));
    return n;
  });
  const size_t before = Form()->ComponentList().size();
  TReadOptions options;
  options.KeepUnboundEvents = true;
  ReadForm("object " + Form()->Name() + ": TForm\n" + Indent(renamed) + "end\n", Form(), options);
  std::vector<TComponent*> added(Form()->ComponentList().begin() + static_cast<std::ptrdiff_t>(before),
                                 Form()->ComponentList().end());
  // The pasted controls that came to the form move into the container, shifted by a
  // grid step when they would cover the originals exactly.
  std::vector<TComponent*> top;
  for (TComponent* c : added)
    if (auto* control = dynamic_cast<TControl*>(c); control && control->Parent() == Form()) {
      if (container != Form()) control->SetParent(container);
      top.push_back(c);
    }
  InvalidateSelection();
  SelectOnly(top.empty() ? added : top);
  Changed();
  return added;
}

void TFormEditor::Paste() {
  const std::string text = Clipboard().AsText();
  if (text.empty()) return;
  try {
    PasteText(text);
  } catch (const Exception& e) {
    if (OnError) OnError("Cannot paste: " + e.Message());
  }
}

void TFormEditor::BringToFront() {
  const std::vector<TControl*> controls = SelectedControls();
  for (TControl* c : controls) c->BringToFront();
  if (!controls.empty()) Changed();
}

void TFormEditor::SendToBack() {
  const std::vector<TControl*> controls = SelectedControls();
  for (auto it = controls.rbegin(); it != controls.rend(); ++it) (*it)->SendToBack();
  if (!controls.empty()) Changed();
}

void TFormEditor::AlignToGrid() {
  const std::vector<TControl*> controls = SelectedControls();
  InvalidateSelection();
  const bool was = grid_;
  grid_ = true;  // aligns even while snapping is off
  for (TControl* c : controls) c->SetBounds(Snap(c->Left()), Snap(c->Top()), c->Width(), c->Height());
  grid_ = was;
  InvalidateSelection();
  if (!controls.empty()) Changed();
}

void TFormEditor::EditComponent(TComponent* component) {
  std::unique_ptr<TComponentEditor> editor = GetComponentEditor(component, this);
  if (!editor) return;
  try {
    editor->Edit();
  } catch (const Exception& e) {
    if (OnError) OnError(e.Message());
  }
  Changed();
}

void TFormEditor::FillContextMenu(TMenuItem& items) {
  items.Clear();
  TComponent* target = selection_.empty() ? Form() : selection_.front();
  if (target && target != Form()) {
    std::unique_ptr<TComponentEditor> editor = GetComponentEditor(target, this);
    const Integer verbs = editor ? editor->GetVerbCount() : 0;
    for (Integer i = 0; i < verbs; ++i) {
      const std::string name = target->Name();
      items.Add(editor->GetVerb(i), [this, name, i](TObject*) {
        TComponent* c = Form()->FindComponent(name);
        if (!c) return;
        std::unique_ptr<TComponentEditor> e = GetComponentEditor(c, this);
        if (!e) return;
        try {
          e->ExecuteVerb(i);
        } catch (const Exception& ex) {
          if (OnError) OnError(ex.Message());
        }
        Changed();
      });
    }
    if (verbs > 0) items.Add("-");
  }
  const bool controls = !SelectedControls().empty();
  items.Add("Bring to Front", [this](TObject*) { BringToFront(); })->SetEnabled(controls);
  items.Add("Send to Back", [this](TObject*) { SendToBack(); })->SetEnabled(controls);
  items.Add("Align to Grid", [this](TObject*) { AlignToGrid(); })->SetEnabled(controls);
}

}  // namespace designer
