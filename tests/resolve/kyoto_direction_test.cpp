#include "resolve/kyoto_direction.h"

#include <gtest/gtest.h>

namespace kovari::resolve {
namespace {

struct Case {
  std::u16string area;
  std::u16string town;
  std::u16string direction;
};

TEST(StripKyotoDirection, CutsTheStreetPhrase) {
  const Case cases[] = {
      // street, direction, town
      {u"烏丸通三条上る饅頭屋町", u"饅頭屋町", u"烏丸通三条上る"},
      {u"烏丸通三条上ル饅頭屋町", u"饅頭屋町", u"烏丸通三条上ル"},
      {u"河原町通四条下る稲荷町", u"稲荷町", u"河原町通四条下る"},
      {u"四条通烏丸東入る長刀鉾町", u"長刀鉾町", u"四条通烏丸東入る"},
      {u"寺町通南入菊屋町", u"菊屋町", u"寺町通南入"},
      {u"堀川通下ル西町", u"西町", u"堀川通下ル"},
      // town, street, direction
      {u"亀屋町烏丸通西入", u"亀屋町", u"烏丸通西入"},
      {u"菊屋町御幸町通西入", u"菊屋町", u"御幸町通西入"},
      // 屋敷町 is a town name, not the 屋敷 marker
      {u"屋敷町", u"屋敷町", u""},
      // the 西 of 西大路町 is not the 西 of "下る西"
      {u"千本通下る西大路町", u"西大路町", u"千本通下る"},
      // "下る西" takes its 西 along when no such town name follows
      {u"烏丸通下る西菊屋町", u"菊屋町", u"烏丸通下る西"},
      // no phrase at all
      {u"亀屋町", u"亀屋町", u""},
  };
  for (const Case& c : cases) {
    std::u16string area = c.area;
    std::u16string direction = u"前の値";
    strip_kyoto_direction(1, area, direction);
    EXPECT_EQ(area, c.town);
    EXPECT_EQ(direction, c.direction);
  }
}

TEST(StripKyotoDirection, OutsideKyotoNothingChanges) {
  std::u16string area = u"烏丸通三条上る饅頭屋町";
  std::u16string direction = u"前の値";
  strip_kyoto_direction(0, area, direction);
  EXPECT_EQ(area, u"烏丸通三条上る饅頭屋町");
  EXPECT_EQ(direction, u"");
}

}  // namespace
}  // namespace kovari::resolve
