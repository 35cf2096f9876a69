#include "foundation/Heap.h"

#include <gtest/gtest.h>

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

}  // namespace
}  // namespace mz
