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

constexpr std::size_t kCodeSize = 7;

// A stored little-endian integer.
std::uint32_t little_endian(std::string_view bytes) {
  std::uint32_t value = 0;
  for (std::size_t i = bytes.size(); i-- > 0;) {
    value = (value << 8) | static_cast<unsigned char>(bytes[i]);
  }
  return value;
}

}  // namespace

CodeIndex::CodeIndex(const postaldb::DataFile& file, std::int32_t block, std::int32_t count)
    : file_(&file), count_(count) {
  const std::string_view bytes = file.bytes();
  const std::int64_t start = postaldb::block_position(block) - 1;
  if (start >= 0 && start <= static_cast<std::int64_t>(bytes.size())) {
    records_ = bytes.substr(static_cast<std::size_t>(start));
  }
}

std::string_view CodeIndex::record_bytes(std::int32_t r, std::size_t needed) const {
  if (r < 1 || r > count_) return {};
  const std::size_t start = std::size_t{kIndexRecordSize} * static_cast<std::size_t>(r - 1);
  if (start > records_.size() || records_.size() - start < needed) return {};
  return records_.substr(start);
}

IndexRecord CodeIndex::record(std::int32_t r) const {
  const std::string_view bytes = record_bytes(r, kIndexRecordSize);
  if (bytes.empty()) return {};
  return {bytes.substr(0, kCodeSize),
          static_cast<std::int32_t>(little_endian(bytes.substr(kCodeSize, 4))),
          static_cast<std::int16_t>(little_endian(bytes.substr(kCodeSize + 4, 2)))};
}

std::string_view CodeIndex::raw_code(std::int32_t r) const {
  return record_bytes(r, kCodeSize).substr(0, kCodeSize);
}

std::u16string CodeIndex::code(std::int32_t r) const {
  const std::string_view code = raw_code(r);
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
  const int order_lo = compare_code(key, index.raw_code(lo));
  if (order_lo < 0 || compare_code(key, index.raw_code(hi)) > 0) return std::nullopt;
  if (order_lo == 0) return lo;
  // From here on the key lies above code(lo) and not above code(hi): every
  // step keeps it so, and only the middle record needs comparing.
  for (int steps = 1;; ++steps) {
    // Int((hi - lo) / 2 + 0.5): the upper middle.
    const std::int32_t mid = lo + (hi - lo + 1) / 2;
    const int order = compare_code(key, index.raw_code(mid));
    if (order == 0) return mid;
    if (lo == hi) {
      if (kind == IndexSearch::Exact) return std::nullopt;
      return lo;
    }
    if (order < 0) {
      hi = mid;
    } else {
      lo = mid;
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
