#include "jigyosyo.h"

#include "ken_all.h"

namespace kovari::mkdata {

namespace {
constexpr std::size_t kJigyosyoColumns = 13;
}

std::vector<OfficeRow> read_jigyosyo(const std::vector<CsvLine>& lines,
                                     const std::string& file_label, Report& report) {
  std::vector<OfficeRow> rows;
  rows.reserve(lines.size());
  for (const CsvLine& line : lines) {
    const auto& f = line.fields;
    if (f.size() != kJigyosyoColumns) {
      report.line(
          file_label, line.line_no,
          std::to_string(f.size()) + " columns, " + std::to_string(kJigyosyoColumns) + " expected");
      continue;
    }
    if (!is_digits(f[0], 5) || !is_digits(f[7], 7)) {
      report.line(file_label, line.line_no, "municipal code or postal code is not numeric");
      continue;
    }
    if (f[2].empty()) {
      report.line(file_label, line.line_no, "empty office name");
      continue;
    }
    rows.push_back({line.line_no, ascii(f[0]), f[2], f[3], f[4], f[5], f[6], ascii(f[7])});
  }
  return rows;
}

}  // namespace kovari::mkdata
