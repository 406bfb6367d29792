#include "resolve/approx_numerals.h"

#include <algorithm>
#include <string>
#include <utility>

namespace kovari::resolve {
namespace {

constexpr std::u16string_view kKanjiDigits = u"〇一二三四五六七八九";
constexpr int kMaxNumber = 999;

// The characters after which a numeral in a town-area name is a number.
constexpr std::u16string_view kNumbering = u"番条線区号丁組軒地";

int digit_value(char16_t c) { return c >= u'０' ? c - u'０' : c - u'0'; }

// The end of the run of characters from `at` that `in_run` accepts.
template <typename Pred>
std::size_t run_end(std::u16string_view s, std::size_t at, Pred in_run) {
  while (at < s.size() && in_run(s[at])) ++at;
  return at;
}

}  // namespace

bool is_kanji_numeral(char16_t c) {
  return kKanjiDigits.find(c) != std::u16string_view::npos || c == u'十' || c == u'百';
}

bool is_any_digit(char16_t c) { return (c >= u'0' && c <= u'9') || (c >= u'０' && c <= u'９'); }

std::optional<int> kanji_numeral_value(std::u16string_view run) {
  int total = 0;
  int digit = -1;        // a digit waiting for its 十 or 百, or for the end
  int last_unit = 1000;  // units must fall: 百 before 十
  for (char16_t c : run) {
    if (const std::size_t d = kKanjiDigits.find(c); d != std::u16string_view::npos) {
      if (digit >= 0) return std::nullopt;  // two digits in a row (二三)
      digit = static_cast<int>(d);
      continue;
    }
    const int unit = c == u'百' ? 100 : c == u'十' ? 10 : 0;
    if (unit == 0 || unit >= last_unit) return std::nullopt;
    total += (digit < 0 ? 1 : digit) * unit;
    digit = -1;
    last_unit = unit;
  }
  if (run.empty()) return std::nullopt;
  return total + (digit < 0 ? 0 : digit);
}

std::u16string wide_digits(int n) {
  std::u16string out;
  for (char c : std::to_string(n)) out += static_cast<char16_t>(u'０' + (c - '0'));
  return out;
}

std::u16string kanji_numeral(int n) {
  if (n == 0) return u"〇";
  std::u16string out;
  for (const auto& [unit, name] : {std::pair{100, u'百'}, std::pair{10, u'十'}}) {
    const int count = n / unit % 10;
    if (count > 1) out += kKanjiDigits[count];
    if (count > 0) out += name;
  }
  if (n % 10 != 0) out += kKanjiDigits[n % 10];
  return out;
}

std::optional<std::u16string> numbers_written_otherwise(std::u16string_view name) {
  std::u16string out;
  bool changed = false;
  for (std::size_t i = 0; i < name.size();) {
    const bool kanji = is_kanji_numeral(name[i]);
    const std::size_t end = kanji                   ? run_end(name, i, is_kanji_numeral)
                            : is_any_digit(name[i]) ? run_end(name, i, is_any_digit)
                                                    : i;
    const bool numbered =
        end > i && end < name.size() && kNumbering.find(name[end]) != std::u16string_view::npos;
    std::optional<int> value;
    if (numbered && kanji) {
      value = kanji_numeral_value(name.substr(i, end - i));
    } else if (numbered && end - i <= 3) {
      int n = 0;
      for (std::size_t k = i; k < end; ++k) n = n * 10 + digit_value(name[k]);
      value = n;
    }
    if (!value || *value > kMaxNumber) {
      out.append(name.substr(i, std::max(end, i + 1) - i));
      i = std::max(end, i + 1);
      continue;
    }
    out += kanji ? wide_digits(*value) : kanji_numeral(*value);
    changed = true;
    i = end;
  }
  if (!changed) return std::nullopt;
  return out;
}

}  // namespace kovari::resolve
