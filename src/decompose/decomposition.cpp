#include "decompose/decomposition.h"

namespace kovari::decompose {

namespace {

// Every part of a slot cleared and every number zeroed, its texts keeping
// their room. Index 0 of the texts is never written, and stays as it is. The
// numbers are zeroed by plain stores: the string instruction the compiler
// makes of a fill this small costs more.
void reset_slot(DecompositionSlot& slot) {
  for (int k = kPref; k <= kExtraNumber; ++k) slot.addr_part[k].clear();
#pragma GCC unroll 32
  for (int& mark : slot.addr_flag) mark = 0;
  for (int k = kPref; k <= kChomeNumber; ++k) slot.addr_part_copy[k].clear();
#pragma GCC unroll 8
  for (int& len : slot.part_len) len = 0;
  slot.added_len = 0;
  slot.building_found = 0;
  slot.building_split = 0;
  slot.koaza_text.clear();
  slot.kyoto_direction.clear();
}

}  // namespace

void Decomposition::reset() {
  // Slot 0 is never written.
  reset_slot(slot[1]);
  if (detail_written_ || addr_slot == 2) reset_slot(slot[2]);
  detail_written_ = false;
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
