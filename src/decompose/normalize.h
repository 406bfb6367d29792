// The four in-place text operations that bring an address, or a name from the
// postal tables, into the one form the marker searches and the exact
// comparisons expect.
#pragma once

#include <string>

#include "postaldb/tables.h"

namespace kovari::decompose {

// Removes every half-width blank; other characters (tabs included) stay.
void strip_blanks(std::u16string& text);

// Applies the character-replacement pairs 1..chr_count in order, each to its
// first occurrence only (a later pair sees the result of an earlier one).
void apply_char_pairs(std::u16string& text, const postaldb::PostalTables& tables);

// The first "ヶ" becomes "ケ"; without one, the first "ガ" becomes "が".
void normalize_ke(std::u16string& text);

// The first Arabic number (one or two digits) becomes its kanji numeral
// (empty above 50): 北12条西 -> 北十二条西. part_len10 grows by the number of
// characters added.
void jo_sen_to_kanji(std::u16string& text, const postaldb::PostalTables& tables, int& part_len10);

}  // namespace kovari::decompose
