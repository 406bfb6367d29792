// The engine's host for the Qt program: message boxes, questions, a progress
// bar and a message line belonging to the window that runs the operation, and
// the system clipboard's text.
#pragma once

#include <QPointer>

#include "host/host.h"

class QLineEdit;
class QProgressBar;
class QWidget;

namespace kovari::ui {

class QtHost : public Host {
 public:
  // `parent` owns the message boxes; the bar and the label may be null.
  explicit QtHost(QWidget* parent, QProgressBar* bar = nullptr, QLineEdit* message_line = nullptr);

  void message_box(std::u16string_view text, std::u16string_view title, MessageIcon icon) override;
  bool ask_yes_no(std::u16string_view text, std::u16string_view title, MessageIcon icon) override;
  // Runs pending window events, but only while events are allowed: inside a
  // window's busy scope, where a close or a second run is refused.
  void do_events() override;
  void progress_caption(std::u16string_view caption) override;
  void progress_range(long minimum, long maximum) override;
  void progress_value(long value) override;
  // Shown after the bar's percentage.
  void progress_rate(double items_per_second) override;
  void status(std::u16string_view text) override;
  bool clipboard_has_text() override;
  std::u16string clipboard_text() override;
  void set_clipboard_text(std::u16string_view text) override;
  void clear_clipboard() override;

  void bind(QProgressBar* bar, QLineEdit* message_line);
  void set_events_allowed(bool allowed) { events_allowed_ = allowed; }

 private:
  QPointer<QWidget> parent_;
  QPointer<QProgressBar> bar_;
  QPointer<QLineEdit> message_line_;
  bool events_allowed_ = false;
};

// Engine text as a QString and back.
QString to_qstring(std::u16string_view text);
std::u16string to_u16(const QString& text);

}  // namespace kovari::ui
