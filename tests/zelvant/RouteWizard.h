// Small wizards built in code for the route checks, and compact views of what the
// checks find.
#pragma once

#include <initializer_list>
#include <string>
#include <vector>

#include "WizardFixture.h"
#include "zelvant/ZelvC.h"
#include "zelvant/ZelvRoutes.h"

namespace zelvant_test {

struct RouteWizard : Wizard {
  // numPages pages; with rows, the way list holds them and is enabled.
  explicit RouteWizard(host::Integer numPages, std::initializer_list<zelvant::TPage> rows = {});

  // A jump control of the form, shown on exactly the given real pages.
  template <class Jump>
  Jump* AddJump(const std::string& name, std::initializer_list<host::Integer> pages, host::Integer jumpPage,
                zelvant::TJumpMode mode = zelvant::jmAbsolut, host::TWinControl* parent = nullptr) {
    auto* j = new Jump(form);
    j->SetName(name);
    j->SetParent(parent ? parent : z);
    j->JumpPage = jumpPage;
    j->JumpMode = mode;
    ShowOn(j->ShowContainer(), pages);
    return j;
  }
  static void ShowOn(zelvant::TAposList* shows, std::initializer_list<host::Integer> pages);

  // Each finding as "error@3", "warning@page 2" or "warning@Jump1".
  std::vector<std::string> Keys(const zelvant::TRouteOptions& options = {}) const;
  // The message of the first finding whose key is given.
  std::string Message(const std::string& key, const zelvant::TRouteOptions& options = {}) const;
  // The edges leaving a position as "3 Next", "finish Jump: Jump1".
  std::vector<std::string> From(host::Integer position, const zelvant::TRouteOptions& options = {}) const;
};

}  // namespace zelvant_test
