// The main window headless (QT_QPA_PLATFORM=offscreen): it reports the loaded
// data set, and ending the program through it writes the settings file.
#include "ui/main_window.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "host/host.h"
#include "postaldb/startup.h"
#include "settings/ini_file.h"

namespace kovari::ui {
namespace {

QApplication& application() {
  static int argc = 1;
  static char name[] = "test_ui";
  static char* argv[] = {name, nullptr};
  static QApplication app(argc, argv);
  return app;
}

class MainWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    application();
    SilentHost host;
    ASSERT_TRUE(
        postaldb::load_postal_db(std::filesystem::path(KOVARI_FIXTURE_ROOT) / "basic", db_,
                                 settings_, host)
            .ok());
    ini_path_ = std::filesystem::temp_directory_path() /
                ("kovari_ui_test_" + std::to_string(::getpid()) + ".ini");
    std::filesystem::remove(ini_path_);
  }
  void TearDown() override { std::filesystem::remove(ini_path_); }

  std::string ini_contents() const {
    std::ifstream in(ini_path_, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
  }

  postaldb::PostalDb db_;
  settings::Settings settings_;
  std::filesystem::path ini_path_;
};

TEST_F(MainWindowTest, ShowsTheLoadedCounts) {
  MainWindow window(db_, settings_, ini_path_);
  auto* summary = window.findChild<QLabel*>(QStringLiteral("Summary"));
  ASSERT_NE(summary, nullptr);
  EXPECT_TRUE(summary->text().contains(
      QStringLiteral("pref_count  %1").arg(db_.dir.pref_count)));
  EXPECT_TRUE(summary->text().contains(
      QStringLiteral("code_count  %1").arg(db_.dir.code_count)));
}

TEST_F(MainWindowTest, EndButtonStoresThePositionAndWritesTheSettings) {
  MainWindow window(db_, settings_, ini_path_);
  window.show();
  window.move(40, 30);
  auto* end_button = window.findChild<QPushButton*>();
  ASSERT_NE(end_button, nullptr);
  end_button->click();
  EXPECT_FALSE(window.isVisible());
  EXPECT_EQ(settings_.form_left[1], window.x() * 15);
  const std::string ini = ini_contents();
  EXPECT_NE(ini.find("kovari1_left=" + std::to_string(window.x() * 15) + "\r\n"),
            std::string::npos);
}

TEST_F(MainWindowTest, ClosingThroughTheTitleBarLeavesTheSettingsFileAlone) {
  MainWindow window(db_, settings_, ini_path_);
  window.show();
  window.close();
  EXPECT_FALSE(std::filesystem::exists(ini_path_));
}

}  // namespace
}  // namespace kovari::ui
