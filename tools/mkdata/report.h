// Problems met while building the data files. A problem tied to an input line
// names the file and the line; the build goes on without that line. A fatal
// problem (a bound the readers cannot hold) stops the build before any file is
// written.
#pragma once

#include <string>
#include <vector>

namespace kovari::mkdata {

class Report {
 public:
  // A line of an input file that cannot be used.
  void line(const std::string& file, int line_no, const std::string& message);
  // Something the readers would misread: no file may be written.
  void fatal(const std::string& message);
  // Worth telling, but the files stay correct.
  void note(const std::string& message);

  bool has_fatal() const { return fatal_count_ > 0; }
  int skipped_lines() const { return line_count_; }
  const std::vector<std::string>& messages() const { return messages_; }

 private:
  std::vector<std::string> messages_;
  int line_count_ = 0;
  int fatal_count_ = 0;
};

}  // namespace kovari::mkdata
