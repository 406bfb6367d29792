#include "ui/batch_code_to_address_window.h"

#include <QApplication>

#include "batch/code_to_address.h"
#include "batch/input_check.h"
#include "session/session.h"
#include "text/vb.h"
#include "ui_batch_code_to_address_window.h"

namespace kovari::ui {

BatchCodeToAddressWindow::BatchCodeToAddressWindow(KovariApp& app)
    : BatchWindow(app, settings::WindowNumber::kBatchCodeToAddress, kConversion),
      ui_(new Ui::BatchCodeToAddressWindow) {
  ui_->setupUi(this);
  session().edit_type = 1;
  const settings::Settings& s = session().settings;
  ui_->Text1->setText(to_qstring(text::Trim(s.in_file_name2)));
  ui_->Text4->setText(to_qstring(text::Trim(s.out_file_name2)));
  set_controls(ui_->Text6, ui_->Text1, ui_->Command7, {ui_->Frame1, ui_->Frame2});
  set_focus_controls({{Focus::kInputFile, QStringLiteral("Text1")},
                      {Focus::kItemCount, QStringLiteral("Text7")},
                      {Focus::kCodePosition, QStringLiteral("Text2")},
                      {Focus::kStartLine, QStringLiteral("Text3")},
                      {Focus::kOutputFile, QStringLiteral("Text4")}});
  add_field(ui_->Text1, Focus::kInputFile, ui_->Command1);
  add_field(ui_->Text7, Focus::kItemCount, ui_->Command9);
  add_field(ui_->Text2, Focus::kCodePosition, ui_->Command3);
  add_field(ui_->Text3, Focus::kStartLine, ui_->Command4);
  add_field(ui_->Text4, Focus::kOutputFile, ui_->Command5);
  add_position(ui_->Text2, ui_->HScroll1, ui_->Text5);
  add_browse(ui_->Command2, ui_->Text1, ui_->Text1);
  add_browse(ui_->Command6, ui_->Text4, ui_->Command7);
  // The scroll bar leads on to the start line.
  connect(ui_->HScroll1, &QScrollBar::sliderReleased, ui_->Text3,
          [this] { ui_->Text3->setFocus(); });
  connect(qApp, &QApplication::focusChanged, this, [this](QWidget* old, QWidget* now) {
    if (old == ui_->Text7 && now != nullptr && now->window() == this) item_count_left();
  });
  connect(ui_->Command7, &QPushButton::clicked, this, &BatchCodeToAddressWindow::start);
  connect(ui_->Command8, &QPushButton::clicked, this, &BatchCodeToAddressWindow::end_proc);
}

BatchCodeToAddressWindow::~BatchCodeToAddressWindow() = default;

batch::BatchFieldTexts BatchCodeToAddressWindow::field_texts() const {
  batch::BatchFieldTexts f;
  f.in_file = file_field(*ui_->Text1);
  f.item_count = to_u16(ui_->Text7->text());
  f.code_pos = to_u16(ui_->Text2->text());
  f.start_line = to_u16(ui_->Text3->text());
  f.out_file = file_field(*ui_->Text4);
  return f;
}

int BatchCodeToAddressWindow::probe() {
  const int count = BatchWindow::probe();
  if (count > batch::kProbeItemLimit) {
    ui_->Text1->setFocus();
    show_message(batch::kMsgProbeTooManyItems);
  } else if (count > 0) {
    ui_->Text7->setText(QString::number(count));
  }
  return count;
}

void BatchCodeToAddressWindow::item_count_left() {
  // A bad item count is told as the field is left, and the focus returns.
  if (text::trim_view(to_u16(ui_->Text7->text())).empty() || busy()) return;
  if (!batch::code_item_count(to_u16(ui_->Text7->text()))) {
    show_message(batch::enter_field(kConversion, Focus::kItemCount, field_texts()).message);
    ui_->Text7->setFocus();
  }
}

void BatchCodeToAddressWindow::start() {
  batch::CodeBatchFields fields;
  const batch::BatchFieldTexts typed = field_texts();
  fields.in_file = typed.in_file;
  fields.item_count = typed.item_count;
  fields.code_pos = typed.code_pos;
  fields.start_line = typed.start_line;
  fields.out_file = typed.out_file;
  fields.write_message = ui_->Check1->isChecked();
  fields.ask_overwrite = true;
  settings::Settings& s = session().settings;
  s.in_file_name2 = text::Trim(to_u16(ui_->Text1->text()));
  s.out_file_name2 = text::Trim(to_u16(ui_->Text4->text()));
  run([&](Host& host) { return batch::run_code_batch(fields, session(), host); });
}

}  // namespace kovari::ui
