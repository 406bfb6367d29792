#include "decompose/text_scan.h"

#include <cmath>
#include <cstdio>

#include "text/vb.h"

namespace kovari::decompose {

int first_digit(std::u16string_view s, int start) {
  for (int i = start < 1 ? 1 : start; i <= static_cast<int>(s.size()); ++i) {
    if (is_digit(s[i - 1])) return i;
  }
  return 0;
}

std::int64_t digits_value(std::u16string_view digits) {
  constexpr std::int64_t kCeiling = 1'000'000'000'000'000;
  std::int64_t value = 0;
  for (char16_t c : digits) {
    if (!is_digit(c)) break;
    const int d = c >= u'０' ? c - u'０' : c - u'0';
    value = value * 10 + d;
    if (value >= kCeiling) return kCeiling;
  }
  return value;
}

std::u16string plain_number(double value) {
  char buffer[40];
  if (std::isfinite(value) && std::fabs(value) < 1e15 && value == std::floor(value)) {
    std::snprintf(buffer, sizeof buffer, "%lld", static_cast<long long>(value));
  } else {
    std::snprintf(buffer, sizeof buffer, "%.15G", value);
  }
  return std::u16string(buffer, buffer + std::char_traits<char>::length(buffer));
}

}  // namespace kovari::decompose
