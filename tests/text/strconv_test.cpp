#include "text/strconv.h"

#include <gtest/gtest.h>

#include <random>
#include <utility>

#include "text/sjis.h"

namespace kovari::text {
namespace {

struct Case {
  std::u16string_view from, to;
};

constexpr Case kNarrowCases[] = {
    {u"　", u" "},
    {u"０１２３４５６７８９", u"0123456789"},
    {u"ＡＺａｚ", u"AZaz"},
    {u"！＃＄％＆（）＊＋，．／：；＜＝＞？＠［］＾＿｛｜｝｀", u"!#$%&()*+,./:;<=>?@[]^_{|}`"},
    {u"＂＇", u"\"'"},
    {u"～", u"~"},
    {u"－", u"-"},
    {u"’‘”“‐", u"''\"\"-"},
    {u"￥＼", u"￥＼"},
    {u"\t\r\n", u"\t\r\n"},
    {u"アイウエオン", u"ｱｲｳｴｵﾝ"},
    {u"ヲァィゥェォャュョッ", u"ｦｧｨｩｪｫｬｭｮｯ"},
    {u"ガギグゲゴザジズゼゾダヂヅデド", u"ｶﾞｷﾞｸﾞｹﾞｺﾞｻﾞｼﾞｽﾞｾﾞｿﾞﾀﾞﾁﾞﾂﾞﾃﾞﾄﾞ"},
    {u"バビブベボパピプペポ", u"ﾊﾞﾋﾞﾌﾞﾍﾞﾎﾞﾊﾟﾋﾟﾌﾟﾍﾟﾎﾟ"},
    {u"ヴ", u"ｳﾞ"},
    {u"ヵヶヰヱヮ", u"ヵヶヰヱヮ"},
    {u"ー。「」、・゛゜", u"ｰ｡｢｣､･ﾞﾟ"},
    {u"あがぱ東京※〒×", u"あがぱ東京※〒×"},
    {u"ＡＢＣビル３Ｆ", u"ABCﾋﾞﾙ3F"},
    {u"１－２～３", u"1-2~3"},
};

constexpr Case kWideCases[] = {
    {u" ", u"　"},
    {u"0123456789AZaz", u"０１２３４５６７８９ＡＺａｚ"},
    {u"!\"#$%&'()*+,-./:;<=>?@[]^_`{|}~",
     u"！＂＃＄％＆＇（）＊＋，－．／：；＜＝＞？＠［］＾＿｀｛｜｝～"},
    {u"\\", u"\\"},
    {u"\t\r\n", u"\t\r\n"},
    {u"ｱｲｳｴｵﾝｦｧｯｰ", u"アイウエオンヲァッー"},
    {u"ｶﾞｷﾞﾄﾞﾊﾞﾎﾞ", u"ガギドバボ"},
    {u"ﾊﾟﾋﾟﾌﾟﾍﾟﾎﾟ", u"パピプペポ"},
    {u"ｳﾞ", u"ヴ"},
    {u"ｱﾞ", u"ア゛"},
    {u"ﾜﾞ", u"ワ゛"},
    {u"ｶﾟ", u"カ゜"},
    {u"ﾞﾟ", u"゛゜"},
    {u"｡｢｣､･", u"。「」、・"},
    {u"ｶ", u"カ"},
    {u"あ東", u"あ東"},
};

TEST(StrConvTest, Narrow) {
  for (const Case& c : kNarrowCases) EXPECT_EQ(to_narrow(c.from), c.to) << to_utf8(c.from);
}

TEST(StrConvTest, Wide) {
  for (const Case& c : kWideCases) EXPECT_EQ(to_wide(c.from), c.to) << to_utf8(c.from);
}

// A text converts as its characters one by one (no mark follows a half-width
// katakana here, so nothing joins), whatever mix of kanji, characters that
// shift by one offset and others makes up each block of the fast path.
TEST(StrConvTest, TextConvertsAsItsCharacters) {
  const std::u16string_view alphabet = u"東京１－Ａ＼～ア　ｱ12-a\\~ 。｡’";
  std::mt19937 random(7);
  for (int round = 0; round < 2000; ++round) {
    std::u16string text(random() % 30, u' ');
    for (char16_t& c : text) c = alphabet[random() % alphabet.size()];
    std::u16string narrow, wide;
    for (const char16_t& c : text) {
      narrow += to_narrow(std::u16string_view(&c, 1));
      wide += to_wide(std::u16string_view(&c, 1));
    }
    ASSERT_EQ(to_narrow(text), narrow) << to_utf8(text);
    ASSERT_EQ(to_wide(text), wide) << to_utf8(text);
  }
}

// Runs of characters that stay as they are are copied eight at a time: every
// case converts alike wherever it falls in the text, across the block edges.
TEST(StrConvTest, ConversionDoesNotDependOnThePositionInTheText) {
  for (int before = 0; before <= 17; ++before) {
    const std::u16string head(before, u'東');
    const std::u16string tail(17 - before, u'京');
    for (const Case& c : kNarrowCases) {
      EXPECT_EQ(to_narrow(head + std::u16string(c.from) + tail), head + std::u16string(c.to) + tail)
          << before << " " << to_utf8(c.from);
    }
    for (const Case& c : kWideCases) {
      EXPECT_EQ(to_wide(head + std::u16string(c.from) + tail), head + std::u16string(c.to) + tail)
          << before << " " << to_utf8(c.from);
    }
  }
}

// Short texts are checked for a character to change all at once: one found
// at any position of a text of any length, or none, into an output that held
// something else.
TEST(StrConvTest, WideOfShortTextsWhereverTheCharacterStands) {
  for (std::size_t length = 0; length <= 17; ++length) {
    const std::u16string kanji(length, u'東');
    std::u16string out = u"old contents of the output";
    to_wide(kanji, out);
    EXPECT_EQ(out, kanji);
    for (std::size_t at = 0; at < length; ++at) {
      for (const auto [narrow, wide] : {std::pair{u'A', u'Ａ'}, std::pair{u'ｱ', u'ア'}}) {
        std::u16string text = kanji;
        std::u16string expected = kanji;
        text[at] = narrow;
        expected[at] = wide;
        to_wide(text, out);
        EXPECT_EQ(out, expected) << length << " " << at;
      }
    }
  }
}

TEST(StrConvTest, RoundTripsChangeLengthAndFoldQuotes) {
  EXPECT_EQ(to_narrow(u"ガ").size(), 2u);
  EXPECT_EQ(to_wide(u"ｶﾞ").size(), 1u);
  EXPECT_EQ(to_wide(to_narrow(u"’")), u"＇");
  EXPECT_EQ(to_wide(to_narrow(u"ガパヴ")), u"ガパヴ");
}

TEST(StrConvTest, BufferOverloadsReuseTheirOutput) {
  std::u16string out = u"old contents";
  to_narrow(u"ガ", out);
  EXPECT_EQ(out, u"ｶﾞ");
  to_wide(u"ｶﾞ", out);
  EXPECT_EQ(out, u"ガ");
}

TEST(StrConvTest, BothFormsInOnePassOnlyForShiftedTexts) {
  struct BothCase {
    std::u16string_view text;
    bool in_one_pass;
  };
  // Kanji, hiragana, ASCII and full-width ASCII convert by the shifts; the
  // others need the character conversions, wherever they stand (the last
  // block of a text overlaps the one before).
  constexpr BothCase kCases[] = {
      {u"東京都千代田区丸の内1-2-3", true}, {u"東京都千代田区丸の内１－２－３", true},
      {u"あいうえおかきく\\＼~～", true},   {u"北海道札幌市", false},
      {u"東京都千代田区丸の内 1", false},   {u"東京都千代田区丸の内　1", false},
      {u"東京都千代田区丸の内1ケ", false},  {u"ケ東京都千代田区丸の内1", false},
      {u"東京都千代田区ﾏﾙﾉｳﾁ1", false},     {u"東京都千代田区丸の内‐1", false},
      {u"東京都千代田区丸の内1。", false},
  };
  for (const BothCase& c : kCases) {
    std::u16string narrow = u"old";
    std::u16string wide;
    ASSERT_EQ(to_narrow_and_wide(c.text, narrow, wide), c.in_one_pass) << to_utf8(c.text);
    if (!c.in_one_pass) continue;
    EXPECT_EQ(narrow, to_narrow(c.text)) << to_utf8(c.text);
    EXPECT_EQ(wide, to_wide(to_narrow(c.text))) << to_utf8(c.text);
  }
}

TEST(StrConvTest, FullWidthDigits) {
  EXPECT_EQ(to_full_width_digits(u"12,345件"), u"１２，３４５件");
  EXPECT_EQ(to_full_width_digits(u"-5.0"), u"-５.０");
}

}  // namespace
}  // namespace kovari::text
