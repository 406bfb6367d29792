#include "names.h"

#include "byte_buffer.h"
#include "text/strconv.h"

namespace kovari::mkdata {

std::optional<std::u16string> to_double_byte(std::u16string_view text) {
  std::u16string wide = text::to_wide(text);
  for (char16_t& c : wide) {
    if (c == u'\\') c = u'＼';  // the one printable ASCII character widening leaves
  }
  if (sjis_length(wide) != 2 * static_cast<int>(wide.size())) return std::nullopt;
  return wide;
}

namespace {

constexpr std::u16string_view kVoiced = u"ガギグゲゴザジズゼゾダヂヅデドバビブベボパピプペポヴ";
constexpr std::u16string_view kUnvoiced = u"カキクケコサシスセソタチツテトハヒフヘホハヒフヘホウ";
constexpr std::u16string_view kSmall = u"ァィゥェォッャュョヮヵヶ";
constexpr std::u16string_view kLarge = u"アイウエオツヤユヨワカケ";

char16_t map_char(char16_t c, std::u16string_view from, std::u16string_view to) {
  const std::size_t at = from.find(c);
  return at == std::u16string_view::npos ? c : to[at];
}

// The initial of a reading that starts with a number, as the number is read
// (1ｼﾞｮｳ いちじょう, 10ｼﾞｮｳ じゅうじょう, 20ｾﾝ にじっせん).
char16_t number_initial(std::u16string_view reading) {
  const std::size_t digits = reading.find_first_not_of(u"0123456789");
  const std::u16string_view number = reading.substr(0, digits);
  if (number.size() == 2 && number[0] == u'1') return u'シ';               // じゅう
  if (number.size() == 3 && number[0] == u'1') return u'ヒ';               // ひゃく
  if (number.size() == 4 && number[0] == u'1') return u'セ';               // せん
  constexpr std::u16string_view kDigitInitials = u"レイニサヨコロナハキ";  // れい いち に …
  return kDigitInitials[number[0] - u'0'];
}

}  // namespace

std::u16string reading_key(std::u16string_view reading) {
  std::u16string key = text::to_wide(reading);
  for (char16_t& c : key) {
    if (c >= u'ぁ' && c <= u'ゖ') c = static_cast<char16_t>(c + (u'ァ' - u'ぁ'));
    c = map_char(map_char(c, kVoiced, kUnvoiced), kSmall, kLarge);
  }
  return key;
}

char16_t reading_initial(std::u16string_view reading) {
  if (!reading.empty() && reading[0] >= u'0' && reading[0] <= u'9') return number_initial(reading);
  const std::u16string key = reading_key(reading.substr(0, 1));
  return (!key.empty() && key.front() >= u'ア' && key.front() <= u'ン') ? key.front() : u'＊';
}

std::int32_t town_attributes(std::u16string_view name) {
  const std::size_t open = name.find(u'（');
  if (open == std::u16string_view::npos) return 0;
  const auto start = static_cast<std::int32_t>(open + 1);
  const auto end = static_cast<std::int32_t>(name.size());
  if (start > 31 || end > 511) return 0;
  return start + 32 * end;
}

std::u16string_view base_name(std::u16string_view name) {
  return name.substr(0, std::min(name.size(), name.find(u'（')));
}

}  // namespace kovari::mkdata
