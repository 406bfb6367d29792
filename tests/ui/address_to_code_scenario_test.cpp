// A person's path through the address side on the national data: the
// program started, 住所→〒変換 opened, an address converted, a slip in the
// ward's name chosen from the list (and, with approximate matching on, put
// right without one), 北海道 → 札幌市中央区 picked with its town areas
// listed, 丸の内* searched, and ｶﾝﾏ区切 set in the settings window for the
// next copy.
#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "qt_test_support.h"
#include "ui/address_to_code_window.h"
#include "ui/kovari_app.h"
#include "ui/main_window.h"
#include "ui/search_result_window.h"
#include "ui/settings_window.h"
#include "ui/tools_menu_window.h"

namespace kovari::ui {
namespace {

using testing::control;

void enter(QWidget& window, const QString& typed) {
  auto* field = control<QLineEdit>(window, "Text4");
  field->setFocus();
  field->setText(typed);  // as an input method commits it
  QTest::keyClick(field, Qt::Key_Return);
}

void choose(QWidget& window, const char* list_name, const QString& item) {
  auto* list = control<QListWidget>(window, list_name);
  const QList<QListWidgetItem*> found = list->findItems(item, Qt::MatchExactly);
  ASSERT_EQ(found.size(), 1) << item.toStdString();
  list->setCurrentItem(found[0]);
  QTest::keyClick(list, Qt::Key_Return);
}

QStringList result_rows(KovariApp& app) {
  auto* results = app.find_open<SearchResultWindow>();
  if (results == nullptr) return {};
  QStringList rows;
  auto* view = control<QAbstractItemView>(*results, "List1");
  for (int r = 0; r < view->model()->rowCount(); ++r) {
    const QModelIndex row = view->model()->index(r, 0);
    rows << row.data().toString() + QLatin1Char(' ') +
                row.siblingAtColumn(view->model()->columnCount() - 1).data().toString();
  }
  return rows;
}

TEST(AddressToCodeScenarioTest, ConvertChoosePickSearchAndCopyWithCommas) {
  if (!kovari::testing::national_data_built()) GTEST_SKIP() << "no national data built";
  testing::application();
  testing::DataCopy data(kovari::testing::national_data_folder());
  KovariApp app;
  ASSERT_EQ(app.start(testing::places_in(data.path())), 0);
  auto* menu = testing::shown_window<MainWindow>();
  ASSERT_NE(menu, nullptr);
  QGuiApplication::clipboard()->clear();
  app.session().settings.set_flag(settings::Flag::kApproximate, 0);

  control<QPushButton>(*menu, "Command1")->click();
  auto* window = testing::shown_window<AddressToCodeWindow>();
  ASSERT_NE(window, nullptr);
  control<QRadioButton>(*window, "Option2")->click();
  enter(*window, QStringLiteral("東京都千代田区丸の内１丁目９－１"));
  EXPECT_EQ(control<QLineEdit>(*window, "Text6")->text(), QStringLiteral("1000005"));

  enter(*window, QStringLiteral("東京都千代本区丸の内１丁目"));
  choose(*window, "List2", QStringLiteral("千代田区"));
  EXPECT_EQ(control<QLineEdit>(*window, "Text4")->text(),
            QStringLiteral("東京都千代田区丸の内1丁目"));
  EXPECT_EQ(control<QLineEdit>(*window, "Text6")->text(), QStringLiteral("1000005"));

  app.session().settings.set_flag(settings::Flag::kApproximate, 1);
  enter(*window, QStringLiteral("東京都千代本区丸の内１丁目"));
  EXPECT_FALSE(control<QListWidget>(*window, "List2")->isVisible());
  EXPECT_EQ(control<QLineEdit>(*window, "Text6")->text(), QStringLiteral("1000005"));

  control<QRadioButton>(*window, "Option1")->click();
  choose(*window, "List1", QStringLiteral("北海道"));
  choose(*window, "List1", QStringLiteral("札幌市"));
  choose(*window, "List1", QStringLiteral("中央区"));
  EXPECT_TRUE(result_rows(app).contains(
      QStringLiteral("0600042 北海道札幌市中央区大通西（１～１９丁目）")));

  control<QRadioButton>(*window, "Option3")->click();
  enter(*window, QStringLiteral("丸の内*"));
  const QStringList hits = result_rows(app);
  EXPECT_TRUE(hits.contains(QStringLiteral("1000005 東京都千代田区丸の内（次のビルを除く）")))
      << hits.join(QLatin1Char('\n')).toStdString();

  control<QPushButton>(*menu, "Command5")->click();
  auto* tools = testing::shown_window<ToolsMenuWindow>();
  ASSERT_NE(tools, nullptr);
  control<QPushButton>(*tools, "Command1")->click();
  auto* settings_window = testing::shown_window<SettingsWindow>();
  ASSERT_NE(settings_window, nullptr);
  control<QRadioButton>(*settings_window, "Option10")->click();
  control<QPushButton>(*settings_window, "Command1")->click();

  control<QRadioButton>(*window, "Option2")->click();
  enter(*window, QStringLiteral("東京都千代田区丸の内１丁目９－１"));
  control<QPushButton>(*window, "Command9")->click();
  EXPECT_EQ(QGuiApplication::clipboard()->text(),
            QStringLiteral("\"1000005\",\"東京都千代田区丸の内１丁目９－１\"\r\n"));
  app.find_open<SearchResultWindow>()->close();
  window->close();
  menu->close();
}

}  // namespace
}  // namespace kovari::ui
