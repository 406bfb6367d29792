// The program's start: the data beside the program, loaded with a progress
// window, then the main window.
#include <QApplication>
#include <filesystem>

#include "ui/kovari_app.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  const std::filesystem::path app_path = QCoreApplication::applicationDirPath().toStdString();
  kovari::ui::KovariApp kovari;
  if (!kovari.start(app_path)) return 1;
  return app.exec();
}
