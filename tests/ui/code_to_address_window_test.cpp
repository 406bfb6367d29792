// The code-to-address window headless, driven by its controls' names: a code
// typed and Enter pressed in each state, the choice among several results,
// the prefix list, the copies to the clipboard with their first-copy
// question, text from an input method, Esc.
#include "ui/code_to_address_window.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QClipboard>
#include <QGroupBox>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QTest>

#include "qt_test_support.h"
#include "ui/kovari_app.h"
#include "ui/search_result_window.h"

namespace kovari::ui {
namespace {

using testing::control;

constexpr char16_t kResultShown[] = u"クリップボード複写前に丁目、番地、ビル名を追加できます。";

class CodeToAddressWindowTest : public testing::QtTest {
 protected:
  void SetUp() override {
    ASSERT_TRUE(testing::load(app_, data_.path()));
    QGuiApplication::clipboard()->clear();
    window_ = &app_.open<CodeToAddressWindow>();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window_));
  }

  QLineEdit* field(const char* name) { return control<QLineEdit>(*window_, name); }
  QPushButton* button(const char* name) { return control<QPushButton>(*window_, name); }
  QListView* list() { return control<QListView>(*window_, "List1"); }
  QString text(const char* name) { return field(name)->text(); }

  // Types `code` into the code field and presses Enter there and on the
  // convert button it moves to.
  void convert(const QString& code) {
    window_->activateWindow();  // back from a message box
    ASSERT_TRUE(QTest::qWaitForWindowActive(window_));
    field("Text1")->setFocus();
    field("Text1")->clear();
    QTest::keyClicks(field("Text1"), code);
    QTest::keyClick(field("Text1"), Qt::Key_Return);
    ASSERT_EQ(QApplication::focusWidget(), button("Command3"));
    QTest::keyClick(button("Command3"), Qt::Key_Return);
  }
  void set_flags(int hyphen, int comma) {
    app_.session().settings.set_flag(settings::Flag::kHyphen, hyphen);
    app_.session().settings.set_flag(settings::Flag::kCommaSeparator, comma);
  }

  testing::DataCopy data_{testing::basic_data()};
  KovariApp app_;
  CodeToAddressWindow* window_ = nullptr;
};

TEST_F(CodeToAddressWindowTest, OpensReadyForACode) {
  const struct {
    const char* name;
    QString caption;
  } captions[] = {
      {"Command1", QStringLiteral("郵便番号")},
      {"Command2", QStringLiteral("住　　所")},
      {"Command6", QStringLiteral("私書箱")},
      {"Command7", QStringLiteral("事業所名")},
      {"Command3", QStringLiteral("変換")},
      {"Command5", QStringLiteral("変換結果をクリップボードに複写する")},
      {"Command4", QStringLiteral("終了")},
  };
  for (const auto& c : captions) EXPECT_EQ(button(c.name)->text(), c.caption) << c.name;
  EXPECT_EQ(control<QGroupBox>(*window_, "Frame1")->title(), QStringLiteral("〒→住所変換"));
  auto* fallback = control<QCheckBox>(*window_, "Check1");
  EXPECT_EQ(fallback->text(), QStringLiteral("変換できない場合、前方一致検索する"));
  EXPECT_TRUE(fallback->isChecked());
  EXPECT_EQ(text("Text3"), QStringLiteral("郵便番号を入力して下さい。"));
  EXPECT_FALSE(button("Command5")->isVisible());
  EXPECT_FALSE(list()->isVisible());
  for (const char* result : {"Text2", "Text4", "Text5"}) {
    EXPECT_TRUE(field(result)->isVisible()) << result;
    EXPECT_FALSE(field(result)->isEnabled()) << result;
  }
  EXPECT_EQ(QApplication::focusWidget(), field("Text1"));
}

