#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "postaldb/fixed_tables.h"
#include "resolve/refine.h"
#include "text/sjis.h"

namespace kovari::resolve {
namespace {

struct Entry {
  const char16_t* name;
  const char16_t* paren;  // the bracketed part, brackets included
  const char* code;
  char kind = '0';
};

struct Address {
  const char16_t* town;
  const char16_t* chome = u"";
  const char16_t* banchi = u"";
  const char16_t* go = u"";
  const char16_t* floor = u"";
  int building_found = 0;
};

postaldb::PostalTables kanji_tables() {
  postaldb::PostalTables tables;
  for (std::size_t n = 0; n < tables.kanji_num.size(); ++n) {
    tables.kanji_num[n] = postaldb::kKanjiNumerals[n];
  }
  return tables;
}

struct Outcome {
  bool fits = false;
  std::u16string code;
};

Outcome refine(const std::vector<Entry>& entries, const Address& address, int seen = 0) {
  static const postaldb::PostalTables tables = kanji_tables();
  ResolveState st;
  for (const Entry& e : entries) {
    st.part_match.part_match_name.push_back(e.name);
    st.part_match.part_match_paren.push_back(e.paren);
    st.part_match.part_match_code.push_back(e.code);
    st.part_match.part_match_kind.push_back(e.kind);
    ++st.part_match.part_match_count;
  }
  st.part_match.part_match_seen = seen;
  decompose::Decomposition d;
  auto& slot = d.slot[1];
  slot.addr_part[4] = address.town;
  slot.addr_part[5] = address.chome;
  slot.addr_part[6] = address.banchi;
  slot.addr_part[7] = address.go;
  slot.addr_part[9] = address.floor;
  slot.building_found = address.building_found;
  const bool fits = refine_partial_matches(0, st, d, tables);
  return {fits, fits ? st.result_code : u""};
}

TEST(RefinePartialMatchesTest, BlockNumbersChooseAmongTheConditions) {
  const std::vector<Entry> chome_range = {{u"本町", u"（１～５丁目）", "1000001"},
                                          {u"本町", u"（６～９丁目）", "1000002"}};
  const std::vector<Entry> bounds = {{u"栄", u"（２３番地以上）", "2000001"},
                                     {u"栄", u"（５番地以下）", "2000002"}};
  struct Case {
    const char* what;
    const std::vector<Entry>* entries;
    Address address;
    const char16_t* expected;  // empty: no record fits
  } const kCases[] = {
      {"丁目 3 in 1~5", &chome_range, {u"本町", u"3"}, u"1000001"},
      {"丁目 7 in 6~9", &chome_range, {u"本町", u"7"}, u"1000002"},
      {"番地 3 without 丁目", &chome_range, {u"本町", u"", u"3"}, u"1000001"},
      {"丁目 12 in none", &chome_range, {u"本町", u"12"}, u""},
      {"番地 23 at least 23", &bounds, {u"栄", u"", u"23"}, u"2000001"},
      {"番地 500 at least 23", &bounds, {u"栄", u"", u"500"}, u"2000001"},
      {"番地 22 in neither", &bounds, {u"栄", u"", u"22"}, u""},
      {"番地 5 at most 5", &bounds, {u"栄", u"", u"5"}, u"2000002"},
      {"番地 1 at most 5", &bounds, {u"栄", u"", u"1"}, u"2000002"},
      {"no 番地", &bounds, {u"栄"}, u""},
  };
  for (const Case& c : kCases) {
    const Outcome o = refine(*c.entries, c.address);
    EXPECT_EQ(o.code, c.expected) << c.what;
    EXPECT_EQ(o.fits, *c.expected != u'\0') << c.what;
  }
}

TEST(RefinePartialMatchesTest, OtherDecidesOnlyAsTheLastResort) {
  // "その他" is remembered on the way and decides only when nothing fits.
  const std::vector<Entry> entries = {{u"本町", u"（１～５丁目）", "3000001"},
                                      {u"本町", u"（その他）", "3000002"}};
  EXPECT_EQ(refine(entries, {u"本町", u"3"}).code, u"3000001");
  EXPECT_EQ(refine(entries, {u"本町", u"7"}).code, u"3000002");
  EXPECT_EQ(refine(entries, {u""}).code, u"3000002");
}

TEST(RefinePartialMatchesTest, ListedConditionsAreTestedOneByOne) {
  const std::vector<Entry> entries = {{u"緑町", u"（１番地、５番地、１０～２０番地）", "4000001"},
                                      {u"緑町", u"（その他）", "4000002"}};
  EXPECT_EQ(refine(entries, {u"緑町", u"", u"5"}).code, u"4000001");
  EXPECT_EQ(refine(entries, {u"緑町", u"", u"15"}).code, u"4000001");
  EXPECT_EQ(refine(entries, {u"緑町", u"", u"7"}).code, u"4000002");
}

TEST(RefinePartialMatchesTest, BuildingFloorsAndUnknownFloor) {
  const std::vector<Entry> entries = {{u"丸の内ＪＰタワー", u"（地階・階層不明）", "5000000", '1'},
                                      {u"丸の内ＪＰタワー", u"（１階）", "5000001", '1'},
                                      {u"丸の内ＪＰタワー", u"（２５階）", "5000025", '1'}};
  EXPECT_EQ(refine(entries, {u"丸の内", u"", u"", u"", u"25", 1}, 1).code, u"5000025");
  EXPECT_EQ(refine(entries, {u"丸の内", u"", u"", u"", u"1", 1}, 1).code, u"5000001");
  EXPECT_EQ(refine(entries, {u"丸の内", u"", u"", u"", u"", 1}, 1).code, u"5000000");
  EXPECT_EQ(refine(entries, {u"丸の内", u"", u"", u"", u"7", 1}, 1).code, u"5000000");
  EXPECT_EQ(refine(entries, {u"丸の内", u"", u"", u"", u"7", 0}, 1).fits, false);
}

TEST(RefinePartialMatchesTest, PrefixEntriesNeverDecideOnceAnExactOneIsSeen) {
  const std::vector<Entry> entries = {{u"本町", u"（１～５丁目）", "6000001", '0'},
                                      {u"本町", u"（その他）", "6000002", '2'}};
  EXPECT_EQ(refine(entries, {u"本町", u"3"}, 1).code, u"6000002");
  EXPECT_EQ(refine(entries, {u"本町", u"3"}, 0).code, u"6000001");
}

TEST(RefinePartialMatchesTest, NorthAndSouthHalves) {
  const std::vector<Entry> entries = {{u"中島", u"（南）", "7000001"},
                                      {u"中島", u"（北）", "7000002"}};
  EXPECT_EQ(refine(entries, {u"中島南"}).code, u"7000001");
  EXPECT_EQ(refine(entries, {u"中島北"}).code, u"7000002");
  EXPECT_EQ(refine(entries, {u"中島"}).fits, false);
}

TEST(RefinePartialMatchesTest, CompoundShapesDecideThroughTheList) {
  const std::vector<Entry> entries = {{u"旭町", u"（１丁目１～８番）", "8000001"},
                                      {u"旭町", u"（１丁目９番～２丁目）", "8000002"},
                                      {u"旭町", u"（３丁目５－２）", "8000003"}};
  EXPECT_EQ(refine(entries, {u"旭町", u"1", u"8"}).code, u"8000001");
  EXPECT_EQ(refine(entries, {u"旭町", u"3", u"5", u"2"}).code, u"8000003");
  EXPECT_EQ(refine(entries, {u"旭町", u"3", u"5", u"3"}).fits, false);
}

}  // namespace
}  // namespace kovari::resolve
