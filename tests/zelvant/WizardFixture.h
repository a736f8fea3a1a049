// A form with a wizard on it, built in code, and a designer that records its notices.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "host/forms/Forms.h"
#include "zelvant/ZelvA.h"

namespace zelvant_test {

// Stands in for the form designer: counts modification notices, records the components
// handed to it, and takes mouse input meant for controls in design mode.
class TRecordingDesigner : public host::IDesignerHook {
 public:
  explicit TRecordingDesigner(host::TComponent* root) : root_(root) {}
  void Modified() override { ++modified; }
  bool IsDesignMsg(host::TControl* sender, host::TMessage& message) override;
  void Notification(host::TPersistent*, host::TOperation) override {}
  void SelectComponent(host::TPersistent* instance) override { selected.push_back(instance); }
  host::TComponent* GetRoot() const override { return root_; }
  int modified = 0;
  int mouseTaken = 0;
  std::vector<host::TPersistent*> selected;

 private:
  host::TComponent* root_;
};

struct Wizard {
  // A form whose client area is clientWidth x clientHeight, filled by a wizard.
  explicit Wizard(bool designing = false, int clientWidth = 500, int clientHeight = 360);
  ~Wizard();
  host::TForm* form;
  zelvant::TZelvant* z;
  std::unique_ptr<TRecordingDesigner> designer;
  // Dresses the wizard from the built-in English table, as the designer would.
  void Dress();
};

// Points the wizard's language file at a directory of the test's own.
class LanguageDir {
 public:
  explicit LanguageDir(const std::string& iniText = "");
  ~LanguageDir();
  const std::string& Path() const { return dir_; }

 private:
  std::string dir_;
};

}  // namespace zelvant_test
