// The CSV export headless over the basic fixture: the three pick lists, the
// checks before an export, the overwrite question answered both ways, the
// file written and the window closed, and a name that is one of the
// program's own files refused.
#include "ui/csv_export_window.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include "qt_test_support.h"
#include "session/session.h"
#include "support/scratch_folder.h"
#include "text/sjis.h"
#include "ui/kovari_app.h"
#include "ui/tools_menu_window.h"

namespace kovari::ui {
namespace {

using testing::control;

class CsvExportWindowTest : public testing::QtTest {
 protected:
  void SetUp() override {
    ASSERT_TRUE(testing::load(app_, data_.path()));
    control<QPushButton>(app_.open<ToolsMenuWindow>(), "Command5")->click();
    window_ = testing::shown_window<CsvExportWindow>();
    ASSERT_NE(window_, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowActive(window_));
  }

  QListWidget* list() { return control<QListWidget>(*window_, "List1"); }
  QString text(const char* name) { return control<QLineEdit>(*window_, name)->text(); }
  QPushButton* button(const char* name) { return control<QPushButton>(*window_, name); }
  std::vector<QString> items() {
    std::vector<QString> shown;
    for (int row = 0; row < list()->count(); ++row) shown.push_back(list()->item(row)->text());
    return shown;
  }
  // Picks the item `name` of the list with Enter.
  void pick(const QString& name) {
    const QList<QListWidgetItem*> found = list()->findItems(name, Qt::MatchExactly);
    ASSERT_EQ(found.size(), 1) << name.toStdString();
    list()->setCurrentItem(found[0]);
    QTest::keyClick(list(), Qt::Key_Return);
  }
  // Picks 北海道, 札幌市, 北区 and enters the file `path`.
  void pick_sapporo_kita(const std::filesystem::path& path) {
    pick(QStringLiteral("北海道"));
    pick(QStringLiteral("札幌市"));
    pick(QStringLiteral("北区"));
    control<QLineEdit>(*window_, "Text4")->setText(QString::fromStdString(path.string()));
  }
  std::vector<std::u16string> lines(const std::filesystem::path& path) {
    const std::u16string text =
        text::decode_sjis(kovari::testing::file_bytes(path)).value_or(u"(not Shift-JIS)");
    std::vector<std::u16string> found;
    for (std::size_t at = 0, end; (end = text.find(u"\r\n", at)) != std::u16string::npos;
         at = end + 2) {
      found.push_back(text.substr(at, end - at));
    }
    return found;
  }

