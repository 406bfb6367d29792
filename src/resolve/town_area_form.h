// The form resolution gives a town area before it compares it with records:
// the same preparation for the input address and for a detail record's
// address, so that both name one place alike.
#pragma once

#include <string>

#include "decompose/decomposition.h"
#include "postaldb/tables.h"

namespace kovari::resolve {

// Applied to part 4 of slot: wide form, 大字 dropped and the 字 part kept
// apart, a kanji 丁目 dropped, the Kyoto direction cut off (kyoto_mode 1),
// ケ normalised. The form is made in `room` (any text, whose room is reused),
// which is left with the part's former text.
void prepare_slot_town_area(decompose::DecompositionSlot& slot, int kyoto_mode,
                            const postaldb::PostalTables& tables, std::u16string& room);
// The same steps after the wide form, on `area` (the town area of slot, or a
// text that replaces it), wide and trimmed already.
void prepare_wide_town_area(std::u16string& area, decompose::DecompositionSlot& slot,
                            int kyoto_mode, const postaldb::PostalTables& tables);
// The same in a room of its own.
inline void prepare_slot_town_area(decompose::DecompositionSlot& slot, int kyoto_mode,
                                   const postaldb::PostalTables& tables) {
  std::u16string room;
  prepare_slot_town_area(slot, kyoto_mode, tables, room);
}

}  // namespace kovari::resolve
