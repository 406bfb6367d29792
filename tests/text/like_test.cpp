#include "text/like.h"

#include <gtest/gtest.h>

#include "text/sjis.h"

namespace kovari::text {
namespace {

TEST(LikeTest, MatchesLikeTheRuntime) {
  const struct {
    std::u16string_view text, pattern;
    bool expected;
  } kCases[] = {
      {u"aBBBa", u"a*a", true},
      {u"ab", u"a*b", true},
      {u"F", u"[A-Z]", true},
      {u"F", u"[!A-Z]", false},
      {u"a2a", u"a#a", true},
      {u"aM5b", u"a[L-P]#[!c-e]", true},
      {u"BAT123khg", u"B?T*", true},
      {u"CAT123khg", u"B?T*", false},
      {u"a*b", u"a[*]b", true},
      {u"axxxxxb", u"a[*]b", false},
      {u"a[xyz", u"a[[]*", true},
      {u"a?", u"a[?]", true},
      {u"a1", u"a[?]", false},
      {u"#", u"[#]", true},
      {u"]", u"]", true},
      {u"!", u"!", true},
      {u"-", u"[-a]", true},
      {u"-", u"[a-]", true},
      {u"-", u"[a-c]", false},
      {u"b", u"[!-a]", true},
      {u"", u"", true},
      {u"", u"*", true},
      {u"", u"?", false},
      {u"abc", u"a[]bc", true},
      {u"a", u"", false},
      {u"A", u"a", false},
      {u"Ａ", u"[A-Z]", false},
      {u"ガ", u"?", true},
      {u"ｶﾞ", u"?", false},
      {u"ｶﾞ", u"??", true},
      {u"あ", u"[ぁ-ん]", true},
      {u"ア", u"[ぁ-ん]", false},
      {u"１", u"[0-9]", false},
      {u"１", u"[０-９]", true},
      {u"１", u"#", false},
      {u"12-3456", u"##-####", true},
      {u"東京都港区", u"*区", true},
      {u"東京都港区", u"*市*", false},
      {u"abcabcabd", u"*abd", true},
      {u"aaa", u"*a*a*a*", true},
      {u"aa", u"*a*a*a*", false},
      {u"x", u"[!]", true},
  };
  for (const auto& c : kCases) {
    EXPECT_EQ(Like(c.text, c.pattern), c.expected)
        << to_utf8(c.text) << " Like " << to_utf8(c.pattern);
  }
}

TEST(LikeTest, InvalidPatternsMatchNothing) {
  const struct {
    std::u16string_view text, pattern;
  } kCases[] = {
      {u"a[xyz", u"a[*"}, {u"x", u"[Z-A]"}, {u"b", u"[a-c-e]"}, {u"", u"["}, {u"ab", u"*[b"},
  };
  for (const auto& c : kCases) EXPECT_FALSE(Like(c.text, c.pattern)) << to_utf8(c.pattern);
}

}  // namespace
}  // namespace kovari::text
