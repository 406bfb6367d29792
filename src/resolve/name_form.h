// The one form in which resolution compares a typed name with a name of the
// data: ヶ, ケ, が and ガ written alike (the data and the people who type
// addresses spell 霞が関, 霞ヶ関 and 霞ケ関 for one name) and variant kanji in
// the form the data writes them (塚 for 塚, 崎 for 﨑). For comparison only:
// what is shown keeps its characters. The level names (prefecture, city,
// ward/town) compare with the kanji fold alone (text::same_folded), so that a
// name without variants compares exactly as it always has.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "text/kanji_fold.h"

namespace kovari::resolve {

// The comparison form of one character.
inline char16_t comparison_char(char16_t c) {
  if (c == u'ヶ' || c == u'が' || c == u'ガ') return u'ケ';
  return text::fold_kanji_variant(c);
}

std::u16string comparison_form(std::u16string_view s);
// The same into `out`, whose room is reused (`s` may be a view of it).
void comparison_form(std::u16string_view s, std::u16string& out);

// The comparison form of `s`: `s` itself when no character of it changes
// (most names), else made in `room`.
inline std::u16string_view comparison_view(std::u16string_view s, std::u16string& room) {
  for (const char16_t c : s) {
    if (comparison_char(c) != c) {
      comparison_form(s, room);
      return room;
    }
  }
  return s;
}

// Whether a name of the data, in its comparison form, is `form` (a
// comparison form already), without building the name's form.
bool has_comparison_form(std::u16string_view name, std::u16string_view form);

// The hash by which the prepared name tables find a name (FNV-1a over its
// 16-bit units: the names are short).
inline std::uint32_t name_hash(std::u16string_view name) {
  std::uint32_t h = 2166136261u;
  for (const char16_t c : name) h = (h ^ c) * 16777619u;
  return h;
}

}  // namespace kovari::resolve
