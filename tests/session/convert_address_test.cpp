// convert_address on the basic fixture: the outcome of one address as every
// caller gets it.
#include "session/convert_address.h"

#include <gtest/gtest.h>

#include "support/loaded_session.h"
#include "text/sjis.h"

namespace kovari {
namespace {

constexpr std::u16string_view kNothingGiven =
    u"都道府県名、区市郡島名、区町村名のすべてを省略できません。";

class ConvertAddressTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(loaded.load(testing::fixture_folder("basic"))); }
  AddressOutcome convert(std::u16string_view text, CallerMode mode) {
    return convert_address(loaded.session, loaded.host, text, mode);
  }
  testing::LoadedSession loaded;
};

TEST_F(ConvertAddressTest, EachOutcomeStartsEmpty) {
  const AddressOutcome failed = convert(u"どこでもない", CallerMode::kWindow);
  EXPECT_EQ(failed.code, u"");
  EXPECT_EQ(failed.message, kNothingGiven);
  EXPECT_EQ(failed.focus, Focus::kAddress);
  const AddressOutcome found = convert(u"東京都千代田区外神田1-1", CallerMode::kWindow);
  EXPECT_EQ(found.code, u"1010021");
  EXPECT_EQ(found.message, u"");
  EXPECT_EQ(found.focus, Focus::kNone);
  EXPECT_EQ(found.parts, u"東京都,千代田区,,外神田,1,1,,,");
  EXPECT_EQ(found.levels.pref, 2);
  EXPECT_GT(found.levels.city, 0);
  EXPECT_LT(found.levels.town_first, found.levels.town_last);
}

TEST_F(ConvertAddressTest, TheWindowIsOfferedTheLevelItCouldNotSettle) {
  const AddressOutcome window = convert(u"北海道見当たらない市本町", CallerMode::kWindow);
  ASSERT_TRUE(window.list.has_value());
  EXPECT_EQ(window.list->list_kind, 2);
  EXPECT_EQ(window.list->prompt, u"市区郡島名を特定できません。選択して下さい。");
  // 札幌市 stands on two rows of the city table and is offered once.
  ASSERT_EQ(window.list->choices.size(), 2u);
  EXPECT_EQ(window.list->choices[0].name, u"札幌市");
  EXPECT_EQ(window.list->choices[1].name, u"余市郡");
  EXPECT_EQ(window.list->choices[1].index, window.list->choices[0].index + 2);
  EXPECT_EQ(window.code, u"");

  const AddressOutcome clipboard = convert(u"北海道見当たらない市本町", CallerMode::kClipboard);
  EXPECT_FALSE(clipboard.list.has_value());
  EXPECT_EQ(clipboard.focus, Focus::kNone);
}

TEST_F(ConvertAddressTest, TheBatchWritesAJoNumberInKanjiAndKeepsLengthsWhileItsWindowIsOpen) {
  const std::u16string_view typed = u"北海道札幌市北区北10条西3丁目";
  const AddressOutcome clipboard = convert(typed, CallerMode::kClipboard);
  EXPECT_EQ(clipboard.decomposition.addr_text, u"北海道札幌市北区北１０条西３丁目");
  EXPECT_EQ(clipboard.decomposition.slot[1].part_len[decompose::kPref], 0);

  loaded.session.running.set(ConversionWindow::kBatchAddressToCode);
  const AddressOutcome batch = convert(typed, CallerMode::kBatchAddress);
  EXPECT_EQ(batch.decomposition.addr_text, u"北海道札幌市北区北十条西３丁目");
  EXPECT_EQ(batch.decomposition.slot[1].part_len[decompose::kPref], 3);
  EXPECT_EQ(batch.decomposition.slot[1].added_len, -1);  // 十 stands for two digits
  EXPECT_EQ(batch.code, clipboard.code);
}

TEST_F(ConvertAddressTest, ABuildingOfTheBuildingTableDecidesWithoutParts) {
  const AddressOutcome o =
      convert(u"東京都新宿区西新宿2-2-1新宿三井ビル2階", CallerMode::kClipboard);
  EXPECT_EQ(o.code, u"1630402");
  EXPECT_EQ(o.parts, u"");
  EXPECT_EQ(o.decomposition.decomp_status, decompose::DecompStatus::kBuilding);
}

// What a caller reads of an outcome, and what decomposition leaves in it.
void expect_same(const AddressOutcome& kept, const AddressOutcome& fresh) {
  EXPECT_EQ(kept.code, fresh.code);
  EXPECT_EQ(kept.catch_all, fresh.catch_all);
  EXPECT_EQ(kept.message, fresh.message);
  EXPECT_EQ(kept.parts, fresh.parts);
  EXPECT_EQ(kept.focus, fresh.focus);
  ASSERT_EQ(kept.list.has_value(), fresh.list.has_value());
  if (kept.list) {
    EXPECT_EQ(kept.list->prompt, fresh.list->prompt);
    EXPECT_EQ(kept.list->choices.size(), fresh.list->choices.size());
  }
  EXPECT_EQ(kept.levels.city, fresh.levels.city);
  EXPECT_EQ(kept.levels.town_first, fresh.levels.town_first);
  EXPECT_EQ(kept.approximate, fresh.approximate);
  const decompose::Decomposition& k = kept.decomposition;
  const decompose::Decomposition& f = fresh.decomposition;
  EXPECT_EQ(k.addr_text, f.addr_text);
  EXPECT_EQ(k.decomp_status, f.decomp_status);
  EXPECT_EQ(k.result_code, f.result_code);
  EXPECT_EQ(k.result_parts, f.result_parts);
  for (int s = 1; s <= 2; ++s) {
    EXPECT_EQ(k.slot[s].addr_part, f.slot[s].addr_part);
    EXPECT_EQ(k.slot[s].addr_flag, f.slot[s].addr_flag);
    EXPECT_EQ(k.slot[s].addr_part_copy, f.slot[s].addr_part_copy);
    EXPECT_EQ(k.slot[s].part_len, f.slot[s].part_len);
    EXPECT_EQ(k.slot[s].added_len, f.slot[s].added_len);
    EXPECT_EQ(k.slot[s].building_found, f.slot[s].building_found);
    EXPECT_EQ(k.slot[s].building_split, f.slot[s].building_split);
    EXPECT_EQ(k.slot[s].koaza_text, f.slot[s].koaza_text);
    EXPECT_EQ(k.slot[s].kyoto_direction, f.slot[s].kyoto_direction);
  }
}

TEST_F(ConvertAddressTest, AKeptOutcomeCarriesNothingOverFromTheAddressBefore) {
  // A failure, a code, a level to choose, a 条 number in kanji with the part
  // lengths of the batch window, a building of the building table.
  const std::u16string_view addresses[] = {
      u"どこでもない", u"東京都千代田区外神田1-1", u"北海道見当たらない市本町",
      u"北海道札幌市北区北10条西3丁目", u"東京都新宿区西新宿2-2-1新宿三井ビル2階"};
  loaded.session.running.set(ConversionWindow::kBatchAddressToCode);
  for (const CallerMode mode : {CallerMode::kWindow, CallerMode::kBatchAddress}) {
    for (const std::u16string_view before : addresses) {
      for (const std::u16string_view address : addresses) {
        SCOPED_TRACE(text::to_utf8(before) + " then " + text::to_utf8(address));
        AddressOutcome kept;
        convert_address(loaded.session, loaded.host, before, mode, {}, kept);
        convert_address(loaded.session, loaded.host, address, mode, {}, kept);
        expect_same(kept, convert(address, mode));
      }
    }
  }
}

}  // namespace
}  // namespace kovari
