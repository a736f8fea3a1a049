#include "DesignerFixture.h"

#include <unistd.h>

#include <filesystem>

#include "host/design/DesignIntf.h"
#include "Packages.h"
#include "host/design/DesignIntf.h"
#include "host/forms/Backend.h"

namespace designertest {

using namespace host;

namespace {

void LoadPackagesOnce() {
  static const bool loaded = [] {
    host::RegisterStandardComponents();
    designer::LoadDesignPackage(ZELVANT_DESIGN_LIBRARY);
    return true;
  }();
  (void)loaded;
}

}  // namespace

void DesignerTest::SetUp() {
  LoadPackagesOnce();
  Application->SetBackend(nullptr);
  window_ = std::make_unique<designer::TDesignerWindow>(nullptr);
  window_->Show();
  drive_ = std::make_unique<designer::TScriptDriver>(*window_);
  AnswerMessages(mrOk);
}

void DesignerTest::TearDown() {
  drive_.reset();
  window_.reset();
  SetMessageDlgHandler(nullptr);
  Application->Headless()->Clear();
}

void DesignerTest::AnswerMessages(Integer answer) {
  SetMessageDlgHandler([this, answer](const std::string& msg, TMsgDlgType, TMsgDlgButtons, Integer) {
    messages_.push_back(msg);
    return answer;
  });
}

TControl* DesignerTest::Control(const std::string& name) const {
  return dynamic_cast<TControl*>(window_->Document().Form()->FindComponent(name));
}

TControl* DesignerTest::Drop(const std::string& className, TPoint formPoint) {
  drive_->ChooseClass(className);
  const size_t before = window_->Document().Form()->ComponentList().size();
  drive_->Click(drive_->FormPoint(formPoint));
  const auto& list = window_->Document().Form()->ComponentList();
  return list.size() > before ? dynamic_cast<TControl*>(list.back()) : nullptr;
}

std::string DesignerTest::TempFile(const std::string& name) const {
  const auto dir = std::filesystem::temp_directory_path() / ("designer-test-" + std::to_string(::getpid()));
  std::filesystem::create_directories(dir);
  return (dir / name).string();
}

}  // namespace designertest
