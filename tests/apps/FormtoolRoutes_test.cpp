// formtool's route checks and route graph on form files: the examples, a seeded faulty
// wizard, and the graph the README's picture was rendered from.
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "RouteReport.h"
#include "host/forms/Forms.h"
#include "host/streaming/Filer.h"
#include "zelvant/Package.h"

using namespace host;

namespace {

const std::string kSource = ZELVANT_SOURCE_DIR;

// Reads a form as formtool does: any form class, handlers kept by name.
std::unique_ptr<TComponent> ReadAnyForm(const std::string& text) {
  zelvant::PackageDescription();
  TReadOptions options;
  options.FallbackRootClass = FindClass("TForm");
  options.KeepUnboundEvents = true;
  TReader reader(text, options);
  return std::unique_ptr<TComponent>(reader.ReadRootComponent());
}

// Rows: 1 "Ask" (no handler) -> 2; 2 "Next", where the checked jump radio button Loop
// (pages 2 and 3, one on) leads to 3; 3 "Goto 2"; 4 "Finish", which nothing reaches
// and whose jump button Far leads to position 9.
const char* kFaulty = R"(object RouteForm: TForm
  object Zelvant1: TZelvant
    NumPages = 4
    PageNames.Strings = (
      'Options'
      'Start'
      'Middle'
      'Loop'
      'End')
    WayList.NumPages = 4
    WayList.Data = {
      01000000FFFFFFFF02000000FDFFFFFF030000000200000004000000FEFFFFFF}
    WayListEnabled = True
    object Loop: TAJumpRadioBtn
      Checked = True
      ShowContainer.NumApos = 5
      ShowContainer.Data = {
        0000000000000000000000000000000000000000000000000000000000000000
        01000000000000000000000001000000000000000000000000000000}
      JumpPage = 1
      JumpMode = jmRelativ
    end
    object Far: TAJumpBitBtn
      ShowContainer.NumApos = 5
      ShowContainer.Data = {
        0000000000000000000000000000000000000000000000000000000000000000
        00000000000000000000000000000000000000000000000001000000}
      JumpPage = 9
      JumpMode = jmAbsolut
    end
  end
end
)";

}  // namespace

TEST(FormtoolRoutes, TheExampleWizardsHaveNoFindings) {
  int wizards = 0;
  for (const auto& entry : std::filesystem::directory_iterator(kSource + "/examples")) {
    if (entry.path().extension() != ".dfm") continue;
    SCOPED_TRACE(entry.path().string());
    auto root = ReadAnyForm(ReadTextFile(entry.path().string()));
    for (const TComponent* c : root->ComponentList()) wizards += dynamic_cast<const zelvant::TZelvant*>(c) != nullptr;
    std::ostringstream out;
    EXPECT_EQ(formtool::ReportRoutes(entry.path().filename().string(), *root, {}, out), 0);
    EXPECT_EQ(out.str(), "");
  }
  EXPECT_GE(wizards, 2);  // setup.dfm and setup-tabbed.dfm at least
}

TEST(FormtoolRoutes, ASeededFaultyWizardReportsExactlyItsFaults) {
  auto root = ReadAnyForm(kFaulty);
  std::ostringstream out;
  EXPECT_EQ(formtool::ReportRoutes("faulty.dfm", *root, {}, out), 1);
  EXPECT_EQ(out.str(),
            "faulty.dfm: position 1 (page \"Start\"): an \"Ask\" row, but no OnAskPageChange handler is bound: Next "
            "simply goes to the following row\n"
            "faulty.dfm: position 1 (page \"Start\"): no route from here reaches a finish: the user can only go back "
            "or cancel\n"
            "faulty.dfm: position 2 (page \"Middle\"): positions 2 and 3 lead only to each other: a loop with no way "
            "out to a finish\n"
            "faulty.dfm: position 4 (page \"End\"): jump button Far leads to position 9, which does not exist (0 to "
            "4)\n"
            "faulty.dfm: position 4 (page \"End\"): no route from the start (position 1) leads here\n");
  // Mended: a handler named in the file counts as bound, the radio button leads on to 4
  // and the jump button back to 2. Row 3 is left alone: only a warning, exit code 0.
  std::string mended = kFaulty;
  mended.replace(mended.find("WayListEnabled = True"), 21, "WayListEnabled = True\n    OnAskPageChange = Asked");
  mended.replace(mended.find("JumpPage = 9"), 12, "JumpPage = 2");
  mended.replace(mended.find("JumpPage = 1\n"), 12, "JumpPage = 2");
  root = ReadAnyForm(mended);
  zelvant::TRouteOptions options;
  ASSERT_TRUE(formtool::ParseAskTargets("1=2", options));
  std::ostringstream again;
  EXPECT_EQ(formtool::ReportRoutes("mended.dfm", *root, options, again), 0);
  EXPECT_EQ(again.str(), "mended.dfm: position 3 (page \"Loop\"): no route from the start (position 1) leads here\n");
}

TEST(FormtoolRoutes, AskTargetsAreReadFromTheCommandLine) {
  zelvant::TRouteOptions options;
  EXPECT_TRUE(formtool::ParseAskTargets("3=4,5", options));
  EXPECT_TRUE(formtool::ParseAskTargets("6=-1", options));
  EXPECT_EQ(options.AskTargets[3], (std::vector<Integer>{4, 5}));
  EXPECT_EQ(options.AskTargets[6], (std::vector<Integer>{-1}));
  for (const char* bad : {"3", "3=", "x=4", "3=4,", "3=4,y", "3=4 5"}) {
    SCOPED_TRACE(bad);
    EXPECT_FALSE(formtool::ParseAskTargets(bad, options));
  }
}

// docs/routes-setup.png was rendered from docs/routes-setup.dot with
//   formtool --dot examples/setup.dfm --ask 4=5,6 -o docs/routes-setup.dot
//   dot -Tpng docs/routes-setup.dot -o docs/routes-setup.png
TEST(FormtoolRoutes, TheDemoWizardsGraphIsThePicturesSource) {
  auto root = ReadAnyForm(ReadTextFile(kSource + "/examples/setup.dfm"));
  zelvant::TRouteOptions options;
  ASSERT_TRUE(formtool::ParseAskTargets("4=5,6", options));
  std::ostringstream dot;
  formtool::WriteRouteDot(*root, options, dot);
  EXPECT_EQ(dot.str(), ReadTextFile(kSource + "/docs/routes-setup.dot"));
  EXPECT_TRUE(std::filesystem::is_regular_file(kSource + "/docs/routes-setup.png"));
}
