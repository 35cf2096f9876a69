#include "foundation/Heap.h"

#include <gtest/gtest.h>

#include <string>

#include "support/TestSupport.h"

namespace mz {
namespace {

using test::Diagnostics;
using test::TempDir;

TEST(ErrorReporter, CountsOnlyErrorsAndQueriesAndResets) {
  Diagnostics d;
  EXPECT_EQ(d.reporter.report(Severity::Error, {"one"}), 1);
  EXPECT_EQ(d.reporter.report(2, {"two"}), 2);
  EXPECT_EQ(d.reporter.report(Severity::Warning, {"w"}), 2);
  EXPECT_EQ(d.reporter.report(Severity::Note, {"n"}), 2);
  EXPECT_EQ(d.reporter.report(Severity::CountQuery, {"test"}), 2);
  EXPECT_EQ(d.reporter.report(Severity::CountReset, {""}), 0);
  EXPECT_EQ(d.reporter.report(-7, {""}), 0);
  EXPECT_EQ(d.reporter.report(Severity::CountQuery, {"test"}), 0);
  // Queries and resets show nothing.
  EXPECT_EQ(d.ui.events().size(), 4u);
}

TEST(ErrorReporter, ShowsCaptionIconAndLocatedText) {
  struct Case {
    int severity;
    const char* caption;
    MessageIcon icon;
  };
  const Case cases[] = {{0, "NOTE", MessageIcon::Information},
                        {1, "WARNING", MessageIcon::Warning},
                        {2, "ERROR", MessageIcon::Error}};
  for (const Case& c : cases) {
    Diagnostics d;
    d.reporter.report(c.severity, {"Bad integer: ", "x1"});
    ASSERT_EQ(d.ui.events().size(), 1u);
    const UiEvent& e = d.ui.events()[0];
    EXPECT_EQ(e.caption, c.caption);
    EXPECT_EQ(e.icon, c.icon);
    EXPECT_TRUE(e.text.starts_with(" Bad integer: x1\n  (file HeapTest, line "));
    EXPECT_TRUE(e.text.ends_with(")\n"));
  }
}

TEST(ErrorReporter, WritesTwoLinesPerReportToTheLog) {
  TempDir dir;
  LogFile log;
  ASSERT_TRUE(log.open(dir / "test.log"));
  Diagnostics d;
  d.reporter.setLog(&log);
  const int line = __LINE__ + 1;
  d.reporter.report(Severity::Error, {"Number mismatch: ", "3", ""});
  d.reporter.logLine(1, "plain line");
  EXPECT_EQ(test::readFile(dir / "test.log"), "ERROR  (file HeapTest, line " +
                                                  std::to_string(line) +
                                                  ")\n Number mismatch: 3\nWARNING plain line\n");
}

TEST(ErrorReporter, PartsStopAtTheFirstEmptyPartAndAreCutAt255) {
  EXPECT_EQ(ErrorReporter::composeText({"a", "b", "", "c"}), " ab\n");
  const std::string longPart(300, 'x');
  const std::string text = ErrorReporter::composeText({longPart});
  EXPECT_EQ(text, " " + std::string(254, 'x') + "\n");
}

TEST(ErrorReporter, ShowMessageNeitherLogsNorCounts) {
  Diagnostics d;
  d.reporter.showMessage(1, {"Name not found: ", "abc"});
  d.reporter.showMessage(5, {"x"});
  d.reporter.showMessage(-1, {"hidden"});
  EXPECT_EQ(d.reporter.errorCount(), 0);
  ASSERT_EQ(d.ui.events().size(), 2u);
  EXPECT_EQ(d.ui.events()[0].caption, "WARNING");
  EXPECT_EQ(d.ui.events()[0].text, " Name not found: abc\n");
  EXPECT_EQ(d.ui.events()[1].caption, "ERROR");
}

TEST(ErrorReporter, QuestionsGoThroughTheUiPort) {
  Diagnostics d;
  d.ui.answer(Answer::Yes);
  d.ui.answer(Answer::Cancel);
  EXPECT_TRUE(d.reporter.askYesNo("Delete?"));
  EXPECT_EQ(d.reporter.askYesNoCancel("Save?"), Answer::Cancel);
  EXPECT_EQ(d.ui.events()[0].caption, "Question");
  EXPECT_EQ(d.ui.events()[1].text, "Save?");
}

TEST(SourceBaseName, DropsFolderAndExtensionAndCutsAt15) {
  EXPECT_EQ(sourceBaseName("/work/src/prjfile/PrjRead.cpp"), "PrjRead");
  EXPECT_EQ(sourceBaseName("C:\\src\\Sketch.c"), "Sketch");
  EXPECT_EQ(sourceBaseName("a/VeryLongSourceFileName.cpp"), "VeryLongSourceF");
}

using ErrorReporterDeathTest = ::testing::Test;

TEST_F(ErrorReporterDeathTest, FatalAndAboveEndTheProgramWithStatusOne) {
  for (int severity : {3, 7}) {
    EXPECT_EXIT(
        {
          Diagnostics d;
          d.reporter.report(severity, {"impossible"});
        },
        ::testing::ExitedWithCode(1), "");
  }
}

TEST_F(ErrorReporterDeathTest, FatalIsShownLoggedAndNotCounted) {
  TempDir dir;
  const auto path = dir / "fatal.log";
  EXPECT_EXIT(
      {
        LogFile log;
        log.open(path);
        Diagnostics d;
        d.reporter.setLog(&log);
        d.reporter.setFatalAction([&] {
          // The count is untouched by a fatal report; say so on the way out.
          std::fprintf(stderr, "count=%d caption=%s", d.reporter.errorCount(),
                       d.ui.events().back().caption.c_str());
        });
        d.reporter.fatal({"Insufficient memory to allocate: ", "ZnLst"});
      },
      ::testing::ExitedWithCode(1), "count=0 caption=FATAL");
  EXPECT_TRUE(test::readFile(path).starts_with("FATAL  (file HeapTest, line "));
  EXPECT_TRUE(test::readFile(path).ends_with(" Insufficient memory to allocate: ZnLst\n"));
}

TEST_F(ErrorReporterDeathTest, LogLineOfSeverityThreeEndsTheProgram) {
  EXPECT_EXIT(
      {
        Diagnostics d;
        d.reporter.logLine(3, "end");
      },
      ::testing::ExitedWithCode(1), "");
}

TEST(LogFile, ReportsWithoutALogStillShow) {
  Diagnostics d;
  d.reporter.report(Severity::Warning, {"shown"});
  d.reporter.logText("nowhere");
  EXPECT_EQ(d.messages(), std::vector<std::string>{"shown"});
}

TEST(LogFile, OpenFailsForAMissingFolder) {
  TempDir dir;
  LogFile log;
  EXPECT_FALSE(log.open(dir / "missing" / "x.log"));
  EXPECT_FALSE(log.isOpen());
  log.write("ignored");
}

}  // namespace
}  // namespace mz
