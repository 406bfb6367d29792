// Variant kanji in the form the postal data writes them, for comparison only:
// Windows input methods and CP932 files give the CJK compatibility ideographs
// and the NEC/IBM extension kanji (塚, 﨑, 髙), a few people type 巿 for 市 or
// 桒 for 桑, while the data holds the JIS X 0208 forms (塚, 崎, 高, 市, 桑).
// Both sides of a comparison are folded; what is shown keeps its characters.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace kovari::text {

namespace detail {
// One bit for every character that folds: most characters fold to
// themselves, and are told so inline, without a call or a search.
extern const std::array<std::uint64_t, 0x10000 / 64> kFoldingChars;
// The folded form of a character whose bit is set.
char16_t fold_marked(char16_t c);
}  // namespace detail

// The form the data writes `c` in; `c` itself when it is no variant.
inline char16_t fold_kanji_variant(char16_t c) {
  if ((detail::kFoldingChars[c / 64] >> (c % 64) & 1) == 0) return c;
  return detail::fold_marked(c);
}

// `s` with every variant kanji folded.
std::u16string fold_kanji_variants(std::u16string_view s);
// The same into `out` (its room is reused).
void fold_kanji_variants(std::u16string_view s, std::u16string& out);

// True when `s` holds a character that folds.
bool holds_kanji_variant(std::u16string_view s);

// Whether a and b, of the same length, are the same text once their variant
// kanji are folded.
bool same_folded_units(std::u16string_view a, std::u16string_view b);

// Whether a and b are the same text once their variant kanji are folded
// (八郞潟町 and 八郎潟町); without variants, whether they are equal. Most texts
// compared differ in length, which is told without a call.
inline bool same_folded(std::u16string_view a, std::u16string_view b) {
  return a.size() == b.size() && same_folded_units(a, b);
}

}  // namespace kovari::text
