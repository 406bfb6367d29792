// The program's main window. For now it reports the loaded data set and ends
// the program; the conversion windows open from here once they exist.
#pragma once

#include <QWidget>
#include <filesystem>

#include "postaldb/postal_db.h"
#include "settings/settings.h"

class QPushButton;

namespace kovari::ui {

class MainWindow : public QWidget {
  Q_OBJECT

 public:
  MainWindow(const postaldb::PostalDb& db, settings::Settings& settings,
             std::filesystem::path ini_path, QWidget* parent = nullptr);

  // Restores the saved position (window 1).
  void set_form1();
  // Stores the position, writes the settings file and closes the window.
  void end_proc();

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  settings::Settings& settings_;
  std::filesystem::path ini_path_;
  QPushButton* Command6_;
};

}  // namespace kovari::ui
