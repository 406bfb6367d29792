// The program's application object: it owns the session (the loaded data,
// the settings, the open windows' flags), starts the program (the splash
// window, the load with its progress window, the main menu) and opens the
// windows, each at most once: a window that is already open is raised instead.
#pragma once

#include <QPointer>
#include <filesystem>
#include <map>
#include <memory>
#include <string>

#include "paths/places.h"
#include "session/session.h"
#include "ui/kovari_window.h"

namespace kovari::ui {

class SplashWindow;

class KovariApp {
 public:
  KovariApp();
  ~KovariApp();
  KovariApp(const KovariApp&) = delete;
  KovariApp& operator=(const KovariApp&) = delete;

  // The program's start for the folders of `places`: shows the splash window,
  // finds the data (paths::find_data_folder), loads it, closes the splash and
  // opens the main window. Returns
  // 0 once the main window is open, else the program's exit status after a
  // warning box: 2 when no folder holds data (the box names the folders
  // looked in), 1 when the data cannot be loaded.
  int start(const paths::Places& places);

  // The start-up load of the data in `folder` and of the settings file the
  // program keeps for `places` (paths::settings_file_to_read), with the
  // preparing window's progress bar. False after a warning box when the data
  // cannot be loaded.
  bool load(const std::filesystem::path& folder, const paths::Places& places);

  Session& session() { return session_; }

  // The end of the program from `window`: the settings file written (a
  // warning box over `window` when it cannot be), every window closed.
  void end_program(QWidget* window);
  // Where the settings file is written (paths::user_file_path): beside a
  // portable copy, else in the user's configuration folder.
  const std::filesystem::path& settings_path() const { return settings_path_; }

  // The open window of class W, or null.
  template <class W>
  W* find() {
    const auto found = windows_.find(&W::staticMetaObject);
    if (found == windows_.end() || !found->second || !found->second->isVisible()) return nullptr;
    return static_cast<W*>(found->second.data());
  }

  // Opens window W (constructed from this application), or raises it when it
  // is open. A window closed but not yet deleted is not shown again.
  template <class W>
  W& open() {
    QPointer<KovariWindow>& slot = windows_[&W::staticMetaObject];
    if (!slot || !slot->isVisible()) {
      auto* window = new W(*this);
      window->setAttribute(Qt::WA_DeleteOnClose);
      window->set_form1();
      slot = window;
    }
    slot->show();
    slot->raise();
    slot->activateWindow();
    return static_cast<W&>(*slot);
  }

  // Window W when it is open, else null.
  template <class W>
  W* find_open() {
    const auto found = windows_.find(&W::staticMetaObject);
    if (found == windows_.end() || !found->second || !found->second->isVisible()) return nullptr;
    return static_cast<W*>(found->second.data());
  }

 private:
  // A warning box that ends the start.
  void warn(const std::string& text);

  std::unique_ptr<SplashWindow> splash_;  // while the program starts
  Session session_;
  std::filesystem::path settings_path_;
  std::map<const QMetaObject*, QPointer<KovariWindow>> windows_;
};

}  // namespace kovari::ui
