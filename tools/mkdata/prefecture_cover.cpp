#include "prefecture_cover.h"

#include "text/sjis.h"

namespace kovari::mkdata {

std::vector<std::u16string_view> prefectures_without_rows(const std::vector<TownRow>& rows) {
  std::array<bool, kPrefecturesByJisNumber.size() + 1> covered{};
  for (const TownRow& row : rows) {
    // read_ken_all keeps only rows whose municipal code is five digits.
    const int number = (row.jis[0] - '0') * 10 + (row.jis[1] - '0');
    if (number >= 1 && number < static_cast<int>(covered.size())) covered[number] = true;
  }
  std::vector<std::u16string_view> missing;
  for (std::size_t k = 0; k < kPrefecturesByJisNumber.size(); ++k) {
    if (!covered[k + 1]) missing.push_back(kPrefecturesByJisNumber[k]);
  }
  return missing;
}

void report_prefectures_without_rows(const std::vector<TownRow>& rows,
                                     const std::string& file_label, Report& report) {
  const std::vector<std::u16string_view> missing = prefectures_without_rows(rows);
  if (missing.empty()) return;
  std::u16string names;
  for (std::u16string_view name : missing) {
    if (!names.empty()) names += u"、";
    names += name;
  }
  report.note(file_label + " has no rows for " + std::to_string(missing.size()) +
              " prefecture(s): " + text::to_utf8(names));
}

}  // namespace kovari::mkdata
