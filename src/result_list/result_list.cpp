#include "result_list/result_list.h"

#include "clipboard/clip_copy.h"

namespace kovari::result_list {

namespace {

std::u16string town_area_text(const ResultRow& row, std::u16string_view code, ListMode mode,
                              std::u16string& previous_index) {
  if (mode != ListMode::Municipality) return std::u16string(code) + u"\t" + row.address;
  std::u16string header;
  if (!row.index.empty() && row.index != previous_index) header = u"【 " + row.index + u"】";
  previous_index = row.index;
  return std::u16string(code) + u"\t" + header + u"\t" + row.address;
}

}  // namespace

void lay_out_rows(std::vector<ResultRow>& rows, ListMode mode, const settings::Settings& settings) {
  std::u16string previous_index;
  for (ResultRow& row : rows) {
    const std::u16string code = clipboard::code_item(row.code, settings);
    switch (row.kind) {
      case RowKind::TownArea:
        row.text = town_area_text(row, code, mode, previous_index);
        break;
      case RowKind::Detail:
        row.text = code + (mode == ListMode::Office ? u"\t" : u"\t\t") + row.office;
        break;
      case RowKind::Separator:
        row.text = kSeparatorText;
        break;
    }
  }
}

}  // namespace kovari::result_list
