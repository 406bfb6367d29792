#include "resolve/level_rules.h"

#include <algorithm>
#include <cmath>
#include <unordered_map>

#include "text/strconv.h"
#include "text/vb.h"

namespace kovari::resolve {

using decompose::kChomeNumber, decompose::kChiwari;
namespace {

using text::InStr;
using text::Mid;
using text::Trim;

// County and city names known to recur, for when no city table is loaded.
constexpr std::u16string_view kKnownRecurringNames[] = {
    u"愛知郡", u"虻田郡", u"安芸郡", u"賀茂郡", u"海部郡", u"空知郡", u"熊毛郡", u"佐波郡",
    u"三島郡", u"山県郡", u"鹿島郡", u"上川郡", u"神崎郡", u"石川郡", u"川上郡", u"川辺郡",
    u"大島郡", u"大野郡", u"中郡",   u"中川郡", u"天塩郡", u"那賀郡", u"府中市", u"勇払郡"};

// The 字 exception words when the table holds none.
constexpr std::u16string_view kJiWords[] = {u"阿字", u"文字", u"十字", u"呪字",
                                            u"分字", u"万字", u"和字"};

// The leading number of a text in narrow form ("" reads as 0).
double number_of(std::u16string_view s) { return text::Val(text::to_narrow(s)); }

// The part after the first 第, when there is one.
std::u16string after_dai(std::u16string_view s) {
  const int p = InStr(s, u"第");
  return p == 0 ? std::u16string(s) : Mid(s, p + 1);
}

// The kanji numeral of a 丁目 number from 1 to 50 (3 gives 三); empty for any
// other text.
std::u16string_view chome_kanji(std::u16string_view chome, const postaldb::PostalTables& tables) {
  if (chome.empty()) return {};
  std::size_t i = 0;
  if (chome.size() <= 2 &&
      std::all_of(chome.begin(), chome.end(), [](char16_t c) { return c >= u'0' && c <= u'9'; })) {
    // One or two digits, the usual number, read without the number parser.
    for (const char16_t c : chome) i = i * 10 + (c - u'0');
    if (i == 0 || i > 50) return {};
  } else {
    const std::optional<double> n = text::parse_numeric(chome);
    if (!n || *n <= 0 || *n > 50 || *n != std::floor(*n)) return {};
    i = static_cast<std::size_t>(*n);
  }
  return i < tables.kanji_num.size() ? std::u16string_view(tables.kanji_num[i]) : u"";
}

constexpr std::u16string_view kChome = u"丁目";

bool is_digit(char16_t c) { return (c >= u'0' && c <= u'9') || (c >= u'０' && c <= u'９'); }

// The 地割 number of one end of a range: the digits just before its "地割"
// (越中畑６４地割, 第６４地割), else the leading number after 第.
double chiwari_number(std::u16string_view part, bool has_dai) {
  const int mark = InStr(part, u"地割");
  int begin = mark;  // 1-based first digit before the mark
  while (begin > 1 && is_digit(part[begin - 2])) --begin;
  if (begin < mark) return number_of(part.substr(begin - 1, mark - begin));
  return number_of(has_dai ? after_dai(part) : std::u16string(part));
}

bool holds_ji_word(std::u16string_view area, const postaldb::PostalTables& tables) {
  if (tables.ji_word_count > 0) {
    for (int i = 1; i <= tables.ji_word_count && i < static_cast<int>(tables.ji_word.size()); ++i) {
      if (!tables.ji_word[i].empty() && InStr(area, tables.ji_word[i]) != 0) return true;
    }
    return false;
  }
  for (std::u16string_view w : kJiWords) {
    if (InStr(area, w) != 0) return true;
  }
  return false;
}

}  // namespace

int city_row_count(const postaldb::PostalTables& t) {
  const std::size_t rows =
      std::min({t.city_name1.size(), t.city_name2.size(), t.city_pos1.size(), t.city_kind.size()});
  return static_cast<int>(rows) - 1;
}

CityRows prefecture_city_rows(const postaldb::PostalTables& t, int pref) {
  const auto& first = t.pref_first_city;
  const int count = city_row_count(t);
  const int prefs = static_cast<int>(t.pref_name.size()) - 1;
  if (pref < 1 || pref >= static_cast<int>(first.size())) return {1, count};
  const int last =
      pref + 1 < static_cast<int>(first.size()) && pref < prefs ? first[pref + 1] - 1 : count;
  return {std::max(1, first[pref]), std::min(last, count)};
}

int prefecture_of_row(const postaldb::PostalTables& t, int row) {
  const int prefs =
      std::min(static_cast<int>(t.pref_name.size()), static_cast<int>(t.pref_first_city.size())) -
      1;
  for (int p = 1; p <= prefs; ++p) {
    const CityRows rows = prefecture_city_rows(t, p);
    if (row >= rows.first && row <= rows.last) return p;
  }
  return 0;
}

NameSet recurring_city_names(const postaldb::PostalTables& tables) {
  NameSet names;
  const int rows = static_cast<int>(tables.city_name1.size()) - 1;
  if (rows < 1) {
    for (std::u16string_view n : kKnownRecurringNames) names.emplace(n);
    return names;
  }
  std::unordered_map<std::u16string, int> blocks;
  std::u16string previous;
  for (int r = 1; r <= rows; ++r) {
    std::u16string name = Trim(tables.city_name1[r]);
    if (r == 1 || name != previous) ++blocks[name];
    previous = std::move(name);
  }
  for (auto& [name, count] : blocks) {
    if (count > 1 && !name.empty()) names.insert(name);
  }
  return names;
}

bool is_ward_name(std::u16string_view name, const postaldb::PostalTables& tables) {
  name = text::trim_view(name);
  if (!name.ends_with(u"区")) return false;
  return std::any_of(tables.city_name2.begin(), tables.city_name2.end(),
                     [name](const std::u16string& ward) { return text::trim_view(ward) == name; });
}

bool city_name_unique(std::u16string_view city, const NameSet& recurring) {
  return city.empty() || recurring.find(city) == recurring.end();
}

void chome_key(std::u16string_view area, std::u16string_view chome,
               const postaldb::PostalTables& tables, std::u16string& key) {
  const std::u16string_view trimmed = text::trim_view(area);
  const std::u16string_view kanji = chome_kanji(chome, tables);
  key.resize(trimmed.size() + kanji.size() + kChome.size());
  std::copy(kChome.begin(), kChome.end(),
            std::copy(kanji.begin(), kanji.end(),
                      std::copy(trimmed.begin(), trimmed.end(), key.begin())));
}

void drop_kanji_chome(std::u16string& area, std::u16string_view chome,
                      const postaldb::PostalTables& tables) {
  const std::u16string_view kanji = chome_kanji(chome, tables);
  // No number, or nothing left.
  if (kanji.empty() || area.size() <= kanji.size() + kChome.size()) return;
  const std::u16string_view tail = std::u16string_view(area).substr(area.size() - kChome.size());
  if (tail == kChome &&
      std::u16string_view(area).substr(0, area.size() - kChome.size()).ends_with(kanji)) {
    area.resize(area.size() - kanji.size() - kChome.size());
  }
}

bool chiwari_in_range(std::u16string_view name, const decompose::DecompositionSlot& slot) {
  if (slot.addr_flag[kChiwari] == 0 || InStr(name, u"地割") == 0) return false;
  const int wave = InStr(name, u"～");
  const std::u16string lower = wave == 0 ? std::u16string(name) : text::Left(name, wave - 1);
  const std::u16string upper = wave == 0 ? std::u16string() : Mid(name, wave + 1);
  const bool has_dai = InStr(name, u"第") != 0;
  const double value = number_of(slot.addr_part[kChomeNumber]);
  return chiwari_number(lower, has_dai) <= value && value <= chiwari_number(upper, has_dai);
}

void strip_aza(std::u16string& area, decompose::DecompositionSlot& slot, int slot_number,
               const postaldb::PostalTables& tables) {
  slot.koaza_text.clear();
  // Both words hold 字, which most town areas do not.
  if (area.find(u'字') != std::u16string::npos) {
    if (const int p = InStr(area, u"大字"); p == 1) {
      area = Mid(area, 3);
    } else if (p > 1) {
      area = Trim(text::Left(area, p - 1)) + Mid(area, p + 2);
    }
    if (const int q = InStr(area, u"字"); q != 0 && !holds_ji_word(area, tables)) {
      if (q == 1) {
        area = Mid(area, 2);
      } else {
        slot.koaza_text = Mid(area, q + 1);
        area = Trim(text::Left(area, q - 1));
      }
    }
  }
  if (slot_number == 2) area += slot.koaza_text;
}

}  // namespace kovari::resolve
