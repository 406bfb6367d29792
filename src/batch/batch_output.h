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

// Appends the record as an output line (the items joined as join_record does,
// in Shift-JIS, and CR LF) to `bytes`, with `line` as the room to join it in.
// False, with `bad` at the 0-based position in the joined line of the first
// character that has no Shift-JIS code, and then `bytes` is as it was.
bool append_record(std::span<const std::u16string> items, std::u16string& line, std::string& bytes,
                   std::size_t& bad);

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
  // Writes `count` lines that append_record encoded.
  bool write_lines(std::string_view bytes, long count);
  // The next line could not be encoded: its character at the 0-based
  // position `bad` has no Shift-JIS code. The file is in error from then on.
  void fail_unencodable(std::size_t bad);
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
  std::string buffer_;        // encoded lines not yet handed to the stream
  std::u16string line_text_;  // the record being joined
  long line_ = 0;
  std::string error_;
};

}  // namespace kovari::batch
