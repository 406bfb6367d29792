// The approximate rules that rewrite the text alone, and the numeral forms the
// town-area rules compare.
#include <gtest/gtest.h>

#include "resolve/approx_numerals.h"
#include "resolve/approx_rules.h"
#include "text/sjis.h"

namespace kovari::resolve {
namespace {

using Text = std::optional<std::u16string>;

TEST(ApproxTextRules, RemarkBeforeTheAddressIsDropped) {
  const struct {
    std::u16string_view text;
    Text rest;
  } kCases[] = {
      {u"（前期）長野県大町市八坂１０９０", u"長野県大町市八坂１０９０"},
      {u"【旧住所】（２期）大町市八坂", u"大町市八坂"},  // one remark after another
      {u"［発送先］大町市", u"大町市"},
      {u"(注)大町市", u"大町市"},
      {u"長野県大町市（前期）", std::nullopt},  // a remark after the address stays
      {u"（前期）", std::nullopt},              // nothing follows
      {u"（前期長野県大町市", std::nullopt},    // never closed
  };
  for (const auto& c : kCases)
    EXPECT_EQ(drop_leading_remark(c.text), c.rest) << text::to_utf8(c.text);
}

TEST(ApproxTextRules, LongVowelMarksBetweenDigitsBecomeHyphens) {
  const struct {
    std::u16string_view text;
    Text hyphens;
  } kCases[] = {
      {u"南２条西１ー５ー２号室", u"南２条西１－５－２号室"},
      {u"１ｰ２―３‐４−５", u"１－２－３－４－５"},
      {u"1ー2", u"1－2"},
      {u"ワールドビル１ー", std::nullopt},  // no digit after it
      {u"センター１２", std::nullopt},      // a long vowel of a word
  };
  for (const auto& c : kCases) {
    EXPECT_EQ(hyphens_for_long_vowels(c.text), c.hyphens) << text::to_utf8(c.text);
  }
}

TEST(ApproxNumerals, KanjiNumeralsAndDigits) {
  const struct {
    std::u16string_view kanji;
    int value;
  } kCases[] = {{u"一", 1},      {u"十", 10},    {u"十二", 12},     {u"二十", 20},
                {u"二十一", 21}, {u"百五", 105}, {u"三百十六", 316}};
  for (const auto& c : kCases) {
    EXPECT_EQ(kanji_numeral_value(c.kanji), c.value) << text::to_utf8(c.kanji);
    EXPECT_EQ(kanji_numeral(c.value), c.kanji);
  }
  for (std::u16string_view no_number : {u"", u"十十", u"二三", u"十百"}) {
    EXPECT_EQ(kanji_numeral_value(no_number), std::nullopt) << text::to_utf8(no_number);
  }
  EXPECT_EQ(wide_digits(12), u"１２");
}

TEST(ApproxNumerals, NumbersOfANameWrittenTheOtherWay) {
  const struct {
    std::u16string_view name;
    Text other;
  } kCases[] = {
      {u"十二番丁", u"１２番丁"},
      {u"学校町通１番町", u"学校町通一番町"},
      {u"第１０地割", u"第十地割"},
      {u"北十六条西", u"北１６条西"},
      {u"六軒町", u"６軒町"},
      {u"三田", std::nullopt},  // a numeral no numbering character follows
      {u"九十九里", std::nullopt},
      {u"本町", std::nullopt},
  };
  for (const auto& c : kCases) {
    EXPECT_EQ(numbers_written_otherwise(c.name), c.other) << text::to_utf8(c.name);
  }
}

}  // namespace
}  // namespace kovari::resolve
