// Numerals of town-area names in the other way of writing them: kanji
// numerals as digits (十二番丁 as １２番丁) and digits as kanji numerals, for
// the approximate rules that compare a typed town area with record names.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace kovari::resolve {

// 〇 一 … 九 十 百.
bool is_kanji_numeral(char16_t c);
// An ASCII or full-width digit.
bool is_any_digit(char16_t c);

// The value of a run of kanji numerals (十二 12, 二十一 21, 百五 105); nothing
// when the run is no number (十十).
std::optional<int> kanji_numeral_value(std::u16string_view run);

// n (0..999) in full-width digits (１２) or in kanji numerals (十二).
std::u16string wide_digits(int n);
std::u16string kanji_numeral(int n);

// `name` with each number that a numbering character follows (番 条 線 区 号
// 丁 組 軒 地) written the other way: 十二番丁 -> １２番丁, 第１地割 -> 第一地割.
// Nothing when it holds no such number.
std::optional<std::u16string> numbers_written_otherwise(std::u16string_view name);

}  // namespace kovari::resolve
