#include "postaldb/code_directory.h"

#include <algorithm>
#include <array>
#include <limits>
#include <string_view>

#include "postaldb/code_numbers.h"

namespace kovari::postaldb {

namespace {

// The numbers an index's search can find: none when they stop short of its count.
std::span<const std::uint64_t> searchable(std::span<const std::uint64_t> numbers,
                                          std::int32_t count) {
  if (count < 1 || numbers.size() < static_cast<std::size_t>(count)) return {};
  return numbers;
}

// The number of the seven-digit code of a value below 10,000,000.
std::uint64_t value_number(std::uint32_t value) {
  std::array<char, kCodeSize> digits{};
  for (std::size_t i = kCodeSize; i-- > 0; value /= 10) {
    digits[i] = static_cast<char>('0' + value % 10);
  }
  return code_number({digits.data(), digits.size()});
}

// The records whose numbers lie between low and high, both included.
RecordRange records_between(std::span<const std::uint64_t> numbers, std::uint64_t low,
                            std::uint64_t high) {
  const auto first = std::lower_bound(numbers.begin(), numbers.end(), low);
  const auto end = std::upper_bound(first, numbers.end(), high);
  return {static_cast<std::int32_t>(first - numbers.begin()) + 1,
          static_cast<std::int32_t>(end - first)};
}

std::span<const std::uint64_t> numbers_of(std::span<const std::uint64_t> numbers,
                                          RecordRange range) {
  return numbers.subspan(static_cast<std::size_t>(range.first - 1),
                         static_cast<std::size_t>(range.count));
}

// Moves `next` past the run of `number` that begins there, if one does: its
// first record (1-based, the numbers beginning with record `base`) into
// `first` and its length into `run`. False when the run is too long for a
// run length.
bool take_run(std::span<const std::uint64_t> numbers, std::int32_t base, std::uint64_t number,
              std::size_t& next, std::int32_t& first, std::uint16_t& run) {
  const std::size_t begin = next;
  while (next < numbers.size() && numbers[next] == number) ++next;
  if (next == begin) return true;
  if (next - begin > std::numeric_limits<std::uint16_t>::max()) return false;
  first = base + static_cast<std::int32_t>(begin);
  run = static_cast<std::uint16_t>(next - begin);
  return true;
}

}  // namespace

CodeGroup::CodeGroup(std::span<const std::uint64_t> main, RecordRange main_records,
                     std::span<const std::uint64_t> detail, RecordRange detail_records)
    : main_records_(main_records), detail_records_(detail_records) {
  // Both merged, each code once with the first record of its run in each; a
  // code that is not all digits is no key this group answers.
  last_digits_.reserve(main.size() + detail.size());
  records_.reserve(main.size() + detail.size());
  std::size_t m = 0;
  std::size_t d = 0;
  while (m < main.size() || d < detail.size()) {
    const std::uint64_t number =
        d == detail.size() || (m < main.size() && main[m] <= detail[d]) ? main[m] : detail[d];
    CodeRecords records;
    if (!take_run(main, main_records.first, number, m, records.main, records.main_run) ||
        !take_run(detail, detail_records.first, number, d, records.detail, records.detail_run)) {
      last_digits_ = {};
      records_ = {};
      return;
    }
    if (const std::optional<std::uint32_t> value = CodeDirectory::digits_value(number)) {
      last_digits_.push_back(static_cast<std::uint16_t>(*value % CodeDirectory::kGroupSize));
      records_.push_back(records);
    }
  }
  ready_ = true;
}

std::optional<CodeRecords> CodeGroup::find(std::uint32_t code) const {
  if (!ready_) return std::nullopt;
  if (last_digits_.empty()) return CodeRecords{};
  const auto last_digits = static_cast<std::uint16_t>(code % CodeDirectory::kGroupSize);
  // The first entry not below `last_digits` (a lower bound), halving without
  // a branch on the comparisons, which no look-up can predict: the answer
  // stays within [base, base + count].
  const std::uint16_t* const end = last_digits_.data() + last_digits_.size();
  const std::uint16_t* base = last_digits_.data();
  for (std::size_t count = last_digits_.size(); count > 1;) {
    const std::size_t half = count / 2;
    base = base[half] < last_digits ? base + half : base;
    count -= half;
  }
  const std::uint16_t* const entry = base + (*base < last_digits ? 1 : 0);
  if (entry == end || *entry != last_digits) return CodeRecords{};
  return records_[static_cast<std::size_t>(entry - last_digits_.data())];
}

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
                             std::span<const std::uint64_t> detail, std::int32_t detail_count)
    : main_(searchable(main, main_count)), detail_(searchable(detail, detail_count)) {
  ready_ =
      std::is_sorted(main_.begin(), main_.end()) && std::is_sorted(detail_.begin(), detail_.end());
}

CodeGroup CodeDirectory::group(std::uint32_t g) const {
  const std::uint64_t low = value_number(g * kGroupSize);
  const std::uint64_t high = value_number(g * kGroupSize + kGroupSize - 1);
  const RecordRange main = records_between(main_, low, high);
  const RecordRange detail = records_between(detail_, low, high);
  return CodeGroup(numbers_of(main_, main), main, numbers_of(detail_, detail), detail);
}

}  // namespace kovari::postaldb
