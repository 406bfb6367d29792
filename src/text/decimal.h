// Internal to the text module: turning collected decimal digits into a double.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace kovari::text::detail {

// The digits of a decimal number as a reader collected them.
struct DecimalDigits {
  bool negative = false;
  std::string integer;   // ASCII digits before the decimal point, maybe empty
  std::string fraction;  // ASCII digits after it, maybe empty
  long exponent = 0;     // power of ten, kept within +-kExponentLimit by the reader

  static constexpr long kExponentLimit = 100000;

  // Adds one exponent digit, saturating far beyond the range of a double.
  void add_exponent_digit(char16_t digit) {
    if (exponent < kExponentLimit) exponent = exponent * 10 + (digit - u'0');
  }
};

// The nearest double, or std::nullopt when the value is too large for one
// (a value too small becomes 0).
std::optional<double> to_double(const DecimalDigits& digits);

constexpr bool is_ascii_digit(char16_t c) { return c >= u'0' && c <= u'9'; }

}  // namespace kovari::text::detail
