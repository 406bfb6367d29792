// The character tables: the character-replacement pairs (the data file's,
// then the settings file's), the 字 exception words and the kanji numerals.
#pragma once

#include "postaldb/load_status.h"
#include "postaldb/postal_db.h"
#include "settings/settings.h"

namespace kovari::postaldb {

// Slots of the character-replacement table: file pairs and user pairs together.
inline constexpr int kMaxChrPairs = settings::kMaxTextPairs;

// Places the settings file's pairs in the slots after the data file's
// (chr_file_count + 1 ...) and sets chr_count: the file's and the user's pairs
// together when a "[Text]" section was read, else 0 (then no pair applies,
// not even the data file's). Slots 1..chr_file_count are left as they are.
// User pairs beyond kMaxChrPairs slots in all are left out; returns their
// number (they stay in the settings and are saved again).
int place_user_pairs(const settings::Settings& settings, std::int32_t chr_file_count,
                     PostalTables& tables);

// The data file's pairs into slots 1..chr_file_count (table 9 of the detail file).
LoadStatus get_chr(PostalDb& db);

// ji_word(1..7), ji_word_count = 7.
void set_table1(PostalTables& tables);

// kanji_num(0..100), kanji_num_count = 100.
void set_table2(PostalTables& tables);

}  // namespace kovari::postaldb
