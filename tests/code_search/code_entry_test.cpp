#include "code_search/code_entry.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "code_search/postal_image.h"
#include "result_list/list_builders.h"
#include "support/recording_host.h"
#include "text/sjis.h"

namespace kovari::code_search {
namespace {

using testing::PostalImage;

constexpr std::u16string_view kMsgChoose = u"町域を特定できません。選択して下さい。";
constexpr std::u16string_view kMsgInputError = u"郵便番号の入力エラーです。";
constexpr std::u16string_view kMsgNoHits = u"郵便番号と一致するデータは０件です。";

class CodeEntryTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const int hokkaido = image.add_pref(u"北海道");
    const int tokyo = image.add_pref(u"東京都");
    const std::int32_t sapporo =
        PostalImage::location(hokkaido, image.add_city(u"札幌市", u"中央区"));
    const std::int32_t chiyoda = PostalImage::location(tokyo, image.add_city(u"千代田区"));
    image.town("0640941", sapporo, u"ア旭ケ丘（１、２丁目）");
    image.town("1000000", chiyoda, u"イ以下に掲載がない場合");
    image.town("1000001", chiyoda, u"チ千代田");
    image.town("1000005", chiyoda, u"マ丸の内");
    image.add_sorted(image.detail_index, "1008692",
                     image.add_detail("1008692", chiyoda, u"テスト商事　株式会社", u"大手町",
                                      u"１丁目３－１（東京中央郵便局私書箱第２号）", 7, 21));
    image.add_sorted(image.detail_index, "1008799",
                     image.add_detail("1008799", chiyoda, u"甲社", u"丸の内", u"１－１"));
    image.add_sorted(image.detail_index, "1008799",
                     image.add_detail("1008799", chiyoda, u"乙社", u"丸の内", u"１－２"));
    image.open(db, "code_entry");
    settings.set_flag(settings::Flag::kDetailFile, 1);
  }

  CodeConversion convert(std::u16string_view typed, bool fallback = true) {
    SearchContext ctx{db, settings, host, CallerMode::kWindow};
    ctx.options.prefix_fallback = fallback;
    CodeWindowFields fields;
    fields.text1 = typed;
    fields.text3 = u"前の表示";
    return convert_typed_code(ctx, fields);
  }

  PostalImage image;
  postaldb::PostalDb db;
  settings::Settings settings;
  kovari::testing::RecordingHost host;
};

TEST_F(CodeEntryTest, TypedCodeToFieldsAndState) {
  using S = CodeWindowState;
  using F = CodeWindowFocus;
  const struct {
    std::u16string_view typed;
    bool fallback;
    S state;
    F focus;
    std::u16string_view text1, text2, text3;
    int prefix_hits;  // -1: the result list does not open
  } cases[] = {
      {u"", true, S::Input, F::Text1, u"", u"", u"郵便番号が入力されていません。省略できません。",
       -1},
      {u"   ", true, S::Input, F::Text1, u"   ", u"",
       u"郵便番号が入力されていません。省略できません。", -1},
      {u"1000001", true, S::Result, F::Command3, u"1000001", u"東京都千代田区千代田",
       kMsgResultShown, -1},
      {u" 1000001 ", true, S::Result, F::Command3, u" 1000001 ", u"東京都千代田区千代田",
       kMsgResultShown, -1},
      // Hyphens go before the length is counted, and the field shows the digits.
      {u"100-0001", true, S::Result, F::Command3, u"1000001", u"東京都千代田区千代田",
       kMsgResultShown, -1},
      {u"1-0-0-0-0-0-1", true, S::Result, F::Command3, u"1000001", u"東京都千代田区千代田",
       kMsgResultShown, -1},
      // What an input method commits: full-width digits and hyphens.
      {u"１０００００１", true, S::Result, F::Command3, u"1000001", u"東京都千代田区千代田",
       kMsgResultShown, -1},
      {u"１００－０００１", true, S::Result, F::Command3, u"1000001", u"東京都千代田区千代田",
       kMsgResultShown, -1},
      {u"１００ー０００１", true, S::Result, F::Command3, u"1000001", u"東京都千代田区千代田",
       kMsgResultShown, -1},
      {u"10000012", true, S::Input, F::Text1, u"10000012", u"", kMsgBadCode, -1},
      {u"100-00012", true, S::Input, F::Text1, u"10000012", u"", kMsgBadCode, -1},
      {u"1O00001", true, S::Input, F::Text1, u"1O00001", u"", kMsgBadCode, -1},
      {u"-", true, S::Input, F::Text1, u"", u"", kMsgBadCode, -1},
      // A shorter code opens the prefix list; the code field keeps it.
      {u"100", true, S::Input, F::Text1, u"100", u"", kMsgEnterCode, 3},
      {u"10000", true, S::Input, F::Text1, u"10000", u"", kMsgEnterCode, 3},
      {u"07", true, S::Input, F::Text1, u"07", u"", kMsgNoHits, -1},
      {u"9999", true, S::Input, F::Text1, u"9999", u"", kMsgInputError, -1},
      // A 7-digit code that is not found lists its first three digits when Check1 is ticked.
      {u"1009999", true, S::Input, F::Text1, u"100", u"", kMsgEnterCode, 3},
      {u"1009999", false, S::Input, F::Text1, u"1009999", u"", kMsgInputError, -1},
      {u"0640941", true, S::Choice, F::List1, u"0640941", u"", kMsgChoose, -1},
      {u"1008799", true, S::Choice, F::List1, u"1008799", u"", kMsgChoose, -1},
      {u"1008692", true, S::Result, F::Command3, u"1008692", u"東京都千代田区大手町１丁目３－１",
       kMsgResultShown, -1},
  };
  for (const auto& c : cases) {
    const CodeConversion result = convert(c.typed, c.fallback);
    const std::string name = text::to_utf8(c.typed);
    EXPECT_EQ(result.state, c.state) << name;
    EXPECT_EQ(result.focus, c.focus) << name;
    EXPECT_EQ(result.fields.text1, c.text1) << name;
    EXPECT_EQ(result.fields.text2, c.text2) << name;
    EXPECT_EQ(result.fields.text3, c.text3) << name;
    EXPECT_EQ(result.prefix_hits ? static_cast<int>(result.prefix_hits->size()) : -1, c.prefix_hits)
        << name;
  }
}

