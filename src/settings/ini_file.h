// The settings file "kovaritbl.ini": a Shift-JIS text file with CR LF line
// ends and three sections, "[Form]" (window positions), "[Control]" (flags and
// file names) and "[Text]" (the user's replacement pairs, always last).
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "settings/settings.h"

namespace kovari::settings {

inline constexpr std::string_view kIniFileName = "kovaritbl.ini";

// Reads the file into `settings`, which holds the defaults beforehand: every
// value the file gives replaces the one in `settings`; what is missing,
// unknown or unreadable (a line that is not Shift-JIS, a number out of range)
// leaves it alone. Reaching "[Text]" sets text_section_read and replaces
// text_pairs by the pairs that follow (at most kMaxTextPairs). Returns false
// when the file cannot be read at all (missing, a directory, too large).
bool get_ini_file(const std::filesystem::path& path, Settings& settings);

// The bytes of the settings file for `settings`, in the fixed layout.
std::string ini_file_bytes(const Settings& settings);

// Writes ini_file_bytes(settings) to `path`: into a new file beside it that
// then replaces the old one, so a failed write never leaves half a file.
// Returns false when the file could not be written (the old one is kept).
bool put_ini_file(const std::filesystem::path& path, const Settings& settings);

}  // namespace kovari::settings
