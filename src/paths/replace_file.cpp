#include "paths/replace_file.h"

#include <fcntl.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <system_error>

namespace kovari::paths {

namespace {

std::string failure(const std::filesystem::path& path, std::string_view what, int error) {
  return "\"" + path.string() + "\": " + std::string(what) + ": " + std::strerror(error);
}

bool write_all(int fd, std::string_view content) {
  while (!content.empty()) {
    const ssize_t written = ::write(fd, content.data(), content.size());
    if (written < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    content.remove_prefix(static_cast<std::size_t>(written));
  }
  return true;
}

}  // namespace

std::string replace_file(const std::filesystem::path& path, std::string_view content) {
  const std::filesystem::path folder =
      path.has_parent_path() ? path.parent_path() : std::filesystem::path(".");
  std::string temp = (folder / ("." + path.filename().string() + ".XXXXXX")).string();
  const int fd = mkstemp(temp.data());
  if (fd < 0) return failure(path, "cannot create a file in its folder", errno);
  // mkstemp makes the file private; the new file gets the usual permissions.
  const mode_t mask = umask(0);
  umask(mask);
  fchmod(fd, 0666 & ~mask);

  int error = 0;
  if (!write_all(fd, content)) error = errno;
  if (error == 0 && fsync(fd) != 0) error = errno;
  if (::close(fd) != 0 && error == 0) error = errno;
  if (error == 0 && std::rename(temp.c_str(), path.c_str()) != 0) error = errno;
  if (error != 0) {
    ::unlink(temp.c_str());
    return failure(path, "cannot write", error);
  }
  return {};
}

}  // namespace kovari::paths
