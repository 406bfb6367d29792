// The system information: the program's version and the date of the postal
// data it has loaded.
#pragma once

#include <memory>

#include "ui/kovari_window.h"

namespace Ui {
class SystemInfoWindow;
}

namespace kovari::ui {

class SystemInfoWindow : public KovariWindow {
  Q_OBJECT

 public:
  explicit SystemInfoWindow(KovariApp& app);
  ~SystemInfoWindow() override;

 private:
  std::unique_ptr<Ui::SystemInfoWindow> ui_;
};

}  // namespace kovari::ui
