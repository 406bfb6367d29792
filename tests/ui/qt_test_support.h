// What the window tests share: the one QApplication of the test program, a
// session loaded from a private copy of a fixture (a portable copy: the main
// window writes its settings file beside the data), and answering the message
// boxes a window opens.
#pragma once

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDesktopServices>
#include <QMessageBox>
#include <QTimer>
#include <QUrl>
#include <QWidget>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "support/data_folders.h"
#include "support/scratch_folder.h"
#include "ui/kovari_app.h"

// QString in the messages of failed expectations.
inline void PrintTo(const QString& text, std::ostream* out) { *out << text.toStdString(); }

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

// A test whose members may be windows or the application object: the
// QApplication exists before them.
class QtTest : public ::testing::Test {
 protected:
  QtTest() { application(); }
};

// A folder of its own with a copy of the data files in `folder` (a fixture
// or the national data), removed at the end.
class DataCopy {
 public:
  explicit DataCopy(const std::filesystem::path& folder) : folder_("kovari-ui-data") {
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
      if (entry.path().extension() == ".dat") {
        std::filesystem::copy_file(entry.path(), path() / entry.path().filename());
      }
    }
  }
  const std::filesystem::path& path() const { return folder_.path(); }

 private:
  kovari::testing::TempFolder folder_;
};

// The fixture every window test loads.
inline std::filesystem::path basic_data() { return kovari::testing::fixture_folder("basic"); }

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

// The control of `window` named `name` (its objectName), of type T.
template <class T = QWidget>
T* control(const QWidget& window, const char* name) {
  T* found = window.findChild<T*>(QString::fromLatin1(name));
  if (found == nullptr) ADD_FAILURE() << "no control " << name;
  return found;
}

// The visible window of class W, or null.
template <class W>
W* shown_window() {
  for (QWidget* w : QApplication::topLevelWidgets()) {
    if (auto* window = qobject_cast<W*>(w); window != nullptr && window->isVisible()) return window;
  }
  return nullptr;
}

// Answers the message boxes the windows open while it lives, in order: each
// box is recorded and closed by its first button of the next role in
// `answers` (an OK or Yes button once the answers are used up).
class MessageBoxes : public QObject {
 public:
  struct Shown {
    QString title, text;
    QMessageBox::Icon icon;
  };

  explicit MessageBoxes(std::vector<QMessageBox::ButtonRole> answers = {})
      : answers_(std::move(answers)) {
    // Polled: a box runs its own event loop, in which the timer fires.
    connect(&timer_, &QTimer::timeout, this, &MessageBoxes::answer);
    timer_.start(5);
  }

  std::vector<Shown> shown;
  // Run while each box is shown, before it is answered.
  std::function<void()> while_shown;

 private:
  void answer() {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (box == nullptr || !box->isVisible() || box->property("answered").toBool()) return;
    box->setProperty("answered", true);
    shown.push_back({box->windowTitle(), box->text(), box->icon()});
    if (while_shown) while_shown();
    QMessageBox::ButtonRole role = QMessageBox::AcceptRole;
    if (answered_ < answers_.size()) role = answers_[answered_++];
    for (QAbstractButton* button : box->buttons()) {
      const QMessageBox::ButtonRole its = box->buttonRole(button);
      if (its == role || (role == QMessageBox::AcceptRole && its == QMessageBox::YesRole)) {
        button->click();
        return;
      }
    }
    ADD_FAILURE() << "no button to answer " << box->text().toStdString();
    box->reject();
  }

  std::vector<QMessageBox::ButtonRole> answers_;
  std::size_t answered_ = 0;
  QTimer timer_;
};

// While it lives, a manual stands beside the test program and the sections
// the windows open in the desktop's browser are recorded instead.
class OpenedManual : public QObject {
  Q_OBJECT

 public:
  OpenedManual()
      : folder_(std::filesystem::path(QCoreApplication::applicationDirPath().toStdString()) /
                "manual") {
    std::filesystem::create_directories(folder_);
    std::ofstream(folder_ / "index.html") << "<html></html>";
    QDesktopServices::setUrlHandler(QStringLiteral("file"), this, "open");
  }
  ~OpenedManual() override {
    QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
    std::filesystem::remove_all(folder_);
  }

  std::vector<QUrl> urls;

 public slots:
  void open(const QUrl& url) { urls.push_back(url); }

 private:
  std::filesystem::path folder_;
};

}  // namespace kovari::ui::testing
