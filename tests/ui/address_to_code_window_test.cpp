// The address-to-code window headless on the small fixture, driven by its
// controls' names: the mode it opens in and the mode change, the three pick
// lists ending in the municipality's list, a typed address converted and
// copied, a level chosen from the list and converted again, the town-name
// search, and the mode that is not offered without "kovari4tbl.dat".
#include "ui/address_to_code_window.h"

#include <gtest/gtest.h>

#include <QClipboard>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "qt_test_support.h"
#include "ui/kovari_app.h"
#include "ui/main_window.h"
#include "ui/search_result_window.h"

namespace kovari::ui {
namespace {

using settings::Flag;
using testing::control;

class AddressToCodeWindowTest : public testing::QtTest {
 protected:
  void SetUp() override {
    ASSERT_TRUE(testing::load(app_, data_.path()));
    QGuiApplication::clipboard()->clear();
    flags(Flag::kApproximate, 0);
  }
  void TearDown() override {
    if (auto* list = app_.find_open<SearchResultWindow>()) list->close();
  }
  void flags(Flag flag, int value) { app_.session().settings.set_flag(flag, value); }
  AddressToCodeWindow& open(int mode) {
    flags(Flag::kInputMode, mode);
    window_ = &app_.open<AddressToCodeWindow>();
    EXPECT_TRUE(QTest::qWaitForWindowActive(window_));
    return *window_;
  }
  QLineEdit* field(const char* name) { return control<QLineEdit>(*window_, name); }
  QPushButton* button(const char* name) { return control<QPushButton>(*window_, name); }
  QListWidget* list(const char* name) { return control<QListWidget>(*window_, name); }
  QString text(const char* name) { return field(name)->text(); }
  QStringList items(const char* name) {
    QStringList texts;
    for (int i = 0; i < list(name)->count(); ++i) texts << list(name)->item(i)->text();
    return texts;
  }
  // Enter on the item `item` of a list (as a double click does).
  void choose(const char* name, const QString& item) {
    const QList<QListWidgetItem*> found = list(name)->findItems(item, Qt::MatchExactly);
    ASSERT_EQ(found.size(), 1) << item.toStdString();
    list(name)->setCurrentItem(found[0]);
    list(name)->setFocus();
    QTest::keyClick(list(name), Qt::Key_Return);
  }
  void enter(const QString& typed) {
    field("Text4")->setFocus();
    field("Text4")->setText(typed);  // as an input method commits it
    QTest::keyClick(field("Text4"), Qt::Key_Return);
  }
  QStringList result_rows() {
    auto* results = app_.find_open<SearchResultWindow>();
    if (results == nullptr) return {};
    QStringList rows;
    auto* view = control<QAbstractItemView>(*results, "List1");
    for (int r = 0; r < view->model()->rowCount(); ++r) {
      rows << view->model()->index(r, 0).data().toString();
    }
    return rows;
  }

