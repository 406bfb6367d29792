#include "ui/splash_window.h"

#include <QScreen>

#include "paths/version.h"
#include "shell/program_info.h"
#include "ui/pictures.h"
#include "ui/qt_host.h"
#include "ui_splash_window.h"

namespace kovari::ui {

SplashWindow::SplashWindow() : ui_(new Ui::SplashWindow) {
  ui_->setupUi(this);
  setWindowFlag(Qt::SplashScreen);
  ui_->lblVersion->setText(to_qstring(shell::splash_version(paths::kProgramVersion)));
  draw_pictures(this);
  adjustSize();
  move(screen()->availableGeometry().center() - rect().center());
}

SplashWindow::~SplashWindow() = default;

}  // namespace kovari::ui