  testing::DataCopy data_{testing::basic_data()};
  kovari::testing::TempFolder out_;
  KovariApp app_;
  CsvExportWindow* window_ = nullptr;
};

TEST_F(CsvExportWindowTest, PicksAPrefectureACityAndAWardOrTown) {
  EXPECT_TRUE(control<QCheckBox>(*window_, "Check1")->isChecked());
  EXPECT_FALSE(control<QCheckBox>(*window_, "Check2")->isChecked());
  EXPECT_EQ(button("Command4")->text(), QStringLiteral("都道府県名（２件）"));
  EXPECT_EQ(items(), (std::vector<QString>{QStringLiteral("北海道"), QStringLiteral("東京都")}));
  EXPECT_EQ(text("Text5"),
            QStringLiteral("都道府県名を選択して下さい。選択はダブルクリックで行います。"));
  for (const char* level : {"Command1", "Command2", "Command3"}) {
    EXPECT_FALSE(button(level)->isEnabled()) << level;
  }

  pick(QStringLiteral("北海道"));
  EXPECT_EQ(text("Text1"), QStringLiteral("北海道"));
  EXPECT_EQ(button("Command4")->text(), QStringLiteral("区市郡島名（２件）"));
  EXPECT_EQ(items(), (std::vector<QString>{QStringLiteral("札幌市"), QStringLiteral("余市郡")}));
  EXPECT_TRUE(button("Command1")->isEnabled());
  pick(QStringLiteral("札幌市"));
  EXPECT_EQ(button("Command4")->text(), QStringLiteral("区町村名（２件）"));
  EXPECT_EQ(items(), (std::vector<QString>{QStringLiteral("中央区"), QStringLiteral("北区")}));
  pick(QStringLiteral("北区"));
  EXPECT_EQ(text("Text3"), QStringLiteral("北区"));
  EXPECT_EQ(text("Text5"), QStringLiteral("ＣＳＶファイル名を入力してください。"));
  EXPECT_EQ(window_->focusWidget(), control<QLineEdit>(*window_, "Text4"));

  // The level buttons start again from their level.
  button("Command2")->click();
  EXPECT_EQ(text("Text2"), QString());
  EXPECT_EQ(text("Text3"), QString());
  EXPECT_EQ(text("Text1"), QStringLiteral("北海道"));
  EXPECT_EQ(button("Command4")->text(), QStringLiteral("区市郡島名（２件）"));
  button("Command1")->click();
  EXPECT_EQ(text("Text1"), QString());
  EXPECT_EQ(items().size(), 2u);

  // A city without wards or towns asks for the file name at once.
  pick(QStringLiteral("東京都"));
  pick(QStringLiteral("千代田区"));
  EXPECT_EQ(button("Command4")->text(), QString());
  EXPECT_EQ(text("Text5"), QStringLiteral("ＣＳＶファイル名を入力してください。"));
  EXPECT_EQ(window_->focusWidget(), control<QLineEdit>(*window_, "Text4"));
}

// A name without a folder is a file where the program keeps its own (here
// a portable copy: beside the data).
TEST_F(CsvExportWindowTest, WritesTheFileAndCloses) {
  pick_sapporo_kita("kita.csv");
  const std::filesystem::path path = data_.path() / "kita.csv";
  control<QCheckBox>(*window_, "Check2")->setChecked(true);
  testing::MessageBoxes boxes;
  button("Command7")->click();
  ASSERT_EQ(boxes.shown.size(), 1u);
  EXPECT_EQ(boxes.shown[0].title, QStringLiteral("情報メッセージ"));
  EXPECT_EQ(boxes.shown[0].text,
            QStringLiteral("ＣＳＶファイル出力完了。\r\n出力件数は 2 件です。\r\n"));
  const std::vector<std::u16string> written = lines(path);
  ASSERT_EQ(written.size(), 3u);
  EXPECT_EQ(written[0],
            u"\"郵便番号\",\"都道府県名\",\"市区町村名\",\"町域名\",\"私書箱\",\"大口事業所名等\"");
  EXPECT_EQ(written[1].substr(0, 27), u"\"0010000\",\"北海道  \",\"札幌市北区  \"");
  EXPECT_FALSE(window_->isVisible());
}

TEST_F(CsvExportWindowTest, AnExistingFileIsReplacedOnlyWhenTheUserAgrees) {
  const std::filesystem::path path = out_.path() / "kita.csv";
  std::ofstream(path) << "the user's own";
  pick_sapporo_kita(path);
  {
    testing::MessageBoxes boxes({QMessageBox::NoRole});
    button("Command7")->click();
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].title, QStringLiteral("注意メッセージ"));
    EXPECT_EQ(boxes.shown[0].text, QString::fromStdString(path.string()) +
                                       QStringLiteral("\r\n既にファイルが存在します。\r\n"
                                                      "上書きしても構いませんか。\r\n"));
  }
  EXPECT_EQ(kovari::testing::file_bytes(path), "the user's own");
  EXPECT_TRUE(window_->isVisible());
  EXPECT_EQ(window_->focusWidget(), control<QLineEdit>(*window_, "Text4"));

  testing::MessageBoxes boxes({QMessageBox::YesRole});
  button("Command7")->click();
  EXPECT_EQ(boxes.shown.size(), 2u);
  EXPECT_EQ(lines(path).size(), 3u);
  EXPECT_FALSE(window_->isVisible());
}

TEST_F(CsvExportWindowTest, NothingIsWrittenWithoutAreaFileTablesOrWhereTheProgramsFilesAre) {
  testing::MessageBoxes boxes;
  button("Command7")->click();  // nothing picked
  EXPECT_EQ(window_->focusWidget(), list());

  const std::filesystem::path path = out_.path() / "kita.csv";
  pick_sapporo_kita(path);
  control<QCheckBox>(*window_, "Check1")->setChecked(false);
  button("Command7")->click();
  EXPECT_EQ(text("Text5"), QStringLiteral("出力条件を省略できません。"));
  EXPECT_EQ(window_->focusWidget(), control<QCheckBox>(*window_, "Check1"));
  EXPECT_TRUE(boxes.shown.empty());
  EXPECT_FALSE(std::filesystem::exists(path));

  // The data file the program runs on.
  control<QCheckBox>(*window_, "Check1")->setChecked(true);
  const std::filesystem::path data_file = data_.path() / "kovaritbl.dat";
  const std::string data_bytes = kovari::testing::file_bytes(data_file);
  control<QLineEdit>(*window_, "Text4")->setText(QString::fromStdString(data_file.string()));
  button("Command7")->click();
  ASSERT_EQ(boxes.shown.size(), 1u);  // refused before any question
  EXPECT_TRUE(
      boxes.shown[0].text.contains(QStringLiteral("ＣＳＶファイルを出力できませんでした。")));
  EXPECT_EQ(kovari::testing::file_bytes(data_file), data_bytes);
  EXPECT_TRUE(window_->isVisible());
}

}  // namespace
}  // namespace kovari::ui
