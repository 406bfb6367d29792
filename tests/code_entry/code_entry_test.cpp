#include "code_entry/code_entry.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "code_search/code_search.h"
#include "code_search/postal_image.h"
#include "support/recording_host.h"
#include "text/sjis.h"

namespace kovari::code_entry {
namespace {

using code_search::kMsgResultShown;
using code_search::testing::PostalImage;

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
    image.open(session.db, "code_entry");
    session.settings.set_flag(settings::Flag::kDetailFile, 1);
  }

  CodeConversion convert(std::u16string_view typed, bool fallback = true) {
    CodeWindowFields fields;
    fields.code = typed;
    fields.message = u"前の表示";
    return convert_typed_code(session, host, fields, {.prefix_fallback = fallback});
  }

  static std::vector<std::u16string> shown_rows(const std::vector<result_list::ResultRow>& rows) {
    std::vector<std::u16string> texts;
    for (const result_list::ResultRow& row : rows) texts.push_back(row.text);
    return texts;
  }

  PostalImage image;
  Session session;
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
    std::u16string_view code, address, message;
    int prefix_hits;  // -1: the result list does not open
  } cases[] = {
      {u"", true, S::Input, F::Code, u"", u"", u"郵便番号が入力されていません。省略できません。",
       -1},
      {u"   ", true, S::Input, F::Code, u"   ", u"",
       u"郵便番号が入力されていません。省略できません。", -1},
      {u"1000001", true, S::Result, F::Convert, u"1000001", u"東京都千代田区千代田",
       kMsgResultShown, -1},
      {u" 1000001 ", true, S::Result, F::Convert, u" 1000001 ", u"東京都千代田区千代田",
       kMsgResultShown, -1},
      // Hyphens go before the length is counted, and the field shows the digits.
      {u"100-0001", true, S::Result, F::Convert, u"1000001", u"東京都千代田区千代田",
       kMsgResultShown, -1},
      {u"1-0-0-0-0-0-1", true, S::Result, F::Convert, u"1000001", u"東京都千代田区千代田",
       kMsgResultShown, -1},
      // What an input method commits: full-width digits and hyphens.
      {u"１０００００１", true, S::Result, F::Convert, u"1000001", u"東京都千代田区千代田",
       kMsgResultShown, -1},
      {u"１００－０００１", true, S::Result, F::Convert, u"1000001", u"東京都千代田区千代田",
       kMsgResultShown, -1},
      {u"１００ー０００１", true, S::Result, F::Convert, u"1000001", u"東京都千代田区千代田",
       kMsgResultShown, -1},
      {u"10000012", true, S::Input, F::Code, u"10000012", u"", kMsgBadCode, -1},
      {u"100-00012", true, S::Input, F::Code, u"10000012", u"", kMsgBadCode, -1},
      {u"1O00001", true, S::Input, F::Code, u"1O00001", u"", kMsgBadCode, -1},
      {u"-", true, S::Input, F::Code, u"", u"", kMsgBadCode, -1},
      // A shorter code opens the prefix list; the code field keeps it.
      {u"100", true, S::Input, F::Code, u"100", u"", kMsgEnterCode, 3},
      {u"10000", true, S::Input, F::Code, u"10000", u"", kMsgEnterCode, 3},
      {u"07", true, S::Input, F::Code, u"07", u"", kMsgNoHits, -1},
      {u"9999", true, S::Input, F::Code, u"9999", u"", kMsgInputError, -1},
      // A 7-digit code that is not found lists its first three digits when the
      // prefix fallback is ticked.
      {u"1009999", true, S::Input, F::Code, u"100", u"", kMsgEnterCode, 3},
      {u"1009999", false, S::Input, F::Code, u"1009999", u"", kMsgInputError, -1},
      {u"0640941", true, S::Choice, F::List, u"0640941", u"", kMsgChoose, -1},
      {u"1008799", true, S::Choice, F::List, u"1008799", u"", kMsgChoose, -1},
      {u"1008692", true, S::Result, F::Convert, u"1008692", u"東京都千代田区大手町１丁目３－１",
       kMsgResultShown, -1},
  };
  for (const auto& c : cases) {
    const CodeConversion result = convert(c.typed, c.fallback);
    const std::string name = text::to_utf8(c.typed);
    EXPECT_EQ(result.state, c.state) << name;
    EXPECT_EQ(result.focus, c.focus) << name;
    EXPECT_EQ(result.fields.code, c.code) << name;
    EXPECT_EQ(result.fields.address, c.address) << name;
    EXPECT_EQ(result.fields.message, c.message) << name;
    EXPECT_EQ(result.prefix_list ? result.prefix_list->count : -1, c.prefix_hits) << name;
  }
}

