#include "ui/batch_address_to_code_window.h"

#include "batch/address_to_code.h"
#include "batch/input_check.h"
#include "session/session.h"
#include "text/vb.h"
#include "ui/address_edit_format_window.h"
#include "ui/kovari_app.h"
#include "ui/record_view_window.h"
#include "ui_batch_address_to_code_window.h"

namespace kovari::ui {

BatchAddressToCodeWindow::BatchAddressToCodeWindow(KovariApp& app)
    : BatchWindow(app, settings::WindowNumber::kBatchAddressToCode, kConversion),
      ui_(new Ui::BatchAddressToCodeWindow) {
  ui_->setupUi(this);
  settings::Settings& s = session().settings;
  s.set_flag(settings::Flag::kUseOldCode, 0);
  session().edit_type = 1;
  ui_->Text1->setText(to_qstring(text::Trim(s.in_file_name)));
  ui_->Text11->setText(to_qstring(text::Trim(s.out_file_name)));
  for (QLineEdit* position : {ui_->Text3, ui_->Text8, ui_->Text9, ui_->Text10}) {
    position->setText(QStringLiteral("0"));
  }
  (s.flag(settings::Flag::kHyphen) == 1 ? ui_->Option4 : ui_->Option3)->setChecked(true);
  const bool monitoring = s.flag(settings::Flag::kMonitor) == 1;
  ui_->Text4->setVisible(monitoring);
  ui_->Text5->setVisible(monitoring);

  set_controls(ui_->Text12, ui_->Text1, ui_->Command11, {ui_->Frame1, ui_->Frame2});
  set_focus_controls({{Focus::kInputFile, QStringLiteral("Text1")},
                      {Focus::kItemCount, QStringLiteral("Text2")},
                      {Focus::kCodePosition, QStringLiteral("Text3")},
                      {Focus::kAddress1Position, QStringLiteral("Text8")},
                      {Focus::kAddress2Position, QStringLiteral("Text9")},
                      {Focus::kAddress3Position, QStringLiteral("Text10")},
                      {Focus::kStartLine, QStringLiteral("Text13")},
                      {Focus::kOutputFile, QStringLiteral("Text11")}});
  add_field(ui_->Text1, Focus::kInputFile, ui_->Command1);
  add_field(ui_->Text2, Focus::kItemCount, ui_->Command3);
  add_field(ui_->Text3, Focus::kCodePosition, ui_->Command4);
  add_field(ui_->Text8, Focus::kAddress1Position, ui_->Command5);
  add_field(ui_->Text9, Focus::kAddress2Position, ui_->Command6);
  add_field(ui_->Text10, Focus::kAddress3Position, ui_->Command7);
  add_field(ui_->Text13, Focus::kStartLine, ui_->Command12);
  add_field(ui_->Text11, Focus::kOutputFile, ui_->Command8);
  add_position(ui_->Text3, ui_->HScroll1, ui_->Text14);
  add_position(ui_->Text8, ui_->HScroll2, ui_->Text15);
  add_position(ui_->Text9, ui_->HScroll3, ui_->Text16);
  add_position(ui_->Text10, ui_->HScroll4, ui_->Text17);
  add_browse(ui_->Command2, ui_->Text1, ui_->Text1);
  add_browse(ui_->Command9, ui_->Text11, ui_->Command11);

  connect(ui_->Command13, &QPushButton::clicked, this, [this] {
    // Always afresh: an open record view is closed first.
    if (RecordViewWindow* open = this->app().find<RecordViewWindow>()) open->close();
    this->app().open<RecordViewWindow>();
  });
  connect(ui_->Check2, &QCheckBox::clicked, this, &BatchAddressToCodeWindow::latest_address_ticked);
  connect(ui_->Command14, &QPushButton::clicked, this, [this] {
    ui_->Check2->setChecked(true);
    this->app().open<AddressEditFormatWindow>();
  });
  connect(ui_->Check3, &QCheckBox::toggled, this, [this](bool ticked) {
    session().settings.set_flag(settings::Flag::kUseOldCode, ticked ? 1 : 0);
  });
  connect(ui_->Command11, &QPushButton::clicked, this, &BatchAddressToCodeWindow::start);
  connect(ui_->Command10, &QPushButton::clicked, this, &BatchAddressToCodeWindow::end_proc);
}

BatchAddressToCodeWindow::~BatchAddressToCodeWindow() = default;

batch::BatchFieldTexts BatchAddressToCodeWindow::field_texts() const {
  batch::BatchFieldTexts f;
  f.in_file = file_field(*ui_->Text1);
  f.item_count = to_u16(ui_->Text2->text());
  f.code_pos = to_u16(ui_->Text3->text());
  f.address_pos[0] = to_u16(ui_->Text8->text());
  f.address_pos[1] = to_u16(ui_->Text9->text());
  f.address_pos[2] = to_u16(ui_->Text10->text());
  f.start_line = to_u16(ui_->Text13->text());
  f.out_file = file_field(*ui_->Text11);
  return f;
}

void BatchAddressToCodeWindow::positions(std::u16string (&texts)[4]) const {
  const batch::BatchFieldTexts f = field_texts();
  texts[0] = f.code_pos;
  for (int k = 0; k < 3; ++k) texts[k + 1] = f.address_pos[k];
}

void BatchAddressToCodeWindow::set_position(Focus field, int position) {
  const std::map<Focus, QLineEdit*> fields = {{Focus::kCodePosition, ui_->Text3},
                                              {Focus::kAddress1Position, ui_->Text8},
                                              {Focus::kAddress2Position, ui_->Text9},
                                              {Focus::kAddress3Position, ui_->Text10}};
  if (const auto found = fields.find(field); found != fields.end()) {
    BatchWindow::set_position(found->second, position);
  }
}

int BatchAddressToCodeWindow::probe() {
  const int count = BatchWindow::probe();
  if (count > batch::kProbeItemLimit) {
    ui_->Text1->setFocus();
  } else if (count > 0) {
    ui_->Text2->setText(QString::number(count));
    set_positions_maximum(count);
  }
  return count;
}

void BatchAddressToCodeWindow::monitor(std::u16string_view address, std::u16string_view parts) {
  ui_->Text4->setText(to_qstring(address));
  ui_->Text5->setText(to_qstring(parts));
}

void BatchAddressToCodeWindow::latest_address_ticked(bool ticked) {
  if (!ticked) return;
  if (!host().ask_yes_no(u"新郵便番号変換後、最新情報の住所も出力すると\r\n"
                         u"変換時間は２倍以上かかります。\r\n処理を続行しますか。",
                         u"問い合わせメッセージ", MessageIcon::Question)) {
    ui_->Check2->setChecked(false);
    return;
  }
  app().open<AddressEditFormatWindow>();
}

void BatchAddressToCodeWindow::start() {
  batch::AddressBatchFields fields;
  const batch::BatchFieldTexts typed = field_texts();
  fields.in_file = typed.in_file;
  fields.item_count = typed.item_count;
  fields.code_pos = typed.code_pos;
  for (int k = 0; k < 3; ++k) fields.address_pos[k] = typed.address_pos[k];
  fields.start_line = typed.start_line;
  fields.out_file = typed.out_file;
  fields.replace_code = ui_->Option1->isChecked();
  fields.hyphen = ui_->Option4->isChecked();
  fields.write_message = ui_->Check1->isChecked();
  fields.ask_overwrite = true;
  fields.use_old_code = ui_->Check3->isChecked();
  fields.latest_address = ui_->Check2->isChecked();
  fields.edit_type = session().edit_type;
  settings::Settings& s = session().settings;
  s.in_file_name = text::Trim(to_u16(ui_->Text1->text()));
  s.out_file_name = text::Trim(to_u16(ui_->Text11->text()));
  run([&](Host& host) { return batch::run_address_batch(fields, session(), host); });
}

}  // namespace kovari::ui
