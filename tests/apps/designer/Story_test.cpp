// The README's story, run as a person would run it, every check holding.
#include <sstream>

#include "DesignerFixture.h"

using namespace host;

namespace designertest {

TEST_F(DesignerTest, TheScriptedStoryRunsThrough) {
  std::ostringstream log;
  EXPECT_EQ(designer::RunDesignerStory(*window_, "", log), 0) << log.str();
  EXPECT_EQ(log.str().find("FAIL"), std::string::npos) << log.str();
}

}  // namespace designertest
