// JIGYOSYO.CSV, large-volume offices and post-office boxes: 13 columns (JIS
// municipal code, office name in kana and in kanji, prefecture, municipality,
// town area, street part, individual code, old code, handling office, kind,
// several-codes flag, change code).
#pragma once

#include <string>
#include <vector>

#include "csv.h"
#include "report.h"

namespace kovari::mkdata {

struct OfficeRow {
  int line_no = 0;
  std::string jis;  // 5 digits
  std::u16string name;
  std::u16string pref, city, town, street;
  std::string code;  // 7 digits
};

std::vector<OfficeRow> read_jigyosyo(const std::vector<CsvLine>& lines,
                                     const std::string& file_label, Report& report);

}  // namespace kovari::mkdata
