#include "code_search/code_index.h"

#include <algorithm>

namespace kovari::code_search {

CodeIndex CodeIndex::main_index(const postaldb::PostalDb& db) {
  return CodeIndex(db.main_file, db.dir.blk1[3], db.dir.code_count);
}

CodeIndex CodeIndex::detail_index(const postaldb::PostalDb& db) {
  return CodeIndex(db.detail_file, db.dir.blk2[3], db.dir.code2_count);
}

namespace {

// A stored little-endian integer.
std::uint32_t little_endian(std::string_view bytes) {
  std::uint32_t value = 0;
  for (std::size_t i = bytes.size(); i-- > 0;) {
    value = (value << 8) | static_cast<unsigned char>(bytes[i]);
  }
  return value;
}

// Seven bytes as one number that orders like them.
std::uint64_t packed_code(std::string_view code) {
  std::uint64_t value = 0;
  for (std::size_t i = 0; i < kCodeSize; ++i)
    value = value << 8 | static_cast<unsigned char>(code[i]);
  return value;
}

// A key of seven single-byte characters as the number of those bytes.
std::optional<std::uint64_t> packed_key(std::u16string_view key) {
  if (key.size() != kCodeSize) return std::nullopt;
  std::uint64_t value = 0;
  for (const char16_t c : key) {
    if (c > 0xFF) return std::nullopt;
    value = value << 8 | c;
  }
  return value;
}

}  // namespace

IndexRecord CodeIndex::record(std::int32_t r) const {
  const std::string_view bytes = record_bytes(r, kIndexRecordSize);
  if (bytes.empty()) return {};
  return {bytes.substr(0, kCodeSize),
          static_cast<std::int32_t>(little_endian(bytes.substr(kCodeSize, 4))),
          static_cast<std::int16_t>(little_endian(bytes.substr(kCodeSize + 4, 2)))};
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
  // Every real key and code is seven digits: those compare as numbers.
  const std::optional<std::uint64_t> key_number = packed_key(key);
  auto order = [&](std::int32_t r) {
    const std::string_view code = index.raw_code(r);
    if (!key_number || code.size() != kCodeSize) return compare_code(key, code);
    const std::uint64_t code_number = packed_code(code);
    return *key_number < code_number ? -1 : *key_number > code_number ? 1 : 0;
  };
  std::int32_t lo = 1;
  std::int32_t hi = index.count();
  const int order_lo = order(lo);
  if (order_lo < 0 || order(hi) > 0) return std::nullopt;
  if (order_lo == 0) return lo;
  // From here on the key lies above code(lo) and not above code(hi): every
  // step keeps it so, and only the middle record needs comparing.
  for (int steps = 1;; ++steps) {
    // Int((hi - lo) / 2 + 0.5): the upper middle.
    const std::int32_t mid = lo + (hi - lo + 1) / 2;
    const int order_mid = order(mid);
    if (order_mid == 0) return mid;
    if (lo == hi) {
      if (kind == IndexSearch::Exact) return std::nullopt;
      return lo;
    }
    if (order_mid < 0) {
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
