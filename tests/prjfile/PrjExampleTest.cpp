// The example project of the README opens cleanly and is what the writer makes of it.

#include <gtest/gtest.h>

#include <filesystem>

#include "PrjFixture.h"
#include "support/TestSupport.h"

namespace mz::test {
namespace {

TEST(PrjExample, OfficeProjectOpensAndIsWrittenTheSame) {
  std::filesystem::path example =
      std::filesystem::path(MULZON_SOURCE_DIR) / "examples" / "office.prj";
  Diagnostics d;
  auto project = std::make_unique<Project>();
  ProjectFileInfo info;
  ASSERT_EQ(readProject(d.reporter, project, info, example), 0)
      << testing::PrintToString(d.messages());
  EXPECT_TRUE(d.messages().empty());
  EXPECT_EQ(project->levels.size(), 2u);
  EXPECT_EQ(projectText(*project, info), readFile(example));
}

}  // namespace
}  // namespace mz::test
