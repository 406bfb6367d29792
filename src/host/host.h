// The engine never shows a window. Whatever it needs from its caller (a message
// box, a Yes/No question, letting pending window events run, a progress bar, a
// request to move the focus, the clipboard) goes through this interface, which
// the Qt windows, kovari-cli and the tests each implement.
#pragma once

#include <string>
#include <string_view>
#include <vector>

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

  // The window's message line.
  virtual void status(std::u16string_view text) { (void)text; }

  // Asks the window to move the focus to one of its controls ("Text1", "List1" ...).
  virtual void request_focus(std::string_view control) { (void)control; }

  // Shows the selection list of address resolution with the prompt of its
  // level (list_kind 1 prefecture .. 4 town area) and the names offered. The
  // window keeps the resolution state and reads the chosen item from it.
  virtual void set_list2(int list_kind, std::u16string_view prompt,
                         const std::vector<std::u16string>& names) {
    (void)list_kind;
    (void)prompt;
    (void)names;
  }

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
