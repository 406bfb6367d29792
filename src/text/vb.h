// The classic string and number functions the whole engine is written in, with
// their 1-based positions. A "character" is one UTF-16 code unit, which is one
// CP932 character for every text read from our files.
//
// Where the classic runtime raises "invalid procedure call" (a negative count,
// a start position below 1) the plain functions return an empty text and the
// try_ variants return std::nullopt, so a caller can leave its value unchanged.
// Nothing here throws or allocates more than its result.
#pragma once

#include <algorithm>
#include <optional>
#include <string>
#include <string_view>

namespace kovari::text {

// Number of UTF-16 code units.
int Len(std::u16string_view s);

// The first n characters; n >= Len gives the whole text; n < 0 gives "".
std::u16string Left(std::u16string_view s, int n);
// The last n characters; n >= Len gives the whole text; n < 0 gives "".
std::u16string Right(std::u16string_view s, int n);
// From 1-based start to the end; start > Len gives ""; start < 1 gives "".
std::u16string Mid(std::u16string_view s, int start);
// At most length characters from 1-based start; start < 1 or length < 0 gives "".
std::u16string Mid(std::u16string_view s, int start, int length);

// The same, but std::nullopt where the runtime raises an error
// (n < 0, start < 1, length < 0).
std::optional<std::u16string> try_left(std::u16string_view s, int n);
std::optional<std::u16string> try_right(std::u16string_view s, int n);
std::optional<std::u16string> try_mid(std::u16string_view s, int start);
std::optional<std::u16string> try_mid(std::u16string_view s, int start, int length);

// Allocation-free views into s with the rules of Left/Right/Mid (error cases
// give an empty view). The view lives as long as the text behind s. Made
// directly, not by substr: the bounds are checked here once.
inline std::u16string_view left_view(std::u16string_view s, int n) {
  if (n < 0) return {};
  return {s.data(), std::min(s.size(), static_cast<std::size_t>(n))};
}
inline std::u16string_view right_view(std::u16string_view s, int n) {
  if (n < 0) return {};
  const std::size_t count = std::min(s.size(), static_cast<std::size_t>(n));
  return {s.data() + (s.size() - count), count};
}
inline std::u16string_view mid_view(std::u16string_view s, int start) {
  if (start < 1 || static_cast<std::size_t>(start) > s.size()) return {};
  const std::size_t skipped = static_cast<std::size_t>(start) - 1;
  return {s.data() + skipped, s.size() - skipped};
}
inline std::u16string_view mid_view(std::u16string_view s, int start, int length) {
  if (length < 0) return {};
  const std::u16string_view rest = mid_view(s, start);
  return {rest.data(), std::min(rest.size(), static_cast<std::size_t>(length))};
}

// 1-based position of the first s2 in s1 at or after start; 0 when absent.
// s1 empty gives 0; s2 empty gives start when start <= Len(s1) + 1, else 0.
// start < 1 (an error in the runtime) gives 0. Binary comparison.
namespace detail {
// The general search behind InStr.
int instr_search(int start, std::u16string_view s1, std::u16string_view s2);
}  // namespace detail
inline int InStr(int start, std::u16string_view s1, std::u16string_view s2) {
  // One character in a short text, the commonest search of the engine, costs
  // less looked for in place than through the general search.
  if (s2.size() == 1 && s1.size() < 16) {
    if (start < 1 || static_cast<std::size_t>(start) > s1.size()) return 0;
    const std::size_t found = s1.find(s2[0], static_cast<std::size_t>(start) - 1);
    return found == std::u16string_view::npos ? 0 : static_cast<int>(found) + 1;
  }
  return detail::instr_search(start, s1, s2);
}
inline int InStr(std::u16string_view s1, std::u16string_view s2) { return InStr(1, s1, s2); }
// A literal looked for: its length is known when compiled, where the view made
// from it would count its characters at every call.
template <std::size_t N>
inline int InStr(int start, std::u16string_view s1, const char16_t (&s2)[N]) {
  return InStr(start, s1, std::u16string_view(s2, N - 1));
}
template <std::size_t N>
inline int InStr(std::u16string_view s1, const char16_t (&s2)[N]) {
  return InStr(1, s1, std::u16string_view(s2, N - 1));
}

// 1-based position of the last s2 in s1; 0 when absent or s1 is empty;
// s2 empty gives Len(s1).
int InStrRev(std::u16string_view s1, std::u16string_view s2);

// Remove half-width blanks (U+0020) only: the full-width blank U+3000, tabs and
// line ends stay.
std::u16string Trim(std::u16string_view s);
inline std::u16string_view trim_view(std::u16string_view s) {
  // Plain loops: most texts have no blank at either end, and the library's
  // find_first_not_of searches a one-character set for every character.
  std::size_t first = 0;
  std::size_t end = s.size();
  while (first < end && s[first] == u' ') ++first;
  while (end > first && s[end - 1] == u' ') --end;
  return {s.data() + first, end - first};
}

// The leading number of a text. Blanks, tabs and line feeds are ignored
// anywhere ("1 2 3" is 123); then an optional sign, ASCII digits, one decimal
// point "." and an optional exponent (E or D, "1e3" is 1000). Reading stops at
// the first character that cannot continue the number; no digit gives 0.
// Full-width digits are not digits here: convert to narrow form first.
double Val(std::u16string_view s);
// As Val, but std::nullopt when the number does not fit in a double (the
// runtime's overflow error); Val returns 0 then.
std::optional<double> try_val(std::u16string_view s);

// The general numeric test: true when the whole text reads as a number.
// Accepted: surrounding blanks (U+0020, U+3000, tab, CR, LF), a leading or
// trailing sign (blanks may follow a leading sign), parentheses for a negative
// value, thousands separators "," anywhere after the first digit, one decimal
// point, an exponent (E/D), the yen sign (U+005C, U+00A5, U+FFE5) before the
// number, "&H"/"&O" integers; full-width characters count as their narrow
// forms. The empty text, dates and "1%" are not numbers.
bool IsNumeric(std::u16string_view s);
// The value IsNumeric reads, or std::nullopt when IsNumeric is false.
std::optional<double> parse_numeric(std::u16string_view s);

// Every occurrence of find replaced by with, left to right, without rescanning
// replaced text. An empty find returns s unchanged.
std::u16string Replace(std::u16string_view s, std::u16string_view find, std::u16string_view with);
// Only the first occurrence replaced.
std::u16string ReplaceFirst(std::u16string_view s, std::u16string_view find,
                            std::u16string_view with);

// n copies of c; n < 0 gives "".
std::u16string String(int n, char16_t c);

// The one text order of the engine and the data builder: binary order of UTF-16
// code units, a prefix before the longer text. Returns <0, 0 or >0.
// std::u16string's operator< and std::sort agree with it.
int compare(std::u16string_view a, std::u16string_view b);

// The character that sorts after every other one; texts made of it bound a
// search range from above (our replacement for the runtime's "code 255").
inline constexpr char16_t kHighestChar = u'\uFFFF';

}  // namespace kovari::text
