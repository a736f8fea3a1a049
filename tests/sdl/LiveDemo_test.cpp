// The demo's setup wizard (examples/setup.dfm) in a live window: each page on the
// screen is its headless rendering, and Enter moves on as it does headless.
#include "LiveFixture.h"
#include "LiveRun.h"
#include "Screenshot.h"
#include "SetupForm.h"
#include "host/streaming/Filer.h"
#include "zelvant/Package.h"

using namespace host;
using namespace sdltest;

namespace {

std::unique_ptr<demo::TSetupForm> LoadSetup() {
  zelvant::PackageDescription();  // registers the package's classes for the reader
  const std::string dir = demo::FindExamplesDir(std::string(ZELVANT_SOURCE_DIR) + "/examples");
  auto form = std::make_unique<demo::TSetupForm>(nullptr);
  form->ExamplesDir = dir;
  LoadFormFile(dir + "/setup.dfm", form.get());
  return form;
}

struct THeadlessPage {
  TPixels Picture;
  Integer Page = 0;
};

// The wizard as Execute shows it, after the keys, headless.
THeadlessPage HeadlessSetup(const std::vector<TStep>& keys) {
  Application->SetBackend(nullptr);
  auto form = LoadSetup();
  zelvant::TZelvant* z = form->Wizard();
  z->setPage(z->StartPage());
  z->ClearHistory();
  form->Show();
  RunHeadless(*form, keys);
  TBitmap b;
  form->PaintTo(b);
  return {PictureOf(b), z->Page()};
}

}  // namespace

TEST_F(LiveTest, TheDemoWizardOnTheScreenIsItsHeadlessRenderingPageByPage) {
  const THeadlessPage first = HeadlessSetup({});
  const THeadlessPage second = HeadlessSetup({Press(VK_RETURN)});
  ASSERT_NE(first.Page, second.Page) << "Enter does not move the demo on headless either";
  sdl::TSdlBackend& b = StartLive();
  auto form = LoadSetup();
  zelvant::TZelvant* z = form->Wizard();
  TPixels shot1, shot2;
  Integer page2 = -1;
  TLiveRun run(b);
  run.Then([&] {
        shot1 = WindowShot(b.WindowOf(*form));
        PushSdl(b.WindowOf(*form), *form, {Press(VK_RETURN)});
      })
      .Then([&] {
        page2 = z->Page();
        shot2 = WindowShot(b.WindowOf(*form));
        PushClose(b.WindowOf(*form));
      });
  EXPECT_EQ(z->Execute(z->StartPage()), mrCancel);
  EXPECT_FALSE(run.TimedOut());
  EXPECT_EQ(page2, second.Page);
  KeepShot("live-window.png", shot1);
  KeepShot("live-window-2.png", shot2);
  EXPECT_EQ(PictureDifference(first.Picture, shot1), "");
  EXPECT_EQ(PictureDifference(second.Picture, shot2), "");
}
