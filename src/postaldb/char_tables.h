// The character tables: the character-replacement pairs (the data file's,
// then the settings file's), the 字 exception words and the kanji numerals.
#pragma once

#include "postaldb/load_status.h"
#include "postaldb/postal_db.h"
#include "settings/settings.h"

namespace kovari::postaldb {

// Slots of the character-replacement table: file pairs and user pairs together.
inline constexpr int kMaxChrPairs = settings::kMaxTextPairs;

// Builds the replacement table in use (chr_from/chr_to 1..chr_count) from the
// data file's pairs (chr_file_pairs) followed by the user's pairs of the
// settings, or sets chr_count = 0 when no "[Text]" section was read (then no
// pair applies, not even the data file's). User pairs beyond kMaxChrPairs
// slots in all are left out; returns their number (they stay in the settings
// and are saved again). The start-up load calls it, and so does whoever
// changes the user's pairs.
int set_replacement_pairs(const settings::Settings& settings, PostalTables& tables);

// The data file's pairs (table 9 of the detail file) into chr_file_pairs.
LoadStatus get_chr(PostalDb& db);

// ji_word(1..7), ji_word_count = 7.
void set_table1(PostalTables& tables);

// kanji_num(0..100), kanji_num_count = 100.
void set_table2(PostalTables& tables);

}  // namespace kovari::postaldb
