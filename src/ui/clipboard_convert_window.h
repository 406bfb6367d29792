// The clipboard conversion: once started, it looks at the clipboard every
// second; a postal code copied there (in any program) is replaced by its
// address, an address by its postal code, and each conversion is added to the
// history file. The status button and picture (also the window's icon) show
// the last conversion. What it decides comes from the clipboard watcher.
#pragma once

#include <QTimer>
#include <memory>

#include "clipboard/clip_history.h"
#include "clipboard/clip_watch.h"
#include "session/clip_conversions.h"
#include "ui/kovari_window.h"

namespace Ui {
class ClipboardConvertWindow;
}

namespace kovari::ui {

class ClipboardConvertWindow : public KovariWindow {
  Q_OBJECT

 public:
  explicit ClipboardConvertWindow(KovariApp& app);
  ~ClipboardConvertWindow() override;

  // One tick of the watch timer ("Timer1", every 1000 ms while watching).
  void watch_step();

 signals:
  // The window has closed: the menu's conversion buttons can be chosen again.
  void closed();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  // "変換開始".
  void start();
  // Shows the status caption and picture of the watcher.
  void draw();

  std::unique_ptr<Ui::ClipboardConvertWindow> ui_;
  clipboard::ClipWatch watch_;
  clipboard::ClipHistory history_;
  SessionClipConverter converter_;
  QTimer timer_;
};

}  // namespace kovari::ui
