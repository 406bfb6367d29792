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

void read_index_codes(PostalDb& db) {
  db.main_codes = read_code_numbers(db.main_file, db.dir.blk1[3], db.dir.code_count);
  db.detail_codes = read_code_numbers(db.detail_file, db.dir.blk2[3], db.dir.code2_count);
  db.codes = CodeDirectory(db.main_codes, db.dir.code_count, db.detail_codes, db.dir.code2_count);
}

}  // namespace kovari::postaldb