TEST_F(CodeToAddressWindowTest, TypedCodesAndEnter) {
  const struct {
    QString typed;
    QString code, address, message, pobox, office;
    QString focus;  // the control that has the focus afterwards
    bool copy_shown;
  } cases[] = {
      {QString(),
       QString(),
       QString(),
       QStringLiteral("郵便番号が入力されていません。省略できません。"),
       {},
       {},
       QStringLiteral("Text1"),
       false},
      {QStringLiteral("10000012"),
       QStringLiteral("10000012"),
       QString(),
       QStringLiteral("郵便番号の入力エラーです。郵便番号は数字７桁以内です。"),
       {},
       {},
       QStringLiteral("Text1"),
       false},
      {QStringLiteral("1OOOOO1"),
       QStringLiteral("1OOOOO1"),
       QString(),
       QStringLiteral("郵便番号の入力エラーです。郵便番号は数字７桁以内です。"),
       {},
       {},
       QStringLiteral("Text1"),
       false},
      {QStringLiteral("1000001"),
       QStringLiteral("1000001"),
       QStringLiteral("東京都千代田区千代田"),
       QString::fromUtf16(kResultShown),
       {},
       {},
       QStringLiteral("Command3"),
       true},
      {QStringLiteral("100-8691"), QStringLiteral("1008691"),
       QStringLiteral("東京都千代田区丸の内２丁目７－２"), QString::fromUtf16(kResultShown),
       QStringLiteral("東京中央郵便局私書箱第１号"), QStringLiteral("テスト商事　株式会社"),
       QStringLiteral("Command3"), true},
      // Without the prefix fallback a code that is not found is an error.
      {QStringLiteral("1009999"), QStringLiteral("1009999"), QString(),
       QStringLiteral("郵便番号の入力エラーです。"), QString(), QString(), QStringLiteral("Text1"),
       false},
  };
  control<QCheckBox>(*window_, "Check1")->setChecked(false);
  for (const auto& c : cases) {
    const std::string name = c.typed.toStdString();
    convert(c.typed);
    EXPECT_EQ(text("Text1"), c.code) << name;
    EXPECT_EQ(text("Text2"), c.address) << name;
    EXPECT_EQ(text("Text3"), c.message) << name;
    EXPECT_EQ(text("Text4"), c.pobox) << name;
    EXPECT_EQ(text("Text5"), c.office) << name;
    EXPECT_EQ(QApplication::focusWidget()->objectName(), c.focus) << name;
    EXPECT_EQ(button("Command5")->isVisible(), c.copy_shown) << name;
    EXPECT_EQ(field("Text2")->isEnabled(), c.copy_shown) << name;
    EXPECT_FALSE(list()->isVisible()) << name;
  }
}

TEST_F(CodeToAddressWindowTest, SeveralResultsAreChosenFromTheList) {
  for (const bool by_double_click : {false, true}) {
    convert(QStringLiteral("0640820"));
    EXPECT_EQ(text("Text3"), QStringLiteral("町域を特定できません。選択して下さい。"));
    ASSERT_TRUE(list()->isVisible());
    EXPECT_EQ(QApplication::focusWidget(), list());
    EXPECT_FALSE(button("Command3")->isEnabled());
    for (const char* hidden : {"Command2", "Text2", "Text4", "Text5"}) {
      EXPECT_FALSE(control(*window_, hidden)->isVisible()) << hidden;
    }
    QAbstractItemModel* rows = list()->model();
    ASSERT_EQ(rows->rowCount(), 3);
    const int column = list()->modelColumn();
    EXPECT_EQ(rows->index(1, column).data().toString(),
              QStringLiteral("北海道札幌市中央区大通西宮の森一条１～５丁目"));

    if (by_double_click) {
      const QPoint row = list()->visualRect(rows->index(2, column)).center();
      QTest::mouseClick(list()->viewport(), Qt::LeftButton, {}, row);
      QTest::mouseDClick(list()->viewport(), Qt::LeftButton, {}, row);
    } else {
      QTest::keyClick(list(), Qt::Key_Down);
      QTest::keyClick(list(), Qt::Key_Return);
    }
    const QString chosen = by_double_click
                               ? QStringLiteral("北海道札幌市中央区大通西円山西町")
                               : QStringLiteral("北海道札幌市中央区大通西宮の森一条１～５丁目");
    EXPECT_EQ(text("Text2"), chosen) << by_double_click;
    EXPECT_EQ(text("Text3"), QString::fromUtf16(kResultShown));
    EXPECT_FALSE(list()->isVisible());
    EXPECT_TRUE(field("Text2")->isEnabled());
    EXPECT_TRUE(button("Command5")->isVisible());
    EXPECT_EQ(QApplication::focusWidget(), button("Command5"));
  }
}

TEST_F(CodeToAddressWindowTest, AShortCodeOpensTheListOfTheCodesBeginningWithIt) {
  for (const QString& typed : {QStringLiteral("100"), QStringLiteral("1009999")}) {
    convert(typed);
    EXPECT_EQ(text("Text1"), QStringLiteral("100")) << typed.toStdString();
    auto* results = testing::shown_window<SearchResultWindow>();
    ASSERT_NE(results, nullptr);
    EXPECT_EQ(control<QPushButton>(*results, "Command3")->text(),
              QStringLiteral("検索結果は８件です"));
    results->end_proc();
  }
}

