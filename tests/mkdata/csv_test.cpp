#include "csv.h"

#include <gtest/gtest.h>

#include "ken_all.h"
#include "text/sjis.h"

namespace kovari::mkdata {
namespace {

TEST(CsvTest, SplitsQuotedAndBareFields) {
  const struct {
    std::u16string_view line;
    std::vector<std::u16string> fields;
  } cases[] = {
      {u"01101,\"060  \",\"0600000\"", {u"01101", u"060  ", u"0600000"}},
      {u"\"a,b\",c", {u"a,b", u"c"}},
      {u"\"say \"\"hi\"\"\",", {u"say \"hi\"", u""}},
      {u"", {u""}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(split_csv_fields(c.line), c.fields) << text::to_utf8(c.line);
  }
}

TEST(CsvTest, ReportsLinesThatAreNotShiftJisWithTheirNumber) {
  const std::string bytes = "a,b\r\n\x82\r\n\r\n\"\x82\xa0\",c\n";  // line 2 is a lone lead byte
  Report report;
  const std::vector<CsvLine> lines = parse_sjis_csv(bytes, "X.CSV", report);
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0].line_no, 1);
  EXPECT_EQ(lines[1].line_no, 4);
  EXPECT_EQ(lines[1].fields[0], u"あ");
  ASSERT_EQ(report.messages().size(), 1u);
  EXPECT_EQ(report.messages()[0].rfind("X.CSV:2: ", 0), 0u);
}

TownRow row(std::string code, std::u16string town, std::string jis = "01101") {
  TownRow r;
  r.jis = std::move(jis);
  r.code = std::move(code);
  r.town = std::move(town);
  return r;
}

std::vector<std::u16string> towns_of(const std::vector<TownRow>& rows) {
  std::vector<std::u16string> towns;
  for (const TownRow& r : rows) towns.push_back(r.town);
  return towns;
}

TEST(JoinSplitNamesTest, JoinsLinesUntilTheParenthesisCloses) {
  const struct {
    std::vector<TownRow> rows;
    std::vector<std::u16string> towns;
  } cases[] = {
      {{row("0640820", u"大通西（２０～２８丁目、"), row("0640820", u"宮の森、"),
        row("0640820", u"円山西町）"), row("0640820", u"旭ケ丘")},
       {u"大通西（２０～２８丁目、宮の森、円山西町）", u"旭ケ丘"}},
      // a closed name is never continued, even by a row with the same code
      {{row("0600042", u"大通西（１～１９丁目）"), row("0600042", u"北一条西")},
       {u"大通西（１～１９丁目）", u"北一条西"}},
      // an open name is not continued by another code or municipality
      {{row("0640820", u"大通西（２０"), row("0640821", u"宮の森）")},
       {u"大通西（２０", u"宮の森）"}},
      {{row("0640820", u"大通西（２０"), row("0640820", u"宮の森）", "01102")},
       {u"大通西（２０", u"宮の森）"}},
  };
  for (const auto& c : cases) EXPECT_EQ(towns_of(join_split_names(c.rows)), c.towns);
}

TEST(KenAllTest, ReportsRowsItCannotUse) {
  Report report;
  std::vector<CsvLine> lines = {
      {1,
       {u"01101", u"060  ", u"0600000", u"", u"", u"ｲｶ", u"北海道", u"札幌市中央区",
        u"以下に掲載がない場合", u"0", u"0", u"0", u"0", u"0", u"0"}},
      {2,
       {u"01101", u"060  ", u"06000", u"", u"", u"", u"北海道", u"札幌市中央区", u"旭ケ丘", u"0",
        u"0", u"0", u"0", u"0", u"0"}},
      {3, {u"01101", u"060  "}},
  };
  const std::vector<TownRow> rows = read_ken_all(lines, "KEN_ALL.CSV", report);
  ASSERT_EQ(rows.size(), 1u);
  EXPECT_EQ(rows[0].code, "0600000");
  EXPECT_EQ(report.skipped_lines(), 2);
}

}  // namespace
}  // namespace kovari::mkdata
