#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <string>
#include <vector>

#include "foundation/Utils.h"
#include "support/TestSupport.h"

namespace mz {
namespace {

struct ReaderFixture : ::testing::Test {
  test::Diagnostics d;
  TokenReader reader{d.reporter};

  std::vector<std::string> allTokens(ReadMode mode = ReadMode::NextToken) {
    std::vector<std::string> out;
    std::string token;
    while (reader.readToken(token, mode)) out.push_back(token);
    return out;
  }
};

TEST_F(ReaderFixture, SeparatorsAndCommentsInNextTokenMode) {
  reader.openText("12,  3.5\t-7 ! a comment here\nabc!def *end\nnot read\n");
  EXPECT_EQ(allTokens(), (std::vector<std::string>{"12", "3.5", "-7", "abc!def"}));
  // The "*" token closed the reader; reading on gives the end of the data.
  EXPECT_FALSE(reader.isOpen());
  EXPECT_EQ(reader.readChar(), -1);
  std::string token = "kept?";
  EXPECT_FALSE(reader.readToken(token, ReadMode::NextToken));
  EXPECT_EQ(token, "");
}

TEST_F(ReaderFixture, CrLfTabsAndCommasReadLikeTheCanonicalForm) {
  reader.openText("1 2 3\n! c\n4 five\n");
  const auto canonical = allTokens();
  reader.openText("1,2\t3\r\n! c\r\n4,five ! trailing\r\n");
  EXPECT_EQ(allTokens(), canonical);
}

TEST_F(ReaderFixture, FirstTokenOfTheNextLine) {
  reader.openText("12 13 14\n20 21\n30\n");
  std::string t;
  ASSERT_TRUE(reader.readToken(t, ReadMode::NextToken));
  EXPECT_EQ(t, "12");
  ASSERT_TRUE(reader.readToken(t, ReadMode::FirstOfNextLine));
  EXPECT_EQ(t, "20");
  ASSERT_TRUE(reader.readToken(t, ReadMode::FirstOfNextLine));
  EXPECT_EQ(t, "30");
  EXPECT_FALSE(reader.readToken(t, ReadMode::FirstOfNextLine));
}

TEST_F(ReaderFixture, RestOfLine) {
  reader.openText("name text here\nnext\n");
  std::string t;
  ASSERT_TRUE(reader.readToken(t, ReadMode::NextToken));
  ASSERT_TRUE(reader.readToken(t, ReadMode::RestOfLine));
  EXPECT_EQ(t, "text here");
  // At the line end the caller's buffer comes back unchanged.
  t = "unchanged";
  ASSERT_TRUE(reader.readToken(t, ReadMode::RestOfLine));
  EXPECT_EQ(t, "unchanged");
  ASSERT_TRUE(reader.readToken(t, ReadMode::NextToken));
  EXPECT_EQ(t, "next");
}

TEST_F(ReaderFixture, RestOfLineOnTheLastLineWithoutLineEnd) {
  reader.openText("a desc");
  std::string t;
  reader.readToken(t, ReadMode::NextToken);
  ASSERT_TRUE(reader.readToken(t, ReadMode::RestOfLine));
  EXPECT_EQ(t, "desc");
  EXPECT_FALSE(reader.readToken(t, ReadMode::NextToken));
}

TEST_F(ReaderFixture, WholeLinesWithAndWithoutComments) {
  reader.openText("header\n! skipped\n!also\n   indented line\n! kept\n");
  std::string t;
  ASSERT_TRUE(reader.readToken(t, ReadMode::NextLine));
  EXPECT_EQ(t, "   indented line");
  ASSERT_TRUE(reader.readToken(t, ReadMode::NextWholeLine));
  EXPECT_EQ(t, "! kept");
  EXPECT_FALSE(reader.readToken(t, ReadMode::NextWholeLine));
}

TEST_F(ReaderFixture, OverlongTokenIsACountedErrorNotAnEnd) {
  reader.openText("abcdefghij next\n");
  std::string t;
  ASSERT_TRUE(reader.readToken(t, ReadMode::NextToken, 5));
  EXPECT_EQ(t, "abcd");
  EXPECT_EQ(d.reporter.errorCount(), 1);
  EXPECT_EQ(d.messages(), std::vector<std::string>{"Buffer overflow: abcd"});
  // The rest of the long token is skipped, reading stays in step.
  ASSERT_TRUE(reader.readToken(t, ReadMode::NextToken, 5));
  EXPECT_EQ(t, "next");
}

TEST_F(ReaderFixture, OverlongLineIsACountedError) {
  reader.openText("x\n0123456789\nafter\n");
  std::string t;
  ASSERT_TRUE(reader.readToken(t, ReadMode::NextLine, 6));
  EXPECT_EQ(t, "0123");
  EXPECT_EQ(d.reporter.errorCount(), 1);
  ASSERT_TRUE(reader.readToken(t, ReadMode::NextToken));
  EXPECT_EQ(t, "after");
}

TEST_F(ReaderFixture, ValueReadersAcceptTheirForms) {
  reader.openText("1.5e3 -2 +7 40000 65535 255 24:00:00 7:30:15 3600 Jan01 feb1 365 2/28 12/01\n");
  EXPECT_DOUBLE_EQ(reader.readReal(), 1500.0);
  EXPECT_EQ(reader.readInt(), -2);
  EXPECT_EQ(reader.readLong(), 7);
  EXPECT_EQ(reader.readInt(), 40000);
  EXPECT_EQ(reader.readUShort(), 65535);
  EXPECT_EQ(reader.readByte(), 255);
  EXPECT_EQ(reader.readTime(), 86400);
  EXPECT_EQ(reader.readTime(), 7 * 3600 + 30 * 60 + 15);
  EXPECT_EQ(reader.readTime(), 3600);
  EXPECT_EQ(reader.readDate(), 1);
  EXPECT_EQ(reader.readDate(), 32);
  EXPECT_EQ(reader.readDate(), 365);
  EXPECT_EQ(reader.readMonthDay(), 59);
  EXPECT_EQ(reader.readMonthDay(), 335);
  EXPECT_EQ(d.reporter.errorCount(), 0);
}

enum class Reader { Real, Float, Int, Long, Short, UShort, Byte, Time, Date, MonthDay };

struct BadValue {
  Reader reader;
  const char* token;
  const char* message;
  long long result;
};

TEST_F(ReaderFixture, BadValuesAreReportedAndReadingGoesOn) {
  const BadValue cases[] = {
      {Reader::Real, "1.5x", "1.5x is not a (valid) number", 0},
      {Reader::Float, "abc", "Bad float value: abc", 0},
      {Reader::Int, "12a", "Bad integer: 12a", 0},
      {Reader::Int, "3000000000", "Bad integer: 3000000000", 0},
      {Reader::Long, "1.0", "Bad long integer: 1.0", 0},
      {Reader::Short, "40000", "Bad short integer: 40000", 40000 - 65536},
      {Reader::UShort, "-1", "Bad short unsigned integer: -1", 65535},
      {Reader::Byte, "256", "Bad 8-bit unsigned integer: 256", 0},
      {Reader::Time, "24:00:01", "24:00:01 is not a valid time", 0},
      {Reader::Time, "25:00:00", "25:00:00 is not a valid time", 0},
      {Reader::Time, "7:60:00", "7:60:00 is not a valid time", 0},
      {Reader::Time, "86401", "86401 is not a valid time", 0},
      {Reader::Time, "-5", "-5 is not a valid time", 0},
      {Reader::Date, "Feb29", "Feb29 is not a valid date", 1},
      {Reader::Date, "Foo01", "Foo01 is not a valid date", 1},
      {Reader::Date, "366", "366 is not a valid date", 0},
      {Reader::Date, "0", "0 is not a valid date", 0},
      {Reader::MonthDay, "2/29", "2/29 is not a valid mm/dd date", 0},
      {Reader::MonthDay, "13/1", "13/1 is not a valid mm/dd date", 0},
      {Reader::MonthDay, "1/1/1", "1/1/1 is not a valid mm/dd date", 0},
  };
  for (const BadValue& c : cases) {
    d.ui.clear();
    d.reporter.resetCount();
    reader.openText(std::string(c.token) + " 42\n");
    long long got = 0;
    switch (c.reader) {
      case Reader::Real:
        got = static_cast<long long>(reader.readReal());
        break;
      case Reader::Float:
        got = static_cast<long long>(reader.readFloat());
        break;
      case Reader::Int:
        got = reader.readInt();
        break;
      case Reader::Long:
        got = reader.readLong();
        break;
      case Reader::Short:
        got = reader.readShort();
        break;
      case Reader::UShort:
        got = reader.readUShort();
        break;
      case Reader::Byte:
        got = reader.readByte();
        break;
      case Reader::Time:
        got = reader.readTime();
        break;
      case Reader::Date:
        got = reader.readDate();
        break;
      case Reader::MonthDay:
        got = reader.readMonthDay();
        break;
    }
    EXPECT_EQ(got, c.result) << c.token;
    EXPECT_EQ(d.messages(), std::vector<std::string>{c.message}) << c.token;
    EXPECT_EQ(d.reporter.errorCount(), 1) << c.token;
    EXPECT_EQ(reader.readInt(), 42) << c.token;
  }
}

TEST_F(ReaderFixture, FloatBeyondSinglePrecisionIsReportedAsInfinity) {
  reader.openText("1e39 3.4028235e38\n");
  EXPECT_TRUE(std::isinf(reader.readFloat()));
  EXPECT_EQ(d.messages(), std::vector<std::string>{"Bad float value: 1e39"});
  EXPECT_FLOAT_EQ(reader.readFloat(), 3.4028235e38f);
  EXPECT_EQ(d.reporter.errorCount(), 1);
}

TEST_F(ReaderFixture, ReadingAtTheEndReportsAnEmptyToken) {
  reader.openText("");
  EXPECT_EQ(reader.readInt(), 0);
  EXPECT_EQ(d.messages(), std::vector<std::string>{"Bad integer: "});
}

TEST_F(ReaderFixture, LookupKeywordMatchesExactly) {
  constexpr std::array<std::string_view, 3> table = {"plr_orfc", "fan_cmf", "dct_dwc"};
  EXPECT_EQ(lookupKeyword(d.reporter, "fan_cmf", table), 1u);
  EXPECT_EQ(lookupKeyword(d.reporter, "FAN_CMF", table), 3u);
  EXPECT_EQ(d.messages(), std::vector<std::string>{"Undefined Element Type: FAN_CMF"});
}

TEST_F(ReaderFixture, FilesAreReadWholeAndSeekable) {
  test::TempDir dir;
  test::writeFile(dir / "data.txt", "alpha beta\r\ngamma\n");
  ASSERT_TRUE(reader.open(dir / "data.txt"));
  EXPECT_EQ(allTokens(), (std::vector<std::string>{"alpha", "beta", "gamma"}));
  reader.rewind();
  EXPECT_EQ(reader.readChar(), 'a');
  reader.seek(6, 0);
  EXPECT_EQ(reader.tell(), 6);
  std::string t;
  reader.readToken(t, ReadMode::NextToken);
  EXPECT_EQ(t, "beta");
  reader.close();
  reader.close();
}

TEST_F(ReaderFixture, AMissingFileFailsTheOpenWithTheCallersLocation) {
  test::TempDir dir;
  EXPECT_FALSE(reader.open(dir / "none.prj"));
  ASSERT_EQ(d.ui.events().size(), 1u);
  EXPECT_EQ(d.ui.events()[0].caption, "ERROR");
  EXPECT_NE(d.ui.events()[0].text.find(" Could not open file: "), std::string::npos);
  EXPECT_NE(d.ui.events()[0].text.find("(file TokenReaderTest, line "), std::string::npos);
}

TEST_F(ReaderFixture, EchoWritesEveryCharacterOnce) {
  test::TempDir dir;
  LogFile log;
  ASSERT_TRUE(log.open(dir / "echo.log"));
  d.reporter.setLog(&log);
  reader.setEcho(true);
  reader.openText("ab cd\nef\n");
  allTokens();
  EXPECT_EQ(test::readFile(dir / "echo.log"), "ab cd\nef\n");
}

}  // namespace
}  // namespace mz
