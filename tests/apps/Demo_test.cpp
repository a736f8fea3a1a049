// The demo's example form files and the routes the demo takes through them.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "ExampleForms.h"
#include "Route.h"
#include "host/streaming/Filer.h"
#include "host/stdctrls/StdCtrls.h"
#include "host/PaintCoverage.h"

using namespace host;
using namespace demo;

namespace {

const std::string kExamples = std::string(ZELVANT_SOURCE_DIR) + "/examples";

std::unique_ptr<TSetupForm> Load(const std::string& file) {
  auto form = std::make_unique<TSetupForm>(nullptr);
  form->ExamplesDir = kExamples;
  LoadFormFile(kExamples + "/" + file, form.get());
  return form;
}

std::vector<Integer> Positions(const TRouteResult& r) {
  std::vector<Integer> p;
  for (const TVisit& v : r.Visits) p.push_back(v.Position);
  return p;
}

std::string Caption(const TSetupForm& form, const std::string& name) {
  return As<TLabel>(form.FindComponent(name))->Caption();
}

TRouteStep Click(const std::string& path) {
  return {path, [path](THeadlessBackend& b) { b.ClickControl(path); }};
}

}  // namespace

TEST(Demo, SetupRouteVisitsEveryPageAndFinishes) {
  auto form = Load("setup.dfm");
  const TRouteResult r = RunRoute(*form, SetupRoute(), {});
  EXPECT_EQ(Positions(r), (std::vector<Integer>{1, 2, 1, 2, 7, 2, 3, 4, 5, 0, 5, 6, 5, 6}));
  EXPECT_EQ(r.ModalResult, mrOk);
  EXPECT_EQ(r.StepsTaken, SetupRoute().size());
  EXPECT_EQ(r.Visits[4].PageName, "Setup Not Completed");
  EXPECT_EQ(r.Visits[6].PageName, "Name and Folder");
  EXPECT_EQ(r.Visits[9].PageName, "Setup Options");
  // The choice made on the options page reached the summary.
  const TSetupChoices c = form->Choices();
  EXPECT_TRUE(c.Custom);
  EXPECT_FALSE(c.AllUsers);
  EXPECT_EQ(c.Folder, "Zelvant Demo");
  EXPECT_EQ(Caption(*form, "SummaryType"), "Custom installation");
  EXPECT_EQ(Caption(*form, "SummaryUsers"), "Only the current user");
  // The run leaves the ordinary headless backend behind, with nothing queued.
  ASSERT_NE(Application->Headless(), nullptr);
  EXPECT_EQ(Application->Headless()->Pending(), 0u);
  EXPECT_FALSE(form->PageShown);
}

TEST(Demo, TypicalSetupIsAskedPastTheOptions) {
  auto form = Load("setup.dfm");
  const std::vector<TRouteStep> steps = {Click("Zelvant1.NextButton"), Click("AcceptRadio"),
                                         Click("Zelvant1.NextButton"), Click("Zelvant1.NextButton"),
                                         Click("Zelvant1.NextButton"), Click("Zelvant1.NextButton")};
  const TRouteResult r = RunRoute(*form, steps, {});
  EXPECT_EQ(Positions(r), (std::vector<Integer>{1, 2, 3, 4, 6}));
  EXPECT_EQ(r.ModalResult, mrOk);
  // The options form was never needed, so the summary shows what is proposed.
  EXPECT_EQ(As<zelvant::TAForm>(form->FindComponent("OptionsContainer"))->Form(), nullptr);
  EXPECT_EQ(Caption(*form, "SummaryType"), "Typical installation");
  EXPECT_EQ(Caption(*form, "SummaryFolder"), "Zelvant Demo (proposed)");
}

TEST(Demo, EscapeCancelsTheSetup) {
  auto form = Load("setup.dfm");
  const TRouteResult r =
      RunRoute(*form, {Click("Zelvant1.NextButton"), {"Esc", [](THeadlessBackend& b) { b.PressKey(VK_ESCAPE); }}}, {});
  EXPECT_EQ(Positions(r), (std::vector<Integer>{1, 2}));
  EXPECT_EQ(r.ModalResult, mrCancel);
}

TEST(Demo, TabbedRouteFollowsTheTabsAndInstalls) {
  auto form = Load("setup-tabbed.dfm");
  const TRouteResult r = RunRoute(*form, TabbedRoute(), {});
  EXPECT_EQ(Positions(r), (std::vector<Integer>{1, 2, 3}));
  EXPECT_EQ(r.ModalResult, mrOk);
  EXPECT_EQ(Caption(*form, "SummaryUsers"), "Only the current user");
}

TEST(Demo, AStepThatFailsRestoresTheBackend) {
  auto form = Load("setup.dfm");
  EXPECT_THROW(RunRoute(*form, {Click("NoSuchButton"), Click("Zelvant1.NextButton")}, {}), EInvalidOperation);
  ASSERT_NE(Application->Headless(), nullptr);
  EXPECT_EQ(Application->Headless()->Pending(), 0u);
  EXPECT_FALSE(form->PageShown);
}

