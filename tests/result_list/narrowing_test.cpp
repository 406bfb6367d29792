#include "result_list/narrowing.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "text/sjis.h"

namespace kovari::result_list {
namespace {

ResultRow town(std::u16string code, std::u16string index, std::u16string address) {
  ResultRow row;
  row.code = std::move(code);
  row.index = std::move(index);
  row.address = std::move(address);
  return row;
}

ResultRow office(std::u16string code, std::u16string address, std::u16string name) {
  ResultRow row = town(std::move(code), std::u16string(kNoIndex), std::move(address));
  row.kind = RowKind::Detail;
  row.office = std::move(name);
  return row;
}

ResultRow separator() {
  ResultRow row;
  row.kind = RowKind::Separator;
  row.index = kNoIndex;
  return row;
}

// 千代田区 as the municipality list shows it.
ResultList municipality() {
  ResultList list;
  list.mode = ListMode::Municipality;
  list.rows = {
      office(u"1008692", u"東京都千代田区大手町１丁目３－１", u"テスト商事"),
      separator(),
      town(u"1000000", u"", u"東京都千代田区以下に掲載がない場合"),
      town(u"1000004", u"オ", u"東京都千代田区大手町（次のビルを除く）"),
      town(u"1006890", u"オ", u"東京都千代田区大手町ＪＡビル（地階・階層不明）"),
      town(u"1000006", u"ユ", u"東京都千代田区有楽町"),
      town(u"1010021", u"ソ", u"東京都千代田区外神田１丁目"),
      town(u"1010022", u"ソ", u"東京都千代田区外神田２丁目"),
      town(u"1010023", u"ソ", u"東京都千代田区外神田１２丁目"),
      town(u"1020082", u"イ", u"東京都千代田区一番町"),
      town(u"1010065", u"ニ", u"東京都千代田区西神田"),
      town(u"1000014", u"ナ", u"東京都千代田区永田町ガーデン"),
  };
  list.below_row = 3;
  list.count = static_cast<int>(list.rows.size());
  return list;
}

std::vector<std::u16string> texts(const std::vector<ResultRow>& rows) {
  std::vector<std::u16string> texts;
  for (const ResultRow& row : rows) texts.push_back(row.text);
  return texts;
}

TEST(NarrowingTest, TypedTextBecomesFieldTextAndPattern) {
  const struct {
    std::u16string_view typed, field, pattern;
  } cases[] = {
      {u"神田", u"神田", u"*神田*"},
      {u" 外神田 ", u"外神田", u"*外神田*"},
      {u"1", u"１", u"*１*"},
      {u"ｶﾞｰﾃﾞﾝ", u"ガーデン", u"*ガーデン*"},
      {u"外神田#丁目", u"外神田#丁目", u"*外神田[0-9０-９]丁目*"},
      {u"大手町*ビル", u"大手町*ビル", u"*大手町*ビル*"},
      {u"?神田", u"?神田", u"*?神田*"},
      {u"[1-2]丁目", u"[１-２]丁目", u"*[１-２]丁目*"},
      {u"[!外]神田", u"[!外]神田", u"*[!外]神田*"},
      {u"[#]", u"[＃]", u"*[＃]*"},
      {u"JA", u"ＪＡ", u"*ＪＡ*"},
      {u"ja", u"ｊａ", u"*ｊａ*"},
  };
  for (const auto& c : cases) {
    const std::optional<NarrowingText> narrowing = narrowing_text(c.typed);
    ASSERT_TRUE(narrowing) << text::to_utf8(c.typed);
    EXPECT_EQ(narrowing->field_text, c.field) << text::to_utf8(c.typed);
    EXPECT_EQ(narrowing->pattern, c.pattern) << text::to_utf8(c.typed);
  }
  EXPECT_FALSE(narrowing_text(u""));
  EXPECT_FALSE(narrowing_text(u"   "));
}

TEST(NarrowingTest, MunicipalityRowsMatchingTheTextUnderTheCatchAll) {
  const settings::Settings settings;
  const ResultList list = municipality();
  const struct {
    std::u16string_view typed;
    std::vector<std::u16string> rows;
  } cases[] = {
      // "#" stands for one digit: 外神田１２丁目 has two there.
      {u"外神田#丁目",
       {u"1000000\t\t東京都千代田区以下に掲載がない場合",
        u"1010021\t【 ソ】\t東京都千代田区外神田１丁目", u"1010022\t\t東京都千代田区外神田２丁目"}},
      {u"外神田##丁目",
       {u"1000000\t\t東京都千代田区以下に掲載がない場合",
        u"1010023\t【 ソ】\t東京都千代田区外神田１２丁目"}},
      // The header moves to the first row listed of each initial.
      {u"大手町*ビル",
       {u"1000000\t\t東京都千代田区以下に掲載がない場合",
        u"1000004\t【 オ】\t東京都千代田区大手町（次のビルを除く）",
        u"1006890\t\t東京都千代田区大手町ＪＡビル（地階・階層不明）"}},
      {u"JA",
       {u"1000000\t\t東京都千代田区以下に掲載がない場合",
        u"1006890\t【 オ】\t東京都千代田区大手町ＪＡビル（地階・階層不明）"}},
      {u"?神田",
       {u"1000000\t\t東京都千代田区以下に掲載がない場合",
        u"1010021\t【 ソ】\t東京都千代田区外神田１丁目", u"1010022\t\t東京都千代田区外神田２丁目",
        u"1010023\t\t東京都千代田区外神田１２丁目", u"1010065\t【 ニ】\t東京都千代田区西神田"}},
      {u"[!外]神田",
       {u"1000000\t\t東京都千代田区以下に掲載がない場合",
        u"1010065\t【 ニ】\t東京都千代田区西神田"}},
      {u"[2]丁目",
       {u"1000000\t\t東京都千代田区以下に掲載がない場合",
        u"1010022\t【 ソ】\t東京都千代田区外神田２丁目",
        u"1010023\t\t東京都千代田区外神田１２丁目"}},
      // An office row keeps its layout; the catch-all stays first even when it matches.
      {u"大手町１丁目",
       {u"1000000\t\t東京都千代田区以下に掲載がない場合", u"1008692\t\tテスト商事"}},
      {u"以下に", {u"1000000\t\t東京都千代田区以下に掲載がない場合"}},
      {u"ｶﾞｰﾃﾞﾝ",
       {u"1000000\t\t東京都千代田区以下に掲載がない場合",
        u"1000014\t【 ナ】\t東京都千代田区永田町ガーデン"}},
      {u"渋谷", {u"1000000\t\t東京都千代田区以下に掲載がない場合"}},
      // An unterminated list matches nothing.
      {u"[外", {u"1000000\t\t東京都千代田区以下に掲載がない場合"}},
  };
  for (const auto& c : cases) {
    const std::optional<NarrowedList> narrowed = narrow_list(list, c.typed, settings);
    ASSERT_TRUE(narrowed) << text::to_utf8(c.typed);
    EXPECT_EQ(texts(narrowed->rows), c.rows) << text::to_utf8(c.typed);
  }
  EXPECT_FALSE(narrow_list(list, u" ", settings));
}

TEST(NarrowingTest, TownNameListHasNoCatchAllRule) {
  ResultList list;
  list.mode = ListMode::TownName;
  list.rows = {town(u"1000000", u"", u"東京都千代田区以下に掲載がない場合"),
               town(u"0600042", u"", u"北海道札幌市中央区大通西１～１９丁目"),
               town(u"9071801", u"", u"沖縄県八重山郡与那国町与那国")};
  list.below_row = 1;  // never set by the town-name list; ignored there all the same
  settings::Settings settings;
  settings.set_flag(settings::Flag::kHyphen, 1);
  const std::optional<NarrowedList> narrowed = narrow_list(list, u"#～##", settings);
  ASSERT_TRUE(narrowed);
  EXPECT_EQ(texts(narrowed->rows),
            std::vector<std::u16string>{u"060-0042\t北海道札幌市中央区大通西１～１９丁目"});
}

TEST(NarrowingTest, OfficeListMatchesAddressesAndShowsOffices) {
  ResultList list;
  list.mode = ListMode::Office;
  list.rows = {office(u"1008692", u"東京都千代田区大手町１丁目３－１", u"テスト商事"),
               office(u"6028570", u"京都府京都市上京区下立売通新町西入薮ノ内町", u"京都府庁")};
  const std::optional<NarrowedList> narrowed = narrow_list(list, u"上京区", settings::Settings{});
  ASSERT_TRUE(narrowed);
  EXPECT_EQ(texts(narrowed->rows), std::vector<std::u16string>{u"6028570\t京都府庁"});
}

}  // namespace
}  // namespace kovari::result_list
