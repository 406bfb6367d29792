// The batch code-to-address window (〒→住所一括): the postal code in one item
// of every record of a file gets its address appended, and a message item
// when asked. The fields are checked as they are entered and again by the run
// (batch/field_checks, batch/code_to_address).
#pragma once

#include <memory>

#include "ui/batch_window.h"

namespace Ui {
class BatchCodeToAddressWindow;
}

namespace kovari::ui {

class BatchCodeToAddressWindow : public BatchWindow {
  Q_OBJECT

 public:
  static constexpr ConversionWindow kConversion = ConversionWindow::kBatchCodeToAddress;

  explicit BatchCodeToAddressWindow(KovariApp& app);
  ~BatchCodeToAddressWindow() override;

 protected:
  batch::BatchFieldTexts field_texts() const override;
  int probe() override;

 private:
  void item_count_left();
  void start();

  std::unique_ptr<Ui::BatchCodeToAddressWindow> ui_;
};

}  // namespace kovari::ui
