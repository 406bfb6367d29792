#include "paths/places.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <system_error>

namespace kovari::paths {

namespace {

std::filesystem::path home_folder(const char* home) {
  if (home != nullptr && *home != '\0') return home;
  const passwd* entry = getpwuid(getuid());
  return entry != nullptr && entry->pw_dir != nullptr ? entry->pw_dir : "/";
}

std::filesystem::path xdg_folder(const char* value, const std::filesystem::path& fallback) {
  if (value != nullptr && std::filesystem::path(value).is_absolute()) return value;
  return fallback;
}

std::filesystem::path executable_folder() {
  std::error_code error;
  const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", error);
  return error ? std::filesystem::current_path(error) : exe.parent_path();
}

}  // namespace

Places places_for(const std::filesystem::path& program_folder, const Environment& environment) {
  const std::filesystem::path home = home_folder(environment.home);
  return {program_folder, xdg_folder(environment.xdg_config_home, home / ".config"),
          xdg_folder(environment.xdg_data_home, home / ".local" / "share")};
}

Places current_places() {
  return places_for(executable_folder(), {std::getenv("XDG_CONFIG_HOME"),
                                          std::getenv("XDG_DATA_HOME"), std::getenv("HOME")});
}

}  // namespace kovari::paths
