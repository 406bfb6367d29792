// The in-place text operations that bring an address, or a name from the
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
// Returns whether any pair applied.
bool apply_char_pairs(std::u16string& text, const postaldb::PostalTables& tables);

// The first "ヶ" becomes "ケ"; without one, the first "ガ" becomes "が".
void normalize_ke(std::u16string& text);

// The first Arabic number (one or two digits) becomes its kanji numeral
// (empty above 50): 北12条西 -> 北十二条西. added_len grows by the number of
// characters added.
void jo_sen_to_kanji(std::u16string& text, const postaldb::PostalTables& tables, int& added_len);

// The batch converter's pre-step (set_kansuuji): an address in 京都市 or with
// a 区 whose first "条" follows a digit gets that number in kanji (北3条 ->
// 北三条); added_len grows by the number of characters added.
void set_kansuuji(std::u16string& address, const postaldb::PostalTables& tables, int& added_len);

}  // namespace kovari::decompose
