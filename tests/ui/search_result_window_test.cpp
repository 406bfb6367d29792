// The search-result list headless, driven by its controls' names: the list
// of a prefix as the code window opens it, the copy of selected rows, the
// notes of a list cut short, and narrowing a longer list.
#include "ui/search_result_window.h"

#include <gtest/gtest.h>

#include <QClipboard>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTest>

#include "code_entry/code_entry.h"
#include "qt_test_support.h"
#include "support/recording_host.h"
#include "ui/kovari_app.h"

namespace kovari::ui {
namespace {

using result_list::ListMode;
using result_list::ResultList;
using result_list::ResultRow;
using testing::control;

class SearchResultWindowTest : public testing::QtTest {
 protected:
  void SetUp() override {
    ASSERT_TRUE(testing::load(app_, data_.path()));
    QGuiApplication::clipboard()->clear();
    app_.session().clip_asked = true;
    window_ = &app_.open<SearchResultWindow>();
  }

  // The list of the codes beginning with "100", as the code window opens it.
  ResultList prefix_list() {
    kovari::testing::RecordingHost host;
    return code_entry::convert_typed_code(app_.session(), host, {u"100", u"", u"", u"", u""})
        .prefix_list.value_or(ResultList{});
  }
  // A municipality's list of `count` town areas (mode 2), 町１丁目 ...,
  // the first ten of index initial ア, the others イ.
  ResultList municipality_list(int count) {
    ResultList list;
    list.mode = ListMode::Municipality;
    for (int n = 1; n <= count; ++n) {
      const QString number = QString::number(n);
      QString wide;
      for (const QChar digit : number) wide += QChar(digit.unicode() - u'0' + u'０');
      ResultRow row;
      row.code = QStringLiteral("06400%1").arg(n, 2, 10, QLatin1Char('0')).toStdU16String();
      row.index = n <= 10 ? u"ア" : u"イ";
      row.address =
          (QStringLiteral("北海道札幌市中央区町") + wide + QStringLiteral("丁目")).toStdU16String();
      list.rows.push_back(row);
    }
    list.count = count;
    result_list::lay_out_rows(list.rows, list.mode, app_.session().settings);
    return list;
  }

  QPushButton* button(const char* name) { return control<QPushButton>(*window_, name); }
  QTableView* rows() { return control<QTableView>(*window_, "List1"); }
  QString cell(int row, int column) {
    return rows()->model()->index(row, column).data().toString();
  }

  testing::DataCopy data_{testing::basic_data()};
  KovariApp app_;
  SearchResultWindow* window_ = nullptr;
};

TEST_F(SearchResultWindowTest, ThePrefixListWithItsCount) {
  window_->show_list(prefix_list());
  EXPECT_EQ(control<QGroupBox>(*window_, "Frame1")->title(), QStringLiteral("検索結果"));
  EXPECT_EQ(button("Command3")->text(), QStringLiteral("検索結果は８件です"));
  ASSERT_EQ(rows()->model()->rowCount(), 8);
  EXPECT_EQ(cell(2, ResultListModel::kCodeColumn), QStringLiteral("1000005"));
  EXPECT_EQ(cell(2, ResultListModel::kTextColumn),
            QStringLiteral("東京都千代田区丸の内（次のビルを除く）"));
  EXPECT_TRUE(rows()->isColumnHidden(ResultListModel::kHeaderColumn));
  for (const char* hidden : {"Label1", "Command4", "Command5", "Command6", "Text1"}) {
    EXPECT_FALSE(control(*window_, hidden)->isVisible()) << hidden;
  }
  EXPECT_TRUE(button("Command1")->isVisible());
  EXPECT_FALSE(button("Command2")->isEnabled());
}

TEST_F(SearchResultWindowTest, TheSelectedRowsAreCopiedAsLines) {
  window_->show_list(prefix_list());
  const struct {
    int hyphen, comma;
    QString lines;
  } cases[] = {
      {0, 0,
       QStringLiteral("\"1000001\"\t\"東京都千代田区千代田\"\t\"\"\t\"\"\r\n"
                      "\"1000101\"\t\"東京都大島町元町\"\t\"\"\t\"\"\r\n")},
      {1, 1,
       QStringLiteral("\"100-0001\",\"東京都千代田区千代田\",\"\",\"\"\r\n"
                      "\"100-0101\",\"東京都大島町元町\",\"\",\"\"\r\n")},
  };
  for (const auto& c : cases) {
    app_.session().settings.set_flag(settings::Flag::kHyphen, c.hyphen);
    app_.session().settings.set_flag(settings::Flag::kCommaSeparator, c.comma);
    QGuiApplication::clipboard()->clear();
    QTest::mouseClick(rows()->viewport(), Qt::LeftButton, {},
                      rows()->visualRect(rows()->model()->index(1, 0)).center());
    EXPECT_TRUE(button("Command2")->isEnabled());
    QTest::mouseClick(rows()->viewport(), Qt::LeftButton, Qt::ControlModifier,
                      rows()->visualRect(rows()->model()->index(4, 0)).center());
    button("Command2")->click();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), c.lines);
  }
}

