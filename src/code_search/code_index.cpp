#include "code_search/code_index.h"

#include <algorithm>

#include "postaldb/directory.h"

namespace kovari::code_search {

CodeIndex CodeIndex::main_index(const postaldb::PostalDb& db) {
  return CodeIndex(db.main_file, db.dir.blk1[3], db.dir.code_count);
}

CodeIndex CodeIndex::detail_index(const postaldb::PostalDb& db) {
  return CodeIndex(db.detail_file, db.dir.blk2[3], db.dir.code2_count);
}

namespace {

postaldb::Cursor record_cursor(const postaldb::DataFile& file, std::int32_t block, std::int32_t r) {
  return file.at(postaldb::block_position(block) + std::int64_t{kIndexRecordSize} * (r - 1));
}

}  // namespace

IndexRecord CodeIndex::record(std::int32_t r) const {
  IndexRecord result;
  if (r < 1 || r > count_) return result;
  postaldb::Cursor cursor = record_cursor(*file_, block_, r);
  const std::string code = cursor.read_code();
  result.offset = cursor.read_long();
  result.ordinal = cursor.read_integer();
  if (cursor.failed()) return IndexRecord{};
  result.code.assign(code.begin(), code.end());
  return result;
}

std::string CodeIndex::raw_code(std::int32_t r) const {
  if (r < 1 || r > count_) return {};
  postaldb::Cursor cursor = record_cursor(*file_, block_, r);
  std::string code = cursor.read_code();
  if (cursor.failed()) return {};
  return code;
}

std::u16string CodeIndex::code(std::int32_t r) const {
  const std::string code = raw_code(r);
  return std::u16string(code.begin(), code.end());
}

int compare_code(std::u16string_view key, std::string_view code) {
  const std::size_t n = std::min(key.size(), code.size());
  for (std::size_t i = 0; i < n; ++i) {
    const char16_t c = static_cast<unsigned char>(code[i]);
    if (key[i] != c) return key[i] < c ? -1 : 1;
  }
  if (key.size() == code.size()) return 0;
  return key.size() < code.size() ? -1 : 1;
}

std::optional<std::int32_t> search_index(const CodeIndex& index, std::u16string_view key,
                                         IndexSearch kind) {
  if (index.count() < 1) return std::nullopt;
  std::int32_t lo = 1;
  std::int32_t hi = index.count();
  std::string code_lo = index.raw_code(lo);
  std::string code_hi = index.raw_code(hi);
  for (int steps = 1;; ++steps) {
    const int order_lo = compare_code(key, code_lo);
    if (order_lo < 0 || compare_code(key, code_hi) > 0) return std::nullopt;
    // Int((hi - lo) / 2 + 0.5): the upper middle.
    const std::int32_t mid = lo + (hi - lo + 1) / 2;
    if (order_lo == 0) return lo;
    std::string code_mid = index.raw_code(mid);
    const int order = compare_code(key, code_mid);
    if (order == 0) return mid;
    if (lo == hi) {
      if (kind == IndexSearch::Exact) return std::nullopt;
      return lo;
    }
    if (order < 0) {
      hi = mid;
      code_hi = std::move(code_mid);
    } else {
      lo = mid;
      code_lo = std::move(code_mid);
    }
    if (steps == kMaxSearchSteps) {
      switch (kind) {
        case IndexSearch::Exact:
          return std::nullopt;
        case IndexSearch::LowBound:
          return lo;
        case IndexSearch::HighBound:
          return hi;
      }
    }
  }
}

}  // namespace kovari::code_search
