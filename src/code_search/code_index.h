// The postal-code indexes of the main and detail files (13-byte records: code,
// record offset, run ordinal; sorted by code) and the bounded binary search
// over them. The searches compare the codes' numbers read at load and read the
// records straight from the file's bytes in memory: a lookup copies nothing
// and allocates nothing.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "postaldb/code_numbers.h"
#include "postaldb/data_file.h"
#include "postaldb/decoded_records.h"
#include "postaldb/directory.h"
#include "postaldb/postal_db.h"

namespace kovari::code_search {

using postaldb::kCodeSize;
using postaldb::kIndexRecordSize;

struct IndexRecord {
  std::string_view code;     // the 7 stored bytes; empty when the record could not be read
  std::int32_t offset = 0;   // 0-based offset of the record it points at
  std::int16_t ordinal = 0;  // 1, 2, 3 ... within a run of equal codes
};

class CodeIndex {
 public:
  // The count records from table block `block` on, the numbers of their codes
  // in `numbers` (postaldb::read_code_numbers); those that do not lie wholly
  // inside the file read as empty.
  CodeIndex(const postaldb::DataFile& file, std::int32_t block, std::int32_t count,
            std::span<const std::uint64_t> numbers)
      : file_(&file),
        start_(std::int64_t{block} * postaldb::kBlockSize),
        count_(count),
        numbers_(numbers) {}

  // The index of town-area codes in "kovaritbl.dat" and of detail codes in "kovari2tbl.dat".
  static CodeIndex main_index(const postaldb::PostalDb& db);
  static CodeIndex detail_index(const postaldb::PostalDb& db);

  std::int32_t count() const { return count_; }
  const postaldb::DataFile& file() const { return *file_; }

  // Record r (1-based); r outside 1..count(), or a record that cannot be
  // read, gives an empty code.
  IndexRecord record(std::int32_t r) const;
  std::u16string code(std::int32_t r) const;
  // The code of record r as its 7 stored bytes (empty as above): what the
  // searches compare, without turning it into text.
  std::string_view raw_code(std::int32_t r) const {
    return record_bytes(r, kCodeSize).substr(0, kCodeSize);
  }
  // The numbers of the records whose codes can be read: 1..numbers().size().
  std::span<const std::uint64_t> numbers() const { return numbers_; }
  // The number of record r's code (postaldb::code_number); 0 when its code
  // cannot be read.
  std::uint64_t number(std::int32_t r) const {
    return r >= 1 && static_cast<std::size_t>(r) <= numbers_.size()
               ? numbers_[static_cast<std::size_t>(r - 1)]
               : 0;
  }

 private:
  // The bytes of record r from its start to the end of the file; empty when r
  // lies outside 1..count() or its first `needed` bytes are not in the file.
  std::string_view record_bytes(std::int32_t r, std::size_t needed) const {
    if (r < 1 || r > count_ || start_ < 0) return {};
    const std::string_view bytes = file_->bytes();
    const auto start = static_cast<std::uint64_t>(start_) +
                       std::uint64_t{kIndexRecordSize} * static_cast<std::uint64_t>(r - 1);
    if (start > bytes.size() || bytes.size() - start < needed) return {};
    return bytes.substr(static_cast<std::size_t>(start));
  }

  const postaldb::DataFile* file_;
  std::int64_t start_;  // 0-based offset of the first record
  std::int32_t count_;
  std::span<const std::uint64_t> numbers_;
};

// What a search of the index is after.
enum class IndexSearch {
  Exact,      // the record of the key itself (not found unless it is there)
  LowBound,   // the lower end of a prefix range: ends where the search ends
  HighBound,  // the upper end of a prefix range: ends where the search ends
};

// The order of a key and a stored code: the text order of the key and the
// code's bytes read as characters. <0, 0 or >0.
int compare_code(std::u16string_view key, std::string_view code);

// A key to look up and its order to the codes of an index.
class IndexKey {
 public:
  explicit IndexKey(std::u16string_view key);

  // compare_code(key, index.raw_code(r)): <0, 0 or >0.
  int order(const CodeIndex& index, std::int32_t r) const {
    return is_number() ? order_as_number(index, r) : compare_code(key_, index.raw_code(r));
  }

  // A key of seven single-byte characters, as every real key is, compares
  // as a number (postaldb::code_number) with order_as_number.
  bool is_number() const { return number_ != 0; }
  std::uint64_t number() const { return number_; }
  int order_as_number(const CodeIndex& index, std::int32_t r) const {
    const std::uint64_t code = index.number(r);
    return number_ < code ? -1 : number_ > code ? 1 : 0;
  }

 private:
  std::u16string_view key_;
  std::uint64_t number_;  // 0 when the key is not a number
};

// The search never takes more than this many halving steps.
inline constexpr int kMaxSearchSteps = 20;

// Binary search of key among the codes (texts in binary order). Exact gives the
// 1-based record number of a record with that code (for a key of seven digits
// the first of its run), or nothing. The bound
// searches end at an exact hit, at lo when the range has shrunk to one
// record, and at the step limit at lo (LowBound) or hi (HighBound); they fail
// only when the key lies below code(lo) or above code(hi).
std::optional<std::int32_t> search_index(const CodeIndex& index, std::u16string_view key,
                                         IndexSearch kind);

// The exact search of one key in both indexes of the data: what
// search_index(Exact) finds in each. A key of seven digits is looked up once
// in its group of the directory of codes (postaldb::code_lookup_tables and
// code_search/decoded_runs.h, made by the first such look-up); any other key,
// or data whose directory could not be made, is searched in each index.
class CodeLookup {
 public:
  CodeLookup(const postaldb::PostalDb& db, std::u16string_view key);

  std::optional<std::int32_t> main_record() const;
  std::optional<std::int32_t> detail_record() const;
  // The records of the run the record found begins, decoded, when the group
  // knows the run whole; else empty, and the run is walked in the index.
  std::span<const postaldb::DecodedTown> main_towns() const { return main_towns_; }
  std::span<const postaldb::DecodedDetail> detail_records() const { return detail_records_; }
  // The texts of those records.
  const postaldb::DecodedGroup& decoded() const { return *group_; }

 private:
  const postaldb::PostalDb* db_;
  std::u16string_view key_;
  std::optional<postaldb::CodeRecords> found_;     // the directory's answer, when it gives one
  const postaldb::DecodedGroup* group_ = nullptr;  // with found_
  std::span<const postaldb::DecodedTown> main_towns_;
  std::span<const postaldb::DecodedDetail> detail_records_;
};

}  // namespace kovari::code_search
