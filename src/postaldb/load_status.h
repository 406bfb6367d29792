// The outcome of one step of the start-up load.
#pragma once

#include <string>
#include <utility>

namespace kovari::postaldb {

enum class LoadProblem {
  kNone,
  kFileUnreadable,    // a data file exists but cannot be read
  kMainFileMissing,   // there is no main file in the folder
  kMainFileTooShort,  // the main file is shorter than its directory block
  kFileDamaged,       // a directory value or a table does not fit its file
};

struct LoadStatus {
  LoadProblem problem = LoadProblem::kNone;
  // Empty on success; otherwise a one-line UTF-8 message that names the data
  // file concerned and what is wrong with it.
  std::string error;

  bool ok() const { return problem == LoadProblem::kNone; }
  static LoadStatus success() { return {}; }
  static LoadStatus failure(LoadProblem problem, std::string message) {
    return {problem, std::move(message)};
  }
};

}  // namespace kovari::postaldb
