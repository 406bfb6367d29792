#include "text/strconv.h"

#include <gtest/gtest.h>

#include "text/sjis.h"

namespace kovari::text {
namespace {

TEST(StrConvTest, Narrow) {
  const struct {
    std::u16string_view wide, narrow;
  } kCases[] = {
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
  for (const auto& c : kCases) EXPECT_EQ(to_narrow(c.wide), c.narrow) << to_utf8(c.wide);
}

TEST(StrConvTest, Wide) {
  const struct {
    std::u16string_view narrow, wide;
  } kCases[] = {
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
  for (const auto& c : kCases) EXPECT_EQ(to_wide(c.narrow), c.wide) << to_utf8(c.narrow);
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

TEST(StrConvTest, FullWidthDigits) {
  EXPECT_EQ(to_full_width_digits(u"12,345件"), u"１２，３４５件");
  EXPECT_EQ(to_full_width_digits(u"-5.0"), u"-５.０");
}

}  // namespace
}  // namespace kovari::text
