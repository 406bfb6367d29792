// Small text helpers of the decomposition: digit tests, 1-based character
// access and the cuts of the failure rule (an impossible cut leaves its target
// unchanged).
#pragma once

#include <algorithm>
#include <cassert>
#include <cstdint>
#include <string>
#include <string_view>

#include "text/vb.h"

namespace kovari::decompose {

// An ASCII digit or a full-width one (the texts here are mostly narrow).
constexpr bool is_digit(char16_t c) {
  return (c >= u'0' && c <= u'9') || (c >= u'０' && c <= u'９');
}

// The character at 1-based position pos, or 0 outside the text.
inline char16_t char_at(std::u16string_view s, int pos) {
  return pos >= 1 && static_cast<std::size_t>(pos) <= s.size() ? s[pos - 1] : u'\0';
}

inline bool digit_at(std::u16string_view s, int pos) { return is_digit(char_at(s, pos)); }

inline bool contains(std::u16string_view s, std::u16string_view x) {
  return s.find(x) != std::u16string_view::npos;
}
inline bool contains(std::u16string_view s, char16_t c) {
  return s.find(c) != std::u16string_view::npos;
}
// A literal: its length is known when compiled.
template <std::size_t N>
bool contains(std::u16string_view s, const char16_t (&x)[N]) {
  return contains(s, std::u16string_view(x, N - 1));
}

// 1-based position of the first digit at or after start; 0 when none.
int first_digit(std::u16string_view s, int start = 1);

// target = s for a part cut from another text (the working text, a tail
// buffer), never from target itself: the plain append path, not the general
// replace that allows for an overlap.
inline void assign_part(std::u16string& target, std::u16string_view s) {
  assert(s.empty() || s.data() + s.size() <= target.data() ||
         s.data() >= target.data() + target.capacity());
  target.clear();
  target.append(s);
}

// target = Left(s, n); target unchanged when n < 0.
inline void set_left(std::u16string& target, std::u16string_view s, int n) {
  if (n >= 0) assign_part(target, text::left_view(s, n));
}
// target = Mid(s, start); target unchanged when start < 1.
inline void set_mid(std::u16string& target, std::u16string_view s, int start) {
  if (start >= 1) assign_part(target, text::mid_view(s, start));
}
// target = Mid(s, start, length); target unchanged when start < 1 or length < 0.
inline void set_mid(std::u16string& target, std::u16string_view s, int start, int length) {
  if (start >= 1 && length >= 0) assign_part(target, text::mid_view(s, start, length));
}

// Cut at n: the first n characters of text go to part and text keeps the rest.
// Nothing changes when n < 0.
inline void cut_at(std::u16string_view& text, int n, std::u16string& part) {
  if (n < 0) return;
  const std::size_t count = std::min(text.size(), static_cast<std::size_t>(n));
  assign_part(part, {text.data(), count});
  text.remove_prefix(count);
}

// The value of the leading digits (ASCII or full-width) of a text, saturating
// far above any floor or block number; 0 without a leading digit.
std::int64_t digits_value(std::u16string_view digits);

// A number written plainly: an integer without a decimal point, otherwise its
// shortest decimal form.
std::u16string plain_number(double value);

}  // namespace kovari::decompose
