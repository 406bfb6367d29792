// Copying the selected rows of the search-result list to the clipboard. The
// municipality and town-name lists (modes 2 and 4) write the items the
// settings choose (edit_clip), overwriting the clipboard or appending to it
// as the settings say; the prefix and office lists (modes 1 and 3) append one
// quoted line of four items per row.
#pragma once

#include <span>
#include <string>
#include <vector>

#include "host/host.h"
#include "result_list/result_list.h"
#include "settings/settings.h"

namespace kovari::result_list {

// One row as the settings' clipboard items make it (modes 2 and 4): the
// items chosen by Flag::kClipCode, kClipAddress, kClipPobox and kClipOffice.
// One item alone is written bare, followed by CR LF only when
// Flag::kClipAppend is set; two or more are quoted and separated as in every
// copy, followed by CR LF. Empty for a row without a code (the separator) or
// when no item is chosen.
std::u16string edit_clip(const ResultRow& row, const settings::Settings& settings);

// Whether a copy of the list first empties the clipboard: modes 2 and 4
// without Flag::kClipAppend (overwrite). They then copy only the first selected row.
bool copy_overwrites(ListMode mode, const settings::Settings& settings);

// The text a copy of the rows `selected` (0-based positions in `rows`, the
// rows the list shows) adds to the clipboard, in list order.
std::u16string copy_text(ListMode mode, const std::vector<ResultRow>& rows,
                         std::span<const int> selected, const settings::Settings& settings);

// Command2 "複写": empties the clipboard when the copy overwrites (the
// first-copy question is then not asked), else asks it before the first copy
// of the run; then appends the copy text to the clipboard's text.
void copy_rows(Host& host, bool& clip_asked, ListMode mode, const std::vector<ResultRow>& rows,
               std::span<const int> selected, const settings::Settings& settings);

}  // namespace kovari::result_list
