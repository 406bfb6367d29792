#include "resolve/level_rules.h"

#include <gtest/gtest.h>

#include <string>

#include "postaldb/char_tables.h"
#include "resolve/name_form.h"

namespace kovari::resolve {
namespace {

postaldb::PostalTables numeral_tables() {
  postaldb::PostalTables t;
  postaldb::set_table1(t);
  postaldb::set_table2(t);
  return t;
}

TEST(ChomeKey, NumberBecomesKanjiNumeral) {
  const postaldb::PostalTables t = numeral_tables();
  struct {
    std::u16string area, chome, key;
  } cases[] = {
      {u"本町", u"3", u"本町三丁目"},    {u"本町 ", u"12", u"本町十二丁目"},
      {u"本町", u"50", u"本町五十丁目"}, {u"本町", u"51", u"本町丁目"},
      {u"本町", u"0", u"本町丁目"},      {u"本町", u"", u"本町丁目"},
      {u"本町", u"05", u"本町五丁目"},   {u"本町", u"100", u"本町丁目"},
      {u"本町", u"3.5", u"本町丁目"},
  };
  std::u16string key = u"longer than every key, whose room is reused";
  for (const auto& c : cases) {
    chome_key(c.area, c.chome, t, key);
    EXPECT_EQ(key, c.key) << c.chome.size();
  }
}

// The scan makes the key of the folded town area and takes it for the folded
// key: the numerals and 丁目 must have no other comparison form.
TEST(ChomeKey, KeyOfTheFoldedAreaIsTheFoldedKey) {
  const postaldb::PostalTables t = numeral_tables();
  std::u16string key, folded_area_key;
  for (int n = 0; n <= 51; ++n) {
    std::u16string chome;  // "" for no number
    if (n > 0) {
      for (const char c : std::to_string(n)) chome += static_cast<char16_t>(c);
    }
    chome_key(u"霞ヶ関", chome, t, key);
    chome_key(comparison_form(u"霞ヶ関"), chome, t, folded_area_key);
    EXPECT_EQ(folded_area_key, comparison_form(key)) << n;
  }
}

TEST(DropKanjiChome, DropsOnlyTheTypedNumbersKanjiChome) {
  const postaldb::PostalTables t = numeral_tables();
  struct {
    std::u16string area, chome, left;
  } cases[] = {
      {u"丸の内一丁目", u"1", u"丸の内"},
      {u"丸の内十二丁目", u"12", u"丸の内"},
      {u"丸の内一丁目", u"2", u"丸の内一丁目"},
      {u"丸の内丁目", u"", u"丸の内丁目"},
      {u"一丁目", u"1", u"一丁目"},
      {u"丸の内二丁", u"2", u"丸の内二丁"},
      {u"丸の内二十二丁目", u"2", u"丸の内二十"},
  };
  for (auto& c : cases) {
    drop_kanji_chome(c.area, c.chome, t);
    EXPECT_EQ(c.area, c.left) << c.chome.size();
  }
}

TEST(ChiwariInRange, ReadsTheRangeOfTheName) {
  struct {
    std::u16string name, chiwari;
    int mark;
    bool in_range;
  } cases[] = {
      {u"江刈第１地割～第３地割", u"2", 1, true},
      {u"江刈第１地割～第３地割", u"3", 1, true},
      {u"江刈第１地割～第３地割", u"4", 1, false},
      {u"江刈第１地割～第３地割", u"2", 0, false},          // no 地割 in the address
      {u"江刈第５地割", u"5", 1, false},                    // no upper bound
      {u"越中畑６４地割～越中畑６６地割", u"65", 1, true},  // the number before 地割
      {u"越中畑６４地割～越中畑６６地割", u"67", 1, false},
      {u"江刈", u"5", 1, false},
  };
  for (const auto& c : cases) {
    decompose::DecompositionSlot slot;
    slot.addr_flag[26] = c.mark;
    slot.addr_part[5] = c.chiwari;
    EXPECT_EQ(chiwari_in_range(c.name, slot), c.in_range);
  }
}

TEST(StripAza, RemovesOazaAndCutsAtAza) {
  const postaldb::PostalTables t = numeral_tables();
  struct {
    std::u16string area, kept, koaza;
  } cases[] = {
      {u"大字山田", u"山田", u""},
      {u"上野大字山田", u"上野山田", u""},
      {u"大字山田字川原", u"山田", u"川原"},
      {u"字川原", u"川原", u""},
      {u"十字町", u"十字町", u""},  // 十字 is a word, not the 字 marker
      {u"文字", u"文字", u""},
  };
  for (const auto& c : cases) {
    decompose::DecompositionSlot slot;
    std::u16string area = c.area;
    strip_aza(area, slot, 1, t);
    EXPECT_EQ(area, c.kept);
    EXPECT_EQ(slot.koaza_text, c.koaza);
  }
}

TEST(StripAza, SlotTwoKeepsTheAzaPartInTheTownArea) {
  const postaldb::PostalTables t = numeral_tables();
  decompose::DecompositionSlot slot;
  std::u16string area = u"山田字川原";
  strip_aza(area, slot, 2, t);
  EXPECT_EQ(area, u"山田川原");
  EXPECT_EQ(slot.koaza_text, u"川原");
}

TEST(CityNameUnique, RecurringNamesComeFromTheLoadedTable) {
  postaldb::PostalTables t;
  t.city_name1 = {u"", u"上川郡", u"上川郡", u"旭川市", u"上川郡", u"伊達市", u"府中市", u"伊達市"};
  const auto recurring = recurring_city_names(t);
  EXPECT_FALSE(city_name_unique(u"上川郡", recurring));  // two blocks in one prefecture
  EXPECT_FALSE(city_name_unique(u"伊達市", recurring));
  EXPECT_TRUE(city_name_unique(u"旭川市", recurring));
  EXPECT_TRUE(city_name_unique(u"府中市", recurring));  // once in this table
  EXPECT_TRUE(city_name_unique(u"", recurring));
}

TEST(CityNameUnique, WithoutATableTheKnownNamesRecur) {
  const auto recurring = recurring_city_names(postaldb::PostalTables{});
  EXPECT_FALSE(city_name_unique(u"府中市", recurring));
  EXPECT_FALSE(city_name_unique(u"中郡", recurring));
  EXPECT_TRUE(city_name_unique(u"旭川市", recurring));
}

}  // namespace
}  // namespace kovari::resolve
