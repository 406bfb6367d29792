// The word table (legal-entity words the office-name search ignores) and the
// character-replacement pairs shipped in the detail file.
#pragma once

#include <string>
#include <vector>

#include "postal_data.h"

namespace kovari::mkdata {

// Longer words stand before the shorter words they contain, because the search
// removes each word once, in table order.
std::vector<std::u16string> office_words();

// A small set of pairs for common typing variants, in the narrow form that the
// address normalisation works on: a long-vowel mark typed after a digit (as in
// 1ｰ2ｰ3) becomes a dash. Each pair replaces one occurrence; the user's own
// pairs follow these within 100.
std::vector<CharPair> char_pairs();

}  // namespace kovari::mkdata
