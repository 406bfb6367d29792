// How many outcomes each approximate rule took part in, for the figures
// programs.
#pragma once

#include <cstddef>
#include <map>

#include "resolve/approx_rules.h"

namespace kovari::roundtrip {

struct RulesUsed {
  std::map<resolve::ApproxRule, std::size_t> counts;
  std::size_t answered = 0;  // outcomes that any rule took part in

  // Notes an outcome's rules (AddressOutcome::approximate).
  void note(unsigned rules);
  void print(std::size_t total) const;
};

}  // namespace kovari::roundtrip
