// The tools menu, the windows it opens, and the system information: the
// program's version and the date of the data loaded.
#include "ui/tools_menu_window.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>

#include "paths/version.h"
#include "qt_test_support.h"
#include "session/session.h"
#include "ui/csv_export_window.h"
#include "ui/kovari_app.h"
#include "ui/settings_window.h"
#include "ui/system_info_window.h"

namespace kovari::ui {
namespace {

using testing::control;

class ToolsMenuWindowTest : public testing::QtTest {
 protected:
  void SetUp() override { ASSERT_TRUE(testing::load(app_, data_.path())); }

  testing::DataCopy data_{testing::basic_data()};
  KovariApp app_;
};

TEST_F(ToolsMenuWindowTest, OpensTheSettingsTheSystemInformationAndTheCsvExport) {
  ToolsMenuWindow& menu = app_.open<ToolsMenuWindow>();
  EXPECT_EQ(menu.windowTitle(), QStringLiteral("ソラト郵便番号"));
  const struct {
    const char* name;
    QString caption;
  } buttons[] = {{"Command1", QStringLiteral("動作環境の登録")},
                 {"Command3", QStringLiteral("システム情報")},
                 {"Command5", QStringLiteral("ＣＳＶ形式変換")},
                 {"Command4", QStringLiteral("終了")}};
  for (const auto& b : buttons) {
    EXPECT_EQ(control<QPushButton>(menu, b.name)->text(), b.caption) << b.name;
  }
  testing::MessageBoxes boxes;
  control<QPushButton>(menu, "Command1")->click();
  EXPECT_NE(testing::shown_window<SettingsWindow>(), nullptr);
  control<QPushButton>(menu, "Command5")->click();
  EXPECT_NE(testing::shown_window<CsvExportWindow>(), nullptr);
  EXPECT_TRUE(boxes.shown.empty());

  control<QPushButton>(menu, "Command3")->click();
  EXPECT_NE(testing::shown_window<SystemInfoWindow>(), nullptr);
  menu.move(30, 20);
  control<QPushButton>(menu, "Command4")->click();
  EXPECT_FALSE(menu.isVisible());
  EXPECT_EQ(app_.session().settings.position(settings::WindowNumber::kToolsMenu).left, 450);
}

TEST_F(ToolsMenuWindowTest, TheSystemInformationShowsTheVersionAndTheDataDate) {
  auto shows = [this](const QString& date) {
    SystemInfoWindow& info = app_.open<SystemInfoWindow>();
    EXPECT_EQ(info.windowTitle(), QStringLiteral("ソラト郵便番号"));
    EXPECT_EQ(control<QLabel>(info, "lblTitle")->text(), QStringLiteral("ソラト郵便番号"));
    EXPECT_EQ(control<QLabel>(info, "lblVersion")->text(),
              QStringLiteral("Version ") + QString::fromLatin1(paths::kProgramVersion));
    EXPECT_EQ(control<QLabel>(info, "Label1")->text(),
              date + QStringLiteral("現在のデータを使用しています\r\n"));
    for (const char* picture : {"Picture1", "Picture2"}) {
      EXPECT_FALSE(control<QLabel>(info, picture)->pixmap().isNull()) << picture;
    }
    control<QPushButton>(info, "cmdOK")->click();
    EXPECT_FALSE(info.isVisible());
  };
  // The fixture's files were built from CSV files of no known date.
  shows(QStringLiteral("不明"));
  app_.session().db.dir.data_date = u"2025/09/30";
  shows(QStringLiteral("2025/09/30"));
}

}  // namespace
}  // namespace kovari::ui
