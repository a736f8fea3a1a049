#include "DesignerWindow.h"

#include <filesystem>

#include "host/core/ClassBuilder.h"
#include "host/stdctrls/Dialogs.h"
#include "host/stdctrls/StdCtrls.h"
#include "host/streaming/Filer.h"
#include "findings/ShowFinding.h"
#include "zelvant/ZelvA.h"

namespace designer {

using namespace host;

HOST_PUBLISHED(TDesignerWindow) {}

namespace {

TPanel* NewPanel(TComponent* owner, TWinControl* parent, TAlign align, Integer size) {
  auto* p = new TPanel(owner);
  p->SetParent(parent);
  p->SetBevelOuter(bvNone);
  p->SetCaption("");
  if (align == alTop || align == alBottom) p->SetHeight(size);
  else p->SetWidth(size);
  p->SetAlign(align);
  return p;
}

}  // namespace

TDesignerWindow::TDesignerWindow(TComponent* owner) : TForm(owner) {
  SetBounds(0, 0, 1180, 740);
  SetCaption("Zelvant Designer");
  SetKeyPreview(true);
  SetColor(clBtnFace);

  toolbar_ = NewPanel(this, this, alTop, 32);
  BuildToolBar();
  palette_ = new TComponentPalette(this);
  palette_->SetParent(this);
  palette_->SetTop(toolbar_->Height());  // below the tool bar
  palette_->SetAlign(alTop);
  palette_->Reload();
  palette_->OnChoose = [this](const TClassInfo* cls) {
    editor_->SetPlacingClass(cls);
    ShowStatus(cls ? "Click or drag on the form to place a " + cls->Name() + "." : "");
  };

  status_ = NewPanel(this, this, alBottom, 22);
  status_->SetBevelOuter(bvLowered);
  status_->SetAlignment(taLeftJustify);

  side_ = NewPanel(this, this, alRight, 300);
  side_->SetBorderWidth(2);
  auto header = [this](TWinControl* parent, const std::string& caption) {
    TPanel* h = NewPanel(this, parent, alTop, 22);
    h->SetCaption("  " + caption);
    h->SetAlignment(taLeftJustify);
    h->SetColor(TColor(0xE8DCD0));
  };
  secondArea_ = NewPanel(this, side_, alBottom, 180);
  secondArea_->SetBevelOuter(bvLowered);
  header(secondArea_, "Route Findings");
  findings_ = new TRouteFindingsPanel(this);
  findings_->SetParent(secondArea_);
  findings_->SetAlign(alClient);
  inspectorArea_ = NewPanel(this, side_, alClient, 0);
  inspectorArea_->SetBevelOuter(bvLowered);
  header(inspectorArea_, "Object Inspector");
  inspector_ = new TObjectInspector(this);
  inspector_->SetParent(inspectorArea_);
  inspector_->SetAlign(alClient);

  surface_ = new TDesignSurface(this);
  surface_->SetParent(this);
  surface_->SetAlign(alClient);

  contextMenu_ = new TPopupMenu(this);

  surface_->Hold(document_.Form());
  editor_ = std::make_unique<TFormEditor>(document_);
  editor_->SetKeyTarget(surface_);
  surface_->SetEditor(editor_.get());
  SetDesigner(editor_.get());  // the overlay (handles, band) is drawn into this window
  inspector_->SetDesigner(editor_.get());
  findings_->OnChoose = [this](TObject*, const zelvant::TRouteFinding& finding) {
    if (zelvant::TZelvant* wizard = findings_->Wizard()) ShowFinding(*editor_, *wizard, finding);
  };

  document_.OnFormReplaced = [this](TDesignedForm* now, TDesignedForm* old) {
    surface_->Hold(now);
    editor_->FormReplaced(now, old);  // the inspector takes the new selection
    FollowWizard();                    // before the old form goes
  };
  document_.OnStateChanged = [this] { UpdateState(); };
  editor_->OnSelectionChanged = [this] { SelectionChanged(); };
  editor_->OnModified = [this] {
    // A wizard that resizes its form about the centre must not walk it off the surface.
    if (TDesignedForm* f = document_.Form(); f->Left() != TDesignSurface::kMargin || f->Top() != TDesignSurface::kMargin)
      f->SetBounds(TDesignSurface::kMargin, TDesignSurface::kMargin, f->Width(), f->Height());
    UpdateState();
    inspector_->Refresh();
    FollowWizard();
    if (OnModified) OnModified();
  };
  editor_->OnDragStep = [this] {
    inspector_->Refresh();  // Left and Top follow the drag
    ShowSelectionStatus();
  };
  editor_->OnRemoving = [this](TPersistent* component) {
    if (component == findings_->Wizard()) findings_->SetWizard(nullptr);
  };
  editor_->OnContextMenu = [this](TPoint windowPos) {
    editor_->FillContextMenu(*contextMenu_->Items());
    const TRect area = WindowClientArea();
    contextMenu_->Popup(this, Point(windowPos.X - area.Left, windowPos.Y - area.Top));
  };
  editor_->OnPlacingEnded = [this] { palette_->SetChosen(nullptr); };
  editor_->OnError = [this](const std::string& text) { ShowError(text); };
  OnCloseQuery = [this](TObject*, bool& canClose) { canClose = ConfirmDiscard(); };
  UpdateState();
  SelectionChanged();
  FollowWizard();
}

TDesignerWindow::~TDesignerWindow() {
  SetDesigner(nullptr);
  findings_->SetWizard(nullptr);
  inspector_->SetSelection({});
  document_.OnFormReplaced = nullptr;
  document_.OnStateChanged = nullptr;
  // The designed form goes before the controls that show it.
  if (TDesignedForm* f = document_.Form()) f->SetParent(nullptr);
  editor_.reset();
}

TToolButton* TDesignerWindow::AddButton(const std::string& command, const std::string& caption, Integer& x,
                                        std::function<void()> action) {
  auto* b = new TToolButton(this);
  b->SetParent(toolbar_);
  b->SetName(command + "Button");
  b->SetCaption(caption);
  DrawToolIcon(*b->Glyph(), command);
  TCanvas measure;
  measure.Font().Assign(Font());
  b->SetBounds(x, 3, 16 + 14 + measure.TextWidth(caption), 26);
  x += b->Width() + 2;
  b->OnClick = [action = std::move(action)](TObject*) { action(); };
  buttons_.emplace_back(command, b);
  return b;
}

void TDesignerWindow::BuildToolBar() {
  Integer x = 4;
  AddButton("new", "New", x, [this] { NewForm(); });
  AddButton("open", "Open", x, [this] { OpenAsk(); });
  AddButton("save", "Save", x, [this] { Save(); });
  AddButton("saveas", "Save As", x, [this] { SaveAsAsk(); });
  x += 10;
  AddButton("undo", "Undo", x, [this] { Undo(); });
  AddButton("redo", "Redo", x, [this] { Redo(); });
  x += 10;
  AddButton("grid", "Grid", x, [this] { SetGrid(!editor_->GridEnabled()); })->SetDown(true);
  x += 10;
  AddButton("run", "Run", x, [this] { Run(); });
  x += 10;
  AddButton("quit", "Quit", x, [this] { Quit(); });
}

TToolButton* TDesignerWindow::Button(const std::string& command) const {
  for (const auto& [name, button] : buttons_)
    if (name == command) return button;
  return nullptr;
}

void TDesignerWindow::UpdateState() {
  SetCaption("Zelvant Designer - " + document_.Title());
  if (!editor_) return;
  Button("undo")->SetEnabled(document_.CanUndo());
  Button("redo")->SetEnabled(document_.CanRedo());
}

void TDesignerWindow::SelectionChanged() {
  inspector_->SetSelection(editor_->GetSelections());
  ShowSelectionStatus();
  if (OnSelectionChanged) OnSelectionChanged();
}

void TDesignerWindow::ShowSelectionStatus() {
  const auto& sel = editor_->Selection();
  if (sel.size() != 1) {
    ShowStatus(std::to_string(sel.size()) + " components selected");
    return;
  }
  std::string text = sel.front()->Name() + ": " + sel.front()->ClassName();
  if (auto* c = dynamic_cast<TControl*>(sel.front()))
    text += "   " + std::to_string(c->Left()) + ", " + std::to_string(c->Top()) + "   " + std::to_string(c->Width()) +
            " x " + std::to_string(c->Height());
  ShowStatus(text);
}

// The findings follow the form's first wizard, checked again after each change.
void TDesignerWindow::FollowWizard() {
  zelvant::TZelvant* wizard = nullptr;
  for (TComponent* c : document_.Form()->ComponentList())
    if ((wizard = dynamic_cast<zelvant::TZelvant*>(c))) break;
  if (findings_->Wizard() != wizard) findings_->SetWizard(wizard);
  else findings_->Recheck();
}

void TDesignerWindow::ShowStatus(const std::string& text) {
  statusText_ = text;
  status_->SetCaption("  " + text);
}

void TDesignerWindow::ShowError(const std::string& text) {
  ShowStatus(text);
  MessageDlg(text, mtError, TMsgDlgButtons{mbOK}, 0);
}

bool TDesignerWindow::ConfirmDiscard() {
  if (!document_.IsModified()) return true;
  const std::string name = document_.FileName().empty() ? "Untitled" : std::filesystem::path(document_.FileName()).filename().string();
  switch (MessageDlg("Save changes to " + name + "?", mtConfirmation, mbYesNoCancel, 0)) {
    case mrYes: return Save();
    case mrNo: return true;
    default: return false;
  }
}

void TDesignerWindow::NewForm() {
  if (!ConfirmDiscard()) return;
  document_.New();
  ShowStatus("New form.");
}

bool TDesignerWindow::OpenFile(const std::string& fileName) {
  try {
    document_.Open(fileName);
  } catch (const EFormReadError& e) {
    ShowError("Cannot open " + fileName + ": line " + std::to_string(e.Line()) + ", column " +
              std::to_string(e.Column()) + ": " + e.Detail());
    return false;
  } catch (const Exception& e) {
    ShowError(e.Message());
    return false;
  }
  ShowStatus("Opened " + fileName + ".");
  return true;
}

void TDesignerWindow::OpenAsk() {
  if (!ConfirmDiscard()) return;
  const std::string name = OnAskFileName ? OnAskFileName("Open", document_.FileName())
                                         : DefaultAskFileName("Open", document_.FileName());
  if (!name.empty()) OpenFile(name);
}

bool TDesignerWindow::Save() {
  if (document_.FileName().empty()) return SaveAsAsk();
  return SaveAs(document_.FileName());
}

bool TDesignerWindow::SaveAs(const std::string& fileName) {
  try {
    document_.SaveAs(fileName);
  } catch (const Exception& e) {
    ShowError(e.Message());
    return false;
  }
  ShowStatus("Saved " + fileName + ".");
  return true;
}

bool TDesignerWindow::SaveAsAsk() {
  const std::string initial = document_.FileName().empty() ? document_.Form()->Name() + ".dfm" : document_.FileName();
  const std::string name = OnAskFileName ? OnAskFileName("Save As", initial) : DefaultAskFileName("Save As", initial);
  return !name.empty() && SaveAs(name);
}

void TDesignerWindow::Undo() {
  document_.Undo();
  if (OnModified) OnModified();
}

void TDesignerWindow::Redo() {
  document_.Redo();
  if (OnModified) OnModified();
}

TRunResult TDesignerWindow::Run() {
  TRunResult result;
  try {
    result = RunDesignedForm(document_.Text(), OnRunStarted);
  } catch (const Exception& e) {
    ShowError("Cannot run the form: " + e.Message());
    return result;
  }
  ShowStatus("Run ended with modal result " + std::to_string(result.ModalResult) + " (" +
             ModalResultName(result.ModalResult) + ").");
  return result;
}

void TDesignerWindow::Quit() {
  if (!ConfirmDiscard()) return;
  OnCloseQuery = nullptr;  // already asked
  Close();
}

void TDesignerWindow::SetGrid(bool on) {
  editor_->SetGridEnabled(on);
  Button("grid")->SetDown(on);
}

void TDesignerWindow::KeyDown(Word& key, TShiftState shift) {
  if (shift.Contains(ssCtrl)) {
    switch (key) {
      case 'N': NewForm(); break;
      case 'O': OpenAsk(); break;
      case 'S':
        if (shift.Contains(ssShift)) SaveAsAsk();
        else Save();
        break;
      case 'Z': Undo(); break;
      case 'Y': Redo(); break;
      case 'Q': Quit(); break;
      default: TForm::KeyDown(key, shift); return;
    }
    key = 0;
    return;
  }
  if (key == VK_F9) {
    key = 0;
    Run();
    return;
  }
  TForm::KeyDown(key, shift);
}

// A small dialog: a drop-down of the form files here, to pick one or type a name.
std::string TDesignerWindow::DefaultAskFileName(const std::string& caption, const std::string& initial) {
  auto dialog = std::make_unique<TForm>(nullptr);
  dialog->SetCaption(caption);
  dialog->SetBorderStyle(bsDialog);
  dialog->SetPosition(poScreenCenter);
  dialog->SetBounds(0, 0, 420, 130);
  auto* label = new TLabel(dialog.get());
  label->SetParent(dialog.get());
  label->SetCaption("File name:");
  label->SetBounds(12, 14, 100, 16);
  auto* name = new TComboBox(dialog.get());
  name->SetName("FileName");
  name->SetParent(dialog.get());
  name->SetBounds(12, 34, 386, 22);
  std::error_code ec;
  for (const auto& entry : std::filesystem::directory_iterator(".", ec))
    if (entry.path().extension() == ".dfm") name->Items()->Add(entry.path().filename().string());
  name->SetText(initial);
  auto* ok = new TButton(dialog.get());
  ok->SetName("OK");
  ok->SetParent(dialog.get());
  ok->SetCaption("OK");
  ok->SetDefault(true);
  ok->SetModalResult(mrOk);
  ok->SetBounds(236, 66, 78, 26);
  auto* cancel = new TButton(dialog.get());
  cancel->SetName("Cancel");
  cancel->SetParent(dialog.get());
  cancel->SetCaption("Cancel");
  cancel->SetCancel(true);
  cancel->SetModalResult(mrCancel);
  cancel->SetBounds(320, 66, 78, 26);
  dialog->SetActiveControl(name);
  return dialog->ShowModal() == mrOk ? name->Text() : std::string();
}

}  // namespace designer
