#include "io/read_file.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

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

constexpr std::size_t kHugePage = std::size_t{2} << 20;

// Memory for `size` bytes, from the system directly, in huge pages when it is
// large enough to fill one; nullptr when there is none to have.
std::unique_ptr<char, ReleaseBytes> allocate(std::size_t size) {
  if (size == 0) return {};
  const std::size_t mapped = (size + kHugePage - 1) / kHugePage * kHugePage;
  void* memory = mmap(nullptr, mapped, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
  if (memory == MAP_FAILED) return {};
  if (size >= kHugePage) madvise(memory, mapped, MADV_HUGEPAGE);
  return std::unique_ptr<char, ReleaseBytes>(static_cast<char*>(memory), ReleaseBytes{mapped});
}

class FileDescriptor {
 public:
  explicit FileDescriptor(int fd) : fd_(fd) {}
  FileDescriptor(const FileDescriptor&) = delete;
  FileDescriptor& operator=(const FileDescriptor&) = delete;
  ~FileDescriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  int get() const { return fd_; }

 private:
  int fd_;
};

}  // namespace

void ReleaseBytes::operator()(char* bytes) const {
  if (bytes != nullptr) munmap(bytes, mapped);
}

FileBytes read_regular_file(const std::filesystem::path& path, std::uint64_t max_size) {
  const FileDescriptor fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
  if (fd.get() < 0) {
    if (errno == ENOENT) return refusal(ReadProblem::kMissing, "does not exist");
    return refusal(ReadProblem::kUnreadable,
                   std::string("cannot be opened: ") + std::strerror(errno));
  }
  struct stat status {};
  if (fstat(fd.get(), &status) != 0) {
    return refusal(ReadProblem::kUnreadable,
                   std::string("cannot be read: ") + std::strerror(errno));
  }
  if (!S_ISREG(status.st_mode)) {
    return refusal(ReadProblem::kNotRegular,
                   "is " + kind_of(status.st_mode) + ", not a regular file");
  }
  const auto size = static_cast<std::uint64_t>(status.st_size);
  if (size > max_size) {
    return refusal(ReadProblem::kTooLarge, "is larger than " + std::to_string(max_size) + " bytes");
  }
  FileBytes result;
  result.id = file_id_of(status);
  result.size = static_cast<std::size_t>(size);
  result.bytes = allocate(result.size);
  if (result.size > 0 && !result.bytes) {
    return refusal(ReadProblem::kUnreadable, "cannot be read: no memory for it");
  }
  std::size_t done = 0;
  while (done < result.size) {
    const ssize_t n = ::read(fd.get(), result.bytes.get() + done, result.size - done);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) {
      return refusal(ReadProblem::kUnreadable,
                     std::string("cannot be read: ") + std::strerror(errno));
    }
    // Shorter than it was a moment ago: someone is writing it.
    if (n == 0) return refusal(ReadProblem::kUnreadable, "changed while it was being read");
    done += static_cast<std::size_t>(n);
  }
  return result;
}

}  // namespace kovari::io
