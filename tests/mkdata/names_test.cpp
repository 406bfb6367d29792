#include "names.h"

#include <gtest/gtest.h>

#include "details.h"
#include "old_codes.h"
#include "text/sjis.h"

namespace kovari::mkdata {
namespace {

TEST(ReadingInitialTest, FirstKanaAsPlainFullWidthKatakana) {
  const struct {
    std::u16string_view reading;
    char16_t initial;
  } cases[] = {
      {u"ｱｻﾋｶﾞｵｶ", u'ア'},
      {u"ｶﾞﾝｹﾞﾝﾁｮｳ", u'カ'},  // the voiced mark is a separate character
      {u"ﾊﾟｰｸ", u'ハ'},
      {u"ｯﾎﾟﾛ", u'ツ'},
      {u"ｮｺ", u'ヨ'},
      {u"ｦﾀﾞ", u'ヲ'},
      {u"ﾝ", u'ン'},
      {u"ガッコウ", u'カ'},
      {u"ぱん", u'ハ'},
      {u"ヴィラ", u'ウ'},
      {u"ヶ", u'ケ'},
      {u"", u'＊'},
      {u"(ｲｶ)", u'＊'},
      // a number is read out: いち, じゅう, にじゅう, ひゃく, ご, れい
      {u"1ｼﾞｮｳﾄﾞｵﾘ", u'イ'},
      {u"10ｼﾞｮｳ", u'シ'},
      {u"20ｾﾝ", u'ニ'},
      {u"100ｹﾝ", u'ヒ'},
      {u"5ｾﾝ", u'コ'},
      {u"0ﾊﾞﾝ", u'レ'},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(reading_initial(c.reading), c.initial) << text::to_utf8(c.reading);
  }
}

TEST(TownAttributesTest, AnnotationStartAndFinalCharacter) {
  const struct {
    std::u16string_view name;
    std::int32_t attributes;
  } cases[] = {
      {u"旭ケ丘", 0},
      {u"大通西（１～１９丁目）", 4 + 32 * 11},
      {u"（番地）", 1 + 32 * 4},
      // the first "（" at position 31 still fits; at 32 it does not
      {u"１２３４５６７８９０１２３４５６７８９０１２３４５６７８９０（あ）", 31 + 32 * 33},
      {u"１２３４５６７８９０１２３４５６７８９０１２３４５６７８９０１（あ）", 0},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(town_attributes(c.name), c.attributes) << text::to_utf8(c.name);
  }
  // a final position above 511 does not fit either
  EXPECT_EQ(town_attributes(u"あ（" + std::u16string(520, u'い') + u"）"), 0);
}

TEST(DoubleByteTest, SingleByteCharactersBecomeFullWidth) {
  const struct {
    std::u16string_view in, out;
  } cases[] = {
      {u"ABCﾄﾚｰﾃﾞｨﾝｸﾞ", u"ＡＢＣトレーディング"},
      {u"1-2 3", u"１－２　３"},
      {u"C:\\", u"Ｃ：＼"},
      {u"丸の内", u"丸の内"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(to_double_byte(c.in), std::u16string(c.out)) << text::to_utf8(c.in);
  }
  EXPECT_EQ(to_double_byte(u"\u00e9"), std::nullopt);  // no Shift-JIS form at all
}

TEST(DetailAttributesTest, PostOfficeBoxBrackets) {
  const struct {
    std::u16string_view street;
    std::int32_t attributes;
  } cases[] = {
      {u"３丁目６", 0},
      {u"１丁目３（札幌中央郵便局私書箱第１６７号）", 16 * (5 + 50 * 21) + 8},
      {u"（東京中央郵便局私書箱第１号）", 16 * (1 + 50 * 15) + 8},
      {u"２丁目（次のビル）", 0},  // a bracket that is not a post-office box
      // a closing bracket beyond position 49 does not fit: no bracket marked
      {u"１２３４５６７８９０１２３４５６７８９０１２３４５６７８９０１２３４５６７８９０"
       u"（中央郵便局私書箱第１号）",
       0},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(detail_attributes(c.street), c.attributes) << text::to_utf8(c.street);
  }
}

TEST(OldCodeKeyTest, ThreeDigitCodesAreFollowedByZeros) {
  const struct {
    std::u16string_view old_code;
    std::optional<std::string> key;
  } cases[] = {
      {u"060  ", "06000"}, {u"06001", "06001"}, {u"100  ", "10000"},      {u"10764", "10764"},
      {u"001  ", "00100"}, {u"", std::nullopt}, {u"06A  ", std::nullopt},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(old_code_key(c.old_code), c.key) << text::to_utf8(c.old_code);
  }
}

}  // namespace
}  // namespace kovari::mkdata
