// The main window headless (QT_QPA_PLATFORM=offscreen): it reports the loaded
// data set, and ending the program through it writes the settings file.
#include "ui/main_window.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <fstream>
#include <sstream>

#include "qt_test_support.h"
#include "ui/kovari_app.h"

namespace kovari::ui {
namespace {

class MainWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    testing::application();
    ASSERT_TRUE(testing::load(app_, data_.path()));
  }

  std::string ini_contents() const {
    std::ifstream in(app_.settings_path(), std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
  }

  testing::FixtureCopy data_{"basic"};
  KovariApp app_;
};

TEST_F(MainWindowTest, ShowsTheLoadedCounts) {
  MainWindow& window = app_.open<MainWindow>();
  auto* summary = window.findChild<QLabel*>(QStringLiteral("Summary"));
  ASSERT_NE(summary, nullptr);
  const postaldb::Directory& dir = app_.session().db.dir;
  EXPECT_TRUE(summary->text().contains(QStringLiteral("pref_count  %1").arg(dir.pref_count)));
  EXPECT_TRUE(summary->text().contains(QStringLiteral("code_count  %1").arg(dir.code_count)));
  EXPECT_EQ(&app_.open<MainWindow>(), &window);  // opened once, then raised
}

TEST_F(MainWindowTest, EndButtonStoresThePositionAndWritesTheSettings) {
  MainWindow& window = app_.open<MainWindow>();
  window.move(40, 30);
  auto* end_button = window.findChild<QPushButton*>(QStringLiteral("Command6"));
  ASSERT_NE(end_button, nullptr);
  EXPECT_EQ(end_button->text(), QStringLiteral("終了"));
  end_button->click();
  EXPECT_FALSE(window.isVisible());
  const settings::FormPosition stored =
      app_.session().settings.position(settings::WindowNumber::kMainWindow);
  EXPECT_EQ(stored.left, 600);
  EXPECT_EQ(stored.top, 450);
  EXPECT_NE(ini_contents().find("kovari1_left=600\r\nkovari2_top="), std::string::npos);
}

TEST_F(MainWindowTest, EscapeEndsTheProgramLikeTheEndButton) {
  MainWindow& window = app_.open<MainWindow>();
  QTest::keyClick(window.findChild<QPushButton*>(QStringLiteral("Command6")), Qt::Key_Escape);
  EXPECT_FALSE(window.isVisible());
  EXPECT_TRUE(std::filesystem::exists(app_.settings_path()));
}

TEST_F(MainWindowTest, ClosingThroughTheTitleBarLeavesTheSettingsFileAlone) {
  app_.open<MainWindow>().close();
  EXPECT_FALSE(std::filesystem::exists(app_.settings_path()));
}

TEST_F(MainWindowTest, ASettingsFileThatCannotBeWrittenIsReported) {
  // A folder where the file should be cannot be replaced by it.
  std::filesystem::create_directories(app_.settings_path() / "in the way");
  MainWindow& window = app_.open<MainWindow>();
  QString shown;
  testing::accept_next_message_box(shown);
  window.end_proc();
  EXPECT_TRUE(shown.startsWith(QStringLiteral("設定ファイルに書き込めません。")))
      << shown.toStdString();
  EXPECT_FALSE(window.isVisible());
}

}  // namespace
}  // namespace kovari::ui
