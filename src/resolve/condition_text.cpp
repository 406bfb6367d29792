#include "resolve/condition_text.h"

#include "text/vb.h"

namespace kovari::resolve {

double leading_number(std::u16string_view s) { return text::Val(s); }

bool is_digit_at(std::u16string_view s, int pos) {
  if (pos < 1 || pos > static_cast<int>(s.size())) return false;
  const char16_t ch = s[pos - 1];
  return ch >= u'0' && ch <= u'9';
}

int first_digit(std::u16string_view s) {
  for (int i = 1; i <= static_cast<int>(s.size()); ++i) {
    if (is_digit_at(s, i)) return i;
  }
  return 0;
}

double number_before(std::u16string_view s, int p) { return text::Val(text::left_view(s, p - 1)); }

double number_after(std::u16string_view s, int p, int mark_length) {
  return text::Val(text::mid_view(s, p + mark_length));
}

double number_between(std::u16string_view s, int from, int from_length, int to) {
  return text::Val(text::mid_view(s, from + from_length, to - from - from_length));
}

NumberSplit split_first_number(std::u16string_view s) {
  NumberSplit split;
  const int i = first_digit(s);
  if (i == 0) return split;
  const int digits = is_digit_at(s, i + 1) ? 2 : 1;
  split.found = true;
  split.head = text::Left(s, i - 1);
  split.number = static_cast<int>(text::Val(text::mid_view(s, i, digits)));
  split.rest = text::Mid(s, i + digits);
  return split;
}

}  // namespace kovari::resolve
