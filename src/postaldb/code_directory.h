// Every seven-digit code of the two postal-code indexes with the first record
// of its run in each, made from their code numbers: one look-up finds a code
// in both indexes. The codes are grouped by their first four digits, and a
// group is made when a look-up first asks for it: it halves the numbers of
// each index once for its bounds and merges a few hundred codes at most.
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

// Records first .. first + count - 1 (1-based) of an index.
struct RecordRange {
  std::int32_t first = 1;
  std::int32_t count = 0;
};

// The codes whose first four digits are the same.
class CodeGroup {
 public:
  CodeGroup() = default;
  // From the numbers (code_number) of the index records whose codes lie
  // between the group's lowest and highest code, in each index. The group
  // stays unready when a run is longer than a run length holds.
  CodeGroup(std::span<const std::uint64_t> main, RecordRange main_records,
            std::span<const std::uint64_t> detail, RecordRange detail_records);

  // The records of a seven-digit code of the group given as its value; both
  // 0 when neither index holds it. Nothing when the group is not ready.
  std::optional<CodeRecords> find(std::uint32_t code) const;

  // The index records the group was made from.
  RecordRange main_records() const { return main_records_; }
  RecordRange detail_records() const { return detail_records_; }

 private:
  bool ready_ = false;
  RecordRange main_records_;
  RecordRange detail_records_;
  // The group's codes in ascending order: their last three digits (what a
  // look-up halves) and their records.
  std::vector<std::uint16_t> last_digits_;
  std::vector<CodeRecords> records_;
};

class CodeDirectory {
 public:
  static constexpr std::uint32_t kGroupSize = 1000;  // codes sharing their first four digits
  static constexpr std::uint32_t kGroups = 10'000'000 / kGroupSize;

  CodeDirectory() = default;
  // Over the numbers of the main and detail index records, which must outlive
  // it, and the records each index counts. An index whose numbers stop short
  // of its count holds no code, as its own search finds none. The directory
  // stays unready when the numbers of either index are out of order (only the
  // index's own search knows what to make of those).
  CodeDirectory(std::span<const std::uint64_t> main, std::int32_t main_count,
                std::span<const std::uint64_t> detail, std::int32_t detail_count);

  bool ready() const { return ready_; }

  // Group g (below kGroups) of a ready directory: the codes g × kGroupSize
  // up to the next group's.
  CodeGroup group(std::uint32_t g) const;

  // The value of a code number whose seven bytes are all digits.
  static std::optional<std::uint32_t> digits_value(std::uint64_t number);

 private:
  bool ready_ = false;
  std::span<const std::uint64_t> main_;
  std::span<const std::uint64_t> detail_;
};

}  // namespace kovari::postaldb
