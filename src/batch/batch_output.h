// Writing the records of a batch output file: items joined with "," as one
// Shift-JIS line ending in CR LF. An item that contains a comma or a double
// quote is written in double quotes with its inner quotes doubled, so that
// every record keeps its item count; any other item is written as it stands.
#pragma once

#include <cstddef>
#include <filesystem>
#include <fstream>
#include <span>
#include <string>
#include <string_view>

namespace kovari::batch {

// The items joined with ",", quoted where needed.
std::u16string join_record(std::span<const std::u16string> items);

// True when the two names lead to the same file (resolved paths, links
// followed), so that a conversion never overwrites its own input.
bool same_file(const std::filesystem::path& a, const std::filesystem::path& b);

// An output file, replaced if it exists. Every failure is kept: once a write
// has failed the file is in error and later writes do nothing.
class OutputFile {
 public:
  // Creates (or truncates) the file; false with error() when it cannot.
  bool open(const std::filesystem::path& path);
  // Writes one record (the items joined as join_record does) and CR LF.
  bool write_record(std::span<const std::u16string> items);
  // Flushes and closes; false with error() when anything failed.
  bool close();

  bool failed() const { return !error_.empty(); }
  const std::string& error() const { return error_; }  // UTF-8, names the file

 private:
  bool flush();
  void fail(const std::string& what);

  std::filesystem::path path_;
  std::ofstream out_;
  std::string buffer_;  // encoded lines not yet handed to the stream
  long line_ = 0;
  std::string error_;
};

}  // namespace kovari::batch
