// Val (the leading number of a text) and the general numeric test. They read
// numbers differently on purpose: Val stops at the first character that cannot
// continue a number and knows ASCII digits only; the numeric test needs the
// whole text to be a number and accepts full-width forms, thousands separators,
// a currency sign, parentheses and trailing signs.
#include <algorithm>
#include <cstdint>

#include "text/decimal.h"
#include "text/vb.h"

namespace kovari::text {
namespace {

using detail::DecimalDigits;
using detail::is_ascii_digit;

constexpr bool is_exponent_mark(char16_t c) {
  return c == u'E' || c == u'e' || c == u'D' || c == u'd';
}

// A cursor over the text that Val reads: blanks, tabs and line feeds do not
// count anywhere.
class ValReader {
 public:
  explicit ValReader(std::u16string_view s) : s_(s) {}

  // The next character that counts, or 0 at the end.
  char16_t peek() {
    while (pos_ < s_.size() && (s_[pos_] == u' ' || s_[pos_] == u'\t' || s_[pos_] == u'\n')) {
      ++pos_;
    }
    return pos_ < s_.size() ? s_[pos_] : 0;
  }
  void advance() { ++pos_; }
  std::size_t position() const { return pos_; }
  void rewind(std::size_t pos) { pos_ = pos; }

 private:
  std::u16string_view s_;
  std::size_t pos_ = 0;
};

void read_val_exponent(ValReader& reader, DecimalDigits& digits) {
  const std::size_t mark = reader.position();
  reader.advance();
  bool negative = false;
  if (reader.peek() == u'+' || reader.peek() == u'-') {
    negative = reader.peek() == u'-';
    reader.advance();
  }
  if (!is_ascii_digit(reader.peek())) {
    reader.rewind(mark);  // "1e" is 1: the mark does not belong to the number
    return;
  }
  while (is_ascii_digit(reader.peek())) {
    digits.add_exponent_digit(reader.peek());
    reader.advance();
  }
  if (negative) digits.exponent = -digits.exponent;
}

}  // namespace

std::optional<double> try_val(std::u16string_view s) {
  ValReader reader(s);
  DecimalDigits digits;
  if (reader.peek() == u'+' || reader.peek() == u'-') {
    digits.negative = reader.peek() == u'-';
    reader.advance();
  }
  bool point = false;
  for (char16_t c = reader.peek(); is_ascii_digit(c) || (c == u'.' && !point); c = reader.peek()) {
    if (c == u'.') {
      point = true;
    } else {
      (point ? digits.fraction : digits.integer).push_back(static_cast<char>(c));
    }
    reader.advance();
  }
  if (digits.integer.empty() && digits.fraction.empty()) return 0.0;
  if (is_exponent_mark(reader.peek())) read_val_exponent(reader, digits);
  return detail::to_double(digits);
}

double Val(std::u16string_view s) { return try_val(s).value_or(0.0); }

namespace {

// The numeric test sees full-width characters as their narrow forms.
constexpr char16_t fold_width(char16_t c) {
  if (c >= 0xFF01 && c <= 0xFF5E) return static_cast<char16_t>(c - 0xFEE0);
  if (c == 0x3000) return u' ';
  return c;
}

constexpr bool is_numeric_blank(char16_t c) {
  return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n';
}

constexpr bool is_yen_sign(char16_t c) { return c == u'\\' || c == 0x00A5 || c == 0xFFE5; }

int digit_value(char16_t c, int radix) {
  int value = 99;
  if (is_ascii_digit(c)) value = c - u'0';
  if (c >= u'A' && c <= u'F') value = c - u'A' + 10;
  if (c >= u'a' && c <= u'f') value = c - u'a' + 10;
  return value < radix ? value : -1;
}

class NumericParser {
 public:
  explicit NumericParser(std::u16string_view s) : s_(s) {}

