#include "decompose/town_area_exceptions.h"

#include <gtest/gtest.h>

#include "test_tables.h"

namespace kovari::decompose {
namespace {

struct ExceptionCase {
  std::u16string_view city, town, text;
  int chome, ban, go, ku;  // block markers 11, 12, 13 and 23
  int expected_end;        // mark 30
  int expected_chome;      // mark 11 afterwards
};

TEST(TownAreaExceptionsTest, FixedPlaces) {
  const ExceptionCase kCases[] = {
      {u"喜多方市", u"", u"字三丁目1", 3, 0, 0, 0, 4, 3},
      {u"郡山市", u"", u"日和田町八丁目1", 6, 0, 0, 0, 7, 6},
      // A city rule ends the operation even when its condition fails.
      {u"郡山市", u"長沼町", u"熱海町1区", 0, 0, 0, 4, 0, 0},
      {u"岐阜市", u"", u"長住町1丁目北町3", 4, 0, 0, 0, 7, 0},
      {u"松阪市", u"", u"大口町3区1", 0, 0, 0, 5, 5, 0},
      {u"名張市", u"", u"美旗町池の台1番", 0, 7, 0, 0, 7, 0},
      // 美旗町 without 番: no exception.
      {u"名張市", u"", u"美旗町南西原1-2", 0, 0, 0, 0, 0, 0},
      {u"鹿島郡", u"神栖町", u"平泉外12入会1", 0, 0, 0, 0, 7, 0},
      {u"鹿島郡", u"波崎町", u"平泉外12入会1", 0, 0, 0, 0, 0, 0},
      {u"各務原市", u"", u"那加桐野外2ｹ所入会地5", 0, 0, 0, 0, 11, 0},
      {u"夕張郡", u"長沼町", u"西1区", 0, 0, 0, 3, 3, 0},
      {u"樺戸郡", u"浦臼町", u"第3", 0, 0, 0, 0, 2, 0},
      {u"樺戸郡", u"浦臼町", u"第", 0, 0, 0, 0, 0, 0},
      // 雨竜町: the number before 区 decides.
      {u"雨竜郡", u"雨竜町", u"第4区1", 0, 0, 0, 3, 5, 0},
      {u"雨竜郡", u"雨竜町", u"第2区", 0, 0, 0, 3, 3, 0},
      {u"雨竜郡", u"雨竜町", u"第19区", 0, 0, 0, 4, 7, 0},
      {u"雨竜郡", u"雨竜町", u"第13区", 0, 0, 0, 4, 0, 0},
      {u"雨竜郡", u"雨竜町", u"区", 0, 0, 0, 1, 0, 0},
      {u"上川郡", u"東神楽町", u"14号3番通", 0, 5, 3, 0, 6, 0},
      {u"上川郡", u"東神楽町", u"14号", 0, 0, 3, 0, 3, 0},
      {u"上川郡", u"東川町", u"東7号北", 0, 0, 3, 0, 4, 0},
      {u"空知郡", u"上富良野町", u"東第3", 0, 0, 0, 0, 3, 0},
      {u"厚岸郡", u"厚岸町", u"湾月町3の通り", 0, 0, 0, 0, 7, 0},
      // の通り at the very start is no exception.
      {u"厚岸郡", u"厚岸町", u"の通り1", 0, 0, 0, 0, 0, 0},
      {u"由利郡", u"象潟町", u"二丁目1", 2, 0, 0, 0, 5, 2},
      {u"伊達郡", u"保原町", u"八丁目1", 2, 0, 0, 0, 3, 2},
      // 武豊町: ends after 号; without one no end, but 丁 is no marker any more.
      {u"知多郡", u"武豊町", u"字1号地", 0, 0, 3, 0, 4, 0},
      {u"知多郡", u"武豊町", u"長尾山3丁目5", 5, 0, 0, 0, 0, 0},
      {u"加美郡", u"中新田町", u"字1番", 0, 3, 0, 0, 3, 0},
      // Places without a rule, and no town.
      {u"札幌市", u"中央区", u"北1条西3丁目", 6, 0, 0, 0, 0, 6},
      {u"旭川市", u"", u"1区", 0, 0, 0, 2, 0, 0},
  };
  for (const ExceptionCase& c : kCases) {
    std::array<int, 31> flag{};
    flag[11] = c.chome;
    flag[12] = c.ban;
    flag[13] = c.go;
    flag[23] = c.ku;
    flag[30] = 99;
    town_area_exceptions(c.city, c.town, c.text, flag);
    EXPECT_EQ(flag[30], c.expected_end) << testing::utf8(c.city) << testing::utf8(c.town);
    EXPECT_EQ(flag[11], c.expected_chome) << testing::utf8(c.city) << testing::utf8(c.town);
  }
}

}  // namespace
}  // namespace kovari::decompose
