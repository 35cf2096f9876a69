#include "foundation/Tables.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <vector>

#include "support/TestSupport.h"

namespace mz {
namespace {

using test::Diagnostics;
using test::TempDir;

struct Part : ComponentHead {
  int payload = 0;
};

Part part(int payload) {
  Part p;
  p.payload = payload;
  return p;
}

class ComponentTableTest : public ::testing::Test {
 protected:
  Diagnostics d;
  ChangeMarks marks;
  ComponentTable<Part> table{"ZnLst", 512, "zone", marks};
};

struct GrowthCase {
  int capacity;  // before the put
  int number;
  int grown;
};

class TableGrowthTest : public ::testing::TestWithParam<GrowthCase> {};

TEST_P(TableGrowthTest, GrowsByWholeStepsUntilTheNumberFits) {
  ChangeMarks marks;
  ComponentTable<Part> table("ZnLst", 512, "zone", marks);
  const GrowthCase& c = GetParam();
  table.reserve(c.capacity);
  table.put(part(1), c.number);
  EXPECT_EQ(table.capacity(), c.grown);
  EXPECT_EQ(table.count(), c.number);
  EXPECT_EQ(table.at(c.number)->number, c.number);
}

INSTANTIATE_TEST_SUITE_P(Steps, TableGrowthTest,
                         ::testing::Values(GrowthCase{0, 1, 512}, GrowthCase{513, 513, 1025},
                                           GrowthCase{513, 512, 513}, GrowthCase{0, 512, 1024},
                                           GrowthCase{0, 2000, 2048}, GrowthCase{4, 5000, 5124}));

TEST_F(ComponentTableTest, AddNumbersAfterTheCountAndMarksRenumbering) {
  EXPECT_EQ(table.add(part(1)), 1);
  EXPECT_EQ(table.add(part(2)), 2);
  EXPECT_TRUE(marks.renumberDue);
  EXPECT_TRUE(marks.modified);
  table.free(1);
  EXPECT_EQ(table.add(part(3)), 3);  // numbers are not closed up by a free
  EXPECT_EQ(table.at(1), nullptr);
}

TEST_F(ComponentTableTest, GetCopiesAndReportsEmptySlots) {
  table.add(part(7));
  Part copy;
  EXPECT_TRUE(table.get(d.reporter, 1, copy));
  EXPECT_EQ(copy.payload, 7);
  EXPECT_FALSE(table.get(d.reporter, 2, copy));
  EXPECT_FALSE(table.get(d.reporter, -1, copy));
  EXPECT_THAT(d.messages(),
              ::testing::ElementsAre("Could not get zone 2", "Could not get zone -1"));
  EXPECT_EQ(d.reporter.errorCount(), 2);
}

TEST_F(ComponentTableTest, PutOverAFilledSlotKeepsTheRecordAndItsLinks) {
  int n = table.add(part(1));
  Ref<Part> link = table.ref(n);
  Part* record = table.at(n);
  Part copy;
  table.get(d.reporter, n, copy);
  copy.payload = 9;
  copy.id = 12345;  // a work copy cannot change the record's identity
  table.put(copy, n);
  EXPECT_EQ(table.at(n), record);
  EXPECT_EQ(table.find(link), record);
  EXPECT_EQ(record->payload, 9);
}

TEST_F(ComponentTableTest, FreedRecordIsHandedOutNextUnderANewIdentity) {
  table.add(part(1));
  int n = table.add(part(2));
  Ref<Part> oldLink = table.ref(n);
  const Part* cell = table.at(n);
  table.free(n);
  EXPECT_EQ(table.nextReused(), cell);
  EXPECT_EQ(table.find(oldLink), nullptr);
  EXPECT_EQ(table.numberOf(oldLink), 0);

  int m = table.add(part(3));
  EXPECT_EQ(table.at(m), cell);
  EXPECT_EQ(table.find(oldLink), nullptr);
}

TEST_F(ComponentTableTest, LinksSurviveGrowthAndRebuilding) {
  std::vector<Ref<Part>> links;
  std::vector<const Part*> records;
  for (int i = 1; i <= 3; ++i) {
    int n = table.add(part(i));
    links.push_back(table.ref(n));
    records.push_back(table.at(n));
  }
  table.put(part(99), 1500);  // grows the table several steps
  for (std::size_t i = 0; i < links.size(); ++i) EXPECT_EQ(table.find(links[i]), records[i]);

  // New order: 3, 1; record 2 and the one at 1500 are dropped.
  table.find(links[2])->number = 1;
  table.find(links[0])->number = 2;
  const Ref<Part> chain[] = {links[2], links[0]};
  EXPECT_EQ(table.rebuildIndex(d.reporter, chain, 2), 2);
  EXPECT_EQ(table.count(), 2);
  EXPECT_EQ(table.at(1), records[2]);
  EXPECT_EQ(table.at(2), records[0]);
  EXPECT_EQ(table.find(links[1]), nullptr);
  EXPECT_EQ(table.freeCount(), 2u);
  EXPECT_FALSE(marks.renumberDue);
  EXPECT_EQ(table.add(part(4)), 3);
}

TEST_F(ComponentTableTest, ReorderingMismatchDumpsTheTableAndIsFatal) {
  TempDir dir;
  LogFile log;
  ASSERT_TRUE(log.open(dir / "test.log"));
  d.reporter.setLog(&log);
  Ref<Part> a = table.ref(table.add(part(1)));
  Ref<Part> b = table.ref(table.add(part(2)));
  table.find(a)->number = 1;
  table.find(b)->number = 5;
  const Ref<Part> chain[] = {a, b};
  EXPECT_EXIT(table.rebuildIndex(d.reporter, chain, 3), ::testing::ExitedWithCode(1), "");
  std::string text = test::readFile(dir / "test.log");
  EXPECT_THAT(text, ::testing::HasSubstr("Error in ZnLstList:\n   1   1 [0x"));
  EXPECT_THAT(text, ::testing::ContainsRegex("\n   2   5 \\[0x[0-9a-f]+\\] \\[0\\]\n"));
  EXPECT_THAT(text, ::testing::HasSubstr("\n   3 null [0]\n"));
  EXPECT_THAT(text, ::testing::HasSubstr("ZnLstList reordering error"));
}

}  // namespace
}  // namespace mz
