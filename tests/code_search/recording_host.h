// A host that records what the engine asked of it.
#pragma once

#include <string>
#include <vector>

#include "host/host.h"

namespace kovari::code_search::testing {

class RecordingHost : public Host {
 public:
  explicit RecordingHost(bool answer_yes = true) : answer_yes_(answer_yes) {}

  void message_box(std::u16string_view text, std::u16string_view title, MessageIcon) override {
    boxes.push_back(std::u16string(title) + u"|" + std::u16string(text));
  }
  bool ask_yes_no(std::u16string_view text, std::u16string_view title, MessageIcon) override {
    questions.push_back(std::u16string(title) + u"|" + std::u16string(text));
    return answer_yes_;
  }
  void progress_caption(std::u16string_view caption) override {
    progress_captions.emplace_back(caption);
  }
  void progress_range(long minimum, long maximum) override {
    progress_ranges.push_back({minimum, maximum});
  }
  void progress_value(long value) override { progress_values.push_back(value); }
  void status(std::u16string_view text) override { statuses.emplace_back(text); }
  void request_focus(std::string_view control) override { focus.emplace_back(control); }

  std::vector<std::u16string> boxes, questions, statuses, progress_captions;
  std::vector<std::string> focus;
  std::vector<std::pair<long, long>> progress_ranges;
  std::vector<long> progress_values;

 private:
  bool answer_yes_;
};

}  // namespace kovari::code_search::testing
