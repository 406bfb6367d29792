#include "approx_sections.h"

#include <cstdio>

#include "text/sjis.h"

namespace kovari::accuracy {
namespace {

bool is_digit(char16_t c) { return (c >= u'0' && c <= u'9') || (c >= u'０' && c <= u'９'); }

}  // namespace

std::optional<std::u16string> with_long_vowel_marks(std::u16string_view address) {
  std::u16string out(address);
  bool changed = false;
  for (std::size_t i = 1; i + 1 < out.size(); ++i) {
    if ((out[i] == u'-' || out[i] == u'－') && is_digit(out[i - 1]) && is_digit(out[i + 1])) {
      out[i] = u'ー';
      changed = true;
    }
  }
  if (!changed) return std::nullopt;
  return out;
}

void ApproxSection::note(const std::u16string& address, const AddressOutcome& o,
                         const std::u16string& hyphens) {
  addresses.push_back(address);
  answers.push_back(roundtrip::answer_of(o));
  rules.note(o.approximate);
  if (hyphens.empty()) return;
  if (std::optional<std::u16string> marked = with_long_vowel_marks(hyphens)) {
    long_vowels.push_back({std::move(*marked), hyphens});
  }
}

void ApproxSection::report(const char* title, Session& session, const roundtrip::Convert& convert,
                           std::size_t examples) {
  std::printf("\n%s, ", title);
  rules.print(addresses.size());
  roundtrip::print_order_check(title, roundtrip::check_order(session, addresses, convert, answers),
                               examples);
  std::size_t right = 0, as_written = 0;
  std::vector<std::string> failures;
  for (const LongVowel& p : long_vowels) {
    const AddressOutcome marked = convert(session, p.marked);
    const AddressOutcome hyphens = convert(session, p.hyphens);
    if (marked.code == hyphens.code && marked.message == hyphens.message) {
      ++right;
    } else if (marked.approximate == 0 && !marked.code.empty() && !marked.catch_all) {
      ++as_written;  // settled as written: the approximate rules do not run
    } else if (failures.size() < examples) {
      failures.push_back(text::to_utf8(p.marked) + " -> [" + text::to_utf8(marked.code) +
                         "], with hyphens [" + text::to_utf8(hyphens.code) + "]");
    }
  }
  std::printf(
      "  block numbers with long-vowel marks for hyphens: %zu, answered as with hyphens: %zu,\n"
      "  given another code as written (where the approximate rules do not run): %zu\n",
      long_vowels.size(), right, as_written);
  for (const std::string& f : failures) std::printf("      %s\n", f.c_str());
}

}  // namespace kovari::accuracy
