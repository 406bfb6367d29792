// The folders the program's files are found in and written to: the folder of
// the running program and the user's XDG base folders. current_places() reads
// them from the process; tests make them up.
#pragma once

#include <filesystem>

namespace kovari::paths {

// The name of the program's own folder under the XDG folders and under
// <prefix>/share.
inline constexpr const char* kAppFolderName = "kovari";

struct Places {
  std::filesystem::path program_folder;  // the folder of the running executable
  std::filesystem::path config_home;     // $XDG_CONFIG_HOME, else ~/.config
  std::filesystem::path data_home;       // $XDG_DATA_HOME, else ~/.local/share
};

// The values of $XDG_CONFIG_HOME, $XDG_DATA_HOME and $HOME as the process
// sees them (nullptr when unset).
struct Environment {
  const char* xdg_config_home = nullptr;
  const char* xdg_data_home = nullptr;
  const char* home = nullptr;
};

// The places for a program in `program_folder` under `environment`. An XDG
// variable that is unset, empty or not an absolute path is ignored, as the
// XDG rules say; without $HOME the user's entry in the password database
// gives the home folder.
Places places_for(const std::filesystem::path& program_folder, const Environment& environment);

// The places of this process: its executable's folder and its environment.
Places current_places();

}  // namespace kovari::paths
