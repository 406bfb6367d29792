#include "text/decimal.h"

#include <charconv>
#include <system_error>

namespace kovari::text::detail {
namespace {

// Position of the first significant digit relative to the decimal point
// (123.4 -> 3, 0.05 -> -1), or 0 for a zero mantissa.
long mantissa_magnitude(const DecimalDigits& digits) {
  const std::size_t first = digits.integer.find_first_not_of('0');
  if (first != std::string::npos) return static_cast<long>(digits.integer.size() - first);
  const std::size_t first_fraction = digits.fraction.find_first_not_of('0');
  if (first_fraction != std::string::npos) return -static_cast<long>(first_fraction);
  return 0;
}

}  // namespace

std::optional<double> to_double(const DecimalDigits& digits) {
  // A whole number of up to 15 digits is exact in a double, the usual case
  // (block numbers, floors, codes): no text to build.
  if (digits.fraction.empty() && digits.exponent == 0 && digits.integer.size() <= 15) {
    double value = 0;
    for (const char d : digits.integer) value = value * 10 + (d - '0');
    return digits.negative ? -value : value;
  }
  std::string text = digits.integer.empty() ? std::string("0") : digits.integer;
  if (!digits.fraction.empty()) text.append(".").append(digits.fraction);
  if (digits.exponent != 0) text.append("e").append(std::to_string(digits.exponent));

  double value = 0;
  const std::from_chars_result result =
      std::from_chars(text.data(), text.data() + text.size(), value);
  if (result.ec == std::errc::result_out_of_range) {
    if (mantissa_magnitude(digits) + digits.exponent > 0) return std::nullopt;
    value = 0;
  }
  return digits.negative ? -value : value;
}

}  // namespace kovari::text::detail
