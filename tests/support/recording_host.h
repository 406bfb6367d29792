// A host that records what the engine asked of it, for the tests.
#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "host/host.h"

namespace kovari::testing {

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
  void do_events() override { ++events; }
  void progress_caption(std::u16string_view caption) override {
    progress_captions.emplace_back(caption);
  }
  void progress_range(long minimum, long maximum) override {
    progress_ranges.push_back({minimum, maximum});
  }
  void progress_value(long value) override { progress_values.push_back(value); }
  void status(std::u16string_view text) override { statuses.emplace_back(text); }

  // The clipboard as a test scripts it: no value while it holds no text.
  bool clipboard_has_text() override { return clipboard.has_value(); }
  std::u16string clipboard_text() override { return clipboard.value_or(u""); }
  void set_clipboard_text(std::u16string_view text) override { clipboard = std::u16string(text); }
  void clear_clipboard() override {
    clipboard.reset();
    ++clipboard_clears;
  }
  std::optional<std::u16string> clipboard;
  int clipboard_clears = 0;

  std::vector<std::u16string> boxes, questions, statuses, progress_captions;
  std::vector<std::pair<long, long>> progress_ranges;
  std::vector<long> progress_values;
  int events = 0;

 private:
  bool answer_yes_;
};

}  // namespace kovari::testing