  testing::DataCopy data_{testing::basic_data()};
  KovariApp app_;
  AddressToCodeWindow* window_ = nullptr;
};

TEST_F(AddressToCodeWindowTest, OpensInTheModeOfTheSettings) {
  const struct {
    int flag;
    const char* option;
    bool pick;
    QString prompt;
    QString title;
  } cases[] = {
      {0, "Option1", true,
       QStringLiteral("都道府県名を選択して下さい。選択はダブルクリックで行います。"),
       QStringLiteral("一括入力")},
      {1, "Option2", false, QStringLiteral("住所を入力して下さい。"), QStringLiteral("一括入力")},
      {2, "Option3", false, QStringLiteral("町域名（検索文字列）を入力して下さい。"),
       QStringLiteral("町域名（文字列）入力")},
  };
  for (const auto& c : cases) {
    open(c.flag);
    EXPECT_TRUE(control<QRadioButton>(*window_, c.option)->isChecked()) << c.flag;
    EXPECT_EQ(control<QGroupBox>(*window_, "Frame3")->isEnabled(), c.pick) << c.flag;
    EXPECT_EQ(control<QGroupBox>(*window_, "Frame4")->isEnabled(), !c.pick) << c.flag;
    EXPECT_EQ(control<QGroupBox>(*window_, "Frame4")->title(), c.title);
    EXPECT_EQ(text("Text7"), c.prompt) << c.flag;
    EXPECT_EQ(field("Text6")->isVisible(), c.flag != 2) << c.flag;
    EXPECT_FALSE(list("List2")->isVisible());
    EXPECT_FALSE(button("Command9")->isVisible());
    window_->end_proc();
  }
}

TEST_F(AddressToCodeWindowTest, PicksTheMunicipalityAndListsItsTownAreas) {
  open(0);
  EXPECT_EQ(items("List1"), (QStringList{QStringLiteral("北海道"), QStringLiteral("東京都")}));
  EXPECT_EQ(button("Command4")->text(), QStringLiteral("都道府県名（２件）"));
  EXPECT_FALSE(button("Command1")->isEnabled());
  QTest::keyClick(list("List1"), Qt::Key_Return);  // nothing chosen yet
  EXPECT_EQ(text("Text1"), QString());
  choose("List1", QStringLiteral("北海道"));
  EXPECT_EQ(text("Text1"), QStringLiteral("北海道"));
  EXPECT_TRUE(button("Command1")->isEnabled());
  EXPECT_EQ(button("Command4")->text(), QStringLiteral("区市郡島名（２件）"));
  choose("List1", QStringLiteral("札幌市"));
  EXPECT_EQ(items("List1"), (QStringList{QStringLiteral("中央区"), QStringLiteral("北区")}));
  EXPECT_EQ(text("Text7"),
            QStringLiteral("区町村名を選択して下さい。選択はダブルクリックで行います。"));
  choose("List1", QStringLiteral("中央区"));
  EXPECT_EQ(text("Text3"), QStringLiteral("中央区"));
  const QStringList rows = result_rows();
  ASSERT_EQ(rows.size(), 8);  // two offices, the separator, five town areas
  EXPECT_EQ(rows[0], QStringLiteral("0608611"));
  EXPECT_EQ(rows[2], QString());  // the separator has no code
  EXPECT_EQ(rows[3], QStringLiteral("0600000"));

  // The result list's "終了" starts the pick again; so does a level's button.
  control<QPushButton>(*app_.find_open<SearchResultWindow>(), "Command1")->click();
  EXPECT_EQ(text("Text1"), QString());
  EXPECT_EQ(button("Command4")->text(), QStringLiteral("都道府県名（２件）"));
  choose("List1", QStringLiteral("東京都"));
  choose("List1", QStringLiteral("千代田区"));
  button("Command2")->click();
  EXPECT_EQ(text("Text1"), QStringLiteral("東京都"));
  EXPECT_EQ(text("Text2"), QString());
  EXPECT_EQ(button("Command4")->text(), QStringLiteral("区市郡島名（５件）"));
}

TEST_F(AddressToCodeWindowTest, ConvertsATypedAddressAndCopiesIt) {
  open(1);
  enter(QString());
  EXPECT_EQ(QApplication::focusWidget(), field("Text4"));
  EXPECT_EQ(text("Text7"), QStringLiteral("住所を入力して下さい。"));

  const struct {
    int hyphen, comma;
    QString line;
  } cases[] = {
      {0, 0, QStringLiteral("\"1000005\"\t\"東京都千代田区丸の内１丁目９－１\"\r\n")},
      {1, 1, QStringLiteral("\"100-0005\",\"東京都千代田区丸の内１丁目９－１\"\r\n")},
  };
  QString clipboard;
  for (const auto& c : cases) {
    flags(Flag::kHyphen, c.hyphen);
    flags(Flag::kCommaSeparator, c.comma);
    enter(QStringLiteral("東京都千代田区丸の内１丁目９－１"));
    EXPECT_EQ(text("Text6"), c.hyphen ? QStringLiteral("100-0005") : QStringLiteral("1000005"));
    EXPECT_TRUE(text("Text5").startsWith(QStringLiteral("東京都,千代田区,,丸の内,")));
    ASSERT_TRUE(button("Command9")->isVisible());
    button("Command9")->click();
    EXPECT_FALSE(button("Command9")->isVisible());
    clipboard += c.line;
    EXPECT_EQ(QGuiApplication::clipboard()->text(), clipboard);
  }

  // The mode change empties the entry.
  control<QRadioButton>(*window_, "Option3")->click();
  EXPECT_EQ(text("Text4"), QString());
  EXPECT_EQ(button("Command7")->text(), QStringLiteral("検索"));
  EXPECT_EQ(button("Command6")->text(), QStringLiteral("町域名"));
  control<QRadioButton>(*window_, "Option2")->click();
  EXPECT_EQ(button("Command7")->text(), QStringLiteral("変換"));
}

TEST_F(AddressToCodeWindowTest, ALevelIsChosenFromTheListAndConvertedAgain) {
  open(1);
  enter(QStringLiteral("東京都千代本区丸の内１丁目"));
  ASSERT_TRUE(list("List2")->isVisible());
  EXPECT_EQ(QApplication::focusWidget(), list("List2"));
  EXPECT_TRUE(items("List2").contains(QStringLiteral("千代田区")));
  EXPECT_EQ(text("Text7"), QStringLiteral("市区郡島名を特定できません。選択して下さい。"));
  EXPECT_FALSE(field("Text6")->isVisible());
  EXPECT_FALSE(button("Command9")->isVisible());
  choose("List2", QStringLiteral("千代田区"));
  EXPECT_FALSE(list("List2")->isVisible());
  // The block numbers as the address was cut, in narrow digits.
  EXPECT_EQ(text("Text4"), QStringLiteral("東京都千代田区丸の内1丁目"));
  EXPECT_EQ(text("Text6"), QStringLiteral("1000005"));
  EXPECT_TRUE(button("Command9")->isVisible());
}

TEST_F(AddressToCodeWindowTest, SearchesTownNames) {
  open(2);
  flags(Flag::kTownSearchNames, 0);
  enter(QStringLiteral("丸の外"));
  EXPECT_EQ(text("Text7"),
            QStringLiteral("入力された町域名（文字列）に一致するデータがありません"));
  EXPECT_EQ(app_.find_open<SearchResultWindow>(), nullptr);
  enter(QStringLiteral("、"));
  EXPECT_EQ(text("Text7"), QStringLiteral("町域名（文字列）の入力エラーです。"));
  enter(QStringLiteral("丸の内*"));
  EXPECT_EQ(text("Text7"), QStringLiteral("町域名（検索文字列）を入力して下さい。"));
  EXPECT_EQ(result_rows(), QStringList{QStringLiteral("1000005")});
  flags(Flag::kTownSearchNames, 1);
  window_->activateWindow();
  enter(QStringLiteral("千代田"));
  EXPECT_EQ(result_rows().size(), 5);  // 千代田区's four town areas, and 千代田
}

TEST_F(AddressToCodeWindowTest, TheTownSearchIsNotOfferedWithoutItsIndex) {
  testing::DataCopy data{testing::basic_data()};
  std::filesystem::remove(data.path() / "kovari4tbl.dat");
  KovariApp app;
  ASSERT_TRUE(testing::load(app, data.path()));
  app.session().settings.set_flag(Flag::kInputMode, 2);
  AddressToCodeWindow& window = app.open<AddressToCodeWindow>();
  EXPECT_FALSE(control<QRadioButton>(window, "Option3")->isVisible());
  EXPECT_TRUE(control<QRadioButton>(window, "Option2")->isChecked());
  EXPECT_TRUE(control<QLineEdit>(window, "Text6")->isVisible());
}

TEST_F(AddressToCodeWindowTest, TheMainMenuOpensIt) {
  MainWindow& menu = app_.open<MainWindow>();
  control<QPushButton>(menu, "Command1")->click();
  auto* window = testing::shown_window<AddressToCodeWindow>();
  ASSERT_NE(window, nullptr);
  EXPECT_TRUE(app_.session().running.is_set(ConversionWindow::kAddressToCode));
  QTest::keyClick(control(*window, "Command10"), Qt::Key_Escape);
  EXPECT_FALSE(app_.session().running.any());
}

}  // namespace
}  // namespace kovari::ui