TEST_F(CodeEntryTest, AnOfficeCodeShowsItsPostOfficeBoxAndOffice) {
  const CodeConversion result = convert(u"1008692");
  EXPECT_EQ(result.fields.pobox, u"東京中央郵便局私書箱第２号");
  EXPECT_EQ(result.fields.office, u"テスト商事　株式会社");
  session.settings.set_flag(settings::Flag::kDetailFile, 0);
  EXPECT_EQ(convert(u"1008692").fields.address, u"");  // the detail file is not consulted
}

// The search starts from the fields as the window shows them: what it does
// not decide stays as it was.
TEST_F(CodeEntryTest, FieldsTheSearchLeavesKeepWhatTheWindowShows) {
  const struct {
    std::u16string_view typed;
    bool fallback;
    std::u16string_view address, pobox, office;
  } cases[] = {
      // A prefix with no codes decides nothing but the message.
      {u"9999", true, u"前の住所", u"前の私書箱", u"前の事業所"},
      // A prefix list clears the address only.
      {u"100", true, u"", u"前の私書箱", u"前の事業所"},
      // A 7-digit code is looked up in the detail file first, which clears
      // the three fields whether it is found or not.
      {u"1009999", false, u"", u"", u""},
      {u"1009999", true, u"", u"", u""},
      {u"1000001", true, u"東京都千代田区千代田", u"", u""},
  };
  for (const auto& c : cases) {
    const CodeWindowFields shown{std::u16string(c.typed), u"前の住所", u"前の表示", u"前の私書箱",
                                 u"前の事業所"};
    const CodeConversion result =
        convert_typed_code(session, host, shown, {.prefix_fallback = c.fallback});
    const std::string name = text::to_utf8(c.typed);
    EXPECT_EQ(result.fields.address, c.address) << name;
    EXPECT_EQ(result.fields.pobox, c.pobox) << name;
    EXPECT_EQ(result.fields.office, c.office) << name;
  }
  // Without the detail file a 7-digit code that is not found leaves the address.
  session.settings.set_flag(settings::Flag::kDetailFile, 0);
  const CodeConversion unknown =
      convert_typed_code(session, host, {u"1009999", u"前の住所", u"", u"前の私書箱", u""},
                         {.prefix_fallback = false});
  EXPECT_EQ(unknown.fields.address, u"前の住所");
  EXPECT_EQ(unknown.fields.pobox, u"");
}

TEST_F(CodeEntryTest, SeveralResultsAreListedAndOneIsChosen) {
  const CodeConversion offices = convert(u"1008799");
  EXPECT_EQ(shown_rows(offices.results),
            (std::vector<std::u16string>{u"東京都千代田区丸の内１－１　　甲社",
                                         u"東京都千代田区丸の内１－２　　乙社"}));
  const std::optional<CodeConversion> chosen = choose_result(offices.results, 1, offices.fields);
  ASSERT_TRUE(chosen);
  EXPECT_EQ(chosen->state, CodeWindowState::Result);
  EXPECT_EQ(chosen->focus, CodeWindowFocus::Copy);
  EXPECT_EQ(chosen->fields.code, u"1008799");
  EXPECT_EQ(chosen->fields.address, u"東京都千代田区丸の内１－２");
  EXPECT_EQ(chosen->fields.message, kMsgResultShown);
  EXPECT_EQ(chosen->fields.office, u"乙社");
  EXPECT_FALSE(choose_result(offices.results, 2, offices.fields));
  EXPECT_FALSE(choose_result(offices.results, -1, offices.fields));

  const CodeConversion areas = convert(u"0640941");
  EXPECT_EQ(shown_rows(areas.results),
            (std::vector<std::u16string>{u"北海道札幌市中央区旭ケ丘１",
                                         u"北海道札幌市中央区旭ケ丘２丁目"}));
}

TEST_F(CodeEntryTest, APrefixListOpensTheResultListOnItsCodes) {
  const CodeConversion result = convert(u"100");
  ASSERT_TRUE(result.prefix_list);
  EXPECT_EQ(result.prefix_list->mode, result_list::ListMode::Prefix);
  const std::vector<result_list::ResultRow>& rows = result.prefix_list->rows;
  ASSERT_EQ(rows.size(), 3u);
  EXPECT_EQ(rows[2].address, u"東京都千代田区丸の内");
  EXPECT_EQ(rows[2].text, u"1000005\t東京都千代田区丸の内");
}

