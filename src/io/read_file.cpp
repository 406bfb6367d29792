#include "io/read_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <utility>

#include "io/pages.h"

namespace kovari::io {

namespace {

// What a file that is not a regular one is, in the words of a refusal.
std::string kind_of(mode_t mode) {
  if (S_ISDIR(mode)) return "a folder";
  if (S_ISFIFO(mode)) return "a FIFO";
  if (S_ISCHR(mode) || S_ISBLK(mode)) return "a device";
  if (S_ISSOCK(mode)) return "a socket";
  return "not a file";
}

FileBytes refusal(ReadProblem problem, std::string error) {
  FileBytes result;
  result.problem = problem;
  result.error = std::move(error);
  return result;
}

}  // namespace

void ReleaseBytes::operator()(char* bytes) const { unmap_pages(bytes, size); }

RegularFile::RegularFile(RegularFile&& other) noexcept { *this = std::move(other); }

RegularFile& RegularFile::operator=(RegularFile&& other) noexcept {
  if (this != &other) {
    if (fd_ >= 0) ::close(fd_);
    fd_ = std::exchange(other.fd_, -1);
    size_ = other.size_;
    id_ = other.id_;
    problem_ = other.problem_;
    error_ = std::move(other.error_);
  }
  return *this;
}

RegularFile::~RegularFile() {
  if (fd_ >= 0) ::close(fd_);
}

bool RegularFile::refuse(ReadProblem problem, std::string error) {
  problem_ = problem;
  error_ = std::move(error);
  return false;
}

bool RegularFile::open(const std::filesystem::path& path) {
  *this = RegularFile();
  fd_ = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (fd_ < 0) {
    if (errno == ENOENT) return refuse(ReadProblem::kMissing, "does not exist");
    return refuse(ReadProblem::kUnreadable,
                  std::string("cannot be opened: ") + std::strerror(errno));
  }
  struct stat status {};
  if (fstat(fd_, &status) != 0) {
    return refuse(ReadProblem::kUnreadable, std::string("cannot be read: ") + std::strerror(errno));
  }
  if (!S_ISREG(status.st_mode)) {
    return refuse(ReadProblem::kNotRegular,
                  "is " + kind_of(status.st_mode) + ", not a regular file");
  }
  size_ = static_cast<std::uint64_t>(status.st_size);
  id_ = file_id_of(status);
  return true;
}

bool RegularFile::read_at(std::uint64_t offset, char* to, std::size_t size, std::size_t& read) {
  read = 0;
  while (read < size) {
    const ssize_t n = ::pread(fd_, to + read, size - read, static_cast<off_t>(offset + read));
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) {
      return refuse(ReadProblem::kUnreadable,
                    std::string("cannot be read: ") + std::strerror(errno));
    }
    if (n == 0) break;
    read += static_cast<std::size_t>(n);
  }
  return true;
}

FileBytes read_regular_file(const std::filesystem::path& path, std::uint64_t max_size) {
  RegularFile file;
  if (!file.open(path)) return refusal(file.problem(), file.error());
  if (file.size() > max_size) {
    return refusal(ReadProblem::kTooLarge, "is larger than " + std::to_string(max_size) + " bytes");
  }
  FileBytes result;
  result.id = file.id();
  result.size = static_cast<std::size_t>(file.size());
  result.bytes = {map_pages(result.size), ReleaseBytes{result.size}};
  if (result.size > 0 && !result.bytes) {
    return refusal(ReadProblem::kUnreadable, "cannot be read: no memory for it");
  }
  std::size_t read = 0;
  if (!file.read_at(0, result.bytes.get(), result.size, read)) {
    return refusal(file.problem(), file.error());
  }
  // Shorter than it was a moment ago: someone is writing it.
  if (read < result.size)
    return refusal(ReadProblem::kUnreadable, "changed while it was being read");
  return result;
}

}  // namespace kovari::io
