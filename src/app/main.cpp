// The program's start: find the data (beside the program, the per-user data
// folder, or the installed set), load it with a progress window, then show
// the main window.
#include <QApplication>
#include <QIcon>
#include <QMessageBox>
#include <filesystem>

#include "paths/data_folder.h"
#include "paths/user_files.h"
#include "postaldb/startup.h"
#include "ui/main_window.h"
#include "ui/preparing_window.h"
#include "ui/qt_host.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  // The desktop entry and the icon an installation puts in the icon theme.
  QGuiApplication::setDesktopFileName(QStringLiteral("kovari"));
  QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("kovari")));
  const kovari::paths::Places places = kovari::paths::current_places();
  const kovari::paths::DataSearch data = kovari::paths::find_data_folder(places);
  if (!data.folder) {
    QMessageBox::critical(nullptr, QStringLiteral("警告メッセージ"),
                          QString::fromStdString(kovari::paths::search_failure_text(data)));
    return 2;
  }

  kovari::postaldb::PostalDb db;
  kovari::settings::Settings settings;
  {
    kovari::ui::PreparingWindow preparing;
    preparing.show();
    kovari::ui::QtHost host(&preparing, preparing.ProgressBar1());
    const auto status = kovari::postaldb::load_postal_db(
        *data.folder, db, settings, host,
        kovari::paths::settings_file_to_read(places, kovari::paths::folder_is_writable));
    if (!status.ok()) {
      QMessageBox::critical(nullptr, QStringLiteral("警告メッセージ"),
                            QString::fromStdString(status.error));
      return 1;
    }
  }

  kovari::ui::MainWindow window(
      db, settings, kovari::paths::user_file(kovari::paths::UserFile::Settings, places));
  window.set_form1();
  window.show();
  return app.exec();
}
