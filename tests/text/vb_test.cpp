#include "text/vb.h"

#include <gtest/gtest.h>

#include "text/sjis.h"

namespace kovari::text {
namespace {

TEST(VbTest, LenCountsCodeUnits) {
  const struct {
    std::u16string_view s;
    int len;
  } kCases[] = {{u"", 0}, {u"abc", 3}, {u"あいう", 3}, {u"ガ", 1}, {u"ｶﾞ", 2}, {u"𠮷", 2}};
  for (const auto& c : kCases) EXPECT_EQ(Len(c.s), c.len) << to_utf8(c.s);
}

TEST(VbTest, LeftRightMid) {
  const struct {
    std::u16string actual;
    std::u16string_view expected;
  } kCases[] = {
      {Left(u"Hello World", 1), u"H"},
      {Left(u"Hello World", 7), u"Hello W"},
      {Left(u"Hello World", 20), u"Hello World"},
      {Left(u"abc", 0), u""},
      {Left(u"", 5), u""},
      {Left(u"abc", -1), u""},
      {Left(u"ｶﾞｷ", 1), u"ｶ"},
      {Right(u"Hello World", 1), u"d"},
      {Right(u"Hello World", 6), u" World"},
      {Right(u"Hello World", 20), u"Hello World"},
      {Right(u"abc", 0), u""},
      {Right(u"abc", -1), u""},
      {Mid(u"abcde", 2, 3), u"bcd"},
      {Mid(u"abcde", 2), u"bcde"},
      {Mid(u"abcde", 5), u"e"},
      {Mid(u"abcde", 6), u""},
      {Mid(u"abcde", 99, 1), u""},
      {Mid(u"abcde", 4, 99), u"de"},
      {Mid(u"abcde", 2, 0), u""},
      {Mid(u"", 1), u""},
      {Mid(u"", 3, 2), u""},
      {Mid(u"abcde", 0), u""},
      {Mid(u"abcde", 1, -1), u""},
      {Mid(u"あいう", 2, 1), u"い"},
  };
  for (const auto& c : kCases) EXPECT_EQ(c.actual, c.expected);
}

TEST(VbTest, TryVariantsReportTheRuntimeErrors) {
  EXPECT_EQ(try_left(u"abc", -1), std::nullopt);
  EXPECT_EQ(try_right(u"abc", -1), std::nullopt);
  EXPECT_EQ(try_mid(u"abcde", 0), std::nullopt);
  EXPECT_EQ(try_mid(u"abcde", 1, -1), std::nullopt);
  EXPECT_EQ(try_mid(u"abcde", 0, 2), std::nullopt);
  EXPECT_EQ(try_left(u"abc", 0), u"");
  EXPECT_EQ(try_right(u"abc", 5), u"abc");
  EXPECT_EQ(try_mid(u"abcde", 9), u"");
  EXPECT_EQ(try_mid(u"abcde", 2, 2), u"bc");
}

TEST(VbTest, InStr) {
  const struct {
    int start;
    std::u16string_view s1, s2;
    int expected;
  } kCases[] = {
      {1, u"XXpXXpXXPXXP", u"P", 9},
      {4, u"XXpXXpXXPXXP", u"P", 9},
      {1, u"XXpXXpXXPXXP", u"W", 0},
      {1, u"abcabc", u"c", 3},
      {4, u"abcabc", u"c", 6},
      {7, u"abcabc", u"c", 0},
      {99, u"abc", u"a", 0},
      {1, u"abc", u"", 1},
      {3, u"abc", u"", 3},
      {4, u"abc", u"", 4},
      {5, u"abc", u"", 0},
      {1, u"", u"a", 0},
      {1, u"", u"", 0},
      {5, u"", u"", 0},
      {0, u"abc", u"a", 0},
      {-3, u"abc", u"", 0},
      {1, u"abc", u"C", 0},
      {1, u"ａｂｃ", u"b", 0},
      {1, u"ｶﾞｷﾞ", u"ｷ", 3},
      {1, u"ガギ", u"ｷﾞ", 0},
      {1, u"abc", u"abcd", 0},
  };
  for (const auto& c : kCases) {
    EXPECT_EQ(InStr(c.start, c.s1, c.s2), c.expected) << c.start;
    if (c.start == 1) {
      EXPECT_EQ(InStr(c.s1, c.s2), c.expected);
    }
  }
}

// Texts longer than one block of the vectorised search: every start and every
// piece of the text agrees with a plain search.
TEST(VbTest, InStrOverLongTextsAgreesWithAPlainSearch) {
  const std::u16string_view s = u"北海道札幌市中央区北一条西2丁目1-2-3ビル北一条東2丁目北";
  const std::u16string_view pieces[] = {u"北",    u"丁目", u"北一条東", u"3ビ", u"目北",
                                        u"北一条", u"区北", u"南",     u"北海道札幌市中央区北"};
  for (std::u16string_view piece : pieces) {
    for (int start = 1; start <= Len(s) + 1; ++start) {
      const std::size_t plain = s.find(piece, static_cast<std::size_t>(start) - 1);
      const int expected = plain == std::u16string_view::npos ? 0 : static_cast<int>(plain) + 1;
      EXPECT_EQ(InStr(start, s, piece), expected) << start << " " << piece.size();
    }
  }
}

TEST(VbTest, InStrRevFindsTheLastOccurrence) {
  EXPECT_EQ(InStrRev(u"東京都港区港南", u"港"), 6);
  EXPECT_EQ(InStrRev(u"abcabc", u"bc"), 5);
  EXPECT_EQ(InStrRev(u"abc", u"x"), 0);
  EXPECT_EQ(InStrRev(u"abc", u""), 3);
  EXPECT_EQ(InStrRev(u"", u""), 0);
}

TEST(VbTest, TrimRemovesHalfWidthBlanksOnly) {
  const struct {
    std::u16string_view in, trim;
  } kCases[] = {
      {u"  <-Trim->  ", u"<-Trim->"},
      {u"   ", u""},
      {u"", u""},
      {u" a", u"a"},
      {u"a ", u"a"},
      {u"\ta\t", u"\ta\t"},
      {u"a\r\n", u"a\r\n"},
      {u"\u00A0a", u"\u00A0a"},
      {u"\u3000a\u3000", u"\u3000a\u3000"},
      {u" \u3000a\u3000 ", u"\u3000a\u3000"},
  };
  for (const auto& c : kCases) {
    EXPECT_EQ(Trim(c.in), c.trim);
    EXPECT_EQ(trim_view(c.in), c.trim);
  }
}

TEST(VbTest, ReplaceAllAndFirst) {
  const struct {
    std::u16string_view s, find, with, all, first;
  } kCases[] = {
      {u"1-2-3", u"-", u"", u"123", u"12-3"},
      {u"aaa", u"aa", u"b", u"ba", u"ba"},
      {u"丁目丁目", u"丁目", u"－", u"－－", u"－丁目"},
      {u"abc", u"", u"x", u"abc", u"abc"},
      {u"", u"a", u"x", u"", u""},
      {u"abc", u"x", u"y", u"abc", u"abc"},
      {u"aa", u"a", u"aa", u"aaaa", u"aaa"},
  };
  for (const auto& c : kCases) {
    EXPECT_EQ(Replace(c.s, c.find, c.with), c.all);
    EXPECT_EQ(ReplaceFirst(c.s, c.find, c.with), c.first);
  }
}

TEST(VbTest, StringRepeatsACharacter) {
  EXPECT_EQ(String(2, u'＊'), u"＊＊");
  EXPECT_EQ(String(0, u'a'), u"");
  EXPECT_EQ(String(-2, u'a'), u"");
}

TEST(VbTest, CompareIsBinaryCodeUnitOrder) {
  const struct {
    std::u16string_view a, b;
  } kAscending[] = {
      {u"abc", u"abcd"},
      {u"", u"a"},
      {u"A", u"a"},
      {u"Z", u"a"},
      {u"10", u"9"},
      {u"あ", u"ア"},
      {u"あ", u"い"},
      {u"ア", u"ｱ"},
      {u"ア", u"亜"},
      {u"あ", u"０"},
      {u"\u00FF", u"\u0100"},
      {u"ｱ", std::u16string_view(&kHighestChar, 1)},
      {u"９", std::u16string_view(&kHighestChar, 1)},
  };
  for (const auto& c : kAscending) {
    EXPECT_LT(compare(c.a, c.b), 0);
    EXPECT_GT(compare(c.b, c.a), 0);
    EXPECT_EQ(compare(c.a, c.b) < 0, std::u16string(c.a) < std::u16string(c.b));
  }
  EXPECT_EQ(compare(u"abc", u"abc"), 0);
  EXPECT_NE(compare(u"abc", u"abc "), 0);
}

}  // namespace
}  // namespace kovari::text
