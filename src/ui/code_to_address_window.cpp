#include "ui/code_to_address_window.h"

#include "session/session.h"
#include "ui/kovari_app.h"
#include "ui/search_result_window.h"
#include "ui_code_to_address_window.h"

namespace kovari::ui {

using code_entry::CodeConversion;
using code_entry::CodeWindowFocus;

CodeToAddressWindow::CodeToAddressWindow(KovariApp& app)
    : KovariWindow(app, settings::WindowNumber::kCodeToAddress, kConversion),
      ui_(new Ui::CodeToAddressWindow) {
  ui_->setupUi(this);
  ui_->List1->setModel(&results_);
  ui_->List1->setModelColumn(ResultListModel::kTextColumn);
  draw(code_entry::input_state({}));

  connect(ui_->Command1, &QPushButton::clicked, this,
          [this] { draw(code_entry::input_state(fields())); });
  connect(ui_->Text1, &QLineEdit::returnPressed, ui_->Command3,
          [this] { ui_->Command3->setFocus(); });
  connect(ui_->Command3, &QPushButton::clicked, this, &CodeToAddressWindow::convert);
  // Enter or a double click.
  connect(ui_->List1, &QListView::activated, this, &CodeToAddressWindow::choose);
  connect(ui_->Command5, &QPushButton::clicked, this, &CodeToAddressWindow::copy);
  connect(ui_->Command4, &QPushButton::clicked, this, &CodeToAddressWindow::end_proc);
}

CodeToAddressWindow::~CodeToAddressWindow() = default;

code_entry::CodeWindowFields CodeToAddressWindow::fields() const {
  return {to_u16(ui_->Text1->text()), to_u16(ui_->Text2->text()), to_u16(ui_->Text3->text()),
          to_u16(ui_->Text4->text()), to_u16(ui_->Text5->text())};
}

void CodeToAddressWindow::entered(QWidget* control) {
  if (control == ui_->Text1) draw(code_entry::input_state(fields()));
}

void CodeToAddressWindow::draw(const CodeConversion& shown) {
  ui_->Text1->setText(to_qstring(shown.fields.code));
  ui_->Text2->setText(to_qstring(shown.fields.address));
  ui_->Text3->setText(to_qstring(shown.fields.message));
  ui_->Text4->setText(to_qstring(shown.fields.pobox));
  ui_->Text5->setText(to_qstring(shown.fields.office));

  const code_entry::CodeWindowControls controls = code_entry::controls_for(shown.state);
  ui_->Command3->setEnabled(controls.convert_enabled);
  ui_->Command5->setVisible(controls.copy_visible);
  const std::initializer_list<QWidget*> result_controls = {
      ui_->Command2, ui_->Command6, ui_->Command7, ui_->Text2, ui_->Text4, ui_->Text5};
  for (QWidget* result : result_controls) {
    result->setVisible(controls.result_visible);
  }
  for (QLineEdit* field : {ui_->Text2, ui_->Text4, ui_->Text5}) {
    field->setEnabled(controls.result_enabled);
  }
  ui_->List1->setVisible(controls.list_visible);
  if (shown.state == code_entry::CodeWindowState::Choice) {
    results_.set_rows(shown.results);
    ui_->List1->setCurrentIndex(results_.index(0, ResultListModel::kTextColumn));
  }

  switch (shown.focus) {
    case CodeWindowFocus::Code:
      ui_->Text1->setFocus();
      break;
    case CodeWindowFocus::Convert:
      ui_->Command3->setFocus();
      break;
    case CodeWindowFocus::Copy:
      ui_->Command5->setFocus();
      break;
    case CodeWindowFocus::List:
      ui_->List1->setFocus();
      break;
  }
  if (shown.prefix_list) app().open<SearchResultWindow>().show_list(*shown.prefix_list);
}

void CodeToAddressWindow::convert() {
  const BusyScope converting(*this);
  if (!converting.entered()) return;
  draw(code_entry::convert_typed_code(session(), host(), fields(),
                                      {.prefix_fallback = ui_->Check1->isChecked()}));
}

void CodeToAddressWindow::choose(const QModelIndex& row) {
  const std::vector<result_list::ResultRow>& rows = results_.rows();
  if (const auto chosen = code_entry::choose_result(rows, row.row(), fields())) draw(*chosen);
}

void CodeToAddressWindow::copy() {
  if (const auto copied = code_entry::copy_result(session(), host(), fields())) draw(*copied);
}

}  // namespace kovari::ui
