// The files an output must never replace: the program's own.
#pragma once

#include <filesystem>

#include "session/session.h"

namespace kovari {

// Whether `path` names one of the program's own files: a data file of the
// loaded folder (by its name there, present or not, or under any other name
// the same file: its device and inode), or one of session.files (the settings
// file read and the one saved, the clipboard history, the office index).
// A batch output or an export that names one is refused.
bool is_program_file(const Session& session, const std::filesystem::path& path);

}  // namespace kovari