TEST_F(SearchResultWindowTest, AListCutShortSaysSo) {
  ResultList list = prefix_list();
  list.over_limit = true;
  window_->show_list(list);
  EXPECT_TRUE(control(*window_, "Label1")->isVisible());
  EXPECT_EQ(control<QLabel>(*window_, "Label1")->text(),
            QStringLiteral("（注）１０００件以上は、表示していません。"));

  list.mode = ListMode::Office;
  window_->show_list(list);
  EXPECT_EQ(control<QLabel>(*window_, "Label1")->text(),
            QStringLiteral("（注）５００件以上は、表示していません。"));
}

TEST_F(SearchResultWindowTest, ALongListIsNarrowedByAText) {
  window_->show_list(municipality_list(20));
  EXPECT_FALSE(button("Command5")->isVisible());  // 20 rows: no narrowing
  EXPECT_TRUE(button("Command4")->isVisible());
  EXPECT_FALSE(rows()->isColumnHidden(ResultListModel::kHeaderColumn));

  window_->show_list(municipality_list(23));
  ASSERT_TRUE(button("Command5")->isVisible());
  EXPECT_EQ(button("Command5")->text(), QStringLiteral("絞り込み"));
  EXPECT_EQ(cell(10, ResultListModel::kHeaderColumn), QStringLiteral("【 イ】"));
  button("Command5")->click();
  EXPECT_EQ(button("Command5")->text(), QStringLiteral("初期表示"));
  auto* text = control<QLineEdit>(*window_, "Text1");
  ASSERT_TRUE(text->isVisible());
  EXPECT_EQ(control<QPushButton>(*window_, "Command6")->text(),
            QStringLiteral("絞り込み文字列を入力→"));

  QTest::keyClicks(text, QStringLiteral("  "));
  QTest::keyClick(text, Qt::Key_Return);
  EXPECT_TRUE(text->isVisible());         // nothing to narrow by
  text->setText(QStringLiteral("町2#"));  // 町 and two digits beginning with 2
  QTest::keyClick(text, Qt::Key_Return);
  EXPECT_EQ(text->text(), QStringLiteral("町２#"));
  ASSERT_EQ(rows()->model()->rowCount(), 4);
  EXPECT_EQ(cell(0, ResultListModel::kTextColumn), QStringLiteral("北海道札幌市中央区町２０丁目"));
  EXPECT_EQ(cell(0, ResultListModel::kHeaderColumn), QStringLiteral("【 イ】"));
  EXPECT_EQ(button("Command3")->text(), QStringLiteral("検索結果は４件です"));
  EXPECT_FALSE(text->isVisible());

  button("Command5")->click();
  EXPECT_EQ(rows()->model()->rowCount(), 23);
  EXPECT_EQ(button("Command3")->text(), QStringLiteral("検索結果は２３件です"));
  EXPECT_EQ(button("Command5")->text(), QStringLiteral("絞り込み"));
}

TEST_F(SearchResultWindowTest, EscapeAndTheCloseButtonsKeepItsPlace) {
  for (const char* close : {"", "Command4", "Command1"}) {
    window_ = &app_.open<SearchResultWindow>();
    window_->show_list(municipality_list(3));
    window_->move(30, 15);
    if (*close == '\0') {
      QTest::keyClick(rows(), Qt::Key_Escape);
    } else {
      button(close)->click();
    }
    EXPECT_FALSE(window_->isVisible()) << close;
    const settings::FormPosition stored =
        app_.session().settings.position(settings::WindowNumber::kSearchResult);
    EXPECT_EQ(stored.left, 450) << close;
    EXPECT_EQ(stored.top, 225) << close;
  }
}

}  // namespace
}  // namespace kovari::ui
