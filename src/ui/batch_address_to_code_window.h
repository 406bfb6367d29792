// The batch address-to-code window (住所→〒一括): every record of a file whose
// address stands in up to three items gets its postal code, appended or in
// place of its old code, with a message item and the latest address when
// asked. The record view picks the positions, the edit format window chooses
// the latest address's items. The fields are checked as they are entered and
// again by the run (batch/field_checks, batch/address_to_code).
#pragma once

#include <memory>

#include "ui/batch_window.h"

namespace Ui {
class BatchAddressToCodeWindow;
}

namespace kovari::ui {

class BatchAddressToCodeWindow : public BatchWindow {
  Q_OBJECT

 public:
  static constexpr ConversionWindow kConversion = ConversionWindow::kBatchAddressToCode;

  explicit BatchAddressToCodeWindow(KovariApp& app);
  ~BatchAddressToCodeWindow() override;

  // The record view's pick: `position` into the field of `field` (the old
  // code or a 住所 position), with its scroll bar and preview box.
  void set_position(Focus field, int position);
  // The position fields' texts: old code, 住所１, 住所２, 住所３.
  void positions(std::u16string (&texts)[4]) const;

 protected:
  batch::BatchFieldTexts field_texts() const override;
  int probe() override;
  void monitor(std::u16string_view address, std::u16string_view parts) override;

 private:
  // Ticking "出力する" asks first; Yes opens the edit format window.
  void latest_address_ticked(bool ticked);
  void start();

  std::unique_ptr<Ui::BatchAddressToCodeWindow> ui_;
};

}  // namespace kovari::ui