TEST_F(CodeEntryTest, AnOfficeCodeShowsItsPostOfficeBoxAndOffice) {
  const CodeConversion result = convert(u"1008692");
  EXPECT_EQ(result.fields.text4, u"東京中央郵便局私書箱第２号");
  EXPECT_EQ(result.fields.text5, u"テスト商事　株式会社");
  settings.set_flag(settings::Flag::kDetailFile, 0);
  EXPECT_EQ(convert(u"1008692").fields.text2, u"");  // the detail file is not consulted
}

TEST_F(CodeEntryTest, SeveralResultsAreListedAndOneIsChosen) {
  const CodeConversion offices = convert(u"1008799");
  EXPECT_EQ(result_rows(offices.results),
            (std::vector<std::u16string>{u"東京都千代田区丸の内１－１　　甲社",
                                         u"東京都千代田区丸の内１－２　　乙社"}));
  const std::optional<CodeConversion> chosen = choose_result(offices.results, 1, offices.fields);
  ASSERT_TRUE(chosen);
  EXPECT_EQ(chosen->state, CodeWindowState::Result);
  EXPECT_EQ(chosen->focus, CodeWindowFocus::Command5);
  EXPECT_EQ(chosen->fields.text1, u"1008799");
  EXPECT_EQ(chosen->fields.text2, u"東京都千代田区丸の内１－２");
  EXPECT_EQ(chosen->fields.text3, kMsgResultShown);
  EXPECT_EQ(chosen->fields.text5, u"乙社");
  EXPECT_FALSE(choose_result(offices.results, 2, offices.fields));
  EXPECT_FALSE(choose_result(offices.results, -1, offices.fields));

  const CodeConversion areas = convert(u"0640941");
  EXPECT_EQ(result_rows(areas.results),
            (std::vector<std::u16string>{u"北海道札幌市中央区旭ケ丘１",
                                         u"北海道札幌市中央区旭ケ丘２丁目"}));
}

TEST_F(CodeEntryTest, APrefixListHandsItsHitsToTheResultList) {
  const CodeConversion result = convert(u"100");
  ASSERT_TRUE(result.prefix_hits);
  const std::vector<result_list::ResultRow> rows =
      result_list::set_list1(db, *result.prefix_hits, settings).rows;
  ASSERT_EQ(rows.size(), 3u);
  EXPECT_EQ(rows[2].address, u"東京都千代田区丸の内");
}

}  // namespace
}  // namespace kovari::code_search
