// The output edit format window: how the latest address the batch
// address-to-code run can append is split into one to four items. The choice
// is the session's edit_type, which the next run uses.
#pragma once

#include <memory>

#include "ui/kovari_window.h"

namespace Ui {
class AddressEditFormatWindow;
}

namespace kovari::ui {

class AddressEditFormatWindow : public KovariWindow {
  Q_OBJECT

 public:
  explicit AddressEditFormatWindow(KovariApp& app);
  ~AddressEditFormatWindow() override;

 private:
  // Sets edit_type and shows its sample.
  void choose(int edit_type);

  std::unique_ptr<Ui::AddressEditFormatWindow> ui_;
};

}  // namespace kovari::ui
