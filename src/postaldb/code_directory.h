// Every seven-digit code of the two postal-code indexes with the first record
// of its run in each, made from their code numbers: one look-up finds
// a code in both indexes. The entries are grouped by the code's first four
// digits, so a look-up halves the last digits of one group (a few hundred
// codes at most) and reads the records of one.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace kovari::postaldb {

// The first record (1-based) of a code's run in each index, 0 where that index
// does not hold the code, and the records of the run.
struct CodeRecords {
  std::int32_t main = 0;
  std::int32_t detail = 0;
  std::uint16_t main_run = 0;
  std::uint16_t detail_run = 0;
};

class CodeDirectory {
 public:
  CodeDirectory() = default;
  // From the numbers (code_number) of the main and detail index records and
  // the records each index counts. An index whose numbers stop short of its
  // count holds no code, as its own search finds none. The directory stays
  // unready when the numbers of either index are out of order (only the
  // index's own search knows what to make of those) or a run is longer than
  // a run length holds.
  CodeDirectory(std::span<const std::uint64_t> main, std::int32_t main_count,
                std::span<const std::uint64_t> detail, std::int32_t detail_count);

  bool ready() const { return ready_; }

  // The records of a seven-digit code given as its value (0..9999999); both 0
  // when neither index holds it. Nothing when the directory is not ready or
  // the value is not a code's.
  std::optional<CodeRecords> find(std::uint32_t code) const;

  // The value of a code number whose seven bytes are all digits.
  static std::optional<std::uint32_t> digits_value(std::uint64_t number);

 private:
  bool ready_ = false;
  // The codes whose first four digits make g are entries group_start_[g] up
  // to group_start_[g + 1], in ascending order: their last three digits in
  // last_digits_ (what a look-up halves), their records in
  // records_.
  std::vector<std::uint32_t> group_start_;
  std::vector<std::uint16_t> last_digits_;
  std::vector<CodeRecords> records_;
};

}  // namespace kovari::postaldb
