// The tools menu: the settings window, the system information, the CSV
// export, and a button that closes the menu.
#pragma once

#include <memory>

#include "ui/kovari_window.h"

namespace Ui {
class ToolsMenuWindow;
}

namespace kovari::ui {

class ToolsMenuWindow : public KovariWindow {
  Q_OBJECT

 public:
  explicit ToolsMenuWindow(KovariApp& app);
  ~ToolsMenuWindow() override;

 private:
  std::unique_ptr<Ui::ToolsMenuWindow> ui_;
};

}  // namespace kovari::ui
