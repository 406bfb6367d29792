// Number formatting with digit patterns ("0000000", "000-0000", "##,##0",
// "#,###", "###0", "0.00" ...).
//
// Pattern characters:
//   0   a digit, or 0 where the number has none
//   #   a digit, or nothing where the number has none ("#,###" of 0 is "")
//   .   the decimal point; placeholders after it give the number of decimals
//   ,   between digit placeholders: group the integer part by three digits;
//       right before the decimal point or at the end: divide by 1000
//   \x  the character x;  "text"  the quoted text
// Every other character is copied as it stands ("000-0000"). Integer digits
// beyond the placeholders are all shown at the leftmost one ("000-0000" of
// 12345678 is "1234-5678"). A negative value gets a leading "-", also when it
// rounds to zero. Rounding is half away from zero, on the binary value's side
// of a tie (2.5 -> "3", 1.005 -> "1.00" since 1.005 is stored below the tie).
// At most 15 significant digits are shown; places beyond them show as zeros.
// A value that is not finite gives "".
// Sections (";"), percent, exponent and date patterns are not supported.
#pragma once

#include <string>
#include <string_view>

namespace kovari::text {

std::u16string Format(double value, std::u16string_view pattern);

// A text the general numeric test accepts (IsNumeric in text/vb.h: blanks,
// thousands separators, full-width digits, exponent) is formatted as its
// number ("１２３" with "000-0000" is "000-0123"); any other text, the empty one
// included, comes back unchanged. Nothing is read as a date.
std::u16string Format(std::u16string_view value, std::u16string_view pattern);

}  // namespace kovari::text
