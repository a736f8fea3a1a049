// The designer in a live window: a button dropped from the palette, dragged, edited
// through its property editor and saved with Ctrl+S, all through SDL events.
#include <unistd.h>

#include <filesystem>

#include "DesignerWindow.h"
#include "host/design/DesignIntf.h"
#include "LiveFixture.h"
#include "LiveRun.h"
#include "Packages.h"
#include "Screenshot.h"
#include "Script.h"
#include "ScriptDriver.h"

using namespace host;
using namespace sdltest;

namespace {

// A point of a control in its window's pixels.
TPoint WindowPoint(const TControl& control, TPoint local) {
  const TPoint client = designer::ClientPointOf(control, local);
  const TRect area = GetParentForm(&control)->WindowClientArea();
  return Point(client.X + area.Left, client.Y + area.Top);
}

TPoint Centre(const TRect& r) { return Point((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2); }

}  // namespace

TEST_F(LiveTest, TheDesignerPlacesDragsEditsAndSavesInALiveWindow) {
  static const bool loaded = [] {
    host::RegisterStandardComponents();
    designer::LoadDesignPackage(ZELVANT_DESIGN_LIBRARY);
    return true;
  }();
  (void)loaded;
  const std::string file =
      (std::filesystem::temp_directory_path() / ("live-designer-" + std::to_string(::getpid()) + ".dfm")).string();
  sdl::TSdlBackend& b = StartLive();
  designer::TDesignerWindow window(nullptr);
  window.SetBounds(0, 0, 1000, 640);
  window.Palette()->Reload();
  window.OnAskFileName = [&](const std::string&, const std::string&) { return file; };
  designer::TComponentPalette& palette = *window.Palette();
  designer::TDesignedForm& form = *window.Document().Form();
  TControl* button = nullptr;
  TPixels shot;
  TLiveRun run(b);
  run.Then([&] {
       // The Standard page's button class, then a click on the form.
       PushSdl(b.WindowOf(window), window,
               {ClickAt(WindowPoint(palette, Centre(palette.TabRect(0)))),
                ClickAt(WindowPoint(palette, Centre(palette.ButtonRect(palette.ButtonOf("TButton"))))),
                ClickAt(WindowPoint(form, Point(33, 41)))});
     })
      .Then([&] {
        button = dynamic_cast<TControl*>(form.FindComponent("Button1"));
        if (!button) return;
        const TPoint from = WindowPoint(*button, Point(10, 10));
        PushSdl(b.WindowOf(window), window,
                {PressAt(from), MoveTo(Point(from.X + 20, from.Y + 10)), MoveTo(Point(from.X + 40, from.Y + 17)),
                 ReleaseAt(Point(from.X + 40, from.Y + 17))});
      })
      .Then([&] {
        if (auto editor = GetPropertyEditor(&window.Editor(), {button}, "Caption")) editor->SetValue("Start");
        window.Editor().Modified();
        PushSdl(b.WindowOf(window), window, {Press('S', TShiftState{ssCtrl})});
      })
      .Then([&] {
        shot = WindowShot(b.WindowOf(window));
        PushClose(b.WindowOf(window));
      });
  window.ShowModal();
  EXPECT_FALSE(run.TimedOut());
  ASSERT_NE(button, nullptr) << "the click on the form placed Button1";
  EXPECT_EQ(button->BoundsRect(), Bounds(72, 56, 96, 32)) << "placed at 32, 40 and dragged by 40, 16 on the grid";
  EXPECT_EQ(button->Caption(), "Start");
  ASSERT_TRUE(std::filesystem::exists(file));
  EXPECT_EQ(designer::ReadTextFile(file), window.Document().Text());
  EXPECT_FALSE(window.Document().IsModified());
  EXPECT_EQ(window.Caption(), "Zelvant Designer - " + std::filesystem::path(file).filename().string());
  KeepShot("live-designer.png", shot);
  std::filesystem::remove(file);
}
