#include "ui/address_edit_format_window.h"

#include "batch/edit_output.h"
#include "session/session.h"
#include "ui_address_edit_format_window.h"

namespace kovari::ui {

AddressEditFormatWindow::AddressEditFormatWindow(KovariApp& app)
    : KovariWindow(app, settings::WindowNumber::kAddressEditFormat),
      ui_(new Ui::AddressEditFormatWindow) {
  ui_->setupUi(this);
  // Option4 is one item, Option1 four.
  const std::pair<QRadioButton*, int> options[] = {
      {ui_->Option4, 1}, {ui_->Option3, 2}, {ui_->Option2, 3}, {ui_->Option1, 4}};
  for (const auto& [option, edit_type] : options) {
    connect(option, &QRadioButton::clicked, this, [this, edit_type] { choose(edit_type); });
  }
  ui_->Option3->setChecked(true);
  choose(2);
  connect(ui_->Command2, &QPushButton::clicked, this, &AddressEditFormatWindow::end_proc);
}

AddressEditFormatWindow::~AddressEditFormatWindow() = default;

void AddressEditFormatWindow::choose(int edit_type) {
  session().edit_type = edit_type;
  ui_->Command1->setText(QStringLiteral("編集形式"));
  ui_->Text1->setText(to_qstring(batch::edit_message(edit_type)));
  ui_->Text2->setText(QStringLiteral("変換後ファイルのレコード後尾に追記します"));
}

}  // namespace kovari::ui
