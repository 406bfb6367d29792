#include "ui/kovari_app.h"

#include <QMessageBox>

#include "settings/ini_file.h"
#include "ui/main_window.h"
#include "ui/preparing_window.h"

namespace kovari::ui {

KovariApp::~KovariApp() {
  for (auto& [type, window] : windows_) delete window.data();
}

std::filesystem::path KovariApp::settings_path() const {
  return session_.db.app_path / settings::kIniFileName;
}

bool KovariApp::start(const std::filesystem::path& folder) {
  {
    PreparingWindow preparing;
    preparing.show();
    QtHost host(&preparing, preparing.ProgressBar1());
    // Nothing else is open yet: the bar may repaint while the tables load.
    host.set_events_allowed(true);
    const postaldb::LoadStatus status = session_.load(folder, host);
    if (!status.ok()) {
      QMessageBox::critical(nullptr, QStringLiteral("警告メッセージ"),
                            QString::fromStdString(status.error));
      return false;
    }
  }
  open<MainWindow>();
  return true;
}

}  // namespace kovari::ui
