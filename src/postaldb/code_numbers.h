// The codes of the two postal-code indexes (13-byte records: code, record
// offset, run ordinal; sorted by code) as one number each, read once at load:
// a lookup halves a compact array of numbers instead of the index records
// spread through the file.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

#include "postaldb/code_directory.h"
#include "postaldb/data_file.h"
#include "postaldb/postal_db.h"

namespace kovari::postaldb {

inline constexpr int kIndexRecordSize = 13;
inline constexpr std::size_t kCodeSize = 7;

// Set above the seven bytes of every code read: a record whose code could not
// be read is 0 and orders below every code.
inline constexpr std::uint64_t kCodeReadMark = std::uint64_t{1} << 56;

// The seven bytes of a code as a number that orders like them, marked as read.
std::uint64_t code_number(std::string_view code);

// The numbers of the index records 1..count from table block `block` on, as
// far as the file holds their codes: element r - 1 belongs to record r, and
// the records past the end of the array could not be read.
std::vector<std::uint64_t> read_code_numbers(const DataFile& file, std::int32_t block,
                                             std::int32_t count);

// The record offsets of the index records of `range` (element i of record
// range.first + i) of an index whose numbers are `numbers`, when every one
// lies whole inside the file and the first record of every run of equal codes
// among them has run ordinal 1: a run's records are then the ones its first
// record begins. Empty otherwise.
std::vector<std::int32_t> read_run_offsets(const DataFile& file, std::int32_t block,
                                           std::span<const std::uint64_t> numbers,
                                           RecordRange range);

// main_codes and detail_codes from the index blocks and counts of db.dir;
// the tables of the look-ups (code_lookup_tables.h) are made again on first use.
void read_index_codes(PostalDb& db);

}  // namespace kovari::postaldb
