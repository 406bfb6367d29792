#include "decompose/town_area_exceptions.h"

#include <algorithm>
#include <array>
#include <cstdint>

#include "decompose/text_scan.h"
#include "text/vb.h"

namespace kovari::decompose {
namespace {

enum class Rule {
  // City rules.
  KoriyamaHiwada,    // 日和田町八丁目 ends after 丁
  GifuChomeTown,     // 丁目北町 / 丁目南町 end the town area
  NabariMihata,      // 美旗町 ends at 番
  KamisuHiraizumi,   // 神栖町's 平泉外12入会
  KakamigaharaNaka,  // 那加桐野外2ｹ所入会地
  // Rules of towns, some shared with cities.
  EndAtKu,           // the town area ends at 区 (0 without one)
  DaiNumber,         // D1: 第 + digit
  NumberBeforeKu,    // D2: a number before 区
  BanDori,           // D3: 番通
  GoPlusOne,         // ends after 号
  WholeWithDai,      // D4: 第 + digit makes the whole text the town area
  NoToori,           // D5: digit + の通り
  ChomePlusThree,    // ends three characters after 丁
  ChomePlusOne,      // ends after 丁
  GoPlusOneNoChome,  // ends after 号; 丁 is no block marker
  EndAtBan,          // the town area ends at 番
};

struct PlaceRule {
  std::u16string_view place;
  Rule rule;
};

// Cities and counties with a rule of their own, in test order; a listed city
// ends the operation whether or not its rule's condition holds.
constexpr std::array<PlaceRule, 7> kCityRules = {{
    {u"喜多方市", Rule::ChomePlusOne},
    {u"郡山市", Rule::KoriyamaHiwada},
    {u"岐阜市", Rule::GifuChomeTown},
    {u"松阪市", Rule::EndAtKu},
    {u"名張市", Rule::NabariMihata},
    {u"鹿島郡", Rule::KamisuHiraizumi},
    {u"各務原市", Rule::KakamigaharaNaka},
}};

// Towns and villages whose town-area names hold block characters, in test order.
constexpr std::array<PlaceRule, 18> kTownRules = {{
    {u"長沼町", Rule::EndAtKu},
    {u"浦臼町", Rule::DaiNumber},
    {u"妹背牛町", Rule::EndAtKu},
    {u"雨竜町", Rule::NumberBeforeKu},
    {u"東神楽町", Rule::BanDori},
    {u"東川町", Rule::GoPlusOne},
    {u"上富良野町", Rule::WholeWithDai},
    {u"剣淵町", Rule::EndAtKu},
    {u"東藻琴村", Rule::EndAtKu},
    {u"滝上町", Rule::EndAtKu},
    {u"厚岸町", Rule::NoToori},
    {u"象潟町", Rule::ChomePlusThree},
    {u"保原町", Rule::ChomePlusOne},
    {u"武豊町", Rule::GoPlusOneNoChome},
    {u"知須町", Rule::EndAtKu},
    {u"大島町", Rule::EndAtKu},
    {u"阿知須町", Rule::EndAtKu},
    {u"中新田町", Rule::EndAtBan},
}};

// Numbers before 区 of 雨竜町 whose town area ends at 区, two or three
// characters after it.
constexpr std::array<int, 14> kUryuEndAtKu = {1, 2, 3, 6, 7, 8, 9, 10, 11, 12, 16, 17, 18, 24};
constexpr std::array<int, 6> kUryuEndAfterTwo = {4, 5, 14, 15, 21, 22};
constexpr std::array<int, 2> kUryuEndAfterThree = {19, 20};

template <std::size_t N>
bool listed(const std::array<int, N>& list, int n) {
  return std::find(list.begin(), list.end(), n) != list.end();
}

int digit_value_at(std::u16string_view text, int pos) {
  return digit_at(text, pos) ? static_cast<int>(digits_value(text.substr(pos - 1, 1))) : 0;
}

// "第" followed by a digit, not at the very end of the text.
int dai_with_digit(std::u16string_view text) {
  const int p = text::InStr(text, u"第");
  return p != 0 && p < text::Len(text) && digit_at(text, p + 1) ? p : 0;
}

void apply_rule(Rule rule, std::u16string_view town, std::u16string_view text, Marks& P) {
  const int L = text::Len(text);
  switch (rule) {
    case Rule::KoriyamaHiwada:
      if (contains(text, u"日和田町八丁目") && P[kCho] != 0) P[kTownAreaEnd] = P[kCho] + 1;
      break;
    case Rule::GifuChomeTown:
      for (std::u16string_view name : {u"丁目北町", u"丁目南町"}) {
        if (contains(text, name) && P[kCho] != 0) {
          P[kTownAreaEnd] = P[kCho] + 3;
          P[kCho] = 0;
        }
      }
      break;
    case Rule::NabariMihata:
      if (contains(text, u"美旗町")) P[kTownAreaEnd] = P[kBan];
      break;
    case Rule::KamisuHiraizumi:
      if (town == u"神栖町") {
        if (const int p = text::InStr(text, u"平泉外12入会"); p != 0) P[kTownAreaEnd] = p + 6;
      }
      break;
    case Rule::KakamigaharaNaka:
      if (const int p = text::InStr(text, u"那加桐野外2ｹ所入会地"); p != 0)
        P[kTownAreaEnd] = p + 10;
      break;
    case Rule::EndAtKu:
      P[kTownAreaEnd] = P[kTownKu];
      break;
    case Rule::DaiNumber:
      if (const int p = dai_with_digit(text); p != 0) P[kTownAreaEnd] = p + 1;
      break;
    case Rule::NumberBeforeKu: {
      if (P[kTownKu] == 0) break;
      const int n =
          digit_value_at(text, P[kTownKu] - 1) + 10 * digit_value_at(text, P[kTownKu] - 2);
      if (listed(kUryuEndAtKu, n)) {
        P[kTownAreaEnd] = P[kTownKu];
      } else if (listed(kUryuEndAfterTwo, n)) {
        P[kTownAreaEnd] = P[kTownKu] + 2;
      } else if (listed(kUryuEndAfterThree, n)) {
        P[kTownAreaEnd] = P[kTownKu] + 3;
      }
      break;
    }
    case Rule::BanDori: {
      const int p = text::InStr(text, u"番通");
      P[kTownAreaEnd] = p != 0 ? p + 1 : P[kGo];
      break;
    }
    case Rule::GoPlusOne:
      if (P[kGo] != 0) P[kTownAreaEnd] = P[kGo] + 1;
      break;
    case Rule::WholeWithDai:
      if (dai_with_digit(text) != 0) P[kTownAreaEnd] = L;
      break;
    case Rule::NoToori: {
      const int p = text::InStr(text, u"の通り");
      if (p > 1 && digit_at(text, p - 1)) P[kTownAreaEnd] = p + 2;
      break;
    }
    case Rule::ChomePlusThree:
      if (P[kCho] != 0) P[kTownAreaEnd] = P[kCho] + 3;
      break;
    case Rule::ChomePlusOne:
      if (P[kCho] != 0) P[kTownAreaEnd] = P[kCho] + 1;
      break;
    case Rule::GoPlusOneNoChome:
      if (P[kGo] != 0) P[kTownAreaEnd] = P[kGo] + 1;
      P[kCho] = 0;
      break;
    case Rule::EndAtBan:
      P[kTownAreaEnd] = P[kBan];
      break;
  }
}

// The first characters of a list's places as bits, so that most names are
// told apart from every place of a list with one test.
template <std::size_t N>
constexpr std::uint64_t first_char_bits(const std::array<PlaceRule, N>& rules) {
  std::uint64_t bits = 0;
  for (const PlaceRule& entry : rules) bits |= std::uint64_t{1} << (entry.place[0] % 64);
  return bits;
}

constexpr std::uint64_t kCityFirstChars = first_char_bits(kCityRules);
constexpr std::uint64_t kTownFirstChars = first_char_bits(kTownRules);

// The rule of the place named name in rules (whose first characters are
// first_chars), or nullptr.
template <std::size_t N>
const PlaceRule* rule_of(const std::array<PlaceRule, N>& rules, std::uint64_t first_chars,
                         std::u16string_view name) {
  if (name.empty() || (first_chars >> (name[0] % 64) & 1) == 0) return nullptr;
  for (const PlaceRule& entry : rules) {
    if (entry.place == name) return &entry;
  }
  return nullptr;
}

}  // namespace

void town_area_exceptions(std::u16string_view city, std::u16string_view town,
                          std::u16string_view text, Marks& flag) {
  flag[30] = 0;
  if (const PlaceRule* entry = rule_of(kCityRules, kCityFirstChars, city)) {
    apply_rule(entry->rule, town, text, flag);
  } else if (const PlaceRule* entry = rule_of(kTownRules, kTownFirstChars, town)) {
    apply_rule(entry->rule, town, text, flag);
  }
}

}  // namespace kovari::decompose
