// Texts as the record readers need them, and the parts of a town-area record
// derived from its name and reading.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace kovari::mkdata {

// The text in double-byte characters only (readers size records as 19 + 2 x
// characters): every single-byte character becomes its full-width form.
// std::nullopt when a character has no double-byte Shift-JIS form.
std::optional<std::u16string> to_double_byte(std::u16string_view text);

// The index initial of a town area: the first kana of its reading as a
// full-width katakana, voiced marks removed and small kana enlarged (ガ -> カ,
// ｯ -> ツ), so that the result list groups by 50-on row letter. "＊" when the
// reading does not start with a kana.
char16_t reading_initial(std::u16string_view reading);

// The reading in that same form, letter by letter (ｶﾞﾝｷﾁｮｳ -> カンキチヨウ):
// town areas sorted by it follow the 50-on order of their readings.
std::u16string reading_key(std::u16string_view reading);

// Attribute word of a town-area record: bits 0-4 the position of the first
// "（" of the name, bits 5-13 the position of its final character, bits 14-16
// the record kind (0). Positions are 0 when the name has no "（" or they do
// not fit their bit fields.
std::int32_t town_attributes(std::u16string_view name);

// The town-area name without its annotation: the text before the first "（".
std::u16string_view base_name(std::u16string_view name);

}  // namespace kovari::mkdata
