#include "foundation/Lists.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "foundation/KeyList.h"
#include "support/TestSupport.h"

namespace mz {
namespace {

using test::Diagnostics;
using ::testing::ElementsAre;

struct Element : ElementHead {
  int payload = 0;
};

Element named(std::string name, int payload = 0) {
  Element e;
  e.name = std::move(name);
  e.payload = payload;
  return e;
}

std::vector<std::string> names(const ElementList<Element>& list) {
  std::vector<std::string> out;
  for (const Element& e : list.all()) out.push_back(e.name);
  return out;
}

// Fatal reports end the program; the death tests print the notice so it can be matched.
void printFatalMessages(Diagnostics& d) {
  d.reporter.setFatalAction([&d] {
    for (const std::string& m : d.messages()) std::fprintf(stderr, "%s\n", m.c_str());
  });
}

class ElementListTest : public ::testing::Test {
 protected:
  Diagnostics d;
  ChangeMarks marks;
  ElementList<Element> list{"test", marks};
};

TEST_F(ElementListTest, KeepsNameOrderAndNumbersInListOrder) {
  list.addElement(named("b"));
  list.addElement(named("a"));
  list.addElement(named("c"));
  EXPECT_THAT(names(list), ElementsAre("a", "b", "c"));
  EXPECT_EQ(list.numberElements(), 3);
  EXPECT_EQ(list.findElement("a")->number, 1);
  EXPECT_EQ(list.findElement("c")->number, 3);
  EXPECT_EQ(list.byNumber(2)->name, "b");
  EXPECT_TRUE(marks.modified);
}

TEST_F(ElementListTest, ComparesNamesByteWiseAndCaseSensitively) {
  list.addElement(named("alpha"));
  list.addElement(named("Zeta"));
  list.addElement(named("\xE9t\xE9"));  // a byte above 127 sorts after every ASCII name
  list.addElement(named("Alpha"));
  EXPECT_THAT(names(list), ElementsAre("Alpha", "Zeta", "alpha", "\xE9t\xE9"));
  EXPECT_EQ(list.findElement("ALPHA"), nullptr);
}

TEST_F(ElementListTest, FindsFromAGivenElementOn) {
  list.appendSorted(named("a", 1));
  list.appendSorted(named("a", 2));
  Element* first = list.findElement("a");
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(first->payload, 1);
  EXPECT_EQ(list.findElement("a", first)->payload, 1);
  EXPECT_EQ(list.findElement("a", &list[1])->payload, 2);
}

TEST_F(ElementListTest, ReplacingByANewNameMovesTheSameRecord) {
  Element& a = list.addElement(named("a", 1));
  list.addElement(named("b"));
  list.addElement(named("c"));
  Ref<Element> link = ElementList<Element>::ref(&a);

  Element& moved = list.replaceElement(d.reporter, a, named("d", 7));
  EXPECT_THAT(names(list), ElementsAre("b", "c", "d"));
  EXPECT_EQ(&moved, &a);
  EXPECT_EQ(list.find(link), &moved);
  EXPECT_EQ(moved.payload, 7);
  EXPECT_EQ(list.freeCount(), 0u);
}

TEST_F(ElementListTest, ReplacingUnderTheSameNameKeepsPlaceAndRecord) {
  list.addElement(named("a"));
  Element& b = list.addElement(named("b", 1));
  list.addElement(named("c"));
  marks.modified = false;
  Element& replaced = list.replaceElement(d.reporter, b, named("b", 2));
  EXPECT_EQ(&replaced, &b);
  EXPECT_EQ(&list[1], &b);
  EXPECT_EQ(b.payload, 2);
  EXPECT_TRUE(marks.modified);
}

TEST_F(ElementListTest, DeletedRecordIsReusedButOldLinksResolveToNothing) {
  list.addElement(named("a"));
  Element& b = list.addElement(named("b"));
  Ref<Element> oldLink = ElementList<Element>::ref(&b);
  const Element* cell = &b;

  list.deleteElement(d.reporter, b);
  EXPECT_THAT(names(list), ElementsAre("a"));
  EXPECT_EQ(list.nextReused(), cell);
  EXPECT_EQ(list.find(oldLink), nullptr);

  Element& e = list.addElement(named("e"));
  EXPECT_EQ(&e, cell);
  EXPECT_EQ(list.find(oldLink), nullptr);
  EXPECT_EQ(list.find(ElementList<Element>::ref(&e)), &e);
}

TEST_F(ElementListTest, DeletingAnElementOfAnotherListIsFatal) {
  ChangeMarks otherMarks;
  ElementList<Element> other("other", otherMarks);
  Element& stranger = other.addElement(named("x"));
  list.addElement(named("x"));
  printFatalMessages(d);
  EXPECT_EXIT(list.deleteElement(d.reporter, stranger), ::testing::ExitedWithCode(1),
              "Failed to delete x");
}

TEST_F(ElementListTest, AppendSortedAppendsInOrderAndInsertsOthersAfterEqualNames) {
  for (const char* name : {"b", "d", "a", "d", "c", "e"}) list.appendSorted(named(name));
  EXPECT_THAT(names(list), ElementsAre("a", "b", "c", "d", "d", "e"));
  EXPECT_FALSE(marks.modified);

  ElementList<Element> equal("equal", marks);
  equal.appendSorted(named("m", 1));
  equal.appendSorted(named("z"));
  equal.appendSorted(named("m", 2));
  EXPECT_EQ(equal[0].payload, 1);
  EXPECT_EQ(equal[1].payload, 2);
}

TEST_F(ElementListTest, UseCountsReferencesThroughLinks) {
  Element& a = list.addElement(named("a"));
  Ref<Element> link = ElementList<Element>::ref(&a);
  list.use(link);
  list.use(link);
  EXPECT_EQ(a.useCount, 2);
  EXPECT_EQ(list.use(Ref<Element>{}), nullptr);
}

struct NameCase {
  std::string name;
  std::size_t size;
  const char* message;  // nullptr: accepted
};

class CheckNameTest : public ::testing::TestWithParam<NameCase> {};

TEST_P(CheckNameTest, ShowsTheFirstBrokenRule) {
  Diagnostics d;
  const NameCase& c = GetParam();
  EXPECT_EQ(checkName(d.reporter, c.name, c.size), c.message == nullptr);
  if (c.message) {
    EXPECT_THAT(d.messages(), ElementsAre(c.message));
    EXPECT_EQ(d.ui.events()[0].caption, "WARNING");
  } else {
    EXPECT_TRUE(d.messages().empty());
  }
  EXPECT_EQ(d.reporter.errorCount(), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Rules, CheckNameTest,
    ::testing::Values(NameCase{"", 16, "Empty name not permitted"},
                      NameCase{"a b", 16, "Blanks not permitted in name"},
                      NameCase{"a,b", 16, "Commas not permitted in name"},
                      NameCase{"a!b", 16, "Exclamation points not permitted in name"},
                      NameCase{"a!, b", 16, "Blanks not permitted in name"},
                      NameCase{"a!,b", 16, "Commas not permitted in name"},
                      NameCase{"abcdefghijklmnop", 16, "Name is longer than 15 characters"},
                      NameCase{"abcdefghijklmno", 16, nullptr},
                      NameCase{"abcdefghijklmnop", 32, nullptr},
                      NameCase{"a b c d e f g h i", 16, "Blanks not permitted in name"}));

TEST_F(ElementListTest, CheckNewNameRefusesExistingNamesExceptTheOldOne) {
  list.addElement(named("air"));
  EXPECT_FALSE(list.checkNewName(d.reporter, "air", "co2"));
  EXPECT_TRUE(list.checkNewName(d.reporter, "air", "air"));
  EXPECT_TRUE(list.checkNewName(d.reporter, "co2", ""));
  EXPECT_FALSE(list.checkNewName(d.reporter, "c o2", ""));
  EXPECT_THAT(d.messages(),
              ElementsAre("May not use existing name", "Blanks not permitted in name"));
}

TEST_F(ElementListTest, FindElementOrSayNamesMissingElements) {
  list.addElement(named("air"));
  EXPECT_EQ(list.findElementOrSay(d.reporter, "air"), &list[0]);
  EXPECT_EQ(list.findElementOrSay(d.reporter, "co2"), nullptr);
  EXPECT_EQ(list.findElementOrSay(d.reporter, " air"), nullptr);
  EXPECT_THAT(d.messages(), ElementsAre("Name not found: co2"));
  EXPECT_EQ(d.reporter.errorCount(), 0);
}

TEST(KeyList, KeepsKeyOrderAndRefusesEqualKeys) {
  KeyList<std::string> keys;
  ASSERT_NE(keys.insertByKey(5, "five"), nullptr);
  ASSERT_NE(keys.insertByKey(1, "one"), nullptr);
  ASSERT_NE(keys.insertByKey(3, "three"), nullptr);
  EXPECT_EQ(keys.insertByKey(3, "again"), nullptr);
  ASSERT_EQ(keys.size(), 3u);
  EXPECT_EQ(keys[0].value, "one");
  EXPECT_EQ(keys[1].value, "three");
  EXPECT_EQ(keys[2].value, "five");

  EXPECT_EQ(keys.removeNth(1), 1u);
  EXPECT_EQ(keys[1].value, "five");
  EXPECT_EQ(keys.removeNth(1), 1u);
  EXPECT_EQ(keys.size(), 1u);
  EXPECT_EQ(keys.removeNth(4), 1u);
  keys.freeKeyList();
  EXPECT_TRUE(keys.empty());
}

}  // namespace
}  // namespace mz
