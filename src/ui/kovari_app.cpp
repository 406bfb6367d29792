#include "ui/kovari_app.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFont>
#include <QMessageBox>

#include "paths/data_folder.h"
#include "paths/user_files.h"
#include "settings/ini_file.h"
#include "ui/main_window.h"
#include "ui/pictures.h"
#include "ui/preparing_window.h"
#include "ui/splash_window.h"

namespace kovari::ui {

namespace {

// Japanese fonts, the one that looks best first: Latin text is drawn with
// them too, and a family that is not installed is passed over. The default
// font's own family stays last, for any character none of them has.
void prefer_japanese_fonts() {
  QFont font = QApplication::font();
  font.setFamilies({QStringLiteral("Noto Sans CJK JP"), QStringLiteral("IPAPGothic"),
                    QStringLiteral("IPAGothic"), font.family()});
  QApplication::setFont(font);
}

}  // namespace

KovariApp::KovariApp() {
  load_images();
  prefer_japanese_fonts();
}

KovariApp::~KovariApp() {
  for (auto& [type, window] : windows_) delete window.data();
}

int KovariApp::start(const paths::Places& places) {
  splash_ = std::make_unique<SplashWindow>();
  splash_->show();
  splash_->repaint();
  const paths::DataSearch data = paths::find_data_folder(places);
  if (!data.folder) {
    warn(paths::search_failure_text(data));
    return 2;
  }
  if (!load(*data.folder, places)) return 1;
  splash_.reset();
  open<MainWindow>();
  return 0;
}

bool KovariApp::load(const std::filesystem::path& folder, const paths::Places& places) {
  settings_path_ = paths::user_file(paths::UserFile::Settings, places);
  paths::UserFiles files = paths::user_files(places, paths::folder_is_writable);
  // Its folder made: the history and the office index are written there.
  files.clipboard_history = paths::user_file(paths::UserFile::ClipboardHistory, places);
  PreparingWindow preparing(*this);
  const postaldb::LoadStatus status = preparing.load(folder, files);
  if (!status.ok()) warn(status.error);
  return status.ok();
}

void KovariApp::end_program(QWidget* window) {
  // The program ends either way; a settings file that cannot be written keeps
  // its old contents, and the user is told.
  if (!settings::put_ini_file(settings_path_, session_.settings)) {
    QMessageBox::warning(window, QStringLiteral("警告メッセージ"),
                         QStringLiteral("設定ファイルに書き込めません。\r\n") +
                             QString::fromStdString(settings_path_.string()));
  }
  for (auto& [type, open_window] : windows_) {
    if (open_window) open_window->close();
  }
  QCoreApplication::quit();
}

void KovariApp::warn(const std::string& text) {
  splash_.reset();  // it would stand in front of the box
  QMessageBox::critical(nullptr, QStringLiteral("警告メッセージ"), QString::fromStdString(text));
}

}  // namespace kovari::ui