TEST(Demo, EveryPageShownIsPictured) {
  char pattern[] = "/tmp/zelvant-demo-XXXXXX";
  const std::string dir = ::mkdtemp(pattern);
  auto form = Load("setup-tabbed.dfm");
  TRouteOptions options;
  options.PictureDir = dir;
  options.PicturePrefix = "t";
  const TRouteResult r = RunRoute(*form, TabbedRoute(), options);
  ASSERT_EQ(r.Visits.size(), 3u);
  EXPECT_EQ(std::filesystem::path(r.Visits[2].Picture).filename(), "t-03-ready-to-install.png");
  for (const TVisit& v : r.Visits) {
    TBitmap picture;
    picture.LoadFromFile(v.Picture);
    EXPECT_EQ(picture.Width(), form->Width());
    EXPECT_EQ(picture.Height(), form->Height());
  }
  std::filesystem::remove_all(dir);
}

// The files are what the builders make, and the form tool's canonical text of each is
// the file itself, so reading and writing them changes nothing.
TEST(Demo, ExampleFilesAreCanonicalAndUpToDate) {
  zelvant::TZelvant::SetLanguageDirectory(kExamples);
  const struct {
    const char* file;
    std::unique_ptr<TComponent> built;
  } examples[] = {{"setup.dfm", BuildSetupWizard()}, {"setup-tabbed.dfm", BuildTabbedSetup()},
                  {"options.dfm", BuildOptionsForm()}};
  zelvant::TZelvant::SetLanguageDirectory("");
  for (const auto& e : examples) {
    SCOPED_TRACE(e.file);
    const std::string text = ReadTextFile(kExamples + "/" + e.file);
    EXPECT_EQ(WriteForm(e.built.get()), text);
    TReadOptions options;  // as the form tool reads: the form's own class may be unknown
    options.FallbackRootClass = FindClass("TForm");
    options.KeepUnboundEvents = true;
    TReader reader(text, options);
    std::unique_ptr<TComponent> root(reader.ReadRootComponent());
    EXPECT_EQ(WriteForm(root.get(), reader.RootClassName()), text);
  }
}

namespace {

// Controls that overlap a sibling or stick out of their parent, among those shown.
void CollectLayoutFaults(const TWinControl* parent, const std::string& page, std::vector<std::string>& faults) {
  std::vector<const TControl*> shown;
  for (Integer i = 0; i < parent->ControlCount(); ++i) {
    const TControl* c = parent->Controls(i);
    if (c->Visible() && c->Left() != zelvant::kParkedLeft) shown.push_back(c);
  }
  const TRect area = Rect(0, 0, parent->Width(), parent->Height());
  for (size_t i = 0; i < shown.size(); ++i) {
    const TRect r = shown[i]->BoundsRect();
    if (r.Left < area.Left || r.Top < area.Top || r.Right > area.Right || r.Bottom > area.Bottom)
      faults.push_back(page + ": " + shown[i]->Name() + " sticks out of " + parent->Name());
    for (size_t j = i + 1; j < shown.size(); ++j) {
      const TRect q = shown[j]->BoundsRect();
      if (r.Left < q.Right && q.Left < r.Right && r.Top < q.Bottom && q.Top < r.Bottom)
        faults.push_back(page + ": " + shown[i]->Name() + " overlaps " + shown[j]->Name());
    }
    if (const auto* w = dynamic_cast<const TWinControl*>(shown[i])) CollectLayoutFaults(w, page, faults);
  }
}

std::vector<std::string> LayoutFaultsAlong(const std::string& file, const std::vector<TRouteStep>& steps) {
  auto form = Load(file);
  std::vector<std::string> faults;
  // Checked as each page is left: by then the wizard has placed everything.
  std::vector<TRouteStep> checked;
  for (const TRouteStep& s : steps)
    checked.push_back({s.Action, [&faults, &form, s](THeadlessBackend& b) {
                         const zelvant::TZelvant* z = form->Wizard();
                         CollectLayoutFaults(form.get(), z->PageNames()->Get(z->RealPage()), faults);
                         s.Input(b);
                       }});
  EXPECT_EQ(RunRoute(*form, checked, {}).ModalResult, mrOk);
  return faults;
}

}  // namespace

TEST(Demo, NoPageHasControlsOverlappingOrCutOff) {
  EXPECT_EQ(LayoutFaultsAlong("setup.dfm", SetupRoute()), std::vector<std::string>{});
  EXPECT_EQ(LayoutFaultsAlong("setup-tabbed.dfm", TabbedRoute()), std::vector<std::string>{});
}

