#include "ui/main_window.h"

#include <QCoreApplication>
#include <QMessageBox>

#include "postaldb/summary.h"
#include "settings/ini_file.h"
#include "ui/kovari_app.h"
#include "ui_main_window.h"

namespace kovari::ui {
namespace {

QString summary_text(const postaldb::PostalDb& db) {
  QString text;
  for (const auto& [name, value] : postaldb::load_summary(db)) {
    text += QString::fromStdString(name) + QStringLiteral("  ") + QString::number(value) + '\n';
  }
  return text;
}

}  // namespace

MainWindow::MainWindow(KovariApp& app)
    : KovariWindow(app, settings::WindowNumber::kMainWindow), ui_(new Ui::MainWindow) {
  ui_->setupUi(this);
  ui_->Summary->setText(summary_text(session().db));
  connect(ui_->Command6, &QPushButton::clicked, this, &MainWindow::end_proc);
}

MainWindow::~MainWindow() = default;

void MainWindow::end_proc() {
  if (busy()) return;
  store_position();
  // The program ends either way; a settings file that cannot be written keeps
  // its old contents, and the user is told.
  if (!settings::put_ini_file(app().settings_path(), session().settings)) {
    QMessageBox::warning(this, QStringLiteral("警告メッセージ"),
                         QStringLiteral("設定ファイルに書き込めません。\r\n") +
                             QString::fromStdString(app().settings_path().string()));
  }
  close();
  QCoreApplication::quit();
}

}  // namespace kovari::ui
