// The decomposition result shared by address decomposition and address
// resolution, and the entry point that fills slot 1 from a free-form address.
//
// Slot 1 holds the decomposition of the input address; slot 2 is used by the
// resolution side for a second parse of a detail-record address. Index 0 of
// every per-slot table and of every 1-based array is never written.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "postaldb/tables.h"

namespace kovari::decompose {

// The address parts (addr_part), 1..9.
enum AddrPart : int {
  kPref = 1,      // prefecture: 東京都, 北海道, 京都府, 大阪府 or a name ending in 県
  kCity = 2,      // first municipal level: a 市, a 郡, a 島 or a Tokyo 区
  kWardTown = 3,  // second municipal level: a 区 of a designated city, a 町 or 村
  kTownArea = 4,  // town area: what lies between the municipal levels and the numbers
  kChomeNumber = 5,   // 丁目 (or 地割) number; at first the whole block tail
  kBanchiNumber = 6,  // 番地 number
  kGoNumber = 7,      // 号 number
  kBuilding = 8,      // building or other text after the numbers
  kExtraNumber = 9,   // a fourth number, a room or floor number, a table building's floor
};
inline constexpr int kAddrPartCount = 9;

// The marker positions (addr_flag): where the character that ends a level was
// found, 1-based, 0 when absent. Prefecture markers count in the whole
// normalised text, municipal markers in the text after the prefecture, the
// others in the town-area text.
enum Mark : int {
  kTokyoTo = 1,   // 東京都
  kHokkaido = 2,  // 北海道
  kFu = 3,        // 大阪府, or 京都府
  kKen = 4,       // 県, or 件
  kShi = 5,       // 市
  kKu = 6,        // 区
  kGun = 7,       // 郡, or 群
  kShima = 8,     // 島
  kMachi = 9,     // 町
  kMura = 10,     // 村
  kCho = 11,      // 丁
  kBan = 12,      // 番 (0 when 番町 is present)
  kGo = 13,       // 号
  kDash1 = 16,    // the first, second and third "-"
  kDash2 = 17,
  kDash3 = 18,
  kJo = 21,           // 条
  kSen = 22,          // 線
  kTownKu = 23,       // 区 inside the town area
  kBanchou = 24,      // 番町
  kChiwari = 26,      // 地割
  kTownAreaEnd = 30,  // the end of the town area fixed by a town-area exception
};
using Marks = std::array<int, kTownAreaEnd + 1>;

// One slot of the decomposition result.
struct DecompositionSlot {
  std::array<std::u16string, kAddrPartCount + 1> addr_part;  // by AddrPart
  Marks addr_flag{};                                         // by Mark
  // Copies of parts kPref..kTownArea taken at the end, and under kChomeNumber
  // the raw block tail as typed, for the windows that show what was typed.
  std::array<std::u16string, kChomeNumber + 1> addr_part_copy;
  // The lengths of parts kPref..kTownArea in full-width form, taken only
  // while the batch address-to-code window is open and only where still 0.
  std::array<int, kTownArea + 1> part_len{};
  // Characters the decomposition added to the text (a city filled in from a
  // ward, kanji numerals longer than their digits).
  int added_len = 0;
  int building_found = 0;
  int building_split = 0;
  // Written by the resolution side.
  std::u16string koaza_text;
  std::u16string kyoto_direction;

  bool operator==(const DecompositionSlot&) const = default;
};

// How decomposition ended.
enum class DecompStatus {
  kParts,     // the address was cut into its parts
  kBuilding,  // the address names a building of the building table: result_code holds its code
};

struct Decomposition {
  std::array<DecompositionSlot, 3> slot;  // 1, and 2 (written through detail_slot())
  int addr_slot = 1;                      // the slot the operations write to
  std::u16string addr_text;               // in: the address; out: normalised, full-width
  DecompStatus decomp_status = DecompStatus::kParts;
  std::u16string result_code;   // cleared at the start; set by the building lookup
  std::u16string result_parts;  // trimmed parts 1..9 of slot 1 joined by ","
  // The narrow working text of the last decomposition, the wide text made
  // beside it and the block tail of the last parse, kept for their buffers.
  std::u16string work_text;
  std::u16string wide_text;
  std::u16string tail_text;
  std::vector<int> building_rows;  // the rows the building lookup searched

  // Back to the values of a fresh decomposition, the texts keeping their room.
  void reset();

  // Slot 2, for the detail pass to write, made the slot the operations write
  // to. Only a slot 2 taken this way since the last reset is reset again.
  DecompositionSlot& detail_slot() {
    detail_written_ = true;
    addr_slot = 2;
    return slot[2];
  }

  bool operator==(const Decomposition&) const = default;

  DecompositionSlot& current() { return slot[addr_slot == 2 ? 2 : 1]; }
  const DecompositionSlot& current() const { return slot[addr_slot == 2 ? 2 : 1]; }
  std::u16string& part(AddrPart k) { return current().addr_part[k]; }

 private:
  bool detail_written_ = false;
};

// The option flags and window state the decomposition reads.
struct DecomposeOptions {
  int approximate_match = 0;  // Flag::kApproximate: approximate building-name pick
  int batch_window_open = 0;  // the batch address-to-code window: record part lengths
  // The text is a normalised address text already (one rewritten from an
  // earlier decomposition's addr_text): the replacement pairs, which act on
  // the first occurrence of their text, are not applied a second time.
  bool normalized = false;
};

// Decomposes d.addr_text into slot 1 (parts, marker positions), sets
// d.addr_text to the normalised full-width text, d.result_parts, and, when
// the address names a building of the building table, d.decomp_status =
// kBuilding and d.result_code. Never fails: whatever the input, it runs to its
// end.
void decompose_address(Decomposition& d, const postaldb::PostalTables& tables,
                       const DecomposeOptions& options);

// The trimmed parts 1..9 joined by "," into `joined` (its room is reused).
void join_trimmed_parts(const std::array<std::u16string, kAddrPartCount + 1>& part,
                        std::u16string& joined);

}  // namespace kovari::decompose
