#include "data_set_swap.h"

#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <system_error>

namespace kovari::mkdata {

namespace {

constexpr std::string_view kStagingPrefix = ".kovari-update-";

// The process id in a staging folder's name, or 0 when it is not one.
pid_t staging_owner(const std::filesystem::path& folder) {
  const std::string name = folder.filename().string();
  if (name.rfind(kStagingPrefix, 0) != 0) return 0;
  const std::string digits = name.substr(kStagingPrefix.size());
  if (digits.empty() || digits.find_first_not_of("0123456789") != std::string::npos) return 0;
  return static_cast<pid_t>(std::stol(digits));
}

bool process_alive(pid_t pid) { return kill(pid, 0) == 0 || errno == EPERM; }

// Flushes a file or folder to disk; false when it cannot be opened or synced.
bool sync_path(const std::filesystem::path& path, int flags) {
  const int fd = open(path.c_str(), flags | O_CLOEXEC);
  if (fd < 0) return false;
  const bool synced = fsync(fd) == 0;
  close(fd);
  return synced;
}

std::string describe(const std::string& what, const std::filesystem::path& path,
                     const std::error_code& error) {
  return what + " " + path.string() + ": " + error.message();
}

}  // namespace

std::filesystem::path staging_folder(const std::filesystem::path& target) {
  return target / (std::string(kStagingPrefix) + std::to_string(getpid()));
}

std::string clear_stale_staging(const std::filesystem::path& target) {
  std::error_code error;
  for (const auto& entry : std::filesystem::directory_iterator(target, error)) {
    const pid_t owner = staging_owner(entry.path());
    if (owner == 0 || owner == getpid()) continue;
    if (process_alive(owner)) {
      return "another update (process " + std::to_string(owner) + ") is writing into " +
             target.string() + "; if it is not running, remove " + entry.path().string();
    }
    std::filesystem::remove_all(entry.path(), error);
  }
  return "";
}

std::string swap_in_data_set(const std::filesystem::path& staging,
                             const std::filesystem::path& target,
                             const std::vector<std::string>& names) {
  std::error_code error;
  const std::filesystem::path previous = staging / "previous";
  std::filesystem::create_directory(previous, error);
  if (error) return describe("cannot create", previous, error);

  std::vector<bool> had_old(names.size(), false);
  for (std::size_t i = 0; i < names.size(); ++i) {
    if (!sync_path(staging / names[i], O_RDONLY)) {
      return "cannot flush " + (staging / names[i]).string() + ": " + std::strerror(errno);
    }
    const std::filesystem::path old = target / names[i];
    if (!std::filesystem::exists(old, error)) continue;
    // A second name for the old file: it stays in place until the rename
    // replaces it, and can be renamed back.
    std::filesystem::create_hard_link(old, previous / names[i], error);
    if (error) return describe("cannot keep", old, error);
    had_old[i] = true;
  }

  for (std::size_t i = 0; i < names.size(); ++i) {
    std::filesystem::rename(staging / names[i], target / names[i], error);
    if (!error) continue;
    const std::string failure = describe("cannot replace", target / names[i], error);
    for (std::size_t j = 0; j < i; ++j) {
      std::error_code undo_error;
      if (had_old[j]) {
        std::filesystem::rename(previous / names[j], target / names[j], undo_error);
      } else {
        std::filesystem::remove(target / names[j], undo_error);
      }
    }
    return failure;
  }
  sync_path(target, O_RDONLY | O_DIRECTORY);
  std::filesystem::remove_all(staging, error);
  return "";
}

}  // namespace kovari::mkdata
