#include <gtest/gtest.h>

#include <array>
#include <string>

#include "decompose/decomposition.h"
#include "test_tables.h"

namespace kovari::decompose {
namespace {

using testing::decompose;
using testing::make_test_tables;

struct AddressCase {
  std::u16string_view address;
  std::u16string_view result_parts;  // parts 1..9, narrow form, joined by ","
};

TEST(DecomposeAddressTest, SplitsLevelsAndBlockNumbers) {
  const AddressCase kCases[] = {
      // A Tokyo ward is the first municipal level.
      {u"東京都千代田区丸の内1-1-1", u"東京都,千代田区,,丸の内,1,1,1,,"},
      {u"千代田区丸の内1-1-1", u",千代田区,,丸の内,1,1,1,,"},
      {u"東京都豊島区南池袋1-2-3", u"東京都,豊島区,,南池袋,1,2,3,,"},
      // A Tokyo ward found after a 島 of the town area.
      {u"中央区月島1-2-3", u",中央区,,月島,1,2,3,,"},
      // 条 towns: the number before 条 in kanji.
      {u"北海道札幌市中央区北1条西3丁目", u"北海道,札幌市,中央区,北一条西,3,,,,"},
      {u"北海道旭川市東旭川町東3線2号", u"北海道,旭川市,,東旭川町東三線,,,2,,"},
      // A tail that is only a number: part 6 its value, part 5 the whole tail.
      {u"北海道札幌市中央区南1条3", u"北海道,札幌市,中央区,南一条,3,3,,,"},
      // A ward without its city: the designated city of the prefecture.
      {u"大阪府北区梅田1-1-1", u"大阪府,大阪市,北区,梅田,1,1,1,,"},
      {u"北区赤羽1-1-1", u",北区,,赤羽,1,1,1,,"},
      {u"神奈川県保土ケ谷区岩間町1", u"神奈川県,横浜市,保土ｹ谷区,岩間町,,1,,,"},
      // 県 inside a county name is no prefecture ending.
      {u"宮崎県北諸県郡三股町樺山1", u"宮崎県,北諸県郡,三股町,樺山,,1,,,"},
      {u"北諸県郡三股町樺山1", u",北諸県郡,三股町,樺山,,1,,,"},
      // 郡 at the start of 郡山市 is no county; with a 町 both are dropped.
      {u"福島県郡山市朝日1-2-3", u"福島県,郡山市,,朝日,1,2,3,,"},
      {u"福島県郡山市日和田町八丁目1", u"福島県,郡山市,,日和田町八丁目,,,,,"},
      // The town ends at the second 町 of 大町町.
      {u"佐賀県杵島郡大町町大町1", u"佐賀県,杵島郡,大町町,大町,,1,,,"},
      // 群 typed for 郡, and a 村 inside the town name.
      {u"佐波群玉村町下新田1", u",佐波群,玉村町,下新田,,1,,,"},
      {u"群馬県佐波郡玉村町下新田1", u"群馬県,佐波郡,玉村町,下新田,,1,,,"},
      // 件 typed for 県.
      {u"千葉件千葉市中央区千葉港1-1", u"千葉件,千葉市,中央区,千葉港,1,1,,,"},
      // Cities whose names contain 市 or 郡.
      {u"千葉県市川市八幡1-1-1", u"千葉県,市川市,,八幡,1,1,1,,"},
      {u"三重県四日市市諏訪町1-5", u"三重県,四日市市,,諏訪町,1,5,,,"},
      {u"愛知県蒲郡市港町1-1", u"愛知県,蒲郡市,,港町,1,1,,,"},
      {u"石川県野々市市本町1-1-1", u"石川県,野々市市,,本町,1,1,1,,"},
      {u"岐阜県郡上市八幡町島谷1", u"岐阜県,郡上市,,八幡町島谷,,1,,,"},
      {u"山口県山口市小郡維新町1", u"山口県,山口市,,小郡維新町,,1,,,"},
      {u"栃木県芳賀郡市貝町市塙1", u"栃木県,芳賀郡,市貝町,市塙,,1,,,"},
      {u"兵庫県姫路市飾磨区今在家1", u"兵庫県,姫路市,,飾磨区今在家,,1,,,"},
      // 番町: the town area keeps its number.
      {u"東京都千代田区一番町5", u"東京都,千代田区,,一番町5,,,,,"},
      {u"東京都千代田区5番町1-2", u"東京都,千代田区,,5番町,,,,,"},
      // の between numbers is a dash; a fourth number goes to part 9.
      {u"東京都千代田区丸の内3の5", u"東京都,千代田区,,丸の内,3,5,,,"},
      {u"東京都千代田区丸の内1-2-3-4", u"東京都,千代田区,,丸の内,1,2,3,,4"},
      // A building and room number after the block numbers.
      {u"東京都千代田区丸の内1-2-3号マンション101", u"東京都,千代田区,,丸の内,1,2,3,ﾏﾝｼｮﾝ,101"},
      {u"東京都千代田区丸の内3丁目5番7号サンプル荘", u"東京都,千代田区,,丸の内,3,5,7,ｻﾝﾌﾟﾙ荘,"},
      {u"東京都千代田区丸の内3丁目5番地7号", u"東京都,千代田区,,丸の内,3,5,7,,"},
      {u"東京都千代田区丸の内5番地7", u"東京都,千代田区,,丸の内,,5,7,,"},
      {u"東京都千代田区丸の内5番-7", u"東京都,千代田区,,丸の内,,5,7,,"},
      {u"東京都千代田区丸の内3丁目5-7", u"東京都,千代田区,,丸の内,3,5,7,,"},
      {u"東京都千代田区丸の内123ビル5F", u"東京都,千代田区,,丸の内,,123,,ﾋﾞﾙ,5"},
      // Kanji block numbers.
      {u"大阪府大阪市中央区本町三丁目5-7", u"大阪府,大阪市,中央区,本町三丁目,3,5,7,,"},
      // In 京都市 the town area runs to its last 町.
      {u"京都府京都市中京区丸太町通2丁目上る町1-3",
       u"京都府,京都市,中京区,丸太町通2丁目上る町,,1,3,,"},
      // A 区 after a city that is not a designated city belongs to the town area.
      {u"三重県松阪市大口町3区1", u"三重県,松阪市,,大口町3区,,,,,"},
      // 雨竜町: 第4区 ends the town area; 第13区 is a 区 number.
      {u"北海道雨竜郡雨竜町第4区1", u"北海道,雨竜郡,雨竜町,第4区1,,,,,"},
      {u"北海道雨竜郡雨竜町第13区1", u"北海道,雨竜郡,雨竜町,第十三区,1,,,,"},
      // 地割: the number before 地割 is part 5.
      {u"岩手県岩手郡雫石町第5地割10", u"岩手県,岩手郡,雫石町,第5地割,5,,,,"},
      // 武豊町 without 号: 丁 is no block marker.
      {u"愛知県知多郡武豊町長尾山3丁目5", u"愛知県,知多郡,武豊町,長尾山,3丁目5,3,,,"},
      // 名張市 with 美旗町 but no 番: the usual number scan.
      {u"三重県名張市美旗町南西原1-2", u"三重県,名張市,,美旗町南西原,1,2,,,"},
      // ヶ of the city name.
      {u"埼玉県鶴ヶ島市富士見1-2-3", u"埼玉県,鶴ケ島市,,富士見,1,2,3,,"},
      // Full-width digits, blanks.
      {u"東京都　千代田区 丸の内１－１－１", u"東京都,千代田区,,丸の内,1,1,1,,"},
      {u"", u",,,,,,,,"},
      {u"   　 ", u",,,,,,,,"},
  };
  const postaldb::PostalTables tables = make_test_tables();
  for (const AddressCase& c : kCases) {
    const Decomposition d = decompose(c.address, tables);
    EXPECT_EQ(d.result_parts, c.result_parts) << testing::utf8(c.address);
    EXPECT_EQ(d.decomp_status, DecompStatus::kParts);
  }
}

TEST(DecomposeAddressTest, NormalisedTextCopiesAndLengths) {
  const postaldb::PostalTables tables = make_test_tables();
  Decomposition d;
  d.slot[1].part_len[2] = 7;  // set earlier for this record: kept
  d.addr_text = u"大阪府 北区梅田１－２ｰ3";
  decompose_address(d, tables, {.batch_window_open = 1});
  const DecompositionSlot& slot = d.slot[1];
  EXPECT_EQ(d.addr_text, u"大阪府北区梅田１－２ー３");
  EXPECT_EQ(d.result_parts, u"大阪府,大阪市,北区,梅田,1,2,,ｰ,3");
  EXPECT_EQ(slot.addr_part_copy[2], u"大阪市");
  EXPECT_EQ(slot.addr_part_copy[5], u"1-2ｰ3");
  EXPECT_EQ(slot.part_len, (std::array<int, 5>{0, 3, 7, 2, 2}));
  EXPECT_EQ(slot.added_len, 3);
  EXPECT_EQ(slot.addr_flag[kDash1], 4);
  EXPECT_EQ(slot.addr_flag[kDash2], 0);
}

// Parts of every length, blanks at either end trimmed, inner ones kept; the
// output's old contents, longer or shorter, leave no trace.
TEST(JoinTrimmedPartsTest, TrimsEachPartAndJoinsThemAll) {
  std::array<std::u16string, kAddrPartCount + 1> part;
  part[0] = u"never joined";
  part[kPref] = u" 東京都 ";
  part[kCity] = u"千代田区";
  part[kTownArea] = u"丸の内一二三四五六七八九十";
  part[kChomeNumber] = u"1";
  part[kBanchiNumber] = u"  ";
  part[kGoNumber] = u"12";
  part[kBuilding] = u"ABC ビル";
  part[kExtraNumber] = u"305 ";
  for (std::u16string joined :
       {u"", u"a much longer text than the joined parts will be, all in all"}) {
    join_trimmed_parts(part, joined);
    EXPECT_EQ(joined, u"東京都,千代田区,,丸の内一二三四五六七八九十,1,,12,ABC ビル,305");
  }
  join_trimmed_parts({}, part[0]);
  EXPECT_EQ(part[0], u",,,,,,,,");
}

TEST(DecomposeAddressTest, BlanksOnlyLeaveAnEmptyAddressText) {
  const postaldb::PostalTables tables = make_test_tables();
  EXPECT_EQ(decompose(u" 　  ", tables).addr_text, u"");
}

TEST(DecomposeAddressTest, SlotTwoIsLeftAlone) {
  const postaldb::PostalTables tables = make_test_tables();
  Decomposition d;
  d.slot[2].addr_part[4] = u"丸の内";
  d.slot[2].addr_flag[kCho] = 3;
  d.addr_slot = 2;
  d.addr_text = u"東京都千代田区丸の内1-1-1";
  decompose_address(d, tables, {});
  EXPECT_EQ(d.addr_slot, 1);
  EXPECT_EQ(d.slot[2].addr_part[4], u"丸の内");
  EXPECT_EQ(d.slot[2].addr_flag[kCho], 3);
  EXPECT_EQ(d.slot[1].addr_part[4], u"丸の内");
}

TEST(DecomposeAddressTest, AResetDecompositionDecomposesAsAFreshOne) {
  // A building code, kanji numbers with the part lengths of the batch window, a
  // 番町 scan, a room after the numbers, an empty text.
  const std::u16string_view kAddresses[] = {
      u"東京都千代田区丸の内ビルディング3階", u"北海道札幌市中央区北1条西3丁目",
      u"東京都千代田区一番町5", u"東京都千代田区丸の内1-2-3号マンション101", u""};
  const postaldb::PostalTables tables = make_test_tables();
  const DecomposeOptions options{.batch_window_open = 1};
  for (const std::u16string_view before : kAddresses) {
    for (const std::u16string_view address : kAddresses) {
      SCOPED_TRACE(testing::utf8(before) + " then " + testing::utf8(address));
      Decomposition kept = decompose(before, tables, options);
      // What the resolution side leaves in slot 2 and beside the parts.
      DecompositionSlot& detail = kept.detail_slot();
      detail.addr_part[kTownArea] = u"丸の内";
      detail.koaza_text = u"字";
      kept.addr_slot = 1;  // as the resolution leaves it after the detail pass
      kept.slot[1].kyoto_direction = u"上る";
      kept.reset();
      kept.addr_text = address;
      decompose_address(kept, tables, options);
      EXPECT_TRUE(kept == decompose(address, tables, options));
    }
  }
}

TEST(DecomposeAddressTest, ResetClearsASlotTwoWrittenWhileItWasTheCurrentOne) {
  // Operations that write the current slot fill slot 2 while addr_slot is 2.
  Decomposition d;
  d.addr_slot = 2;
  d.current().addr_part[kGoNumber] = u"7";
  d.current().addr_flag[kGo] = 2;
  d.reset();
  EXPECT_TRUE(d == Decomposition{});
}

}  // namespace
}  // namespace kovari::decompose
