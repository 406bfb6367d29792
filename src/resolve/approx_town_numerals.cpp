// The numeral of a town-area name written the other way (和歌山市12番丁45 for
// 十二番丁, 学校町通一番町 for 学校町通１番町): the town area is written as
// the record whose name it is (the longest, 九番町西裏 before 九番町).
#include "resolve/approx_numerals.h"
#include "resolve/approx_rules.h"

namespace kovari::resolve {
namespace {

// Whatever follows: the number lies inside the name, never at its end.
bool any_rest(std::u16string_view, std::u16string_view) { return true; }

}  // namespace

std::optional<std::u16string> town_numerals_as_recorded(const TownAreaView& view) {
  return written_as_fitting_name(view, numbers_written_otherwise, any_rest);
}

}  // namespace kovari::resolve
