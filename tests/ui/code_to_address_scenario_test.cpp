// A person's path through the program on the national data: the program
// started, 〒→住所変換 opened, a code converted and copied (comma separator,
// then tab), a prefix listed, a building's code converted, every window closed
// with Esc, and the settings file holding the windows' places.
#include <gtest/gtest.h>

#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <fstream>
#include <sstream>

#include "qt_test_support.h"
#include "ui/code_to_address_window.h"
#include "ui/kovari_app.h"
#include "ui/main_window.h"
#include "ui/search_result_window.h"

namespace kovari::ui {
namespace {

using testing::control;

void convert(QWidget& window, const QString& code) {
  auto* field = control<QLineEdit>(window, "Text1");
  field->setFocus();
  field->clear();
  QTest::keyClicks(field, code);
  QTest::keyClick(field, Qt::Key_Return);
  QTest::keyClick(control<QPushButton>(window, "Command3"), Qt::Key_Return);
}

std::string file_contents(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

TEST(CodeToAddressScenarioTest, ConvertCopyListAndCloseEverythingWithEscape) {
  if (!kovari::testing::national_data_built()) GTEST_SKIP() << "no national data built";
  testing::application();
  testing::DataCopy data(kovari::testing::national_data_folder());
  KovariApp app;
  ASSERT_EQ(app.start(testing::places_in(data.path())), 0);
  auto* menu = testing::shown_window<MainWindow>();
  ASSERT_NE(menu, nullptr);
  QGuiApplication::clipboard()->clear();

  control<QPushButton>(*menu, "Command2")->click();
  auto* window = testing::shown_window<CodeToAddressWindow>();
  ASSERT_NE(window, nullptr);
  app.session().settings.set_flag(settings::Flag::kCommaSeparator, 1);
  convert(*window, QStringLiteral("1000001"));
  control<QPushButton>(*window, "Command5")->click();
  EXPECT_EQ(QGuiApplication::clipboard()->text(),
            QStringLiteral("\"1000001\",\"東京都千代田区千代田\",\"\",\"\"\r\n"));
  app.session().settings.set_flag(settings::Flag::kCommaSeparator, 0);
  convert(*window, QStringLiteral("1000001"));
  control<QPushButton>(*window, "Command5")->click();
  EXPECT_EQ(QGuiApplication::clipboard()->text(),
            QStringLiteral("\"1000001\",\"東京都千代田区千代田\",\"\",\"\"\r\n"
                           "\"1000001\"\t\"東京都千代田区千代田\"\t\"\"\t\"\"\r\n"));

  convert(*window, QStringLiteral("100"));
  auto* list = testing::shown_window<SearchResultWindow>();
  ASSERT_NE(list, nullptr);
  EXPECT_EQ(control<QPushButton>(*list, "Command3")->text(),
            QStringLiteral("検索結果は４６６件です"));
  list->move(300, 120);
  QTest::keyClick(control(*list, "List1"), Qt::Key_Escape);
  EXPECT_EQ(testing::shown_window<SearchResultWindow>(), nullptr);

  convert(*window, QStringLiteral("1006090"));
  EXPECT_EQ(control<QLineEdit>(*window, "Text2")->text(),
            QStringLiteral("東京都千代田区霞が関霞が関ビル"));
  window->move(150, 90);
  QTest::keyClick(control(*window, "Text1"), Qt::Key_Escape);
  EXPECT_EQ(testing::shown_window<CodeToAddressWindow>(), nullptr);

  menu->move(45, 30);
  QTest::keyClick(control(*menu, "Command2"), Qt::Key_Escape);
  EXPECT_EQ(testing::shown_window<MainWindow>(), nullptr);
  const std::string ini = file_contents(app.settings_path());
  for (const char* line :
       {"kovari1_top=450\r\nkovari1_left=675\r\n", "kovari2_top=1350\r\nkovari2_left=2250\r\n",
        "kovari3_top=1800\r\nkovari3_left=4500\r\n"}) {
    EXPECT_NE(ini.find(line), std::string::npos) << line;
  }
}

}  // namespace
}  // namespace kovari::ui
