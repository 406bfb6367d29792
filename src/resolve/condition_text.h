// Small readers of condition texts: digit tests and the numbers that stand
// before, after or between the marks of a condition. Positions are 1-based
// like the marks; a position that leaves the text reads as an empty text,
// whose number is 0.
#pragma once

#include <string>
#include <string_view>

namespace kovari::resolve {

// The leading number of a text (0 when it has none).
double leading_number(std::u16string_view s);

// Whether the character at 1-based position pos is an ASCII digit.
bool is_digit_at(std::u16string_view s, int pos);

// 1-based position of the first ASCII digit, 0 when there is none.
int first_digit(std::u16string_view s);

// The number of the text before position p.
double number_before(std::u16string_view s, int p);
// The number of the text after a mark of mark_length characters at p.
double number_after(std::u16string_view s, int p, int mark_length = 1);
// The number of the text strictly between a mark of from_length characters at
// from and the position to.
double number_between(std::u16string_view s, int from, int from_length, int to);

// A text cut around its first number of one or two digits: "東12線北" gives
// head "東", number 12, rest "線北".
struct NumberSplit {
  bool found = false;
  std::u16string head;
  int number = 0;
  std::u16string rest;
};
NumberSplit split_first_number(std::u16string_view s);

}  // namespace kovari::resolve
