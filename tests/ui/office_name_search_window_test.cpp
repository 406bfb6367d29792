// The office-name search headless over the basic fixture (five office
// names): opened from the menu, the first search asking before the index is
// made, the hits listed by the search-result list, the match modes, the
// messages of a text with nothing to search and of no match.
#include "ui/office_name_search_window.h"

#include <gtest/gtest.h>

#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QTest>

#include "qt_test_support.h"
#include "session/session.h"
#include "ui/kovari_app.h"
#include "ui/main_window.h"
#include "ui/result_list_model.h"
#include "ui/search_result_window.h"

namespace kovari::ui {
namespace {

using testing::control;

const QString kEnterName = QStringLiteral("検索する大口事業所名を入力して下さい。");
const QString kNotFound = QStringLiteral("該当する大口事業所名は未登録です。再入力して下さい。");

class OfficeNameSearchWindowTest : public testing::QtTest {
 protected:
  void SetUp() override {
    ASSERT_TRUE(testing::load(app_, data_.path()));
    MainWindow& menu = app_.open<MainWindow>();
    control<QPushButton>(menu, "Command7")->click();
    window_ = testing::shown_window<OfficeNameSearchWindow>();
    ASSERT_NE(window_, nullptr);
  }

  QString message() { return control<QLineEdit>(*window_, "Text2")->text(); }
  // Types `name`, chooses the mode `option` and clicks "検索".
  void search(const QString& name, const char* option = "Option1") {
    control<QRadioButton>(*window_, option)->click();
    control<QLineEdit>(*window_, "Text1")->setText(name);
    control<QPushButton>(*window_, "Command2")->click();
  }
  // The rows the search-result list shows (code TAB office name), none when closed.
  std::vector<QString> listed() {
    std::vector<QString> rows;
    auto* list = testing::shown_window<SearchResultWindow>();
    if (list == nullptr) return rows;
    const QAbstractItemModel* model = control<QTableView>(*list, "List1")->model();
    for (int row = 0; row < model->rowCount(); ++row) {
      rows.push_back(model->index(row, ResultListModel::kCodeColumn).data().toString() +
                     QLatin1Char('\t') +
                     model->index(row, ResultListModel::kTextColumn).data().toString());
    }
    list->close();
    return rows;
  }

  testing::DataCopy data_{testing::basic_data()};
  KovariApp app_;
  OfficeNameSearchWindow* window_ = nullptr;
};

TEST_F(OfficeNameSearchWindowTest, OpensFromTheMenuMarkedRunning) {
  EXPECT_TRUE(app_.session().running.is_set(ConversionWindow::kOfficeSearch));
  EXPECT_EQ(control<QGroupBox>(*window_, "Frame1")->title(), QStringLiteral("大口事業所名の検索"));
  EXPECT_EQ(control<QGroupBox>(*window_, "Frame2")->title(), QStringLiteral("検索方法"));
  const struct {
    const char* name;
    QString caption;
  } captions[] = {
      {"Command1", QStringLiteral("事業所名")}, {"Command2", QStringLiteral("検索")},
      {"Command3", QStringLiteral("終了")},     {"Option1", QStringLiteral("部分一致")},
      {"Option2", QStringLiteral("完全一致")},  {"Option3", QStringLiteral("前方一致")}};
  for (const auto& c : captions) {
    EXPECT_EQ(control<QAbstractButton>(*window_, c.name)->text(), c.caption) << c.name;
  }
  EXPECT_TRUE(control<QRadioButton>(*window_, "Option1")->isChecked());
  EXPECT_EQ(message(), kEnterName);
  control<QPushButton>(*window_, "Command3")->click();
  EXPECT_FALSE(window_->isVisible());
  EXPECT_FALSE(app_.session().running.any());
}

TEST_F(OfficeNameSearchWindowTest, TheFirstSearchAsksThenListsTheOfficesFound) {
  testing::MessageBoxes boxes({QMessageBox::YesRole});
  // Enter in the name field moves on to "検索".
  control<QLineEdit>(*window_, "Text1")->setText(QStringLiteral("テスト商事"));
  QTest::keyClick(control<QLineEdit>(*window_, "Text1"), Qt::Key_Return);
  ASSERT_EQ(window_->focusWidget(), control<QPushButton>(*window_, "Command2"));
  control<QPushButton>(*window_, "Command2")->click();
  ASSERT_EQ(boxes.shown.size(), 1u);
  EXPECT_EQ(boxes.shown[0].title, QStringLiteral("問い合わせメッセージ"));
  EXPECT_TRUE(std::filesystem::exists(app_.session().files.office_index));
  EXPECT_EQ(listed(), std::vector<QString>{QStringLiteral("1008691\tテスト商事　株式会社")});
  EXPECT_EQ(message(), kEnterName);

  // The modes, without a further question.
  const struct {
    QString name;
    const char* option;
    std::size_t rows;
  } cases[] = {{QStringLiteral("アール"), "Option1", 2},
               {QStringLiteral("アール"), "Option3", 0},
               {QStringLiteral("ジェイ・アール・ティー"), "Option2", 2},
               {QStringLiteral("札幌"), "Option3", 1}};
  for (const auto& c : cases) {
    search(c.name, c.option);
    EXPECT_EQ(listed().size(), c.rows) << c.name.toStdString() << " " << c.option;
    EXPECT_EQ(message(), c.rows == 0 ? kNotFound : kEnterName) << c.name.toStdString();
  }
  EXPECT_EQ(boxes.shown.size(), 1u);
}

TEST_F(OfficeNameSearchWindowTest, DecliningTheIndexStopsTheSearch) {
  testing::MessageBoxes boxes({QMessageBox::NoRole});
  search(QStringLiteral("テスト商事"));
  ASSERT_EQ(boxes.shown.size(), 2u);
  EXPECT_EQ(boxes.shown[1].text, QStringLiteral("検索処理を中断します"));
  EXPECT_EQ(message(), kNotFound);
  EXPECT_TRUE(listed().empty());
  EXPECT_FALSE(std::filesystem::exists(app_.session().files.office_index));
}

TEST_F(OfficeNameSearchWindowTest, ATextWithNothingToSearchForIsAnInputError) {
  testing::MessageBoxes boxes;
  search(QStringLiteral("・　・ "));
  EXPECT_EQ(message(), QStringLiteral("大口事業所名の入力誤りです。再入力して下さい。"));
  search(QString());  // nothing typed: the field gets the focus, no message
  EXPECT_EQ(message(), QStringLiteral("大口事業所名の入力誤りです。再入力して下さい。"));
  EXPECT_TRUE(boxes.shown.empty());
  EXPECT_TRUE(listed().empty());
}

}  // namespace
}  // namespace kovari::ui
