#include "text/format.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "text/vb.h"

namespace kovari::text {
namespace {

// A pattern split into its integer and fraction sections.
struct DigitPattern {
  // A "0" or "#" placeholder, or a character shown as it stands.
  struct Item {
    char16_t c;
    bool placeholder;
  };
  using Section = std::vector<Item>;
  Section integer;
  Section fraction;
  bool has_point = false;
  bool grouping = false;
  int thousands_scale = 0;  // each "," after the last integer placeholder divides by 1000
  int integer_placeholders = 0;
  int decimals = 0;
};

DigitPattern parse_pattern(std::u16string_view pattern) {
  DigitPattern parsed;
  std::vector<int> comma_positions;  // integer placeholders seen before each ","
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    DigitPattern::Section& section = parsed.has_point ? parsed.fraction : parsed.integer;
    const char16_t c = pattern[i];
    if (c == u'\\' && i + 1 < pattern.size()) {
      section.push_back({pattern[++i], false});
    } else if (c == u'"') {
      const std::size_t close = pattern.find(u'"', i + 1);
      const std::size_t end = close == std::u16string_view::npos ? pattern.size() : close;
      for (std::size_t j = i + 1; j < end; ++j) section.push_back({pattern[j], false});
      i = end;
    } else if (c == u'0' || c == u'#') {
      section.push_back({c, true});
      if (parsed.has_point) {
        ++parsed.decimals;
      } else {
        ++parsed.integer_placeholders;
      }
    } else if (c == u'.' && !parsed.has_point) {
      parsed.has_point = true;
    } else if (c == u',' && !parsed.has_point && parsed.integer_placeholders > 0) {
      comma_positions.push_back(parsed.integer_placeholders);
    } else {
      section.push_back({c, false});
    }
  }
  for (const int seen : comma_positions) {
    if (seen < parsed.integer_placeholders) {
      parsed.grouping = true;
    } else {
      ++parsed.thousands_scale;
    }
  }
  return parsed;
}

struct RoundedDigits {
  std::string integer;   // without leading zeros; empty for a zero integer part
  std::string fraction;  // exactly `decimals` digits
};

// The first `significant` digits of a positive value, rounded to nearest, and
// the position of the decimal point among them (123.4 -> "1234", 3).
struct ScientificDigits {
  std::string digits;
  long point;
};
ScientificDigits scientific_digits(double magnitude, int significant) {
  std::array<char, 32> text{};  // "d.dddddddddddddddde+ddd"
  const std::to_chars_result written =
      std::to_chars(text.data(), text.data() + text.size(), magnitude,
                    std::chars_format::scientific, significant - 1);
  const std::string_view written_text(text.data(),
                                      static_cast<std::size_t>(written.ptr - text.data()));
  const std::size_t mark = written_text.find('e');
  int exponent = 0;
  const std::size_t exponent_start = mark + 1 + (written_text[mark + 1] == '+' ? 1 : 0);
  std::from_chars(written_text.data() + exponent_start, written_text.data() + written_text.size(),
                  exponent);
  ScientificDigits result{std::string(1, written_text[0]), exponent + 1L};
  if (significant > 1) result.digits.append(written_text.substr(2, mark - 2));
  return result;
}

// |value| rounded half away from zero to `decimals` places, as the runtime
// does it: the side of a tie is the binary value's (read with 17 significant
// digits, which tell every double from its neighbours: 1.005 is stored as
// 1.00499999999999989... and rounds down), and at most 15 significant digits
// are shown, the places beyond them as zeros.
RoundedDigits round_magnitude(double value, int decimals) {
  constexpr int kExactDigits = 17;
  constexpr int kShownDigits = 15;
  const double magnitude = std::fabs(value);
  RoundedDigits rounded;
  if (magnitude == std::trunc(magnitude) && magnitude < 1e15) {
    const auto whole = static_cast<std::int64_t>(magnitude);
    if (whole != 0) rounded.integer = std::to_string(whole);
    rounded.fraction.assign(static_cast<std::size_t>(decimals), '0');
    return rounded;
  }
  // digits[0, point) is the integer part, digits[point, ...) the fraction.
  ScientificDigits exact = scientific_digits(magnitude, kExactDigits);
  const bool too_many = exact.point + decimals > kShownDigits;
  auto [digits, point] = too_many ? scientific_digits(magnitude, kShownDigits) : std::move(exact);
  if (point < 0) {
    digits.insert(0, static_cast<std::size_t>(-point), '0');
    point = 0;
  }
  const auto kept = static_cast<std::size_t>(point + decimals);
  if (digits.size() <= kept) digits.resize(kept + 1, '0');
  const bool round_up = !too_many && digits[kept] >= '5';
  digits.resize(kept);
  if (round_up) {
    std::size_t i = kept;
    while (i > 0 && digits[i - 1] == '9') digits[--i] = '0';
    if (i == 0) {
      digits.insert(digits.begin(), '1');
      ++point;
    } else {
      ++digits[i - 1];
    }
  }
  const auto integer_length = static_cast<std::size_t>(point);
  rounded.fraction = digits.substr(integer_length);
  const std::size_t first = digits.find_first_not_of('0');
  if (first < integer_length) rounded.integer = digits.substr(first, integer_length - first);
  return rounded;
}

// The integer section, built right to left: digits fill the placeholders from
// the right, the leftmost placeholder takes every remaining digit.
std::u16string render_integer(const DigitPattern& pattern, const std::string& digits) {
  std::u16string reversed;
  std::size_t remaining = digits.size();
  int shown = 0;
  auto push_digit = [&](char digit) {
    if (pattern.grouping && shown > 0 && shown % 3 == 0) reversed.push_back(u',');
    reversed.push_back(static_cast<char16_t>(digit));
    ++shown;
  };
  auto push_remaining = [&] {
    while (remaining > 0) push_digit(digits[--remaining]);
  };
  if (pattern.integer_placeholders == 0) push_remaining();
  int placeholders = 0;
  const DigitPattern::Section& section = pattern.integer;
  for (auto item = section.rbegin(); item != section.rend(); ++item) {
    if (!item->placeholder) {
      reversed.push_back(item->c);
      continue;
    }
    if (remaining > 0) {
      push_digit(digits[--remaining]);
    } else if (item->c == u'0') {
      push_digit('0');
    }
    if (++placeholders == pattern.integer_placeholders) push_remaining();
  }
  return std::u16string(reversed.rbegin(), reversed.rend());
}

// The fraction section: trailing "#" placeholders whose digit is 0 show nothing.
std::u16string render_fraction(const DigitPattern& pattern, const std::string& digits) {
  const DigitPattern::Section& section = pattern.fraction;
  std::size_t shown_digits = digits.size();
  for (auto item = section.rbegin(); item != section.rend() && shown_digits > 0; ++item) {
    if (!item->placeholder) continue;
    if (item->c != u'#' || digits[shown_digits - 1] != '0') break;
    --shown_digits;
  }
  std::u16string out(1, u'.');
  std::size_t next_digit = 0;
  for (const DigitPattern::Item& item : section) {
    if (!item.placeholder) {
      out.push_back(item.c);
    } else if (next_digit < shown_digits) {
      out.push_back(static_cast<char16_t>(digits[next_digit]));
      ++next_digit;
    }
  }
  return out;
}

}  // namespace

std::u16string Format(double value, std::u16string_view pattern) {
  if (!std::isfinite(value)) return {};
  const DigitPattern parsed = parse_pattern(pattern);
  for (int i = 0; i < parsed.thousands_scale; ++i) value /= 1000;
  const RoundedDigits rounded = round_magnitude(value, parsed.decimals);
  std::u16string out = value < 0 ? u"-" : u"";
  out += render_integer(parsed, rounded.integer);
  if (parsed.has_point) out += render_fraction(parsed, rounded.fraction);
  return out;
}

std::u16string Format(std::u16string_view value, std::u16string_view pattern) {
  const std::optional<double> number = parse_numeric(value);
  return number ? Format(*number, pattern) : std::u16string(value);
}

}  // namespace kovari::text
