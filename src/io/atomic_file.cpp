#include "io/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <system_error>

#include "io/file_status.h"

namespace kovari::io {

namespace {

std::string because(const char* what) { return std::string(what) + ": " + std::strerror(errno); }

// A fresh name in the target's folder for the temporary file: hidden, and
// unique to this process and this attempt.
std::filesystem::path temporary_name(const std::filesystem::path& target, int attempt) {
  return target.parent_path() / ("." + target.filename().string() + "." + std::to_string(getpid()) +
                                 "." + std::to_string(attempt) + ".tmp");
}

}  // namespace

bool AtomicFile::open(const std::filesystem::path& target) {
  discard();
  error_.clear();
  target_ = target;
  if (target_.filename().empty()) {
    fail("is not a file name");
    return false;
  }
  std::error_code ignored;
  if (std::filesystem::is_symlink(target, ignored)) {
    std::filesystem::path resolved = std::filesystem::canonical(target, ignored);
    if (!resolved.empty()) target_ = std::move(resolved);
  }
  struct stat status {};
  if (stat(target_.c_str(), &status) != 0) {
    if (errno != ENOENT) {
      fail(because("cannot be created"));
      return false;
    }
    return open_temporary(false, 0666);
  }
  if (S_ISDIR(status.st_mode)) {
    fail("is a folder");
    return false;
  }
  if (!S_ISREG(status.st_mode)) return open_direct();
  if (is_read_only(target_)) {
    fail("is read-only");
    return false;
  }
  return open_temporary(true, status.st_mode & 07777);
}

bool AtomicFile::open_direct() {
  // Without a reader a FIFO would block the open: refuse it instead.
  fd_ = ::open(target_.c_str(), O_WRONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (fd_ < 0) {
    fail(errno == ENXIO ? std::string("is a FIFO that nobody reads")
                        : because("cannot be opened for writing"));
    return false;
  }
  const int flags = fcntl(fd_, F_GETFL);
  if (flags >= 0) fcntl(fd_, F_SETFL, flags & ~O_NONBLOCK);
  return true;
}

bool AtomicFile::open_temporary(bool replaces, mode_t mode) {
  for (int attempt = 0; attempt < 100; ++attempt) {
    const std::filesystem::path name = temporary_name(target_, attempt);
    fd_ = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd_ >= 0) {
      temporary_ = name;
      // The new file keeps the old one's permissions (the umask cut them at creation).
      if (replaces && fchmod(fd_, mode) != 0) {
        fail(because("cannot be created"));
        discard();
        return false;
      }
      return true;
    }
    if (errno != EEXIST) break;
  }
  fail(because("cannot be created"));
  return false;
}

bool AtomicFile::write(std::string_view bytes) {
  if (failed() || fd_ < 0) return false;
  while (!bytes.empty()) {
    const ssize_t n = ::write(fd_, bytes.data(), bytes.size());
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      fail(because("cannot be written"));
      return false;
    }
    bytes.remove_prefix(static_cast<std::size_t>(n));
  }
  return true;
}

bool AtomicFile::commit() {
  if (failed() || fd_ < 0) {
    discard();
    return false;
  }
  if (temporary_.empty()) {
    const bool closed = ::close(fd_) == 0;
    fd_ = -1;
    if (!closed) fail(because("cannot be written"));
    return closed;
  }
  if (fsync(fd_) != 0) {
    fail(because("cannot be written"));
  } else if (::close(fd_) != 0) {
    fail(because("cannot be written"));
  }
  fd_ = -1;
  if (!failed() && std::rename(temporary_.c_str(), target_.c_str()) != 0) {
    fail(because("cannot be replaced"));
  }
  if (failed()) {
    discard();
    return false;
  }
  temporary_.clear();
  // The rename itself reaches the disk with its folder.
  const int folder = ::open(target_.parent_path().empty() ? "." : target_.parent_path().c_str(),
                            O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (folder >= 0) {
    fsync(folder);
    ::close(folder);
  }
  return true;
}

void AtomicFile::discard() {
  if (fd_ >= 0) ::close(fd_);
  fd_ = -1;
  if (!temporary_.empty()) ::unlink(temporary_.c_str());
  temporary_.clear();
}

void AtomicFile::fail(std::string what) {
  if (error_.empty()) error_ = std::move(what);
}

bool write_file_atomically(const std::filesystem::path& path, std::string_view bytes,
                           std::string& error) {
  AtomicFile file;
  if (file.open(path) && file.write(bytes) && file.commit()) return true;
  error = path.string() + " " + file.error();
  return false;
}

}  // namespace kovari::io
