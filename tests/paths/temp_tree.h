// A scratch folder tree for the tests of the program's places: a program
// folder <root>/prefix/bin, its installed data <root>/prefix/share/kovari,
// and the user's XDG folders <root>/home/.config and <root>/home/.local/share.
#pragma once

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "paths/places.h"

namespace kovari::paths::testing {

class TempTree {
 public:
  TempTree() {
    std::string pattern = (std::filesystem::temp_directory_path() / "kovari-paths-XXXXXX").string();
    root_ = mkdtemp(pattern.data());
    std::filesystem::create_directories(program());
  }
  ~TempTree() {
    std::error_code error;
    std::filesystem::permissions(program(), std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, error);
    std::filesystem::remove_all(root_, error);
  }
  TempTree(const TempTree&) = delete;
  TempTree& operator=(const TempTree&) = delete;

  std::filesystem::path root() const { return root_; }
  std::filesystem::path program() const { return root_ / "prefix" / "bin"; }
  std::filesystem::path installed() const { return root_ / "prefix" / "share" / "kovari"; }
  std::filesystem::path home() const { return root_ / "home"; }
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
  std::filesystem::path root_;
};

}  // namespace kovari::paths::testing