  std::optional<double> parse() {
    skip_blanks();
    const bool parenthesised = accept(u'(');
    skip_blanks();
    const bool yen = accept_if(is_yen_sign);
    skip_blanks();
    const std::optional<char16_t> leading_sign = accept_sign();
    skip_blanks();
    if (!yen) accept_if(is_yen_sign);
    skip_blanks();

    std::optional<double> value = peek() == u'&' ? read_radix_integer() : read_decimal();
    if (!value) return std::nullopt;

    skip_blanks();
    std::optional<char16_t> sign = leading_sign;
    if (!sign) sign = accept_sign();
    skip_blanks();
    if (parenthesised) {
      if (sign || !accept(u')')) return std::nullopt;
      sign = u'-';
      skip_blanks();
    }
    if (pos_ != s_.size()) return std::nullopt;
    return sign == u'-' ? -*value : *value;
  }

 private:
  char16_t peek() const { return pos_ < s_.size() ? fold_width(s_[pos_]) : 0; }
  bool accept(char16_t c) {
    if (pos_ == s_.size() || peek() != c) return false;
    ++pos_;
    return true;
  }
  bool accept_if(bool (*test)(char16_t)) {
    if (pos_ == s_.size() || !test(peek())) return false;
    ++pos_;
    return true;
  }
  std::optional<char16_t> accept_sign() {
    const char16_t c = peek();
    if (c != u'+' && c != u'-') return std::nullopt;
    ++pos_;
    return c;
  }
  void skip_blanks() {
    while (pos_ < s_.size() && is_numeric_blank(peek())) ++pos_;
  }

  // digits with "," after the first one, an optional fraction and exponent.
  std::optional<double> read_decimal() {
    DecimalDigits digits;
    for (char16_t c = peek(); is_ascii_digit(c) || (c == u',' && !digits.integer.empty());
         c = peek()) {
      if (c != u',') digits.integer.push_back(static_cast<char>(c));
      ++pos_;
    }
    if (accept(u'.')) {
      for (; is_ascii_digit(peek()); ++pos_) digits.fraction.push_back(static_cast<char>(peek()));
    }
    if (digits.integer.empty() && digits.fraction.empty()) return std::nullopt;
    if (is_exponent_mark(peek())) {
      ++pos_;
      const std::optional<char16_t> sign = accept_sign();
      if (!is_ascii_digit(peek())) return std::nullopt;
      for (; is_ascii_digit(peek()); ++pos_) digits.add_exponent_digit(peek());
      if (sign == u'-') digits.exponent = -digits.exponent;
    }
    return detail::to_double(digits);
  }

  // "&H1F" or "&O17": up to 16 bits read as a signed 16-bit integer, larger
  // values up to 32 bits as a signed 32-bit one.
  std::optional<double> read_radix_integer() {
    ++pos_;
    int radix = 0;
    if (accept(u'H') || accept(u'h')) {
      radix = 16;
    } else if (accept(u'O') || accept(u'o')) {
      radix = 8;
    }
    if (radix == 0 || digit_value(peek(), radix) < 0) return std::nullopt;
    std::uint64_t value = 0;
    for (int d = digit_value(peek(), radix); d >= 0; d = digit_value(peek(), radix)) {
      value = value * radix + d;
      if (value > 0xFFFFFFFFu) return std::nullopt;
      ++pos_;
    }
    if (value <= 0xFFFF) return static_cast<double>(static_cast<std::int16_t>(value));
    return static_cast<double>(static_cast<std::int32_t>(value));
  }

  std::u16string_view s_;
  std::size_t pos_ = 0;
};

}  // namespace

std::optional<double> parse_numeric(std::u16string_view s) { return NumericParser(s).parse(); }

bool IsNumeric(std::u16string_view s) {
  // Plain digits, the usual case, always read as a number (up to 15 digits
  // nothing can overflow).
  if (!s.empty() && s.size() <= 15 && std::all_of(s.begin(), s.end(), is_ascii_digit)) return true;
  return parse_numeric(s).has_value();
}

}  // namespace kovari::text
