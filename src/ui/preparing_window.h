// The window with a progress bar: that of the start-up load (it appears where
// it was last once the settings file is read and the tables start to load,
// and closes when they are loaded), and that of a batch run.
#pragma once

#include <filesystem>
#include <memory>

#include "paths/user_files.h"
#include "postaldb/load_status.h"
#include "ui/kovari_window.h"

class QProgressBar;

namespace Ui {
class PreparingWindow;
}

namespace kovari::ui {

class PreparingWindow : public KovariWindow {
  Q_OBJECT

 public:
  explicit PreparingWindow(KovariApp& app);
  ~PreparingWindow() override;

  // The start-up load of the session from `folder` with the program's own
  // files `files` (Session::load), its progress on the window's bar. Texts
  // the load reports for the message line come in information boxes.
  postaldb::LoadStatus load(const std::filesystem::path& folder, const paths::UserFiles& files);
  // The bar a batch run shows its progress on.
  QProgressBar* progress_bar();

 private:
  std::unique_ptr<Ui::PreparingWindow> ui_;
};

}  // namespace kovari::ui
