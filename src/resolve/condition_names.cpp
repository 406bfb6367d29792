#include "resolve/condition_names.h"

#include "resolve/condition_text.h"
#include "text/strconv.h"
#include "text/vb.h"

namespace kovari::resolve {

using text::InStr;
using text::Trim;

void split_condition_prefix(std::u16string& c, std::u16string& prefix) {
  const std::u16string trimmed = Trim(c);
  if (leading_number(text::left_view(trimmed, 1)) != 0) return;
  const int digit = first_digit(trimmed);
  if (digit == 0) return;
  prefix = text::Left(trimmed, digit - 1);
  // The upper bound of a range repeats the prefix ("第9地割~第11地割").
  c = text::Replace(text::Mid(trimmed, digit), u"~" + prefix, u"~");
}

bool match_north_south(std::u16string_view c, const ConditionAddress& a) {
  const std::u16string_view word = text::trim_view(c);
  if (word != u"南" && word != u"北") return false;
  const std::u16string_view other = word == u"南" ? u"北" : u"南";
  std::u16string address(a.town);
  address.append(a.chome).append(a.banchi).append(a.go);
  const int word_at = InStr(address, word);
  if (word_at == 0) return false;
  const int other_at = InStr(address, other);
  return other_at == 0 || other_at < word_at;
}

namespace {

std::u16string_view kanji_of(int n, const KanjiNumerals& kanji_num) {
  return n >= 0 && n <= 50 ? std::u16string_view(kanji_num[n]) : std::u16string_view();
}

// Whether the trimmed town area is the record's name followed by key.
bool town_is(const ConditionAddress& a, std::u16string_view name, std::u16string_view key) {
  std::u16string expected = Trim(name);
  expected += Trim(key);
  return text::trim_view(a.town) == expected;
}

}  // namespace

bool match_sen_condition(std::u16string_view name, std::u16string_view c,
                         std::u16string_view prefix, const ConditionAddress& a,
                         const KanjiNumerals& kanji_num) {
  const NumberSplit split = split_first_number(c);
  if (!split.found) return false;
  const int tail_at = first_digit(split.rest);
  const std::u16string rest = tail_at != 0 ? text::Left(split.rest, tail_at - 1) : split.rest;
  const std::u16string tail = tail_at != 0 ? text::Mid(split.rest, tail_at) : std::u16string();
  // The town area is full-width; the condition was narrowed for its marks.
  const std::u16string key = text::to_wide(Trim(prefix) + Trim(split.head) +
                                           Trim(kanji_of(split.number, kanji_num)) + rest);
  if (!town_is(a, name, key)) return false;
  if (tail.empty()) return true;
  const int tilde = InStr(tail, u"~");
  const double lo = tilde != 0 ? number_before(tail, tilde) : leading_number(tail);
  const double hi = tilde != 0 ? number_after(tail, tilde) : lo;
  if (a.p5 == 0) return false;
  return (lo <= a.p5 && a.p5 <= hi) || (lo <= a.p6 && a.p6 <= hi);
}

bool match_ku_condition(std::u16string_view name, std::u16string_view c, const ConditionAddress& a,
                        const KanjiNumerals& kanji_num) {
  const NumberSplit split = split_first_number(c);
  if (!split.found) return false;
  const std::u16string key =
      text::to_wide(Trim(split.head) + Trim(kanji_of(split.number, kanji_num)) + split.rest);
  return town_is(a, name, key);
}

bool match_line_name_range(std::u16string_view name, std::u16string_view c, int tilde,
                           const ConditionAddress& a) {
  // The 条/線 numeral rule leaves these names as they are: "０" is its own
  // kanji numeral and the rest has no Arabic digit.
  static constexpr std::u16string_view kNumerals[] = {u"０", u"一", u"二", u"三", u"四",
                                                      u"五", u"六", u"七", u"八", u"九"};
  static constexpr std::u16string_view kTowns[] = {u"生振", u"生振村"};
  const std::u16string first = std::u16string(name) + text::to_wide(text::left_view(c, tilde - 1));
  for (const std::u16string_view town : kTowns) {
    if (first != std::u16string(town) + u"０線南") continue;
    for (const std::u16string_view numeral : kNumerals) {
      if (a.town == std::u16string(town) + std::u16string(numeral) + u"線南") return true;
    }
  }
  return false;
}

}  // namespace kovari::resolve
