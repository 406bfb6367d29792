// Addresses that satisfy a numbered town-area condition: for a condition such
// as "１～５丁目" or "３丁目１－２", the block-number text an address needs to
// lie in it ("1丁目", "3丁目1番2号"), and the condition's shape for the report.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace kovari::accuracy {

struct ConditionProbe {
  std::string shape;     // e.g. "丁目 range", "compound E"
  std::u16string block;  // the block numbers to append to the town name
};

// The probe for one condition (one piece of a bracketed part, full-width as
// stored); std::nullopt for a condition that names no numbers this program
// knows how to satisfy (その他, names, prefixed numbers ...).
std::optional<ConditionProbe> probe_condition(std::u16string_view condition);

}  // namespace kovari::accuracy
