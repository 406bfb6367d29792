#include "report.h"

namespace kovari::mkdata {

void Report::line(const std::string& file, int line_no, const std::string& message) {
  ++line_count_;
  messages_.push_back(file + ":" + std::to_string(line_no) + ": " + message);
}

void Report::fatal(const std::string& message) {
  ++fatal_count_;
  messages_.push_back("error: " + message);
}

void Report::note(const std::string& message) { messages_.push_back("note: " + message); }

}  // namespace kovari::mkdata
