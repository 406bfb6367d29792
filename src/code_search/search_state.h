// The state the postal-code searches read and write: the code to look up, the
// single result, the message for the window and the result table shared with
// the result-list window. One value of it belongs to each caller (the
// code-to-address window, the batch converters, the clipboard watcher).
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "code_search/records.h"
#include "host/focus.h"

namespace kovari::code_search {

// Rows 1..kMaxResults of the result table can hold results; row 0 is unused.
// No search ever counts more results than that.
inline constexpr int kMaxResults = 1000;

// One column of the result table: rows 0..kMaxResults, each an empty text
// until written. Rows are stored only as far as they are used, so a state is
// cheap to make. A row number outside 0..kMaxResults reads as an empty text
// and takes no write.
class ResultColumn {
 public:
  // The number of rows the column offers: 0..kMaxResults.
  static constexpr int size() { return kMaxResults + 1; }

  const std::u16string& operator[](int n) const {
    return n >= 0 && static_cast<std::size_t>(n) < used_ ? rows_[static_cast<std::size_t>(n)]
                                                         : empty_row();
  }
  std::u16string& operator[](int n) {
    if (n >= 0 && static_cast<std::size_t>(n) < used_) return rows_[static_cast<std::size_t>(n)];
    return row_past_used(n);
  }

  // Empties row n without storing rows that are empty anyway.
  void clear(int n);
  // Empties every row, keeping the room of their texts for the next search.
  void clear_all();

  // Rows first..last, in order (rows outside the column are left out).
  std::vector<std::u16string> rows(int first, int last) const;

 private:
  static const std::u16string& empty_row();
  // Row n at or past used_ (or outside the column) for writing.
  std::u16string& row_past_used(int n);

  // Rows 0..used_ - 1 may hold text; the rest are empty, their room kept.
  std::vector<std::u16string> rows_;
  std::size_t used_ = 0;
  std::u16string discarded_;  // what a write outside the rows goes to
};

// Record status of the batch code-to-address conversion (`conv_state`).
enum class ConvState : std::int16_t {
  kOk = 0,              // the address was found without remark
  kSeveralTowns = 1,    // several town areas, the first one was used
  kCatchAll = 2,        // a code ending in "00" (the catch-all town area)
  kTildeDropped = 3,    // a bracketed detail with "～" was left out
  kMainIndexError = 6,  // the run of a code in the main index did not match
  kDetailError = 7,     // the run of a code in the detail index did not match
  kBadCode = 8,         // the cleaned code is neither 7 nor 3 characters long
  kNotFound = 9,        // no address for the code
};

struct CodeSearchState {
  std::u16string in_code;      // the code as typed (the searches Trim it)
  std::u16string out_address;  // the single resulting address line, or empty
  std::u16string out_pobox;    // post-office-box text of the single result
  std::u16string out_office;   // office name of the single result
  std::u16string status_msg;   // the message the window shows afterwards
  Focus focus = Focus::kNone;  // the field an error sends the user back to

  // Result table res_x(k, n) as res_x[k][n]: column k = 0 belongs to the
  // result-list window (and to the town-area texts of the batch address
  // conversion), column 1 to the exact lookups; rows 0..kMaxResults.
  std::array<ResultColumn, 2> res_address;
  std::array<ResultColumn, 2> res_pobox;
  std::array<ResultColumn, 2> res_office;
  // res_count[1]: results of the last exact lookup or prefix search (never
  // above kMaxResults); [2] and [3] belong to the result-list window.
  std::array<std::int32_t, 4> res_count{};
  // Record offsets of the town-area records the prefix search found,
  // 1..res_count[1] (row 0 unused; empty before a prefix search).
  std::vector<std::int32_t> res_pos;
  // 1 once the prefix search has filled res_pos for the result-list window.
  int list_mode = 0;

  // Record status of the batch code-to-address conversion.
  ConvState conv_state = ConvState::kOk;

  // What the searches read records into and build address lines from: kept
  // with the state so that a caller that searches again reuses their room.
  TownRecord town_record;
  DetailRecord detail_record;
  std::u16string base_line;

  // Back to the state of a new value, keeping the room of every text.
  void reset();
};

}  // namespace kovari::code_search
