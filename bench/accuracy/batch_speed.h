// The speed of the batch address-to-code conversion over a file of real
// addresses.
#pragma once

#include <string>
#include <vector>

#include "session/session.h"

namespace kovari::accuracy {

struct BatchSpeed {
  long records = 0;
  long converted = 0;
  double seconds = 0;
  std::string error;  // empty when the run finished
};

// Writes `lines` records "n,address," cycling through `addresses` into a
// Shift-JIS file in a temporary folder and converts it with the code appended.
BatchSpeed measure_batch(Session& session, const std::vector<std::u16string>& addresses,
                         long lines);

}  // namespace kovari::accuracy
