// The designer's main window: tool bar, component palette, the designed form on its
// surface, the side area for the object inspector and a status line.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "ComponentPalette.h"
#include "DesignSurface.h"
#include "Document.h"
#include "FormEditor.h"
#include "RunForm.h"
#include "ToolBar.h"
#include "host/stdctrls/ExtCtrls.h"
#include "host/stdctrls/Menus.h"
#include "inspector/ObjectInspector.h"
#include "findings/RouteFindingsPanel.h"

namespace designer {

class TDesignerWindow : public host::TForm {
  HOST_CLASS(TDesignerWindow, host::TForm)
  explicit TDesignerWindow(host::TComponent* owner);
  ~TDesignerWindow() override;

  TDesignDocument& Document() { return document_; }
  TFormEditor& Editor() { return *editor_; }
  TComponentPalette* Palette() const { return palette_; }
  TDesignSurface* Surface() const { return surface_; }
  // The area the object inspector fills, and one below it for a second panel.
  host::TPanel* InspectorArea() const { return inspectorArea_; }
  host::TPanel* SecondPanelArea() const { return secondArea_; }
  host::TPanel* StatusBar() const { return status_; }
  TObjectInspector* Inspector() const { return inspector_; }
  TRouteFindingsPanel* Findings() const { return findings_; }
  host::TPopupMenu* ContextMenu() const { return contextMenu_; }
  TToolButton* Button(const std::string& command) const;

  // The commands of the tool bar and the keys. Each asks before discarding changes
  // where it would, and reports failures in a message box, leaving the document.
  void NewForm();
  bool OpenFile(const std::string& fileName);
  void OpenAsk();
  bool Save();
  bool SaveAs(const std::string& fileName);
  bool SaveAsAsk();
  void Undo();
  void Redo();
  TRunResult Run();
  void Quit();
  void SetGrid(bool on);
  // Unsaved changes: Yes saves, No drops them, Cancel (or closing the box) keeps them.
  // True when the caller may go on.
  bool ConfirmDiscard();

  void ShowStatus(const std::string& text);
  const std::string& StatusText() const { return statusText_; }

  // Asks for a file name ("" when cancelled); replaceable for scripted runs.
  std::function<std::string(const std::string& caption, const std::string& initial)> OnAskFileName;
  // Called before Run shows the form (scripted runs queue their input there).
  std::function<void(host::TForm&)> OnRunStarted;
  // Selection or form changed: the inspector follows.
  std::function<void()> OnSelectionChanged;
  std::function<void()> OnModified;

 protected:
  void KeyDown(host::Word& key, host::TShiftState shift) override;

 private:
  TToolButton* AddButton(const std::string& command, const std::string& caption, host::Integer& x,
                         std::function<void()> action);
  void BuildToolBar();
  void UpdateState();
  void SelectionChanged();
  void ShowSelectionStatus();
  void FollowWizard();
  void ShowError(const std::string& text);
  std::string DefaultAskFileName(const std::string& caption, const std::string& initial);

  TDesignDocument document_;
  std::unique_ptr<TFormEditor> editor_;
  host::TPanel* toolbar_ = nullptr;
  TComponentPalette* palette_ = nullptr;
  host::TPanel* side_ = nullptr;
  host::TPanel* inspectorArea_ = nullptr;
  host::TPanel* secondArea_ = nullptr;
  TObjectInspector* inspector_ = nullptr;
  TRouteFindingsPanel* findings_ = nullptr;
  host::TPanel* status_ = nullptr;
  TDesignSurface* surface_ = nullptr;
  host::TPopupMenu* contextMenu_ = nullptr;
  std::string statusText_;
  std::vector<std::pair<std::string, TToolButton*>> buttons_;
};

}  // namespace designer
