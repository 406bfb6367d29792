// Rules by which this engine answers where a plain level-by-level reading
// gives only a catch-all code or a wrong message, each with the addresses that
// show it, on the national snapshot. Skipped when the data files have not
// been built.
#include <gtest/gtest.h>

#include <string>

#include "session/convert_address.h"
#include "support/loaded_session.h"
#include "text/sjis.h"

namespace kovari::resolve {
namespace {

struct Expected {
  std::u16string address, code, message;
};

class EngineRules : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!kovari::testing::national_data_built()) GTEST_SKIP() << "national data files not built";
    ASSERT_TRUE(loaded.load(kovari::testing::national_data_folder()));
  }
  void expect(std::initializer_list<Expected> cases) {
    for (const Expected& c : cases) {
      const AddressOutcome o =
          convert_address(loaded.session, loaded.host, c.address, CallerMode::kClipboard);
      EXPECT_EQ(o.code, c.code) << text::to_utf8(c.address) << " parts " << text::to_utf8(o.parts);
      EXPECT_EQ(o.message, c.message) << text::to_utf8(c.address);
      EXPECT_EQ(o.approximate, 0u) << text::to_utf8(c.address) << " needs no approximate rule";
    }
  }
  kovari::testing::LoadedSession loaded;
};

// A city text that no city of the table ends with is cut again at the
// longest city name (or town, village) of the table that begins it.
TEST_F(EngineRules, RecutAtTheLongestCityNameOfTheTable) {
  expect({{u"東京都大島町元町", u"1000101"},               // 島 taken for an island
          {u"岐阜県郡上市八幡町島谷520-1", u"5014222"}});  // 郡 taken for a county
}

// After a 丁目 record, with a bracketed record already a partial match, the
// scan goes on for the record of the typed 丁目 (稲荷町二丁目 after
// 稲荷町（３丁目本通り） and 稲荷町一丁目).
TEST_F(EngineRules, ScanGoesOnForAnExactNameAfterAChomeRecord) {
  expect(
      {{u"新潟県十日町市稲荷町二丁目", u"9480073"}, {u"新潟県十日町市稲荷町四丁目", u"9480073"}});
}

// A Kyoto town name that holds a direction word (上之町, 五丁目) is matched
// whole before the word is cut off as a direction.
TEST_F(EngineRules, WholeNameFallbackForKyotoNamesHoldingADirectionWord) {
  expect({{u"京都府京都市下京区西新屋敷上之町", u"6008826"},
          {u"京都府京都市中京区三本木五丁目", u"6040872"}});
}

// A name whose number decomposition cut off (第１０町内: 第 and 町内 apart) is
// found by the typed text from the town area on.
TEST_F(EngineRules, WholeNameFallbackForNamesDecompositionCutApart) {
  expect({{u"北海道雨竜郡雨竜町第１０町内", u"0782641"}});
}

// Where no record names the town area, the record with the longest name it
// begins with (観音堂町 of 観音堂町チ) rather than the catch-all.
TEST_F(EngineRules, LongestNameTheTownAreaBeginsWith) {
  expect({{u"石川県金沢市観音堂町チ18", u"9200352"}, {u"千葉県四街道市鹿渡無番地", u"2840003"}});
}

// A 地割 range named with the town name at both ends reads the digits just
// before 地割 (湯田１９地割～湯田２１地割).
TEST_F(EngineRules, DigitsBeforeChiwariReadTheRange) {
  expect({{u"岩手県和賀郡西和賀町湯田20地割", u"0295503"},
          {u"岩手県和賀郡西和賀町湯本30地割111", u"0295505"}});
}

// A range condition that repeats its prefix after "～" (第９地割～第１１地割).
TEST_F(EngineRules, RangeConditionRepeatsItsPrefixAfterTheTilde) {
  expect({{u"岩手県宮古市川井第10地割", u"0282402"}, {u"岩手県宮古市川井第12地割", u"0282302"}});
}

// Of two detail records at the same numbers, the one whose building text is
// the input's (none, or the same building) wins over the first in the file.
TEST_F(EngineRules, DetailPassPrefersTheRecordNamingTheInputsBuilding) {
  loaded.session.settings.set_flag(settings::Flag::kDetailPass, 1);
  expect({{u"北海道札幌市中央区北一条西2丁目1番地", u"0608617"},
          {u"北海道札幌市中央区北一条西2丁目1番地札幌時計台ビル", u"0608532"}});
}

// A message says that every level was left out only when none was typed;
// otherwise it names the first typed level that was not found.
TEST_F(EngineRules, MessagesNameTheLevelThatWasNotFound) {
  expect({{u"北海県見当たらない市本町1", u"", u"都道府県名を特定できません。"},
          {u"山梨県見当たらない市本町1", u"", u"市区郡島名を特定できません。"},
          {u"山梨県見当たらない町本町1", u"", u"区町村名を特定できません。"},
          {u"中区見当たらない町1", u"",
           u"都道府県名、区市郡島名が省略されたため区町村名を特定できません。"},
          {u"１－２－３", u"", u"都道府県名、区市郡島名、区町村名のすべてを省略できません。"}});
}

}  // namespace
}  // namespace kovari::resolve
