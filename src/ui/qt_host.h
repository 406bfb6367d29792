// The engine's host for the Qt program: message boxes, questions, a progress
// bar and a message line belonging to whichever window runs the operation.
#pragma once

#include <QPointer>

#include "host/host.h"

class QLabel;
class QProgressBar;
class QWidget;

namespace kovari::ui {

class QtHost : public Host {
 public:
  // `parent` owns the message boxes; the bar and the label may be null.
  explicit QtHost(QWidget* parent, QProgressBar* bar = nullptr, QLabel* message_line = nullptr);

  void message_box(std::u16string_view text, std::u16string_view title,
                   MessageIcon icon) override;
  bool ask_yes_no(std::u16string_view text, std::u16string_view title,
                  MessageIcon icon) override;
  void do_events() override;
  void progress_caption(std::u16string_view caption) override;
  void progress_range(long minimum, long maximum) override;
  void progress_value(long value) override;
  void status(std::u16string_view text) override;

 private:
  QPointer<QWidget> parent_;
  QPointer<QProgressBar> bar_;
  QPointer<QLabel> message_line_;
};

// Window positions are kept in twips in the settings file; the windows work in pixels.
int twips_to_pixels(int twips);
int pixels_to_twips(int pixels);

}  // namespace kovari::ui
