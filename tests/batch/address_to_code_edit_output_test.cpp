#include <gtest/gtest.h>

#include <vector>

#include "batch/edit_output.h"

namespace kovari::batch {
namespace {

TEST(EditOutputTest, EachFormatSplitsTheLatestAddressIntoItsItems) {
  const LatestAddress parts{u"東京都千代田区", u"丸の内", u"1-1-1 ", u"　"};
  struct Case {
    int edit_type;
    std::vector<std::u16string> expected;
  } const kCases[] = {
      {1, {u"東京都千代田区丸の内1-1-1 　"}},
      {2, {u"東京都千代田区", u"丸の内1-1-1 　"}},
      {3, {u"東京都千代田区", u"丸の内", u"1-1-1 　"}},
      {4, {u"東京都千代田区", u"丸の内", u"1-1-1 ", u"　"}},
      {0, {u"東京都千代田区丸の内1-1-1 　"}},
  };
  for (const Case& c : kCases)
    EXPECT_EQ(edit_output(c.edit_type, parts), c.expected) << c.edit_type;
}

TEST(EditOutputTest, TrimmingKeepsFullWidthBlanksAndDropsHalfWidthOnes) {
  const LatestAddress parts{u"大阪府大阪市北区", u"梅田 ", u"3-1", u" "};
  EXPECT_EQ(edit_output(3, parts)[2], u"3-1");
  EXPECT_EQ(edit_output(1, LatestAddress::blank())[0], u"　　　　");
}

TEST(EditOutputTest, SampleNamesTheItemsInDoubleQuotes) {
  EXPECT_EQ(edit_message(1), u"\"都道府県名＋市区町村名＋町域名＋丁目（番地）＋ビル名\"");
  EXPECT_EQ(edit_message(3), u"\"都道府県名＋市区町村名\",\"町域名\",\"丁目（番地）＋ビル名\"");
  EXPECT_EQ(edit_message(4), u"\"都道府県名＋市区町村名\",\"町域名\",\"丁目（番地）\",\"ビル名\"");
}

}  // namespace
}  // namespace kovari::batch
