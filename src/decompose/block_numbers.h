// The parsers of the block tail of an address (丁目, 番地, 号, a building or
// room after them), writing parts 4 to 9 of the current slot. The resolution
// side reuses them for its second parse in slot 2.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "decompose/decomposition.h"
#include "postaldb/tables.h"

namespace kovari::decompose {

// The の at position p becomes "-" when a digit stands before or after it
// (3の5 -> 3-5); the text is trimmed when it changes. Nothing when p = 0.
void no_to_dash(std::u16string& text, int p);

// Splits a tail written with markers (3丁目5番地7号, 5番7, 3丁目5-7 ...) into
// parts 5 to 9. A flag of 0 means "do not look for that marker".
void parse_block_numbers(Decomposition& d, std::u16string_view tail, int chome_flag, int ban_flag,
                         int go_flag);

// Splits a dash tail (3-5-7, 1-2-3-4) into parts 5 to 7 and 9; a dash flag of
// 0 means "do not look for that dash". A tail without a dash to split goes
// whole to part unsplit. With 番町 in the town area (kBanchou) the text up to
// 番町 joins the town area instead and part 5 is cleared. The tail is read in
// place: it must not be one of the parts of d.
void parse_dash_numbers(Decomposition& d, std::u16string_view tail, int first_dash, int second_dash,
                        AddrPart unsplit);

// A town area with a 区 number: text is the town-area text, i the position of
// its first digit and k that of 区 (3区12 -> part 4 三区, part 5 12).
void parse_ku_number(Decomposition& d, std::u16string_view text, int i, int k,
                     const postaldb::PostalTables& tables);

// The value of a kanji numeral in src: with marker_follows, the numeral must be
// followed by the marker (kCho 丁目, kBan 番地 or 番, kGo 号). The first numeral
// of kanji_num(1..100) found wins; std::nullopt when none.
std::optional<int> kanji_number_before(std::u16string_view src, Mark marker, bool marker_follows,
                                       const postaldb::PostalTables& tables);

// End of decomposition: splits a building or room text off the last number
// part (3号マンション101 -> 3, マンション, 101), unless a building was found.
void split_building_tail(Decomposition& d);

// Splits part q (a number part, or kBuilding) into its number, kBuilding and
// kExtraNumber.
void split_tail_text(Decomposition& d, AddrPart q);

}  // namespace kovari::decompose
