// KEN_ALL.CSV, the town areas: 15 columns (JIS municipal code, old code, code,
// three half-width kana readings, prefecture, municipality, town area, six
// flags). A long town-area name is spread over consecutive lines with the same
// code, its parenthesis opened on one line and closed on a later one; such
// lines are joined into one row here.
#pragma once

#include <string>
#include <vector>

#include "csv.h"
#include "report.h"

namespace kovari::mkdata {

struct TownRow {
  int line_no = 0;
  std::string jis;          // 5 digits
  std::u16string old_code;  // 旧郵便番号 as written (a 3-digit code is blank-padded)
  std::string code;         // 7 digits
  std::u16string reading;   // 町域名カナ (half-width katakana)
  std::u16string pref, city, town;
};

// Checks and converts the lines; a line that is not a town-area row is
// reported and left out. Split names are joined.
std::vector<TownRow> read_ken_all(const std::vector<CsvLine>& lines, const std::string& file_label,
                                  Report& report);

// Joins rows whose town-area name continues on the next rows: while the
// joined name has more "（" than "）" and the next row carries the same code
// and municipality, its name is appended (the
// reading of the first row is kept: only its first letter is used).
std::vector<TownRow> join_split_names(std::vector<TownRow> rows);

// True when text is n ASCII digits.
bool is_digits(std::u16string_view text, std::size_t n);
std::string ascii(std::u16string_view digits);

}  // namespace kovari::mkdata
