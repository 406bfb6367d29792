#include "text/kanji_fold.h"

#include <gtest/gtest.h>

#include "text/sjis.h"

namespace kovari::text {
namespace {

TEST(KanjiFoldTest, VariantsFoldToTheFormsOfTheData) {
  const struct {
    std::u16string_view typed, data;
  } kCases[] = {
      {u"宝\uFA10市", u"宝塚市"},          // CJK compatibility ideograph, canonical form
      {u"\uFA19\uFA1B\uFA26", u"神福都"},  // more of them
      {u"御前﨑", u"御前崎"},              // IBM extension kanji without a decomposition
      {u"髙田", u"高田"},
      {u"桒内", u"桑内"},
      {u"宝塚巿", u"宝塚市"},  // 巿 (U+5DFF) typed for 市
      {u"八郞潟", u"八郎潟"},
      {u"\uF93D", u"緑"},  // a compatibility ideograph of a variant: to the data form
      {u"東京都千代田区丸の内１－１", u"東京都千代田区丸の内１－１"},  // nothing to fold
      {u"霞ヶ関ｱｲ", u"霞ヶ関ｱｲ"},                                      // kana are no kanji
  };
  for (const auto& c : kCases) {
    EXPECT_EQ(fold_kanji_variants(c.typed), c.data) << to_utf8(c.typed);
    EXPECT_EQ(holds_kanji_variant(c.typed), c.typed != c.data) << to_utf8(c.typed);
  }
}

TEST(KanjiFoldTest, SameFoldedComparesWithTheFoldAlone) {
  EXPECT_TRUE(same_folded(u"八郞潟町", u"八郎潟町"));
  EXPECT_TRUE(same_folded(u"宝塚市", u"宝\uFA10市"));
  EXPECT_TRUE(same_folded(u"", u""));
  EXPECT_FALSE(same_folded(u"霞ヶ関", u"霞ケ関"));  // ヶ and ケ stay apart here
  EXPECT_FALSE(same_folded(u"高田", u"高田町"));
  EXPECT_FALSE(same_folded(u"高田", u"高畑"));
}

}  // namespace
}  // namespace kovari::text
