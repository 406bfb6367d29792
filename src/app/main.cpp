// The program's start: the splash window, then the data found (beside the
// program, the per-user data folder, or the installed set) and loaded with a
// progress window, then the main menu.
#include <QApplication>
#include <QIcon>

#include "paths/places.h"
#include "ui/kovari_app.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  // The desktop entry and the icon an installation puts in the icon theme.
  QGuiApplication::setDesktopFileName(QStringLiteral("kovari"));
  kovari::ui::KovariApp kovari;
  QApplication::setWindowIcon(
      QIcon::fromTheme(QStringLiteral("kovari"), QIcon(QStringLiteral(":/images/kovari.svg"))));
  if (const int failed = kovari.start(kovari::paths::current_places())) return failed;
  return app.exec();
}
