// The records the two postal-code indexes point at, their texts decoded from
// Shift-JIS once, one entry per index record: an exact look-up then reads a
// run's entries instead of decoding its records again. The code searches make
// them on their first look-up (code_search/decoded_runs.h); they are kept with
// the database.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace kovari::postaldb {

// Where a text stands in DecodedRecords::texts.
struct TextSpan {
  std::uint32_t start = 0;
  std::uint32_t size = 0;
};

// A town-area record: its location, record kind and town-area name (trimmed,
// without its index initial).
struct DecodedTown {
  std::int32_t location = 0;
  TextSpan town_name;
  std::int8_t kind = 0;
  bool readable = false;  // false: the record does not lie inside its file
};

// A detail record: its location, bracket attributes and three texts as stored.
struct DecodedDetail {
  std::int32_t location = 0;
  std::int32_t attributes = 0;
  TextSpan office_name;
  TextSpan town_name;
  TextSpan street;
  bool readable = false;
};

struct DecodedRecords {
  // Element r - 1 belongs to index record r; empty when the index's runs are
  // not known whole (CodeLookupTables::main_offsets, detail_offsets).
  std::vector<DecodedTown> towns;
  std::vector<DecodedDetail> details;
  std::u16string texts;  // every text of both, one after the other

  std::u16string_view text(TextSpan span) const {
    return std::u16string_view(texts).substr(span.start, span.size);
  }
};

}  // namespace kovari::postaldb
