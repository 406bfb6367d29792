// Reading a file, whole into memory or piece by piece, without ever waiting on
// it. The file is opened without blocking (a FIFO nobody writes to would hold
// a plain open forever) and must be a regular file: a FIFO, a device or a
// folder in its place is refused with a reason, never read.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <limits>
#include <memory>
#include <string>
#include <string_view>

#include "io/file_status.h"

namespace kovari::io {

enum class ReadProblem {
  kNone,
  kMissing,     // no file of that name
  kNotRegular,  // a folder, a FIFO, a device or a socket
  kTooLarge,    // larger than the caller's limit
  kUnreadable,  // it cannot be opened or read
};

// Releases the memory of a file's bytes (see read_regular_file).
struct ReleaseBytes {
  std::size_t size = 0;
  void operator()(char* bytes) const;
};

struct FileBytes {
  ReadProblem problem = ReadProblem::kNone;
  // Why the file was not read, as the end of a sentence that begins with
  // its name: "is a FIFO, not a regular file". Empty on success.
  std::string error;
  FileId id;  // the file read
  std::unique_ptr<char, ReleaseBytes> bytes;
  std::size_t size = 0;

  bool ok() const { return problem == ReadProblem::kNone; }
  std::string_view view() const { return {bytes.get(), size}; }
};

// A regular file kept open for reading at any offset: a file read more than
// once (a check pass, then the work) stays the file first opened, even when
// another one takes its name meanwhile.
class RegularFile {
 public:
  RegularFile() = default;
  RegularFile(RegularFile&& other) noexcept;
  RegularFile& operator=(RegularFile&& other) noexcept;
  ~RegularFile();

  // Opens `path`; false, with problem() and error(), when it is missing, not
  // a regular file or cannot be opened.
  bool open(const std::filesystem::path& path);

  // Reads up to `size` bytes at `offset` into `to` (fewer only at the end of
  // the file). False, with error(), when the read fails.
  bool read_at(std::uint64_t offset, char* to, std::size_t size, std::size_t& read);

  std::uint64_t size() const { return size_; }
  const FileId& id() const { return id_; }
  ReadProblem problem() const { return problem_; }
  // As FileBytes::error.
  const std::string& error() const { return error_; }

 private:
  bool refuse(ReadProblem problem, std::string error);

  int fd_ = -1;
  std::uint64_t size_ = 0;
  FileId id_;
  ReadProblem problem_ = ReadProblem::kNone;
  std::string error_;
};

inline constexpr std::uint64_t kNoSizeLimit = std::numeric_limits<std::uint64_t>::max();

// The bytes of the regular file `path`, read whole; a file larger than
// `max_size` is not read. A large file goes into huge pages where the system
// offers them: the first touch of every page costs a fault, and 2 MB pages
// make hundreds of times fewer of them than 4 KB ones (the start-up load
// reads some 11 MB).
FileBytes read_regular_file(const std::filesystem::path& path,
                            std::uint64_t max_size = kNoSizeLimit);

}  // namespace kovari::io
