// The program's start: load the data beside the program with a progress
// window, then show the main window.
#include <QApplication>
#include <QMessageBox>
#include <filesystem>

#include "postaldb/startup.h"
#include "settings/ini_file.h"
#include "ui/main_window.h"
#include "ui/preparing_window.h"
#include "ui/qt_host.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  const std::filesystem::path app_path = QCoreApplication::applicationDirPath().toStdString();

  kovari::postaldb::PostalDb db;
  kovari::settings::Settings settings;
  {
    kovari::ui::PreparingWindow preparing;
    preparing.show();
    kovari::ui::QtHost host(&preparing, preparing.ProgressBar1());
    const auto status = kovari::postaldb::load_postal_db(app_path, db, settings, host);
    if (!status.ok()) {
      QMessageBox::critical(nullptr, QStringLiteral("警告メッセージ"),
                            QString::fromStdString(status.error));
      return 1;
    }
  }

  kovari::ui::MainWindow window(db, settings, app_path / kovari::settings::kIniFileName);
  window.set_form1();
  window.show();
  return app.exec();
}
