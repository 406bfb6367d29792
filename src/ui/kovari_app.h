// The program's application object: it owns the session (the loaded data,
// the settings, the open windows' flags) and opens the windows, each at most
// once: a window that is already open is raised instead.
#pragma once

#include <QPointer>
#include <filesystem>
#include <map>

#include "session/session.h"
#include "ui/kovari_window.h"

namespace kovari::ui {

class KovariApp {
 public:
  KovariApp() = default;
  ~KovariApp();
  KovariApp(const KovariApp&) = delete;
  KovariApp& operator=(const KovariApp&) = delete;

  // The start-up load from `folder` with the preparing window's progress bar,
  // then the main window. False (after a warning box) when the data cannot be
  // loaded.
  bool start(const std::filesystem::path& folder);

  Session& session() { return session_; }
  // The settings file, beside the data files.
  std::filesystem::path settings_path() const;

  // Opens window W (constructed from this application), or raises it when it
  // is open.
  template <class W>
  W& open() {
    QPointer<KovariWindow>& slot = windows_[&W::staticMetaObject];
    if (!slot) {
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

 private:
  Session session_;
  std::map<const QMetaObject*, QPointer<KovariWindow>> windows_;
};

}  // namespace kovari::ui