TEST(Demo, TheDialogPageHasItsOwnSizeAndParents) {
  auto form = Load("setup.dfm");
  zelvant::TZelvant* z = form->Wizard();
  z->Execute(rowOptions);  // no input: the run ends at once, the page stays
  const Integer wizardWidth = form->Width(), wizardHeight = form->Height();
  z->Changeclick(nullptr);
  ASSERT_EQ(z->Page(), 0);
  EXPECT_EQ(form->ClientWidth(), 590);
  EXPECT_EQ(form->ClientHeight(), 350);
  // The setup type and the options stand side by side in the dialog's box.
  const TControl* type = As<TControl>(form->FindComponent("TypeGroup"));
  const TControl* options = As<TControl>(form->FindComponent("OptionsContainer"));
  EXPECT_EQ(type->Parent()->Name(), "DialogBox");
  EXPECT_EQ(options->Parent()->Name(), "DialogBox");
  EXPECT_EQ(type->Top(), options->Top());
  EXPECT_LT(type->BoundsRect().Right, options->Left());
  z->Changeclick(nullptr);
  EXPECT_EQ(z->Page(), rowOptions);  // the page the user left
  EXPECT_EQ(form->Width(), wizardWidth);
  EXPECT_EQ(form->Height(), wizardHeight);
  EXPECT_EQ(options->Parent()->Name(), "OptionsBox");
}

TEST(Demo, ExamplesAreFoundFromTheBuildTree) {
  EXPECT_EQ(FindExamplesDir("/some/where"), "/some/where");
  EXPECT_TRUE(std::filesystem::is_regular_file(std::filesystem::path(FindExamplesDir("")) / "setup.dfm"));
}

TEST(Demo, PictureNamesComeFromPageNames) {
  EXPECT_EQ(Slug("Ready to Install"), "ready-to-install");
  EXPECT_EQ(Slug("  Setup -- Options! "), "setup-options");
  EXPECT_EQ(Slug("?"), "page");
}

// What the user typed reaches the summary, on one line however long: a folder name
// wider than its label ends in an ellipsis instead of wrapping over the row below.
TEST(Demo, TypedNameAndFolderFillTheSummaryWithoutOverlap) {
  auto form = Load("setup.dfm");
  ASSERT_EQ(RunRoute(*form, SetupRoute(), {}).ModalResult, mrOk);
  const TSetupChoices c = form->Choices();
  EXPECT_EQ(c.UserName, "Ada Lovelace");
  EXPECT_EQ(c.Destination, "/home/ada/Programs/Zelvant Demo, a setup wizard shown step by step");
  EXPECT_EQ(Caption(*form, "SummaryName"), "Ada Lovelace");
  auto* folder = As<TLabel>(form->FindComponent("SummaryDestination"));
  const std::string shown = folder->Caption();
  ASSERT_GT(shown.size(), 3u);
  EXPECT_EQ(shown.substr(shown.size() - 3), "...");
  EXPECT_EQ(c.Destination.rfind(shown.substr(0, shown.size() - 3), 0), 0u);
  TCanvas& canvas = folder->Canvas();
  canvas.Font().Assign(folder->Font());
  EXPECT_LE(canvas.TextWidth(shown), folder->Width());
  EXPECT_EQ(folder->Height(), 13);
  EXPECT_EQ(As<TLabel>(form->FindComponent("SummaryFolderCaption"))->Top(), folder->Top() + 20);
}

// The licence cannot be changed, and it scrolls to its end by keys and by the wheel.
TEST(Demo, TheLicenceIsReadOnlyAndScrolls) {
  auto form = Load("setup.dfm");
  auto* memo = As<TMemo>(form->FindComponent("LicenceMemo"));
  const std::string text = memo->Lines()->Text();
  Integer afterKeys = -1;
  const std::vector<TRouteStep> steps = {
      Click("Zelvant1.NextButton"), Click("LicenceMemo"),
      {"keys", [](THeadlessBackend& b) {
         b.TypeText("x");
         b.PressKey(VK_BACK);
         b.PressKey(VK_NEXT);
       }},
      {"wheel", [&afterKeys, memo, &form](THeadlessBackend& b) {
         afterKeys = memo->TopRow();
         const TPoint m = memo->ClientToScreen(Point(20, 20)), o = form->ClientToScreen(Point(0, 0));
         b.Wheel(Point(m.X - o.X, m.Y - o.Y), -10);
       }}};
  RunRoute(*form, steps, {});
  EXPECT_EQ(memo->Lines()->Text(), text);
  EXPECT_GT(memo->RowCount(), memo->VisibleRows());
  EXPECT_GT(afterKeys, 0);
  EXPECT_EQ(memo->TopRow(), memo->RowCount() - memo->VisibleRows());
}

// Fills under opaque controls are left out of the paint; on every page of both wizards,
// the dialog page included, that leaves no pixel of the window unpainted.
TEST(Demo, EveryPixelOfEveryPageIsPainted) {
  for (const char* file : {"setup.dfm", "setup-tabbed.dfm"}) {
    auto form = Load(file);
    form->Show();
    auto* wizard = As<zelvant::TZelvant>(form->FindComponent("Zelvant1"));
    for (Integer page = 0; page <= wizard->NumPages(); ++page) {
      wizard->setPage(page);
      EXPECT_EQ(pixeltest::UnpaintedPixels(*form), 0) << file << " page " << page;
    }
  }
}
