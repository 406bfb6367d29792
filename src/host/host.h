// The engine never shows a window. The services it needs from its caller
// while it runs (a message box, a Yes/No question, letting pending window
// events run, a progress bar, the message line, the clipboard) go through
// this interface, which the Qt windows, kovari-cli and the tests each
// implement. What an operation decides (a code, a list to choose from, the
// field to return to) comes back in its outcome, not through the host.
#pragma once

#include <string>
#include <string_view>

namespace kovari {

enum class MessageIcon { Information, Question, Exclamation, Critical };

class Host {
 public:
  virtual ~Host() = default;

  // An OK message box with a title ("注意メッセージ", "情報メッセージ", ...).
  virtual void message_box(std::u16string_view text, std::u16string_view title,
                           MessageIcon icon) = 0;

  // A Yes/No question; true for Yes.
  virtual bool ask_yes_no(std::u16string_view text, std::u16string_view title,
                          MessageIcon icon) = 0;

  // Lets pending window events run (long loops call it at their progress steps).
  virtual void do_events() {}

  // A progress display that accepts a caption, a minimum, a maximum and a value.
  virtual void progress_caption(std::u16string_view caption) { (void)caption; }
  virtual void progress_range(long minimum, long maximum) {
    (void)minimum;
    (void)maximum;
  }
  virtual void progress_value(long value) { (void)value; }
  // How fast a long run goes, given at its progress steps.
  virtual void progress_rate(double items_per_second) { (void)items_per_second; }

  // The monitoring display of a batch run (with the monitor flag set): the
  // address being converted and its decomposed parts.
  virtual void monitor(std::u16string_view address, std::u16string_view parts) {
    (void)address;
    (void)parts;
  }

  // The window's message line.
  virtual void status(std::u16string_view text) { (void)text; }

  // The clipboard, text format: whether it holds text, that text (empty when
  // it holds none), replacing its content by a text, and emptying it.
  virtual bool clipboard_has_text() { return false; }
  virtual std::u16string clipboard_text() { return {}; }
  virtual void set_clipboard_text(std::u16string_view text) { (void)text; }
  virtual void clear_clipboard() {}
};

// A host that answers every question with a fixed reply and shows nothing:
// what the batch paths and the command line use when no one is asked.
class SilentHost : public Host {
 public:
  explicit SilentHost(bool answer_yes = false) : answer_yes_(answer_yes) {}
  void message_box(std::u16string_view, std::u16string_view, MessageIcon) override {}
  bool ask_yes_no(std::u16string_view, std::u16string_view, MessageIcon) override {
    return answer_yes_;
  }

 private:
  bool answer_yes_;
};

}  // namespace kovari
