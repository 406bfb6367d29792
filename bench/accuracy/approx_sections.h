// What one part of kovari-accuracy (the numbered conditions, the detail
// records) collects for the approximate rules: its addresses and answers, for
// the order-independence check; the rules its answers went through; and its
// block numbers typed with long-vowel marks (１ー２ー３), each expected to
// answer as the address with hyphens does.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "order_check.h"
#include "rule_report.h"
#include "session/convert_address.h"

namespace kovari::accuracy {

// The address with the hyphens between its block numbers typed as long-vowel
// marks (１－２ -> １ー２); nothing when it has none.
std::optional<std::u16string> with_long_vowel_marks(std::u16string_view address);

struct ApproxSection {
  std::vector<std::u16string> addresses;
  std::vector<roundtrip::Answer> answers;
  roundtrip::RulesUsed rules;
  struct LongVowel {
    std::u16string marked, hyphens;
  };
  std::vector<LongVowel> long_vowels;

  // Notes one address and its outcome; `hyphens`, when given, is the address
  // with hyphens between its block numbers, probed with long-vowel marks.
  void note(const std::u16string& address, const AddressOutcome& o,
            const std::u16string& hyphens = {});

  // Prints the rules used, the order check and the long-vowel probes.
  void report(const char* title, Session& session, const roundtrip::Convert& convert,
              std::size_t examples);
};

}  // namespace kovari::accuracy
