// The decomposition result shared by address decomposition and address
// resolution, and the entry point that fills slot 1 from a free-form address.
//
// Slot 1 holds the decomposition of the input address; slot 2 is used by the
// resolution side for a second parse of a detail-record address. Index 0 of
// every per-slot table and of every 1-based array is never written.
#pragma once

#include <array>
#include <string>

#include "postaldb/tables.h"

namespace kovari::decompose {

// One slot of the decomposition result.
struct DecompositionSlot {
  // Parts 1..9: prefecture, first municipal level (市/郡/島/Tokyo 区), second
  // municipal level (区/町/村), town area, 丁目, 番地, 号, building or other
  // trailing text, fourth number / room / floor. Parts 10..20 belong to the
  // resolution side and are never touched by decomposition.
  std::array<std::u16string, 21> addr_part;
  // Marker positions 1..30 (0 = absent): 1..4 in the whole normalised text,
  // 5..10 after the prefecture, 11..26 in the town-area text, 30 the end of the
  // town area fixed by the town-area exceptions.
  std::array<int, 31> addr_flag{};
  // Copies of parts 1..4 taken at the end and of the raw block tail (entry 5),
  // for the windows that show what was typed.
  std::array<std::u16string, 21> addr_part_copy;
  // Entries 1..4: lengths of parts 1..4 (batch window only, set once);
  // entry 10: characters the decomposition added to the text.
  std::array<int, 21> part_len{};
  int building_found = 0;
  int building_split = 0;
  // Written by the resolution side.
  std::u16string koaza_text;
  std::u16string kyoto_direction;
};

struct Decomposition {
  std::array<DecompositionSlot, 3> slot;  // 1 and 2
  int addr_slot = 1;                      // the slot the operations write to
  std::u16string addr_text;               // in: the address; out: normalised, full-width
  std::u16string decomp_status;           // "ok" when the building lookup set result_code
  std::u16string result_code;             // cleared at the start; set by the building lookup
  std::u16string result_parts;            // trimmed parts 1..9 of slot 1 joined by ","

  DecompositionSlot& current() { return slot[addr_slot == 2 ? 2 : 1]; }
  const DecompositionSlot& current() const { return slot[addr_slot == 2 ? 2 : 1]; }
  std::u16string& part(int k) { return current().addr_part[k]; }
  int& flag(int k) { return current().addr_flag[k]; }
};

// The option flags and window state the decomposition reads.
struct DecomposeOptions {
  int approximate_match = 0;  // ctl_flg(4): approximate building-name pick
  int batch_window_open = 0;  // running(3): record part lengths 1..4
};

// Decomposes d.addr_text into slot 1 (parts 1..9, flags 1..30), sets
// d.addr_text to the normalised full-width text, d.result_parts, and, when the
// address names a building of the building table, d.decomp_status = "ok" and
// d.result_code. Never fails: whatever the input, it runs to its end.
void decompose_address(Decomposition& d, const postaldb::PostalTables& tables,
                       const DecomposeOptions& options);

}  // namespace kovari::decompose
