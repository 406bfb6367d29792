// A long-vowel mark or a dash typed between two digits for the hyphen of the
// block numbers (南２条西１ー５ー２号室): input methods offer ー where - was meant.
#include "resolve/approx_numerals.h"
#include "resolve/approx_rules.h"

namespace kovari::resolve {
namespace {

constexpr std::u16string_view kHyphenLookalikes = u"ーｰ―‐−‑–—";

}  // namespace

std::optional<std::u16string> hyphens_for_long_vowels(std::u16string_view text) {
  std::u16string out(text);
  bool changed = false;
  for (std::size_t i = 1; i + 1 < out.size(); ++i) {
    if (kHyphenLookalikes.find(out[i]) == std::u16string_view::npos) continue;
    if (!is_any_digit(out[i - 1]) || !is_any_digit(out[i + 1])) continue;
    out[i] = u'－';
    changed = true;
  }
  if (!changed) return std::nullopt;
  return out;
}

}  // namespace kovari::resolve
