// The outcome of one step of the start-up load.
#pragma once

#include <string>
#include <utility>

namespace kovari::postaldb {

struct LoadStatus {
  // Empty on success; otherwise a one-line UTF-8 message that names the data
  // file concerned and what is wrong with it.
  std::string error;

  bool ok() const { return error.empty(); }
  static LoadStatus success() { return {}; }
  static LoadStatus failure(std::string message) { return {std::move(message)}; }
};

}  // namespace kovari::postaldb
