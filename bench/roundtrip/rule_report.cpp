#include "rule_report.h"

#include <cstdio>
#include <string>

namespace kovari::roundtrip {

void RulesUsed::note(unsigned rules) {
  if (rules == 0) return;
  ++answered;
  for (const resolve::ApproxRule rule : resolve::kApproxRules) {
    if ((rules & rule) != 0) ++counts[rule];
  }
}

void RulesUsed::print(std::size_t total) const {
  std::printf("answered through approximate rules: %zu of %zu\n", answered, total);
  for (const auto& [rule, count] : counts) {
    std::printf("  %-42s %zu\n", std::string(resolve::approx_rule_name(rule)).c_str(), count);
  }
}

}  // namespace kovari::roundtrip
