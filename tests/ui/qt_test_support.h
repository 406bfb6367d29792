// What the window tests share: the one QApplication of the test program, a
// session loaded from a private copy of a fixture (a portable copy: the main
// window writes its settings file beside the data), and closing a message box
// a window opens.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <QWidget>
#include <filesystem>
#include <string>

#include "support/data_folders.h"
#include "support/scratch_folder.h"
#include "ui/kovari_app.h"

namespace kovari::ui::testing {

// Made once and never destroyed: the input devices that QTest's key clicks
// register would otherwise be torn down after the parts of Qt they need.
inline QApplication& application() {
  static int argc = 1;
  static char name[] = "test_ui";
  static char* argv[] = {name, nullptr};
  static QApplication* app = new QApplication(argc, argv);
  return *app;
}

// A folder of its own with the data files of fixture `name`, removed at the end.
class FixtureCopy {
 public:
  explicit FixtureCopy(const std::string& name) : folder_("kovari-ui-" + name) {
    for (const auto& entry :
         std::filesystem::directory_iterator(kovari::testing::fixture_folder(name))) {
      if (entry.path().extension() == ".dat") {
        std::filesystem::copy_file(entry.path(), path() / entry.path().filename());
      }
    }
  }
  const std::filesystem::path& path() const { return folder_.path(); }

 private:
  kovari::testing::TempFolder folder_;
};

// The folders of a program that runs from `folder` (a portable copy when it
// holds data: the settings file is kept beside the data), with XDG folders
// of its own inside it.
inline paths::Places places_in(const std::filesystem::path& folder) {
  return {folder, folder / "config", folder / "share"};
}

// The start-up load of the data in `folder`, without the main window.
inline bool load(KovariApp& app, const std::filesystem::path& folder) {
  return app.load(folder, places_in(folder));
}

// Accepts the message box the next statement opens, leaving its text in `text`.
inline void accept_next_message_box(QString& text) {
  QTimer::singleShot(0, [&text] {
    if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
      text = box->text();
      box->accept();
    }
  });
}

}  // namespace kovari::ui::testing
