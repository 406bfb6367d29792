// Half-width (narrow) and full-width (wide) conversion as the Japanese-locale
// runtime does it. Both are table driven and O(n).
//
// Narrow: full-width ASCII U+FF01-FF5E to ASCII (except U+FF3C, which stays),
// U+3000 to a blank, the quotes ’ ‘ ” “ to ' and ", ‐ U+2010 to "-",
// katakana to half-width katakana with voiced and semi-voiced marks split off
// (ガ -> ｶﾞ, パ -> ﾊﾟ, ヴ -> ｳﾞ), 。「」、・ー゛゜ to ｡｢｣､･ｰﾞﾟ.
// "～" U+FF5E becomes "~" and "－" U+FF0D becomes "-".
//
// Wide: printable ASCII to U+FF01-FF5E (the backslash stays), the blank to
// U+3000, half-width katakana and punctuation to full width, a following ﾞ/ﾟ
// joined where a combined katakana exists (ｶﾞ -> ガ); otherwise the mark stays a
// separate ゛/゜ (ｱﾞ -> ア゛).
//
// Never changed: hiragana, kanji, ヵ ヶ ヰ ヱ ヮ (no half-width form), ￥,
// control characters.
#pragma once

#include <string>
#include <string_view>

namespace kovari::text {

std::u16string to_narrow(std::u16string_view s);
std::u16string to_wide(std::u16string_view s);

// The same, writing into out (its capacity is reused; out must not alias s).
void to_narrow(std::u16string_view s, std::u16string& out);
void to_wide(std::u16string_view s, std::u16string& out);

// Both forms at once, in one pass, of a text that converts by the ASCII shifts
// alone (kanji, hiragana, ASCII and full-width ASCII, but no blank): false, with
// narrow and wide unspecified, for any other text or one shorter than 8
// characters, which the conversions above take.
bool to_narrow_and_wide(std::u16string_view s, std::u16string& narrow, std::u16string& wide);

// ASCII digits and "," to their full-width forms, everything else unchanged
// ("12,345" -> "１２，３４５"); used for counts shown in messages.
std::u16string to_full_width_digits(std::u16string_view s);

}  // namespace kovari::text
