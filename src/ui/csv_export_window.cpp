#include "ui/csv_export_window.h"

#include <QFileDialog>

#include "csv_export/csv_export.h"
#include "session/session.h"
#include "ui_csv_export_window.h"

namespace kovari::ui {

using csv_export::PickLevel;

CsvExportWindow::CsvExportWindow(KovariApp& app)
    : KovariWindow(app, settings::WindowNumber::kCsvExport),
      ui_(new Ui::CsvExportWindow),
      pick_(session().db) {
  ui_->setupUi(this);
  draw_pick();

  connect(ui_->Command1, &QPushButton::clicked, this, [this] { restart(PickLevel::kPrefecture); });
  connect(ui_->Command2, &QPushButton::clicked, this, [this] { restart(PickLevel::kCity); });
  connect(ui_->Command3, &QPushButton::clicked, this, [this] { restart(PickLevel::kTown); });
  // A double click or Enter.
  connect(ui_->List1, &QListWidget::itemActivated, this, &CsvExportWindow::choose);
  connect(ui_->Text4, &QLineEdit::returnPressed, this, [this] {
    if (!ui_->Text4->text().isEmpty()) ui_->Command7->setFocus();
  });
  connect(ui_->Command6, &QPushButton::clicked, this, &CsvExportWindow::browse);
  connect(ui_->Command7, &QPushButton::clicked, this, &CsvExportWindow::convert);
  connect(ui_->Command8, &QPushButton::clicked, this, &CsvExportWindow::end_proc);
}

CsvExportWindow::~CsvExportWindow() = default;

std::filesystem::path CsvExportWindow::output_folder() {
  return session().files.clipboard_history.parent_path();
}

void CsvExportWindow::draw_pick() {
  const std::initializer_list<std::pair<QLineEdit*, const std::u16string&>> picks = {
      {ui_->Text1, pick_.pref_text}, {ui_->Text2, pick_.city_text}, {ui_->Text3, pick_.town_text}};
  for (const auto& [field, text] : picks) field->setText(to_qstring(text));
  // A level's button restarts the pick there once it has been picked.
  ui_->Command1->setEnabled(!pick_.pref_text.empty());
  ui_->Command2->setEnabled(!pick_.city_text.empty());
  ui_->Command3->setEnabled(!pick_.town_text.empty());

  const csv_export::PickView view = csv_export::export_pick_view(pick_);
  ui_->Command4->setText(to_qstring(view.caption));
  ui_->Text5->setText(to_qstring(view.prompt));
  ui_->List1->clear();
  for (const std::u16string& item : pick_.list().items) ui_->List1->addItem(to_qstring(item));
  if (view.file_name_next) {
    ui_->Text4->setFocus();
    return;
  }
  ui_->List1->setCurrentRow(0);
  ui_->List1->setFocus();
}

void CsvExportWindow::restart(PickLevel level) {
  pick_.restart(level);
  draw_pick();
}

void CsvExportWindow::choose() {
  const int row = ui_->List1->currentRow();
  if (!pick_.choose(row < 0 ? std::nullopt : std::optional<int>(row))) {
    ui_->List1->setFocus();
    return;
  }
  draw_pick();
}

void CsvExportWindow::browse() {
  const QString text_files = QStringLiteral("ﾃｷｽﾄﾌｧｲﾙ (*.txt)");
  const QString csv_files = QStringLiteral("ﾃｷｽﾄﾌｧｲﾙ (*.csv)");
  QString filter = csv_files;
  // The export asks its own question before it replaces a file.
  const QString chosen = QFileDialog::getSaveFileName(
      this, QString(), QString::fromStdString(output_folder().string()),
      text_files + QStringLiteral(";;") + csv_files, &filter, QFileDialog::DontConfirmOverwrite);
  if (chosen.isEmpty()) {
    ui_->Text4->setFocus();
    return;
  }
  ui_->Text4->setText(chosen);
  ui_->Command7->setFocus();
}

void CsvExportWindow::convert() {
  csv_export::ExportOutcome outcome;
  {
    const BusyScope exporting(*this);
    if (!exporting.entered()) return;
    const csv_export::ExportRequest request{
        csv_export::export_area(pick_),
        csv_export::export_path(to_u16(ui_->Text4->text()), output_folder()),
        {.towns = ui_->Check1->isChecked(), .offices = ui_->Check2->isChecked()}};
    const std::initializer_list<QWidget*> inputs = {ui_->Frame1, ui_->Frame2, ui_->Frame3,
                                                    ui_->Command7};
    for (QWidget* input : inputs) input->setEnabled(false);
    outcome = csv_export::export_csv(session(), host(), request);
    for (QWidget* input : inputs) input->setEnabled(true);
  }
  if (!outcome.message.empty()) ui_->Text5->setText(to_qstring(outcome.message));
  switch (outcome.focus) {
    case csv_export::ExportField::kNone:
      break;
    case csv_export::ExportField::kPickList:
      ui_->List1->setFocus();
      break;
    case csv_export::ExportField::kTownsCheck:
      ui_->Check1->setFocus();
      break;
    case csv_export::ExportField::kFileName:
      ui_->Text4->setFocus();
      break;
  }
  if (outcome.result == csv_export::ExportResult::kWritten) end_proc();
}

}  // namespace kovari::ui
