// The program's main window. For now it reports the loaded data set and ends
// the program; the conversion windows open from here once they exist.
#pragma once

#include <memory>

#include "ui/kovari_window.h"

namespace Ui {
class MainWindow;
}

namespace kovari::ui {

class MainWindow : public KovariWindow {
  Q_OBJECT

 public:
  explicit MainWindow(KovariApp& app);
  ~MainWindow() override;

  // The end of the program: stores the position, writes the settings file
  // (a warning box when it cannot be written) and ends the program. Closing
  // through the title bar leaves the settings file alone.
  void end_proc() override;

 private:
  std::unique_ptr<Ui::MainWindow> ui_;
};

}  // namespace kovari::ui
