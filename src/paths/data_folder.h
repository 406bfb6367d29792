// Where the program finds its postal data files: the folder given on the
// command line, else the first of these that holds "kovaritbl.dat":
//  1. the program's own folder (the build folder, a portable copy);
//  2. the per-user data folder, where kovari-mkdata --update writes;
//  3. <program folder>/../share/kovari, the set installed with the program.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "paths/places.h"

namespace kovari::paths {

struct DataSearch {
  std::optional<std::filesystem::path> folder;   // the folder found, if any
  std::vector<std::filesystem::path> looked_in;  // every folder tried, in order
};

// $XDG_DATA_HOME/kovari: the per-user data (and the program's other files
// when its own folder is not theirs to write).
std::filesystem::path user_data_folder(const Places& places);

// <program folder>/../share/kovari.
std::filesystem::path installed_data_folder(const Places& places);

// Whether `folder` holds the main data file.
bool holds_data(const std::filesystem::path& folder);

// The search above; `chosen` (--data DIR) replaces it by that one folder.
DataSearch find_data_folder(const Places& places,
                            const std::optional<std::filesystem::path>& chosen = std::nullopt);

// What to tell the user when the search found nothing: the folders it looked
// in and how to make the data.
std::string search_failure_text(const DataSearch& search);

}  // namespace kovari::paths
