// A group of codes (CodeGroup) with the records its index records point at,
// their texts decoded from Shift-JIS once, one entry per index record: an
// exact look-up then reads a run's entries instead of decoding its records
// again. The code searches make a group on the first look-up of one of its
// codes (code_search/decoded_runs.h); it is kept with the database.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "postaldb/code_directory.h"

namespace kovari::postaldb {

// Where a text stands in DecodedGroup::texts.
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

struct DecodedGroup {
  CodeGroup codes;
  // An entry for each of the group's index records (CodeGroup::main_records,
  // detail_records), in their order; empty when the runs of those records are
  // not known whole (read_run_offsets).
  std::vector<DecodedTown> towns;
  std::vector<DecodedDetail> details;
  std::u16string texts;  // every text of both, one after the other

  std::u16string_view text(TextSpan span) const {
    return std::u16string_view(texts).substr(span.start, span.size);
  }
  // The entries of the runs of `records`; empty when they hold none.
  std::span<const DecodedTown> town_run(const CodeRecords& records) const {
    return run_entries<DecodedTown>(towns, codes.main_records(), records.main, records.main_run);
  }
  std::span<const DecodedDetail> detail_run(const CodeRecords& records) const {
    return run_entries<DecodedDetail>(details, codes.detail_records(), records.detail,
                                      records.detail_run);
  }

 private:
  // The entries of the run of `length` records from record `first`, where
  // `entries` belong to the records of `range`.
  template <typename Entry>
  static std::span<const Entry> run_entries(std::span<const Entry> entries, RecordRange range,
                                            std::int32_t first, std::int32_t length) {
    const std::int64_t start = std::int64_t{first} - range.first;
    if (first < 1 || length < 1 || start < 0 ||
        static_cast<std::uint64_t>(start + length) > entries.size()) {
      return {};
    }
    return entries.subspan(static_cast<std::size_t>(start), static_cast<std::size_t>(length));
  }
};

}  // namespace kovari::postaldb
