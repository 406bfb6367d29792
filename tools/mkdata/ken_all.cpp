#include "ken_all.h"

#include <algorithm>

namespace kovari::mkdata {

bool is_digits(std::u16string_view text, std::size_t n) {
  return text.size() == n &&
         std::all_of(text.begin(), text.end(), [](char16_t c) { return c >= u'0' && c <= u'9'; });
}

std::string ascii(std::u16string_view digits) { return std::string(digits.begin(), digits.end()); }

namespace {

constexpr std::size_t kKenAllColumns = 15;

int paren_balance(std::u16string_view name) {
  const auto open = std::count(name.begin(), name.end(), u'（');
  const auto close = std::count(name.begin(), name.end(), u'）');
  return static_cast<int>(open - close);
}

}  // namespace

std::vector<TownRow> join_split_names(std::vector<TownRow> rows) {
  std::vector<TownRow> joined;
  joined.reserve(rows.size());
  for (TownRow& row : rows) {
    if (!joined.empty()) {
      TownRow& last = joined.back();
      if (paren_balance(last.town) > 0 && last.code == row.code && last.jis == row.jis) {
        last.town += row.town;
        continue;
      }
    }
    joined.push_back(std::move(row));
  }
  return joined;
}

std::vector<TownRow> read_ken_all(const std::vector<CsvLine>& lines, const std::string& file_label,
                                  Report& report) {
  std::vector<TownRow> rows;
  rows.reserve(lines.size());
  for (const CsvLine& line : lines) {
    const auto& f = line.fields;
    if (f.size() != kKenAllColumns) {
      report.line(
          file_label, line.line_no,
          std::to_string(f.size()) + " columns, " + std::to_string(kKenAllColumns) + " expected");
      continue;
    }
    if (!is_digits(f[0], 5) || !is_digits(f[2], 7)) {
      report.line(file_label, line.line_no, "municipal code or postal code is not numeric");
      continue;
    }
    if (f[6].empty() || f[7].empty() || f[8].empty()) {
      report.line(file_label, line.line_no, "empty prefecture, municipality or town-area name");
      continue;
    }
    rows.push_back({line.line_no, ascii(f[0]), f[1], ascii(f[2]), f[5], f[6], f[7], f[8]});
  }
  return join_split_names(std::move(rows));
}

}  // namespace kovari::mkdata
