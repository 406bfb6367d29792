// The program's main menu: eight buttons open the conversion and search
// windows, start the clipboard conversion, open the tools menu or end the
// program. The conversion windows it opens stay marked open in the session
// until they close; the clipboard conversion refuses to start while any is.
#pragma once

#include <memory>

#include "shell/main_menu.h"
#include "ui/kovari_app.h"
#include "ui/kovari_window.h"

class QPushButton;

namespace Ui {
class MainWindow;
}

namespace kovari::ui {

class MainWindow : public KovariWindow {
  Q_OBJECT

 public:
  explicit MainWindow(KovariApp& app);
  ~MainWindow() override;

  // The end of the program ("終了", or Esc on any button): stores the
  // position, writes the settings file (a warning box when it cannot be
  // written) and ends the program. Closing through the title bar leaves the
  // settings file alone.
  void end_proc() override;

 private:
  // Opens conversion window W, marked open (W::kConversion) until it closes.
  template <class W>
  void open_conversion() {
    shell::open_conversion_window(session(), W::kConversion);
    app().open<W>();
  }
  // "住所→〒、〒→住所　クリップボード経由変換".
  void start_clipboard_conversion();
  // Its window has closed: the buttons it disabled can be chosen again.
  void clipboard_conversion_ended();
  // Enables the conversion buttons that can be chosen now.
  void enable_openers();
  QPushButton* opener(ConversionWindow window) const;
  // The caption fits in the title bar, its help note at the right end.
  void fit_caption();

  std::unique_ptr<Ui::MainWindow> ui_;
  bool clipboard_running_ = false;
};

}  // namespace kovari::ui
