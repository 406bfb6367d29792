// The rows of the search-result list (SearchResultWindow), one type for the
// four searches that open it, and the text each row shows in the list.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "settings/settings.h"

namespace kovari::result_list {

// Which search filled the list (`list_mode`).
enum class ListMode {
  Prefix = 1,        // the prefix search of the code-to-address window
  Municipality = 2,  // the municipality picked in the address-to-code window
  Office = 3,        // the office-name search
  TownName = 4,      // the town-name search of the address-to-code window
};

enum class RowKind {
  TownArea,   // a town-area record of "kovaritbl.dat"
  Detail,     // a detail record of "kovari2tbl.dat" (an office or a post-office box)
  Separator,  // the line between the detail rows and the town-area rows
};

// The index column of detail and separator rows: one full-width blank.
inline constexpr std::u16string_view kNoIndex = u"　";
inline constexpr std::u16string_view kSeparatorText =
    u"------------------------------------------------------------";

struct ResultRow {
  RowKind kind = RowKind::TownArea;
  std::u16string code;     // the 7-digit code, unformatted; empty for the separator
  std::u16string index;    // the town area's index initial in the municipality list,
                           // kNoIndex for detail and separator rows, else empty
  std::u16string address;  // prefecture & city & town area, or a detail record's address
  std::u16string pobox;    // post-office-box text of a detail record
  std::u16string office;   // office name of a detail record
  std::u16string text;     // the row as the list shows it
};

// Writes the text of every row as `mode` lays it out (TAB between columns,
// codes as "000-0000" when Flag::kHyphen is set):
//   mode 1 and 4         code TAB address
//   mode 2, town area    code TAB header TAB address, the header "【 x】" on the
//                        first row of each run of equal initials x
//   mode 2, detail       code TAB TAB office name
//   mode 3               code TAB office name
//   separator            60 hyphens
// A row without an initial (the catch-all town area) never heads a run.
void lay_out_rows(std::vector<ResultRow>& rows, ListMode mode, const settings::Settings& settings);

// The list as a search first fills it (column 0 of the result table).
struct ResultList {
  ListMode mode = ListMode::Prefix;
  std::vector<ResultRow> rows;
  // 1-based row of the catch-all town area (its name contains "以下に"), kept
  // at the top of every narrowed list; 0 when there is none.
  int below_row = 0;
  // The count the caption shows: the codes the prefix search found, the
  // offices the office-name search found, else the rows listed.
  int count = 0;
  // A limit cut the list short: the note under it shows.
  bool over_limit = false;
};

}  // namespace kovari::result_list
