#include "office_search/office_name.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "text/sjis.h"

namespace kovari::office_search {
namespace {

TEST(OfficeNameTest, Seikika1DropsBlanksAndDotsAndEnlargesSmallKana) {
  const struct {
    std::u16string_view in, out;
  } cases[] = {
      {u"ジェイ・アール・ティー", u"ジエイアールテイー"},
      {u"テスト商事　株式会社", u"テスト商事株式会社"},
      {u" キャッシュ ファクトリー ", u"キヤツシユフアクトリー"},
      {u"ヶ丘ォィゥァ", u"ケ丘オイウア"},
      {u"ぁぃぅ", u"ぁぃぅ"},  // hiragana stay
      {u"・　 ・", u""},
  };
  for (const auto& c : cases) {
    std::u16string s(c.in);
    seikika1(s);
    EXPECT_EQ(s, c.out) << text::to_utf8(c.in);
  }
}

TEST(OfficeNameTest, Seikika2RemovesTheFirstOccurrenceOfEachWord) {
  const std::vector<std::u16string> words = {u"株式会社", u"有限会社", u"（株）"};
  const struct {
    std::u16string_view in, out;
  } cases[] = {
      {u"株式会社北海道新聞社", u"北海道新聞社"},      // at the start
      {u"テスト商事株式会社", u"テスト商事"},          // at the end
      {u"日本（株）東京支店", u"日本東京支店"},        // inside: the two sides joined
      {u"株式会社株式会社ＡＢＣ", u"株式会社ＡＢＣ"},  // each word once
      {u"有限会社甲株式会社", u"甲"},
      {u"  株式会社  ", u""},  // trimmed first
      {u"株式", u"株式"},
  };
  for (const auto& c : cases) {
    std::u16string s(c.in);
    seikika2(s, words);
    EXPECT_EQ(s, c.out) << text::to_utf8(c.in);
  }
}

}  // namespace
}  // namespace kovari::office_search
