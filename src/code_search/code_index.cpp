#include "code_search/code_index.h"

#include "postaldb/directory.h"
#include "text/vb.h"

namespace kovari::code_search {

CodeIndex CodeIndex::main_index(const postaldb::PostalDb& db) {
  return CodeIndex(db.main_file, db.dir.blk1[3], db.dir.code_count);
}

CodeIndex CodeIndex::detail_index(const postaldb::PostalDb& db) {
  return CodeIndex(db.detail_file, db.dir.blk2[3], db.dir.code2_count);
}

IndexRecord CodeIndex::record(std::int32_t r) const {
  IndexRecord result;
  if (r < 1 || r > count_) return result;
  postaldb::Cursor cursor = file_->at(postaldb::block_position(block_) +
                                      std::int64_t{kIndexRecordSize} * (r - 1));
  const std::string code = cursor.read_code();
  result.offset = cursor.read_long();
  result.ordinal = cursor.read_integer();
  if (cursor.failed()) return IndexRecord{};
  result.code.assign(code.begin(), code.end());
  return result;
}

std::optional<std::int32_t> search_index(const CodeIndex& index, std::u16string_view key,
                                         IndexSearch kind) {
  if (index.count() < 1) return std::nullopt;
  std::int32_t lo = 1;
  std::int32_t hi = index.count();
  std::u16string code_lo = index.code(lo);
  std::u16string code_hi = index.code(hi);
  for (int steps = 1;; ++steps) {
    if (text::compare(key, code_lo) < 0 || text::compare(key, code_hi) > 0) return std::nullopt;
    // Int((hi - lo) / 2 + 0.5): the upper middle.
    const std::int32_t mid = lo + (hi - lo + 1) / 2;
    if (code_lo == key) return lo;
    const std::u16string code_mid = index.code(mid);
    const int order = text::compare(key, code_mid);
    if (order == 0) return mid;
    if (lo == hi) {
      if (kind == IndexSearch::Exact) return std::nullopt;
      return lo;
    }
    if (order < 0) {
      hi = mid;
      code_hi = code_mid;
    } else {
      lo = mid;
      code_lo = code_mid;
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
