// A scratch folder tree for the tests of the program's places: a program
// folder <root>/prefix/bin, its installed data <root>/prefix/share/kovari,
// and the user's XDG folders <root>/home/.config and <root>/home/.local/share.
#pragma once

#include <filesystem>
#include <fstream>
#include <string>

#include "paths/places.h"
#include "support/scratch_folder.h"

namespace kovari::paths::testing {

class TempTree {
 public:
  TempTree() { std::filesystem::create_directories(program()); }
  // A test may take the write permission away: give it back for the removal.
  ~TempTree() {
    std::error_code error;
    std::filesystem::permissions(program(), std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, error);
  }
  TempTree(const TempTree&) = delete;
  TempTree& operator=(const TempTree&) = delete;

  std::filesystem::path root() const { return root_.path(); }
  std::filesystem::path program() const { return root() / "prefix" / "bin"; }
  std::filesystem::path installed() const { return root() / "prefix" / "share" / "kovari"; }
  std::filesystem::path home() const { return root() / "home"; }
  std::filesystem::path user_data() const { return home() / ".local" / "share" / "kovari"; }
  std::filesystem::path user_config() const { return home() / ".config" / "kovari"; }

  // The places of a program in program() for a user whose XDG variables are unset.
  Places places() const {
    Environment environment;
    const std::string home_text = home().string();
    environment.home = home_text.c_str();
    return places_for(program(), environment);
  }

  // Puts a file `name` into `folder`, creating the folder.
  static void put(const std::filesystem::path& folder, const std::string& name) {
    std::filesystem::create_directories(folder);
    std::ofstream(folder / name) << "x";
  }

 private:
  kovari::testing::TempFolder root_{"kovari-paths"};
};

}  // namespace kovari::paths::testing
