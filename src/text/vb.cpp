#include "text/vb.h"

#include <algorithm>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace kovari::text {
namespace {

// Index of the first c in s at or after from, or npos. The searches of the
// engine run over short texts many times each, so eight characters are
// compared at once where the machine can.
std::size_t find_unit(std::u16string_view s, char16_t c, std::size_t from) {
  std::size_t i = from;
#if defined(__SSE2__)
  const __m128i wanted = _mm_set1_epi16(static_cast<short>(c));
  for (; i + 8 <= s.size(); i += 8) {
    const __m128i units = _mm_loadu_si128(reinterpret_cast<const __m128i*>(s.data() + i));
    const int hits = _mm_movemask_epi8(_mm_cmpeq_epi16(units, wanted));
    if (hits != 0) return i + static_cast<std::size_t>(__builtin_ctz(hits)) / 2;
  }
#endif
  for (; i < s.size(); ++i) {
    if (s[i] == c) return i;
  }
  return std::u16string_view::npos;
}

// s.find(x, from) by its first character.
std::size_t find_text(std::u16string_view s, std::u16string_view x, std::size_t from) {
  if (x.size() > s.size()) return std::u16string_view::npos;
  const std::size_t last_start = s.size() - x.size();
  const std::u16string_view rest = x.substr(1);
  for (std::size_t i = find_unit(s, x[0], from); i <= last_start; i = find_unit(s, x[0], i + 1)) {
    if (s.substr(i + 1, rest.size()) == rest) return i;
  }
  return std::u16string_view::npos;
}

}  // namespace

int Len(std::u16string_view s) { return static_cast<int>(s.size()); }

std::u16string Left(std::u16string_view s, int n) { return std::u16string(left_view(s, n)); }
std::u16string Right(std::u16string_view s, int n) { return std::u16string(right_view(s, n)); }
std::u16string Mid(std::u16string_view s, int start) { return std::u16string(mid_view(s, start)); }
std::u16string Mid(std::u16string_view s, int start, int length) {
  return std::u16string(mid_view(s, start, length));
}

std::optional<std::u16string> try_left(std::u16string_view s, int n) {
  if (n < 0) return std::nullopt;
  return Left(s, n);
}

std::optional<std::u16string> try_right(std::u16string_view s, int n) {
  if (n < 0) return std::nullopt;
  return Right(s, n);
}

std::optional<std::u16string> try_mid(std::u16string_view s, int start) {
  if (start < 1) return std::nullopt;
  return Mid(s, start);
}

std::optional<std::u16string> try_mid(std::u16string_view s, int start, int length) {
  if (start < 1 || length < 0) return std::nullopt;
  return Mid(s, start, length);
}

int detail::instr_search(int start, std::u16string_view s1, std::u16string_view s2) {
  if (start < 1 || s1.empty()) return 0;
  const std::size_t from = static_cast<std::size_t>(start) - 1;
  if (s2.empty()) return from <= s1.size() ? start : 0;
  if (from >= s1.size()) return 0;
  const std::size_t found = s2.size() == 1 ? find_unit(s1, s2[0], from) : find_text(s1, s2, from);
  return found == std::u16string_view::npos ? 0 : static_cast<int>(found) + 1;
}

int InStrRev(std::u16string_view s1, std::u16string_view s2) {
  if (s1.empty()) return 0;
  if (s2.empty()) return Len(s1);
  const std::size_t found = s1.rfind(s2);
  return found == std::u16string_view::npos ? 0 : static_cast<int>(found) + 1;
}

std::u16string Trim(std::u16string_view s) { return std::u16string(trim_view(s)); }

namespace {

std::u16string replace_occurrences(std::u16string_view s, std::u16string_view find,
                                   std::u16string_view with, bool all) {
  if (find.empty()) return std::u16string(s);
  std::u16string result;
  result.reserve(s.size());
  std::size_t from = 0;
  for (std::size_t found = s.find(find); found != std::u16string_view::npos;
       found = s.find(find, from)) {
    result.append(s.substr(from, found - from)).append(with);
    from = found + find.size();
    if (!all) break;
  }
  result.append(s.substr(from));
  return result;
}

}  // namespace

std::u16string Replace(std::u16string_view s, std::u16string_view find, std::u16string_view with) {
  return replace_occurrences(s, find, with, true);
}

std::u16string ReplaceFirst(std::u16string_view s, std::u16string_view find,
                            std::u16string_view with) {
  return replace_occurrences(s, find, with, false);
}

std::u16string String(int n, char16_t c) {
  if (n < 0) return {};
  return std::u16string(static_cast<std::size_t>(n), c);
}

int compare(std::u16string_view a, std::u16string_view b) { return a.compare(b); }

}  // namespace kovari::text
