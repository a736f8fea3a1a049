#include "LiveFixture.h"

#include <cstdlib>

#include "apps/sdlcheck/CheckWizard.h"
#include "host/forms/Backend.h"

namespace sdltest {

using namespace host;

void LiveTest::SetUp() {
  xvfb_ = std::make_unique<TXvfb>();
  if (!xvfb_->Ok()) GTEST_SKIP() << "Xvfb cannot start here, the live window test is skipped: " << xvfb_->Error();
  setenv("DISPLAY", xvfb_->Display().c_str(), 1);
  Application->SetBackend(nullptr);
}

void LiveTest::TearDown() {
  Application->SetBackend(nullptr);
  live_ = nullptr;
  xvfb_.reset();
}

TPixels LiveTest::HeadlessPicture(const std::vector<TStep>& steps) {
  Application->SetBackend(nullptr);
  sdlcheck::TCheckWizard w;
  w.Form->Show();
  RunHeadless(*w.Form, steps);
  TBitmap picture;
  w.Form->PaintTo(picture);
  return PictureOf(picture);
}

sdl::TSdlBackend& LiveTest::StartLive() {
  auto b = std::make_unique<sdl::TSdlBackend>();
  b->SetCaretBlinkTime(0);  // the caret stays on, so that screenshots match the headless pictures
  live_ = b.get();
  Application->SetBackend(std::move(b));
  return *live_;
}

void LiveTest::KeepShot(const std::string& name, const TPixels& shot) {
  if (const char* dir = std::getenv("ZELVANT_SHOTS"); dir && *dir) SavePicture(shot, std::string(dir) + "/" + name);
}

}  // namespace sdltest
