#include "decompose/block_numbers.h"

#include <gtest/gtest.h>

#include <array>

#include "test_tables.h"

namespace kovari::decompose {
namespace {

using Parts = std::array<std::u16string_view, 5>;  // parts 5..9

Parts parts_5_to_9(const Decomposition& d) {
  const auto& part = d.slot[1].addr_part;
  return {part[5], part[6], part[7], part[8], part[9]};
}

struct BlockCase {
  std::u16string_view tail;
  int chome, ban, go;
  Parts expected;
};

TEST(ParseBlockNumbersTest, SplitsMarkedTails) {
  const BlockCase kCases[] = {
      {u"3丁目5番地7号", 1, 1, 1, {u"3", u"5", u"7", u"", u""}},
      {u"3丁目5番7号ｻﾝﾌﾟﾙ荘", 1, 1, 1, {u"3", u"5", u"7", u"ｻﾝﾌﾟﾙ荘", u""}},
      {u"3丁目5-7", 1, 1, 1, {u"3", u"5", u"7", u"", u""}},
      {u"3丁目5-7-9", 1, 1, 1, {u"3", u"5", u"7", u"", u"9"}},
      {u"3丁目5-7番ﾋﾞﾙ", 1, 0, 0, {u"3", u"5", u"7", u"ﾋﾞﾙ", u""}},
      {u"3丁目5", 1, 1, 1, {u"3", u"5", u"", u"", u""}},
      {u"3丁目", 1, 1, 1, {u"3", u"", u"", u"", u""}},
      {u"3丁目7号", 1, 1, 1, {u"3", u"", u"7", u"", u""}},
      {u"3丁目5番", 1, 1, 1, {u"3", u"5", u"", u"", u""}},
      {u"3丁目5番-7", 1, 1, 1, {u"3", u"5", u"7", u"", u""}},
      {u"5番地7", 1, 1, 1, {u"", u"5", u"7", u"", u""}},
      {u"5番7", 1, 1, 1, {u"", u"5", u"7", u"", u""}},
      {u"5番-7", 1, 1, 1, {u"", u"5", u"7", u"", u""}},
      {u"5番7号ﾋﾞﾙ", 1, 1, 1, {u"", u"5", u"7", u"ﾋﾞﾙ", u""}},
      {u"7号ﾋﾞﾙ", 1, 1, 1, {u"", u"", u"7", u"ﾋﾞﾙ", u""}},
      {u"3-5-7", 1, 1, 1, {u"3", u"5", u"7", u"", u""}},
      {u"3-5-7-9", 1, 1, 1, {u"3", u"5", u"7", u"", u"9"}},
      // Two numbers with dashes are 番地-号 here.
      {u"5-7", 1, 1, 1, {u"", u"5", u"7", u"", u""}},
      // の between numbers is a dash, but not in その他.
      {u"3の5", 1, 1, 1, {u"", u"3", u"5", u"", u""}},
      {u"3ﾉ5", 1, 1, 1, {u"", u"3", u"5", u"", u""}},
      // A marker whose flag is 0 is not looked for.
      {u"3丁目5-7", 0, 1, 1, {u"", u"3丁目5", u"7", u"", u""}},
      // A 号 before its 番 without 丁: the negative cut for part 7 is not taken.
      {u"7号5番", 1, 1, 1, {u"", u"7号5", u"", u"5番", u""}},
  };
  for (const BlockCase& c : kCases) {
    Decomposition d;
    parse_block_numbers(d, std::u16string(c.tail), c.chome, c.ban, c.go);
    EXPECT_EQ(parts_5_to_9(d), c.expected) << testing::utf8(c.tail);
  }
}

// kChomeNumber holds the tail itself, as after a 条 or 線 town area.
TEST(ParseBlockNumbersTest, TailWithoutMarkers) {
  struct Case {
    std::u16string_view tail;
    Parts expected;
  };
  const Case kCases[] = {
      // A number alone goes to part 6 and part 5 keeps the tail.
      {u"3", {u"3", u"3", u"", u"", u""}},
      {u"12ﾋﾞﾙ", {u"12ﾋﾞﾙ", u"12", u"", u"", u""}},
      // Without a number part 5 is cleared.
      {u"ﾋﾞﾙ", {u"", u"", u"", u"", u""}},
      {u"0", {u"", u"", u"", u"", u""}},
  };
  for (const Case& c : kCases) {
    Decomposition d;
    d.slot[1].addr_part[5] = c.tail;
    parse_block_numbers(d, std::u16string(c.tail), 1, 1, 1);
    EXPECT_EQ(parts_5_to_9(d), c.expected) << testing::utf8(c.tail);
  }
}

TEST(ParseBlockNumbersTest, EmptyTailChangesNothing) {
  Decomposition d;
  d.slot[1].addr_part[5] = u"x";
  parse_block_numbers(d, u"", 1, 1, 1);
  EXPECT_EQ(parts_5_to_9(d), (Parts{u"x", u"", u"", u"", u""}));
}

TEST(ParseBlockNumbersTest, WritesTheCurrentSlot) {
  Decomposition d;
  d.addr_slot = 2;
  parse_block_numbers(d, u"3-5-7", 1, 1, 1);
  EXPECT_EQ(d.slot[2].addr_part[7], u"7");
  EXPECT_EQ(d.slot[1].addr_part[7], u"");
}

TEST(ParseDashNumbersTest, SplitsDashTails) {
  struct Case {
    std::u16string_view tail;
    int first, second;
    AddrPart unsplit;
    Parts expected;
  };
  const Case kCases[] = {
      {u"3-5-7", 1, 1, kChomeNumber, {u"3", u"5", u"7", u"", u""}},
      {u"1-2-3-4", 1, 1, kChomeNumber, {u"1", u"2", u"3", u"", u"4"}},
      // Two numbers are 丁目-番地 here.
      {u"5-7", 1, 1, kBanchiNumber, {u"5", u"7", u"", u"", u""}},
      {u"3の5", 1, 1, kChomeNumber, {u"3", u"5", u"", u"", u""}},
      {u"5-7-9", 1, 0, kChomeNumber, {u"5", u"7-9", u"", u"", u""}},
      // Without a dash to split, the tail goes whole to the part named, as typed.
      {u"その他5の3", 1, 1, kChomeNumber, {u"その他5の3", u"", u"", u"", u""}},
      {u"123", 1, 1, kChomeNumber, {u"123", u"", u"", u"", u""}},
      {u"123", 1, 1, kBanchiNumber, {u"", u"123", u"", u"", u""}},
      {u"5-7", 0, 1, kBanchiNumber, {u"", u"5-7", u"", u"", u""}},
  };
  for (const Case& c : kCases) {
    Decomposition d;
    parse_dash_numbers(d, std::u16string(c.tail), c.first, c.second, c.unsplit);
    EXPECT_EQ(parts_5_to_9(d), c.expected) << testing::utf8(c.tail);
  }
}

TEST(ParseDashNumbersTest, BanchouJoinsTheTownArea) {
  Decomposition d;
  d.slot[1].addr_part[4] = u"";
  d.slot[1].addr_part[5] = u"5番町1-2";
  d.slot[1].addr_flag[24] = 2;
  parse_dash_numbers(d, std::u16string(u"5番町1-2"), 1, 1, kChomeNumber);
  EXPECT_EQ(d.slot[1].addr_part[4], u"5番町");
  EXPECT_EQ(parts_5_to_9(d), (Parts{u"", u"", u"", u"", u""}));
}

TEST(NoToDashTest, OnlyBetweenNumbers) {
  struct Case {
    std::u16string_view input;
    int p;
    std::u16string_view expected;
  };
  const Case kCases[] = {
      {u"3の5", 2, u"3-5"},      {u"ａの5", 2, u"ａ-5"},
      {u"のの1", 1, u"のの1"},  // の at the start
      {u"5の", 2, u"5の"},      // の at the end
      {u"東の西", 2, u"東の西"}, {u"3の5", 0, u"3の5"},
      {u" 3の5 ", 2, u"3-5"},  // the changed text is trimmed
  };
  for (const Case& c : kCases) {
    std::u16string text(c.input);
    no_to_dash(text, c.p);
    EXPECT_EQ(text, c.expected) << testing::utf8(c.input);
  }
}

TEST(ParseKuNumberTest, KuNumberInKanji) {
  const postaldb::PostalTables tables = testing::make_test_tables();
  struct Case {
    std::u16string_view text;
    int i, k;
    std::u16string_view part4, part5;
  };
  const Case kCases[] = {
      {u"3区12", 1, 2, u"三区", u"12"},
      {u"第13区1", 2, 4, u"第十三区", u"1"},
      {u"第75区", 2, 4, u"第区", u""},
      {u"東区3", 3, 2, u"東区", u"3"},
  };
  for (const Case& c : kCases) {
    Decomposition d;
    parse_ku_number(d, c.text, c.i, c.k, tables);
    EXPECT_EQ(d.slot[1].addr_part[4], c.part4) << testing::utf8(c.text);
    EXPECT_EQ(d.slot[1].addr_part[5], c.part5) << testing::utf8(c.text);
  }
}

TEST(KanjiNumberBeforeTest, FirstNumeralInTableOrderWins) {
  const postaldb::PostalTables tables = testing::make_test_tables();
  struct Case {
    std::u16string_view src;
    Mark marker;
    bool marker_follows;
    std::optional<int> expected;
  };
  const Case kCases[] = {
      {u"本町三丁目", kCho, true, 3},
      {u"本町十丁目", kCho, true, 10},
      // 三丁目 (entry 3) is found inside 二十三丁目 before entry 23 is tried.
      {u"二十三丁目", kCho, true, 3},
      {u"五番地", kBan, true, 5},
      {u"五番", kBan, true, 5},
      {u"七号", kGo, true, 7},
      {u"一二丁目", kCho, true, 2},
      {u"本町3丁目", kCho, true, std::nullopt},
      {u"三", kCho, false, 3},
      {u"3", kCho, false, std::nullopt},
  };
  for (const Case& c : kCases) {
    EXPECT_EQ(kanji_number_before(c.src, c.marker, c.marker_follows, tables), c.expected)
        << testing::utf8(c.src);
  }
}

TEST(SplitTailTextTest, BuildingAndRoomNumbers) {
  struct Case {
    AddrPart q;
    std::u16string_view x;
    Parts expected;
    int split;
  };
  const Case kCases[] = {
      {kGoNumber, u"3号ﾏﾝｼｮﾝ101", {u"", u"", u"3", u"ﾏﾝｼｮﾝ", u"101"}, 1},
      {kBuilding, u"ﾋﾞﾙ5F", {u"", u"", u"", u"ﾋﾞﾙ", u"5"}, 0},
      {kBuilding, u"ﾋﾞﾙ5", {u"", u"", u"", u"ﾋﾞﾙ", u"5"}, 0},
      {kBuilding, u"ﾋﾞﾙ5階ﾛﾋﾞｰ", {u"", u"", u"", u"ﾋﾞﾙ5階ﾛﾋﾞｰ", u""}, 0},
      {kBuilding, u"101", {u"", u"", u"", u"101", u""}, 0},
      {kBanchiNumber, u"5", {u"", u"5", u"", u"", u""}, 0},
      {kBanchiNumber, u"12ﾊｲﾂ", {u"", u"12", u"", u"ﾊｲﾂ", u""}, 1},
      {kChomeNumber, u"A12ﾊｲﾂ", {u"A12", u"", u"", u"ﾊｲﾂ", u""}, 1},
      {kChomeNumber, u"ﾊｲﾂ", {u"", u"", u"", u"ﾊｲﾂ", u""}, 1},
  };
  for (const Case& c : kCases) {
    Decomposition d;
    d.slot[1].addr_part[c.q] = c.x;
    split_tail_text(d, c.q);
    EXPECT_EQ(parts_5_to_9(d), c.expected) << testing::utf8(c.x);
    EXPECT_EQ(d.slot[1].building_split, c.split) << testing::utf8(c.x);
  }
}

TEST(SplitBuildingTailTest, NothingAfterAFoundBuildingOrWithAPart9) {
  Decomposition found;
  found.slot[1].building_found = 1;
  found.slot[1].addr_part[7] = u"3ﾏﾝｼｮﾝ";
  split_building_tail(found);
  EXPECT_EQ(found.slot[1].addr_part[7], u"3ﾏﾝｼｮﾝ");

  Decomposition with_part9;
  with_part9.slot[1].addr_part[8] = u"ﾋﾞﾙ5F";
  with_part9.slot[1].addr_part[9] = u"4";
  split_building_tail(with_part9);
  EXPECT_EQ(with_part9.slot[1].addr_part[8], u"ﾋﾞﾙ5F");

  Decomposition last_number;
  last_number.slot[1].addr_part[5] = u"1";
  last_number.slot[1].addr_part[6] = u"2ｺｰﾎﾟ";
  split_building_tail(last_number);
  EXPECT_EQ(parts_5_to_9(last_number), (Parts{u"1", u"2", u"", u"ｺｰﾎﾟ", u""}));
}

}  // namespace
}  // namespace kovari::decompose
