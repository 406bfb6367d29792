// Writing the records of a batch output file: items joined with "," as one
// Shift-JIS line ending in CR LF. An item that contains a comma or a double
// quote is written in double quotes with its inner quotes doubled, so that
// every record keeps its item count; any other item is written as it stands.
// The file is replaced whole or not at all (io::AtomicFile): until a run
// closes it successfully an earlier file of that name stays as it was.
#pragma once

#include <cstddef>
#include <filesystem>
#include <span>
#include <string>
#include <string_view>

#include "io/atomic_file.h"

namespace kovari::batch {

// The items joined with ",", quoted where needed.
std::u16string join_record(std::span<const std::u16string> items);

// An output file, replacing any file of that name once it is complete. Every
// failure is kept: once a write has failed the file is in error and later
// writes do nothing.
class OutputFile {
 public:
  // Starts the file; false with error() when it cannot be created (or the
  // file it would replace is a folder or read-only).
  bool open(const std::filesystem::path& path);
  // Writes one record (the items joined as join_record does) and CR LF.
  bool write_record(std::span<const std::u16string> items);
  // Flushes and puts the file in place; false with error() when anything
  // failed, and then nothing of it is left and an earlier file is untouched.
  bool close();

  bool failed() const { return !error_.empty(); }
  const std::string& error() const { return error_; }  // UTF-8, names the file

 private:
  bool flush();
  void fail(const std::string& what);

  std::filesystem::path path_;
  io::AtomicFile out_;
  std::string buffer_;  // encoded lines not yet handed to the stream
  long line_ = 0;
  std::string error_;
};

}  // namespace kovari::batch