TEST_F(CodeToAddressWindowTest, CopiesAppendOneLineInTheChosenFormat) {
  const struct {
    int hyphen, comma;
    QString first, second;
  } cases[] = {
      {0, 1, QStringLiteral("\"1000001\",\"東京都千代田区千代田１－１\",\"\",\"\"\r\n"),
       QStringLiteral(
           "\"1008692\",\"東京都千代田区丸の内１丁目１－１\",\"\",\"ＡＢＣトレーディング\"\r\n")},
      {0, 0, QStringLiteral("\"1000001\"\t\"東京都千代田区千代田１－１\"\t\"\"\t\"\"\r\n"),
       QStringLiteral("\"1008692\"\t\"東京都千代田区丸の内１丁目１－１\"\t\"\"\t\"ＡＢＣトレーディ"
                      "ング\"\r\n")},
      {1, 1, QStringLiteral("\"100-0001\",\"東京都千代田区千代田１－１\",\"\",\"\"\r\n"),
       QStringLiteral(
           "\"100-8692\",\"東京都千代田区丸の内１丁目１－１\",\"\",\"ＡＢＣトレーディング\"\r\n")},
      {1, 0, QStringLiteral("\"100-0001\"\t\"東京都千代田区千代田１－１\"\t\"\"\t\"\"\r\n"),
       QStringLiteral(
           "\"100-"
           "8692\"\t\"東京都千代田区丸の内１丁目１－１\"\t\"\"\t\"ＡＢＣトレーディング\"\r\n")},
  };
  for (const auto& c : cases) {
    set_flags(c.hyphen, c.comma);
    QGuiApplication::clipboard()->clear();
    convert(QStringLiteral("1000001"));
    // The address is extended before the copy.
    field("Text2")->setText(field("Text2")->text() + QStringLiteral("１－１"));
    button("Command5")->click();
    convert(QStringLiteral("1008692"));
    button("Command5")->click();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), c.first + c.second);
    // Back to input, ready for the next code.
    EXPECT_FALSE(button("Command5")->isVisible());
    EXPECT_FALSE(field("Text2")->isEnabled());
    EXPECT_EQ(text("Text3"), QStringLiteral("郵便番号を入力して下さい。"));
    EXPECT_EQ(QApplication::focusWidget(), field("Text1"));
  }
}

TEST_F(CodeToAddressWindowTest, TheFirstCopyAsksOnceAboutTextLeftOnTheClipboard) {
  const QString line = QStringLiteral("\"1000001\"\t\"東京都千代田区千代田\"\t\"\"\t\"\"\r\n");
  for (const bool clear : {false, true}) {
    app_.session().clip_asked = false;
    QGuiApplication::clipboard()->setText(QStringLiteral("メモ"));
    testing::MessageBoxes boxes({clear ? QMessageBox::YesRole : QMessageBox::NoRole});
    for (int copy = 0; copy < 2; ++copy) {
      convert(QStringLiteral("1000001"));
      button("Command5")->click();
    }
    ASSERT_EQ(boxes.shown.size(), 1u) << clear;
    EXPECT_EQ(boxes.shown[0].title, QStringLiteral("問い合わせメッセージ"));
    EXPECT_EQ(boxes.shown[0].text, QStringLiteral("テキストデータがクリップボードに残っています。\r"
                                                  "\nクリップボードをクリアしても構いませんか。"));
    EXPECT_EQ(QGuiApplication::clipboard()->text(),
              (clear ? QString() : QStringLiteral("メモ")) + line + line);
  }
}

TEST_F(CodeToAddressWindowTest, EnteringTheCodeFieldReturnsToInput) {
  convert(QStringLiteral("1000001"));
  ASSERT_TRUE(button("Command5")->isVisible());
  QTest::mouseClick(field("Text1"), Qt::LeftButton);
  EXPECT_EQ(text("Text3"), QStringLiteral("郵便番号を入力して下さい。"));
  EXPECT_FALSE(field("Text2")->isEnabled());
  // No copy of the shown address under a code typed afterwards.
  EXPECT_FALSE(button("Command5")->isVisible());
  EXPECT_TRUE(button("Command3")->isEnabled());
}

TEST_F(CodeToAddressWindowTest, TakesTextCommittedByAnInputMethod) {
  field("Text1")->setFocus();
  QInputMethodEvent commit;
  commit.setCommitString(QStringLiteral("１００－０００１"));
  QCoreApplication::sendEvent(field("Text1"), &commit);
  EXPECT_EQ(text("Text1"), QStringLiteral("１００－０００１"));
  button("Command3")->click();
  EXPECT_EQ(text("Text1"), QStringLiteral("1000001"));
  EXPECT_EQ(text("Text2"), QStringLiteral("東京都千代田区千代田"));
}

TEST_F(CodeToAddressWindowTest, EscapeClosesItAndItsPlaceIsKept) {
  app_.session().running.set(ConversionWindow::kCodeToAddress);  // as the menu opens it
  window_->move(60, 45);
  QTest::keyClick(field("Text1"), Qt::Key_Escape);
  EXPECT_FALSE(window_->isVisible());
  EXPECT_FALSE(app_.session().running.is_set(ConversionWindow::kCodeToAddress));
  const settings::FormPosition stored =
      app_.session().settings.position(settings::WindowNumber::kCodeToAddress);
  EXPECT_EQ(stored.left, 900);
  EXPECT_EQ(stored.top, 675);
}

}  // namespace
}  // namespace kovari::ui
