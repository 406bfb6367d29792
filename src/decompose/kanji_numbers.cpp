// The two block-number operations that read kanji numerals: the 区-number town
// area and the kanji 丁目/番地/号 numbers.
#include "decompose/block_numbers.h"
#include "decompose/text_scan.h"
#include "text/vb.h"

namespace kovari::decompose {

void parse_ku_number(Decomposition& d, std::u16string_view text, int i, int k,
                     const postaldb::PostalTables& tables) {
  auto& part = d.current().addr_part;
  const std::u16string_view w = text::trim_view(text);
  if (i > k) {
    set_left(part[kTownArea], w, k);
    set_mid(part[kChomeNumber], w, k + 1);
    return;
  }
  if (i < 1) return;
  const int digits = digit_at(w, i + 1) ? 2 : 1;
  const auto n = static_cast<int>(digits_value(text::mid_view(w, i, digits)));
  const std::u16string_view numeral =
      n != 0 && n <= 50 ? std::u16string_view(tables.kanji_num[n]) : std::u16string_view();
  std::u16string_view tail = text::mid_view(w, i + digits);
  if (const int j = first_digit(tail); j != 0) {
    part[kChomeNumber].assign(tail.substr(j - 1));
    tail = tail.substr(0, j - 1);
  }
  std::u16string town(text::trim_view(text::left_view(w, i - 1)));
  town += text::trim_view(numeral);
  town += tail;
  part[kTownArea] = std::move(town);
}

namespace {

// Whether src holds numeral immediately followed by marker.
bool numeral_before(std::u16string_view src, std::u16string_view numeral,
                    std::u16string_view marker) {
  for (std::size_t q = src.find(marker); q != std::u16string_view::npos;
       q = src.find(marker, q + 1)) {
    if (src.substr(0, q).ends_with(numeral)) return true;
  }
  return false;
}

}  // namespace

std::optional<int> kanji_number_before(std::u16string_view src, Mark marker, bool marker_follows,
                                       const postaldb::PostalTables& tables) {
  const std::u16string_view marker_text = marker == kCho   ? u"丁目"
                                          : marker == kBan ? u"番地"
                                                           : u"号";
  // 番 also ends a 番地 numeral: without its marker no numeral is followed by one.
  if (marker_follows && !contains(src, marker == kBan ? u"番" : marker_text)) return std::nullopt;
  for (int j = 1; j <= 100; ++j) {
    const std::u16string_view numeral = text::trim_view(tables.kanji_num[j]);
    if (numeral.empty()) continue;  // an unfilled entry names no number
    const int value = j <= 50 ? j : j - 50;
    if (!marker_follows) {
      if (contains(src, numeral)) return value;
    } else if (numeral_before(src, numeral, marker_text) ||
               (marker == kBan && numeral_before(src, numeral, u"番"))) {
      return value;
    }
  }
  return std::nullopt;
}

}  // namespace kovari::decompose
