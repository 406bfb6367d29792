// The history of the clipboard conversions, "tmp_history.csv": one quoted
// Shift-JIS line per conversion appended to the file, which is never
// truncated. When it cannot be written the conversions go on without it, and
// the user is told so once.
#pragma once

#include <filesystem>
#include <fstream>
#include <string_view>

#include "host/host.h"

namespace kovari::clipboard {

class ClipHistory {
 public:
  // Opens (creating it when missing) the file for appending.
  explicit ClipHistory(std::filesystem::path path);

  // Appends `line` (ending in CR LF). A character without a Shift-JIS form
  // is written as "？". When the line cannot be written, the first time only,
  // a message box tells the user that the history is not kept.
  void append(std::u16string_view line, Host& host);

  const std::filesystem::path& path() const { return path_; }
  // Whether a line could not be written.
  bool failed() const { return failed_; }

 private:
  std::filesystem::path path_;
  std::ofstream out_;
  bool failed_ = false;
};

}  // namespace kovari::clipboard
