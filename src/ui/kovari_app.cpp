#include "ui/kovari_app.h"

#include <QMessageBox>

#include "paths/data_folder.h"
#include "paths/user_files.h"
#include "ui/main_window.h"
#include "ui/preparing_window.h"

namespace kovari::ui {
namespace {

void warn(const std::string& text) {
  QMessageBox::critical(nullptr, QStringLiteral("警告メッセージ"), QString::fromStdString(text));
}

}  // namespace

KovariApp::~KovariApp() {
  for (auto& [type, window] : windows_) delete window.data();
}

int KovariApp::start(const paths::Places& places) {
  const paths::DataSearch data = paths::find_data_folder(places);
  if (!data.folder) {
    warn(paths::search_failure_text(data));
    return 2;
  }
  if (!load(*data.folder, places)) return 1;
  open<MainWindow>();
  return 0;
}

bool KovariApp::load(const std::filesystem::path& folder, const paths::Places& places) {
  settings_path_ = paths::user_file(paths::UserFile::Settings, places);
  PreparingWindow preparing;
  preparing.show();
  QtHost host(&preparing, preparing.ProgressBar1());
  // Nothing else is open yet: the bar may repaint while the tables load.
  host.set_events_allowed(true);
  const postaldb::LoadStatus status =
      session_.load(folder, host, paths::settings_file_to_read(places, paths::folder_is_writable));
  if (!status.ok()) warn(status.error);
  return status.ok();
}

}  // namespace kovari::ui
