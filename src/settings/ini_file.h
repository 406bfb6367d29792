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
// text_pairs by every pair that follows, those beyond the table's room
// included (they are kept and saved again), but a pair with nothing to
// replace, which would match at every position, is left out. Sets and
// returns settings.ini_read: whether the file was read, missing, or there but
// unreadable (not a regular file, no permission, larger than a settings file
// can be); the file is never waited on (a FIFO is refused at once).
IniRead get_ini_file(const std::filesystem::path& path, Settings& settings);

// The bytes of the settings file for `settings`, in the fixed layout.
std::string ini_file_bytes(const Settings& settings);

// Writes ini_file_bytes(settings) to `path` through an io::AtomicFile, so a
// failed write never leaves half a file; but never over settings it could not
// read, nor over a file the user made read-only (settings_not_saved_reason in
// settings/settings_save.h). Returns false when the file was not written (the
// old one is kept); save_ini_file tells the reasons apart.
bool put_ini_file(const std::filesystem::path& path, const Settings& settings);

}  // namespace kovari::settings
