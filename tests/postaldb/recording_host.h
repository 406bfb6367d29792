// A host that records what the start-up load shows, for the tests.
#pragma once

#include <string>
#include <vector>

#include "host/host.h"

namespace kovari::postaldb::testing {

class RecordingHost : public SilentHost {
 public:
  void progress_range(long minimum, long maximum) override {
    range_min = minimum;
    range_max = maximum;
  }
  void progress_value(long value) override { values.push_back(value); }
  void do_events() override { ++events; }
  void status(std::u16string_view text) override { statuses.emplace_back(text); }

  long range_min = -1, range_max = -1;
  std::vector<long> values;
  int events = 0;
  std::vector<std::u16string> statuses;
};

}  // namespace kovari::postaldb::testing
