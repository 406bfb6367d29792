#include "ui/record_view_window.h"

#include <QTimer>

#include "batch/input_check.h"
#include "ui/batch_address_to_code_window.h"
#include "ui/kovari_app.h"
#include "ui_record_view_window.h"

namespace kovari::ui {

RecordViewWindow::RecordViewWindow(KovariApp& app)
    : KovariWindow(app, settings::WindowNumber::kRecordView), ui_(new Ui::RecordViewWindow) {
  ui_->setupUi(this);
  const BatchAddressToCodeWindow* batch_window = app.find<BatchAddressToCodeWindow>();
  const QLineEdit* input =
      batch_window ? batch_window->findChild<QLineEdit*>(QStringLiteral("Text1")) : nullptr;
  std::optional<std::u16string> text;
  if (input != nullptr && batch::input_file_ok(file_field(*input))) {
    text = batch::read_input_file(batch::field_path(file_field(*input))).text;
  }
  if (!text) {
    // Nothing to show: the window closes as soon as it opens.
    QTimer::singleShot(0, this, &QWidget::close);
    return;
  }
  text_ = std::move(*text);
  std::u16string positions[4];
  batch_window->positions(positions);
  pick_state_ = batch::first_pick_state(positions);
  ui_->Command1->setText(QStringLiteral("変換前ファイル：") + input->text().trimmed());
  ui_->Text1->setText(to_qstring(batch::pick_instruction(pick_state_)));
  show_line();

  connect(ui_->List1, &QListWidget::itemDoubleClicked, this, &RecordViewWindow::pick);
  connect(ui_->Command2, &QPushButton::clicked, this, [this] {
    ++view_line_;
    show_line();
  });
  connect(ui_->Command3, &QPushButton::clicked, this, &RecordViewWindow::end_proc);
}

RecordViewWindow::~RecordViewWindow() = default;

void RecordViewWindow::show_line() {
  const int count = batch::view_line_items(text_, view_line_, rec_item_);
  ui_->List1->clear();
  for (const std::u16string& row : batch::record_view_rows(rec_item_, count, pick_state_)) {
    ui_->List1->addItem(to_qstring(row));
  }
}

void RecordViewWindow::pick() {
  const QList<QListWidgetItem*> selected = ui_->List1->selectedItems();
  const int row = selected.isEmpty() ? 0 : ui_->List1->row(selected.front());
  const std::optional<batch::Pick> picked = batch::pick_row(pick_state_, row);
  if (!picked) return;
  if (BatchAddressToCodeWindow* batch_window = app().find<BatchAddressToCodeWindow>()) {
    batch_window->set_position(picked->field, picked->position);
  }
  pick_state_ = picked->next;
  ui_->Text1->setText(to_qstring(batch::pick_instruction(pick_state_)));
  if (pick_state_ == batch::PickState::kNone) close();
}

}  // namespace kovari::ui
