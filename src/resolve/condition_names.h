// Conditions that name part of a town rather than numbering it: a text before
// the first number ("東1線" in "東1線~5線"), the 線 and 区 names of Hokkaido
// towns, a 線 name range, and the north or south half of a town.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "resolve/condition_address.h"

namespace kovari::resolve {

using KanjiNumerals = std::array<std::u16string, 101>;

// When the trimmed condition does not begin with a digit 1..9, the text before
// its first digit becomes prefix and c the text from that digit on; without any
// digit nothing changes. The prefix repeated after a "~" is dropped too.
void split_condition_prefix(std::u16string& c, std::u16string& prefix);

// A condition that is exactly "南" or "北": the address names that half and
// does not name the other half after it.
bool match_north_south(std::u16string_view c, const ConditionAddress& a);

// A 線 condition ("東1線", "東1線5~8"): the town area is the record's name
// followed by the 線 name with its number in kanji; a number range after the
// name must hold the 丁目 or 番地 number.
bool match_sen_condition(std::u16string_view name, std::u16string_view c,
                         std::u16string_view prefix, const ConditionAddress& a,
                         const KanjiNumerals& kanji_num);

// A 区 condition ("3区"): the town area is the record's name followed by the
// 区 name with its number in kanji.
bool match_ku_condition(std::u16string_view name, std::u16string_view c, const ConditionAddress& a,
                        const KanjiNumerals& kanji_num);

// A range of 線 names without block marks ("0線南~9線南" of 生振): the town
// area is one of the names of the range.
bool match_line_name_range(std::u16string_view name, std::u16string_view c, int tilde,
                           const ConditionAddress& a);

}  // namespace kovari::resolve
