// The 町 of a merged municipality's old town left out (長浜市木之本西山 for
// 木之本町西山, 江戸川区西小松川 for 西小松川町): the town area is written as
// the record whose name, less its 町, the typed text begins with, where the
// block numbers (or nothing) follow; only where one town area fits so.
#include "resolve/approx_numerals.h"
#include "resolve/approx_rules.h"

namespace kovari::resolve {
namespace {

std::optional<std::u16string> without_machi(std::u16string_view name) {
  const std::size_t at = name.find(u'町');
  // 町 opening the name belongs to it; a single character left is no name.
  if (at == std::u16string_view::npos || at == 0 || name.size() < 3) return std::nullopt;
  std::u16string form(name.substr(0, at));
  form += name.substr(at + 1);
  return form;
}

// The name ends where the block numbers or the end follow (西山 of 西山123,
// not of 西山田; not before a 字, which may join a longer name: 鳴子温泉字鷲ノ巣
// is 鳴子温泉鷲ノ巣, not 鳴子温泉町).
bool block_numbers_follow(std::u16string_view, std::u16string_view rest) {
  if (rest.empty()) return true;
  const char16_t c = rest.front();
  return is_any_digit(c) || is_kanji_numeral(c) || c == u'－' || c == u'番' || c == u'第';
}

}  // namespace

std::optional<std::u16string> old_town_machi_restored(const TownAreaView& view) {
  return written_as_fitting_name(view, without_machi, block_numbers_follow);
}

}  // namespace kovari::resolve