TEST(CodeWindowControlsTest, WhatEachStateShows) {
  using S = CodeWindowState;
  const struct {
    S state;
    bool convert, copy, result, result_enabled, list;
  } cases[] = {
      {S::Input, true, false, true, false, false},
      {S::Result, true, true, true, true, false},
      {S::Choice, false, false, false, false, true},
  };
  for (const auto& c : cases) {
    const CodeWindowControls shown = controls_for(c.state);
    const int state = static_cast<int>(c.state);
    EXPECT_EQ(shown.convert_enabled, c.convert) << state;
    EXPECT_EQ(shown.copy_visible, c.copy) << state;
    EXPECT_EQ(shown.result_visible, c.result) << state;
    EXPECT_EQ(shown.result_enabled, c.result_enabled) << state;
    EXPECT_EQ(shown.list_visible, c.list) << state;
  }
}

// Copies append one line each in the settings' format; the first copy of a
// run asks about text left on the clipboard, and the window returns to input.
TEST_F(CodeEntryTest, CopiesAppendTheResultsLineAndReturnToInput) {
  const struct {
    const char* name;
    int hyphen, comma;
    std::optional<std::u16string> before;  // the clipboard's text before the first copy
    bool answer_yes;
    std::u16string_view after;  // after copying 1000001, then 1008692
  } cases[] = {
      {"comma, empty clipboard", 0, 1, std::nullopt, true,
       u"\"1000001\",\"東京都千代田区千代田\",\"\",\"\"\r\n"
       u"\"1008692\",\"東京都千代田区大手町１丁目３－１\",\"東京中央郵便局私書箱第２号\","
       u"\"テスト商事　株式会社\"\r\n"},
      {"tab and hyphen, foreign text kept", 1, 0, u"メモ", false,
       u"メモ\"100-0001\"\t\"東京都千代田区千代田\"\t\"\"\t\"\"\r\n"
       u"\"100-8692\"\t\"東京都千代田区大手町１丁目３－１\"\t\"東京中央郵便局私書箱第２号\"\t"
       u"\"テスト商事　株式会社\"\r\n"},
      {"foreign text cleared", 0, 1, u"メモ", true,
       u"\"1000001\",\"東京都千代田区千代田\",\"\",\"\"\r\n"
       u"\"1008692\",\"東京都千代田区大手町１丁目３－１\",\"東京中央郵便局私書箱第２号\","
       u"\"テスト商事　株式会社\"\r\n"},
  };
  for (const auto& c : cases) {
    kovari::testing::RecordingHost asked(c.answer_yes);
    asked.clipboard = c.before;
    session.clip_asked = false;
    session.settings.set_flag(settings::Flag::kHyphen, c.hyphen);
    session.settings.set_flag(settings::Flag::kCommaSeparator, c.comma);
    for (const std::u16string_view code : {u"1000001", u"1008692"}) {
      const CodeConversion found = convert(code);
      const std::optional<CodeConversion> copied = copy_result(session, asked, found.fields);
      ASSERT_TRUE(copied) << c.name;
      EXPECT_EQ(copied->state, CodeWindowState::Input) << c.name;
      EXPECT_EQ(copied->focus, CodeWindowFocus::Code) << c.name;
      EXPECT_EQ(copied->fields.message, kMsgEnterCode) << c.name;
      EXPECT_EQ(copied->fields.address, found.fields.address) << c.name;
    }
    EXPECT_EQ(asked.clipboard.value_or(u"(none)"), c.after) << c.name;
    EXPECT_EQ(asked.questions.size(), c.before ? 1u : 0u) << c.name;
    EXPECT_TRUE(session.clip_asked) << c.name;
  }
}

TEST_F(CodeEntryTest, NothingIsCopiedWithoutAnAddress) {
  host.clipboard = u"メモ";
  EXPECT_FALSE(copy_result(session, host, convert(u"1009999", false).fields));
  EXPECT_EQ(host.clipboard, u"メモ");
  EXPECT_TRUE(host.questions.empty());
  EXPECT_FALSE(session.clip_asked);
}

}  // namespace
}  // namespace kovari::code_entry
