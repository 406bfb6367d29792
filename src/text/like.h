// The wildcard match operator, comparing code units exactly (case and width
// count).
#pragma once

#include <string_view>

namespace kovari::text {

// True when the whole text matches the pattern:
//   *        any run of characters, also none
//   ?        exactly one character
//   #        one ASCII digit 0-9
//   [list]   one character in the list; the list holds characters and ranges
//            "a-z" (code-unit order); "-" first or last is itself
//   [!list]  one character not in the list
//   []       nothing (matches the empty text)
// Any other character, "]" and "!" included, matches itself; "[[]", "[?]",
// "[#]" and "[*]" match the literal. An invalid pattern (an unterminated "[",
// a range whose end is below its start) matches nothing: the result is false.
bool Like(std::u16string_view text, std::u16string_view pattern);

}  // namespace kovari::text
