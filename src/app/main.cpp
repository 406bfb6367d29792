// The program's start: find the data (beside the program, the per-user data
// folder, or the installed set), load it with a progress window, then show
// the main window.
#include <QApplication>
#include <QIcon>

#include "paths/places.h"
#include "ui/kovari_app.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  // The desktop entry and the icon an installation puts in the icon theme.
  QGuiApplication::setDesktopFileName(QStringLiteral("kovari"));
  QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("kovari")));
  kovari::ui::KovariApp kovari;
  if (const int failed = kovari.start(kovari::paths::current_places())) return failed;
  return app.exec();
}
