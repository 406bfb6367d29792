// Where the files the program writes go: the settings file, the clipboard
// history, the office-name index, the batch work copy, and the data files
// that kovari-mkdata --update brings in.
//
// A portable copy (a program folder that holds the data files and may be
// written, such as the build folder) keeps them beside the program. Any other
// installation keeps them in the user's XDG folders: the settings file in
// $XDG_CONFIG_HOME/kovari, the others in $XDG_DATA_HOME/kovari. A program
// folder without data is an installed one (<prefix>/bin), which is never
// written even when it could be (running as root).
#pragma once

#include <filesystem>
#include <functional>
#include <string_view>

#include "paths/places.h"

namespace kovari::paths {

enum class UserFile {
  Settings,          // "kovaritbl.ini"
  ClipboardHistory,  // "tmp_history.csv"
  OfficeIndex,       // "ooguchi_index.csv"
  BatchWork,         // "tmp.dat"
};

std::string_view file_name(UserFile file);

// Whether the program may write into a folder.
using IsWritable = std::function<bool(const std::filesystem::path&)>;

// The process's own answer (access(2) with W_OK).
bool folder_is_writable(const std::filesystem::path& folder);

// Whether the program's folder holds the data files and may be written.
bool is_portable(const Places& places, const IsWritable& is_writable);

// Where `file` is written.
std::filesystem::path user_file_path(UserFile file, const Places& places,
                                     const IsWritable& is_writable);

// The settings file to read: the one user_file_path names; until that one
// exists, a settings file beside the program (an older installation keeps
// its settings, which the next save moves to the user's folder). Reading the
// one beside the program whenever it is there would drop every later change.
std::filesystem::path settings_file_to_read(const Places& places, const IsWritable& is_writable);

// Where kovari-mkdata --update writes the data files unless told otherwise:
// the program's folder of a portable copy, else the per-user data folder,
// which the data search prefers to the installed set.
std::filesystem::path update_folder(const Places& places, const IsWritable& is_writable);

// user_file_path for this process, with the file's folder created when it is
// missing, so that the caller can write the file at once.
std::filesystem::path user_file(UserFile file, const Places& places);

// The program's own files of one run: no batch output or export may replace
// one of them, and the settings are saved where `settings` says.
struct UserFiles {
  std::filesystem::path settings_read;      // settings_file_to_read
  std::filesystem::path settings;           // where the settings are saved
  std::filesystem::path clipboard_history;  // "tmp_history.csv"
  std::filesystem::path office_index;       // "ooguchi_index.csv"
};

// The files above for `places`.
UserFiles user_files(const Places& places, const IsWritable& is_writable);

}  // namespace kovari::paths
