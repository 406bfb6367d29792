#include "code_search/code_index.h"

#include <algorithm>
#include <array>

#include "code_search/decoded_runs.h"

namespace kovari::code_search {

CodeIndex CodeIndex::main_index(const postaldb::PostalDb& db) {
  return CodeIndex(db.main_file, db.dir.blk1[3], db.dir.code_count, db.main_codes);
}

CodeIndex CodeIndex::detail_index(const postaldb::PostalDb& db) {
  return CodeIndex(db.detail_file, db.dir.blk2[3], db.dir.code2_count, db.detail_codes);
}

namespace {

// A stored little-endian integer of N bytes.
template <std::size_t N>
std::uint32_t little_endian(const char* bytes) {
  std::uint32_t value = 0;
  for (std::size_t i = N; i-- > 0;) value = (value << 8) | static_cast<unsigned char>(bytes[i]);
  return value;
}

// A key of seven single-byte characters as the number of a code of those
// bytes; 0 for any other key.
std::uint64_t key_number(std::u16string_view key) {
  if (key.size() != kCodeSize) return 0;
  std::array<char, kCodeSize> bytes{};
  for (std::size_t i = 0; i < kCodeSize; ++i) {
    if (key[i] > 0xFF) return 0;
    bytes[i] = static_cast<char>(key[i]);
  }
  return postaldb::code_number({bytes.data(), bytes.size()});
}

// The bounded search of search_index over records 1..count; order(r) is the
// order of the key to record r's code.
template <typename Order>
std::optional<std::int32_t> bounded_search(std::int32_t count, IndexSearch kind, Order order) {
  std::int32_t lo = 1;
  std::int32_t hi = count;
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

// The exact search of a number key over the sorted numbers: the first record
// of the key's run. An index whose last record cannot be read holds no key,
// as in the bounded search, which meets that record first.
std::optional<std::int32_t> exact_number(const CodeIndex& index, const IndexKey& key) {
  const std::span<const std::uint64_t> numbers = index.numbers();
  if (numbers.size() < static_cast<std::size_t>(index.count())) return std::nullopt;
  const auto found = std::lower_bound(numbers.begin(), numbers.end(), key.number());
  if (found == numbers.end() || *found != key.number()) return std::nullopt;
  return static_cast<std::int32_t>(found - numbers.begin()) + 1;
}

}  // namespace

IndexRecord CodeIndex::record(std::int32_t r) const {
  const std::string_view bytes = record_bytes(r, kIndexRecordSize);
  if (bytes.empty()) return {};
  return {bytes.substr(0, kCodeSize),
          static_cast<std::int32_t>(little_endian<4>(bytes.data() + kCodeSize)),
          static_cast<std::int16_t>(little_endian<2>(bytes.data() + kCodeSize + 4))};
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

IndexKey::IndexKey(std::u16string_view key) : key_(key), number_(key_number(key)) {}

std::optional<std::int32_t> search_index(const CodeIndex& index, std::u16string_view key,
                                         IndexSearch kind) {
  if (index.count() < 1) return std::nullopt;
  const IndexKey index_key(key);
  if (index_key.is_number() && kind == IndexSearch::Exact) return exact_number(index, index_key);
  if (index_key.is_number()) {
    return bounded_search(index.count(), kind,
                          [&](std::int32_t r) { return index_key.order_as_number(index, r); });
  }
  return bounded_search(index.count(), kind,
                        [&](std::int32_t r) { return index_key.order(index, r); });
}

namespace {

std::optional<std::int32_t> found_record(std::int32_t record) {
  return record != 0 ? std::optional<std::int32_t>(record) : std::nullopt;
}

// The value of a key of seven digits.
std::optional<std::uint32_t> digits_value(std::u16string_view key) {
  if (key.size() != kCodeSize) return std::nullopt;
  std::uint32_t value = 0;
  for (const char16_t c : key) {
    if (c < u'0' || c > u'9') return std::nullopt;
    value = value * 10 + static_cast<std::uint32_t>(c - u'0');
  }
  return value;
}

}  // namespace

CodeLookup::CodeLookup(const postaldb::PostalDb& db, std::u16string_view key)
    : db_(&db), key_(key) {
  const std::optional<std::uint32_t> value = digits_value(key);
  if (!value) return;
  group_ = decoded_group(db, *value);
  if (group_ == nullptr) return;
  found_ = group_->codes.find(*value);
  if (!found_) return;
  main_towns_ = group_->town_run(*found_);
  detail_records_ = group_->detail_run(*found_);
}

std::optional<std::int32_t> CodeLookup::main_record() const {
  if (found_) return found_record(found_->main);
  return search_index(CodeIndex::main_index(*db_), key_, IndexSearch::Exact);
}

std::optional<std::int32_t> CodeLookup::detail_record() const {
  if (found_) return found_record(found_->detail);
  return search_index(CodeIndex::detail_index(*db_), key_, IndexSearch::Exact);
}

}  // namespace kovari::code_search
