#include "city_split.h"

#include <gtest/gtest.h>

#include "text/sjis.h"

namespace kovari::mkdata {
namespace {

TEST(CitySplitTest, SplitsAsAddressDecompositionDoes) {
  const struct {
    std::u16string_view municipality, name1, name2;
  } cases[] = {
      {u"札幌市中央区", u"札幌市", u"中央区"},
      {u"さいたま市浦和区", u"さいたま市", u"浦和区"},
      {u"相模原市緑区", u"相模原市", u"緑区"},
      {u"浜松市浜名区", u"浜松市", u"浜名区"},
      {u"堺市堺区", u"堺市", u"堺区"},
      {u"熊本市北区", u"熊本市", u"北区"},
      {u"余市郡仁木町", u"余市郡", u"仁木町"},  // 余市郡 holds a 市
      {u"杵島郡大町町", u"杵島郡", u"大町町"},  // 島 inside the county name
      {u"鹿児島郡三島村", u"鹿児島郡", u"三島村"},
      {u"三宅島三宅村", u"三宅島", u"三宅村"},
      {u"八丈島八丈町", u"八丈島", u"八丈町"},
      {u"大島町", u"大島", u"町"},  // its 島 comes before its 町
      {u"御蔵島村", u"御蔵島", u"村"},
      {u"千代田区", u"千代田区", u""},
      {u"豊島区", u"豊島区", u""},
      {u"府中市", u"府中市", u""},
      {u"郡山市", u"郡山市", u""},
      {u"蒲郡市", u"蒲郡市", u""},
      {u"鹿児島市", u"鹿児島市", u""},
      {u"四日市市", u"四日市市", u""},
      {u"姫路市", u"姫路市", u""},
      {u"小笠原村", u"", u"小笠原村"},  // no county or island: the second level alone
      {u"鶴ヶ島市", u"鶴ケ島市", u""},  // the first ヶ of the first level becomes ケ
      {u"青ヶ島村", u"青ケ島", u"村"},
  };
  for (const auto& c : cases) {
    const CityName split = split_city_name(c.municipality);
    EXPECT_EQ(split, (CityName{std::u16string(c.name1), std::u16string(c.name2)}))
        << text::to_utf8(c.municipality);
  }
}

}  // namespace
}  // namespace kovari::mkdata
