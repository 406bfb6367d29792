#include "decompose/decomposition.h"

namespace kovari::decompose {

namespace {

// Every part of a slot cleared and every number zeroed, its texts keeping their room.
void reset_slot(DecompositionSlot& slot) {
  for (std::u16string& part : slot.addr_part) part.clear();
  slot.addr_flag = {};
  for (std::u16string& copy : slot.addr_part_copy) copy.clear();
  slot.part_len = {};
  slot.added_len = 0;
  slot.building_found = 0;
  slot.building_split = 0;
  slot.koaza_text.clear();
  slot.kyoto_direction.clear();
}

}  // namespace

void Decomposition::reset() {
  for (DecompositionSlot& s : slot) reset_slot(s);
  addr_slot = 1;
  addr_text.clear();
  decomp_status = DecompStatus::kParts;
  result_code.clear();
  result_parts.clear();
  work_text.clear();
  wide_text.clear();
  tail_text.clear();
  building_rows.clear();
}

}  // namespace kovari::decompose
