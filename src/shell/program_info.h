// What the splash and system-information windows compose at run time: the
// program's version and the date of the postal data in use.
#pragma once

#include <string>
#include <string_view>

namespace kovari::shell {

// The splash window's line: "Version  " (two blanks) and the version.
std::u16string splash_version(std::string_view version);

// The system-information window's line: "Version " (one blank) and the version.
std::u16string system_info_version(std::string_view version);

// The system-information window's note on the data: its date ("不明" when the
// files do not record it) and "現在のデータを使用しています", then CR LF.
std::u16string data_date_note(std::u16string_view data_date);

}  // namespace kovari::shell
