// The names of the city table prepared for the level walks: every trimmed
// city name (区市郡島名) and ward/town name (区町村名) with its variant kanji
// folded, with the rows that carry it, so that the walk of a range of rows
// finds its rows by name instead of reading each row; and the blocks of rows
// with the same city name. Derived once from the loaded table.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "postaldb/tables.h"
#include "resolve/level_rules.h"

namespace kovari::resolve {

// The rows of a column of the city table by folded name, in a table of open
// addressing (a power of two of slots, at most half full).
class FoldedNameRows {
 public:
  // Rows 1..rows of `column`; a row whose trimmed name is empty is left out.
  FoldedNameRows(const std::vector<std::u16string>& column, int rows);

  // The rows whose folded name is `folded`, ascending.
  std::span<const int> rows_of(std::u16string_view folded) const;

 private:
  struct Name {
    std::uint32_t at = 0, length = 0;    // the folded name in text_
    std::uint32_t first = 0, count = 0;  // its rows in rows_
  };
  // The slot that holds `folded`, or the empty slot where it belongs.
  std::size_t slot_of(std::u16string_view folded, std::uint32_t h) const;
  std::u16string_view name_text(const Name& n) const { return {text_.data() + n.at, n.length}; }

  std::u16string text_;
  std::vector<Name> names_;
  std::vector<int> rows_;
  // Per slot: the name's position in names_ plus one (0: empty), and its hash.
  struct Slot {
    std::uint32_t name = 0, hash = 0;
  };
  std::vector<Slot> slots_;
};

class CityNames {
 public:
  explicit CityNames(const postaldb::PostalTables& tables);

  // The city walk over `range` for a typed name (folded): the first row whose
  // city name it is (the first row of its block, or of the range), and where
  // the ward/town walk after it ends: before the next block when the name is
  // used by no other block of the table (unique), else at the first row of
  // the range's last block; at the range's end when that is the found row
  // itself. A city without wards/towns leaves the end at 0. Row 0: no row of
  // the range has the name. Both ends are given: whether the name is unique
  // is only asked when they differ.
  struct City {
    int row = 0;
    int unique_end = 0, shared_end = 0;
    int block_end(bool unique) const { return unique ? unique_end : shared_end; }
  };
  City find_city(std::u16string_view folded, CityRows range) const;

  // The ward/town walk over `range` for a typed name (folded): the rows whose
  // ward/town name it is and, when `city` is given, whose city name is that
  // one as stored; the first ends the walk when `first_hit_ends`. `row` is
  // the last row counted.
  struct Town {
    int row = 0;
    int hits = 0;
  };
  Town find_town(std::u16string_view folded, CityRows range, const std::u16string* city,
                 bool first_hit_ends, const postaldb::PostalTables& tables) const;

 private:
  FoldedNameRows city_rows_;  // by city_name1
  FoldedNameRows town_rows_;  // by city_name2
  // For each row, the first row of its block: the rows before it with the
  // same city name (as stored) belong to the block too.
  std::vector<int> block_first_;
  // For each row, the first row after its block (one past the last row at
  // the table's end).
  std::vector<int> next_block_;
  std::vector<bool> has_towns_;  // a ward/town name in the row
};

}  // namespace kovari::resolve
