// The code-to-address window: a postal code typed in is converted to its
// address (with the post-office box and office name of an individual code);
// several results are listed to choose from, a shorter code opens the list
// of the codes beginning with it, and the result can be extended and copied
// to the clipboard as one quoted line. What it shows comes from code_entry.
#pragma once

#include <memory>

#include "code_entry/code_entry.h"
#include "ui/kovari_window.h"
#include "ui/result_list_model.h"

namespace Ui {
class CodeToAddressWindow;
}

namespace kovari::ui {

class CodeToAddressWindow : public KovariWindow {
  Q_OBJECT

 public:
  static constexpr ConversionWindow kConversion = ConversionWindow::kCodeToAddress;

  explicit CodeToAddressWindow(KovariApp& app);
  ~CodeToAddressWindow() override;

 protected:
  void entered(QWidget* control) override;

 private:
  code_entry::CodeWindowFields fields() const;
  // Draws the fields, the state's controls and the focus of `shown`, and
  // opens the result list on its prefix list.
  void draw(const code_entry::CodeConversion& shown);
  void convert();
  void choose(const QModelIndex& row);
  void copy();

  std::unique_ptr<Ui::CodeToAddressWindow> ui_;
  ResultListModel results_;
};

}  // namespace kovari::ui
