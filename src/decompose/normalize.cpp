#include "decompose/normalize.h"

#include <algorithm>

#include "decompose/text_scan.h"
#include "text/vb.h"

namespace kovari::decompose {

void strip_blanks(std::u16string& text) {
  text.erase(std::remove(text.begin(), text.end(), u' '), text.end());
}

bool apply_char_pairs(std::u16string& text, const postaldb::PostalTables& tables) {
  bool applied = false;
  const int count = std::min<int>({tables.chr_count, static_cast<int>(tables.chr_from.size()) - 1,
                                   static_cast<int>(tables.chr_to.size()) - 1});
  for (int b = 1; b <= count; ++b) {
    const std::u16string& from = tables.chr_from[b];
    const int f = text::Len(text::trim_view(from));
    const int p = text::InStr(text, from);
    if (text::Len(text) < f || p == 0) continue;
    // Head before p, the replacement, then what follows the f characters at p.
    std::u16string replaced(text::left_view(text, p - 1));
    replaced += text::trim_view(tables.chr_to[b]);
    replaced += text::mid_view(text, p + f);
    text = std::move(replaced);
    applied = true;
  }
  return applied;
}

void normalize_ke(std::u16string& text) {
  // ガ and ヶ bound a span of katakana that few texts hold: a text without one
  // of those characters is passed over with one comparison for each.
  const auto from =
      std::find_if(text.begin(), text.end(), [](char16_t c) { return c >= u'ガ' && c <= u'ヶ'; });
  // The first ヶ wins over any ガ, before or after it.
  char16_t* first_ga = nullptr;
  for (auto c = from; c != text.end(); ++c) {
    if (*c == u'ヶ') {
      *c = u'ケ';
      return;
    }
    if (*c == u'ガ' && first_ga == nullptr) first_ga = &*c;
  }
  if (first_ga != nullptr) *first_ga = u'が';
}

void jo_sen_to_kanji(std::u16string& text, const postaldb::PostalTables& tables, int& added_len) {
  const int i = first_digit(text);
  if (i == 0) return;
  const int digits = digit_at(text, i + 1) ? 2 : 1;
  const int n = static_cast<int>(digits_value(text::mid_view(text, i, digits)));
  const std::u16string_view numeral =
      n >= 0 && n <= 50 ? std::u16string_view(tables.kanji_num[n]) : std::u16string_view();
  std::u16string converted(text::trim_view(text::left_view(text, i - 1)));
  converted += text::trim_view(numeral);
  converted += text::mid_view(text, i + digits);
  text = std::move(converted);
  const int written_digits = n >= 10 ? 2 : 1;
  added_len += text::Len(numeral) - written_digits;
}

void set_kansuuji(std::u16string& address, const postaldb::PostalTables& tables, int& added_len) {
  if (text::InStr(address, u"京都市") == 0 && text::InStr(address, u"区") == 0) return;
  const int jo = text::InStr(address, u"条");
  if (jo > 1 && digit_at(address, jo - 1)) jo_sen_to_kanji(address, tables, added_len);
}

}  // namespace kovari::decompose
