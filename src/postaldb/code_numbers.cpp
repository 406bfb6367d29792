#include "postaldb/code_numbers.h"

#include <algorithm>

#include "postaldb/directory.h"

namespace kovari::postaldb {

std::uint64_t code_number(std::string_view code) {
  std::uint64_t value = 0;
  for (std::size_t i = 0; i < kCodeSize; ++i)
    value = value << 8 | static_cast<unsigned char>(code[i]);
  return kCodeReadMark | value;
}

std::vector<std::uint64_t> read_code_numbers(const DataFile& file, std::int32_t block,
                                             std::int32_t count) {
  const std::int64_t start = std::int64_t{block} * kBlockSize;
  const std::string_view bytes = file.bytes();
  if (count < 1 || start < 0 || start > static_cast<std::int64_t>(bytes.size())) return {};
  // Records whose seven code bytes lie inside the file; a count larger than
  // the file can hold costs no more memory than the file.
  const auto room = static_cast<std::int64_t>(bytes.size()) - start;
  const std::int64_t whole =
      room < static_cast<std::int64_t>(kCodeSize)
          ? 0
          : (room - static_cast<std::int64_t>(kCodeSize)) / kIndexRecordSize + 1;
  const auto readable = static_cast<std::size_t>(std::min<std::int64_t>(count, whole));
  std::vector<std::uint64_t> numbers;
  numbers.reserve(readable);
  const char* record = bytes.data() + start;
  for (std::size_t r = 0; r < readable; ++r, record += kIndexRecordSize) {
    numbers.push_back(code_number(std::string_view(record, kCodeSize)));
  }
  return numbers;
}

std::vector<std::int32_t> read_run_offsets(const DataFile& file, std::int32_t block,
                                           std::span<const std::uint64_t> numbers,
                                           RecordRange range) {
  const std::int64_t start = std::int64_t{block} * kBlockSize;
  const std::string_view bytes = file.bytes();
  const std::int64_t end = std::int64_t{range.first} - 1 + range.count;  // past the last record
  if (range.first < 1 || range.count < 1 || static_cast<std::uint64_t>(end) > numbers.size() ||
      start < 0 || start > static_cast<std::int64_t>(bytes.size()) ||
      (static_cast<std::int64_t>(bytes.size()) - start) / kIndexRecordSize < end) {
    return {};
  }
  std::vector<std::int32_t> offsets;
  offsets.reserve(static_cast<std::size_t>(range.count));
  const auto* record = reinterpret_cast<const unsigned char*>(bytes.data() + start) +
                       std::int64_t{kIndexRecordSize} * (range.first - 1);
  for (auto r = static_cast<std::size_t>(range.first - 1); r < static_cast<std::size_t>(end);
       ++r, record += kIndexRecordSize) {
    const unsigned char* offset = record + kCodeSize;
    const unsigned char* ordinal = offset + 4;
    const bool run_start = r == 0 || numbers[r] != numbers[r - 1];
    if (run_start && (ordinal[0] | ordinal[1] << 8) != 1) return {};
    offsets.push_back(static_cast<std::int32_t>(
        static_cast<std::uint32_t>(offset[0]) | static_cast<std::uint32_t>(offset[1]) << 8 |
        static_cast<std::uint32_t>(offset[2]) << 16 | static_cast<std::uint32_t>(offset[3]) << 24));
  }
  return offsets;
}

void read_index_codes(PostalDb& db) {
  db.main_codes = read_code_numbers(db.main_file, db.dir.blk1[3], db.dir.code_count);
  db.detail_codes = read_code_numbers(db.detail_file, db.dir.blk2[3], db.dir.code2_count);
  db.lookup_tables = {};
}

}  // namespace kovari::postaldb
