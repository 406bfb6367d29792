#include "postaldb/code_directory.h"

#include <algorithm>
#include <limits>

#include "postaldb/code_numbers.h"

namespace kovari::postaldb {

namespace {

constexpr std::uint32_t kCodeLimit = 10'000'000;  // seven digits
constexpr std::uint32_t kGroupSize = 1000;        // codes sharing their first four digits
constexpr std::uint32_t kGroups = kCodeLimit / kGroupSize;

// The numbers an index's search can find: none when they stop short of its count.
std::span<const std::uint64_t> searchable(std::span<const std::uint64_t> numbers,
                                          std::int32_t count) {
  if (count < 1 || numbers.size() < static_cast<std::size_t>(count)) return {};
  return numbers;
}

// Moves `next` past the run of `number` that begins there, if one does: its
// first record (1-based) into `first` and its length into `run`. False when
// the run is too long for a run length.
bool take_run(std::span<const std::uint64_t> numbers, std::uint64_t number, std::size_t& next,
              std::int32_t& first, std::uint16_t& run) {
  const std::size_t begin = next;
  while (next < numbers.size() && numbers[next] == number) ++next;
  if (next == begin) return true;
  if (next - begin > std::numeric_limits<std::uint16_t>::max()) return false;
  first = static_cast<std::int32_t>(begin + 1);
  run = static_cast<std::uint16_t>(next - begin);
  return true;
}

}  // namespace

std::optional<std::uint32_t> CodeDirectory::digits_value(std::uint64_t number) {
  if ((number & kCodeReadMark) == 0) return std::nullopt;
  std::uint32_t value = 0;
  for (int shift = 48; shift >= 0; shift -= 8) {
    const auto byte = static_cast<unsigned>(number >> shift & 0xFF);
    if (byte < '0' || byte > '9') return std::nullopt;
    value = value * 10 + (byte - '0');
  }
  return value;
}

CodeDirectory::CodeDirectory(std::span<const std::uint64_t> main, std::int32_t main_count,
                             std::span<const std::uint64_t> detail, std::int32_t detail_count) {
  main = searchable(main, main_count);
  detail = searchable(detail, detail_count);
  if (!std::is_sorted(main.begin(), main.end()) || !std::is_sorted(detail.begin(), detail.end())) {
    return;
  }
  // Both arrays merged, each code once with the first record of its run in
  // each; a code that is not all digits is no key this directory answers.
  // Every group up to a code's own begins at or before it: the groups are
  // filled as the codes come, in ascending order.
  group_start_.assign(kGroups + 1, 0);
  std::uint32_t next_group = 0;
  last_digits_.reserve(main.size() + detail.size());
  records_.reserve(main.size() + detail.size());
  std::size_t m = 0;
  std::size_t d = 0;
  while (m < main.size() || d < detail.size()) {
    const std::uint64_t number =
        d == detail.size() || (m < main.size() && main[m] <= detail[d]) ? main[m] : detail[d];
    CodeRecords records;
    if (!take_run(main, number, m, records.main, records.main_run) ||
        !take_run(detail, number, d, records.detail, records.detail_run)) {
      records_.clear();
      return;
    }
    if (const std::optional<std::uint32_t> value = digits_value(number)) {
      for (; next_group <= *value / kGroupSize; ++next_group) {
        group_start_[next_group] = static_cast<std::uint32_t>(records_.size());
      }
      last_digits_.push_back(static_cast<std::uint16_t>(*value % kGroupSize));
      records_.push_back(records);
    }
  }
  for (; next_group <= kGroups; ++next_group) {
    group_start_[next_group] = static_cast<std::uint32_t>(records_.size());
  }
  ready_ = true;
}

std::optional<CodeRecords> CodeDirectory::find(std::uint32_t code) const {
  if (!ready_ || code >= kCodeLimit) return std::nullopt;
  const std::uint32_t group = code / kGroupSize;
  const auto last = static_cast<std::uint16_t>(code % kGroupSize);
  const std::uint16_t* const begin = last_digits_.data() + group_start_[group];
  const std::uint16_t* const end = last_digits_.data() + group_start_[group + 1];
  if (begin == end) return CodeRecords{};
  // The first entry not below `last` (a lower bound), halving without a
  // branch on the comparisons, which no look-up can predict: the answer stays
  // within [base, base + count].
  const std::uint16_t* base = begin;
  for (std::size_t count = static_cast<std::size_t>(end - begin); count > 1;) {
    const std::size_t half = count / 2;
    base = base[half] < last ? base + half : base;
    count -= half;
  }
  const std::uint16_t* const entry = base + (*base < last ? 1 : 0);
  if (entry == end || *entry != last) return CodeRecords{};
  return records_[static_cast<std::size_t>(entry - last_digits_.data())];
}

}  // namespace kovari::postaldb
