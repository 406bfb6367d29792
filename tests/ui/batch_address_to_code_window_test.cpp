// The batch address-to-code window headless, over Shift-JIS files the test
// writes: Enter in each field with its check, message, scroll bar and
// preview; the record view's picks; the latest-address question and the edit
// format window; a run compared byte for byte with kovari-cli batch-addr.
#include "ui/batch_address_to_code_window.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

#include "batch/edit_output.h"
#include "batch_window_support.h"
#include "session/session.h"
#include "ui/address_edit_format_window.h"
#include "ui/record_view_window.h"

namespace kovari::ui {
namespace {

using testing::control;

class BatchAddressToCodeWindowTest : public testing::BatchWindowTest {
 protected:
  void SetUp() override {
    BatchWindowTest::SetUp();
    write_sjis("in.csv",
               u"番号,住所,郵便番号\r\n"
               u"1,東京都千代田区千代田,100\r\n"
               u"2,東京都新宿区西新宿,\r\n"
               u"3,\"東京都千代田区外神田\",101-0021\r\n");
    app_.session().settings.in_file_name = file_text("in.csv").toStdU16String();
    window_ = &app_.open<BatchAddressToCodeWindow>();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window_));
    window_under_test = window_;
  }
  QLineEdit* field(const char* name) { return control<QLineEdit>(*window_, name); }
  QScrollBar* scroll(const char* name) { return control<QScrollBar>(*window_, name); }
  QString message() { return field("Text12")->text(); }

  BatchAddressToCodeWindow* window_ = nullptr;
};

TEST_F(BatchAddressToCodeWindowTest, EnterChecksEachFieldWithItsScrollBarAndPreview) {
  EXPECT_EQ(message(), QStringLiteral("一括変換の条件を入力して下さい。"));
  for (const char* name : {"Text3", "Text8", "Text9", "Text10"}) {
    EXPECT_EQ(field(name)->text(), QStringLiteral("0")) << name;
  }
  enter(field("Text1"), file_text("in.csv"));
  EXPECT_EQ(message(), QStringLiteral("項目数を２～５０の範囲で入力して下さい。"));
  // The first line's items: the item count and the scroll bars' range.
  EXPECT_EQ(field("Text2")->text(), QStringLiteral("3"));
  EXPECT_EQ(scroll("HScroll2")->maximum(), 3);

  const struct {
    const char* field;
    const char* value;
    QString message;
    const char* next;
  } steps[] = {
      {"Text2", "1", QStringLiteral("項目数の入力に誤りがあります。２～５０の範囲で入力して下さい。"),
       "Text2"},
      {"Text2", "3", QStringLiteral("郵便番号の項目位置を入力して下さい。"), "Text3"},
      {"Text3", "4", QStringLiteral("郵便番号の入力に誤りがあります。項目数の範囲で入力して下さい。"),
       "Text3"},
      {"Text3", "3", QStringLiteral("住所１の項目位置を入力して下さい。"), "Text8"},
      {"Text8", "3", QStringLiteral("住所１の入力に誤りがあります。項目数の範囲で入力して下さい。"),
       "Text8"},
      {"Text8", "2", QStringLiteral("住所２の項目位置を入力して下さい。"), "Text9"},
      {"Text9", "0", QStringLiteral("住所３の項目位置を入力して下さい。"), "Text10"},
      {"Text10", "0", QStringLiteral("開始行の位置を入力して下さい。"), "Text13"},
      {"Text13", "0", QStringLiteral("開始行の入力に誤りがあります。"), "Text13"},
      {"Text13", "", QStringLiteral("変換後ファイル名を入力して下さい。"), "Text11"},
      {"Text11", "", QStringLiteral("変換後ファイル名を入力して下さい。"), "Text11"},
  };
  for (const auto& s : steps) {
    enter(field(s.field), QString::fromUtf8(s.value));
    EXPECT_EQ(message(), s.message) << s.field << " " << s.value;
    EXPECT_EQ(focused(), field(s.next)) << s.field << " " << s.value;
  }
  EXPECT_EQ(field("Text13")->text(), QStringLiteral("1"));
  EXPECT_EQ(scroll("HScroll1")->value(), 3);
  EXPECT_EQ(field("Text14")->text(), QStringLiteral("郵便番号"));
  EXPECT_EQ(field("Text15")->text(), QStringLiteral("住所"));
  enter(field("Text11"), file_text("out.csv"));
  EXPECT_EQ(focused(), control<QPushButton>(*window_, "Command11"));

  // Moving a scroll bar writes its field and shows the item.
  scroll("HScroll3")->setValue(1);
  EXPECT_EQ(field("Text9")->text(), QStringLiteral("1"));
  EXPECT_EQ(field("Text16")->text(), QStringLiteral("番号"));
}

TEST_F(BatchAddressToCodeWindowTest, TheRecordViewPicksThePositions) {
  control<QPushButton>(*window_, "Command13")->click();
  auto* view = testing::shown_window<RecordViewWindow>();
  ASSERT_NE(view, nullptr);
  ASSERT_TRUE(QTest::qWaitForWindowActive(view));
  auto* list = control<QListWidget>(*view, "List1");
  auto* instruction = control<QLineEdit>(*view, "Text1");
  ASSERT_EQ(list->count(), 4);
  EXPECT_EQ(list->item(0)->text(), QStringLiteral("（項目選択をスキップする場合ここをクリック）"));
  EXPECT_EQ(list->item(3)->text(), QStringLiteral("０３列： 郵便番号"));
  EXPECT_EQ(instruction->text(), QStringLiteral("旧郵便番号の項目を選択（ダブルクリック）して下さい"));
  EXPECT_TRUE(control<QPushButton>(*view, "Command1")->text().endsWith(QStringLiteral("in.csv")));

  // 次レコード shows the next line, and past the end the last one.
  for (int k = 0; k < 5; ++k) control<QPushButton>(*view, "Command2")->click();
  EXPECT_EQ(list->item(3)->text(), QStringLiteral("０３列： 101-0021"));
  EXPECT_EQ(list->item(2)->text(), QStringLiteral("０２列： 東京都千代田区外神田"));

  auto double_click = [&](int row) {
    list->scrollToItem(list->item(row));
    const QPoint at = list->visualItemRect(list->item(row)).center();
    // The first click of a double click selects the row.
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
  };
  double_click(3);
  EXPECT_EQ(field("Text3")->text(), QStringLiteral("3"));
  EXPECT_EQ(scroll("HScroll1")->value(), 3);
  EXPECT_EQ(field("Text14")->text(), QStringLiteral("郵便番号"));
  EXPECT_EQ(instruction->text(), QStringLiteral("住所１の項目を選択（ダブルクリック）して下さい"));
  double_click(2);
  EXPECT_EQ(field("Text8")->text(), QStringLiteral("2"));
  double_click(0);  // the skip row: no 住所２
  EXPECT_EQ(field("Text9")->text(), QStringLiteral("0"));
  EXPECT_EQ(instruction->text(), QStringLiteral("住所３の項目を選択（ダブルクリック）して下さい"));
  double_click(0);
  EXPECT_EQ(field("Text10")->text(), QStringLiteral("0"));
  QTRY_COMPARE(testing::shown_window<RecordViewWindow>(), nullptr);

  // With every position set: no skip row, no instruction, no pick.
  for (const char* name : {"Text9", "Text10"}) field(name)->setText(QStringLiteral("1"));
  control<QPushButton>(*window_, "Command13")->click();
  view = testing::shown_window<RecordViewWindow>();
  ASSERT_NE(view, nullptr);
  list = control<QListWidget>(*view, "List1");
  EXPECT_EQ(list->count(), 3);
  EXPECT_TRUE(control<QLineEdit>(*view, "Text1")->text().isEmpty());
  double_click(1);
  EXPECT_EQ(field("Text3")->text(), QStringLiteral("3"));
  view->close();
}

TEST_F(BatchAddressToCodeWindowTest, TheRecordViewOfAMissingFileClosesAtOnce) {
  field("Text1")->setText(file_text("missing.csv"));
  control<QPushButton>(*window_, "Command13")->click();
  QTRY_COMPARE(testing::shown_window<RecordViewWindow>(), nullptr);
}

TEST_F(BatchAddressToCodeWindowTest, TheLatestAddressIsAskedForFirst) {
  auto* latest = control<QCheckBox>(*window_, "Check2");
  {
    testing::MessageBoxes boxes({QMessageBox::NoRole});
    QTest::mouseClick(latest, Qt::LeftButton);
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].title, QStringLiteral("問い合わせメッセージ"));
    EXPECT_EQ(boxes.shown[0].text,
              QStringLiteral("新郵便番号変換後、最新情報の住所も出力すると\r\n変換時間は２倍以上かかり"
                             "ます。\r\n処理を続行しますか。"));
  }
  EXPECT_FALSE(latest->isChecked());
  EXPECT_EQ(testing::shown_window<AddressEditFormatWindow>(), nullptr);
  testing::MessageBoxes boxes;
  QTest::mouseClick(latest, Qt::LeftButton);
  EXPECT_TRUE(latest->isChecked());
  ASSERT_NE(testing::shown_window<AddressEditFormatWindow>(), nullptr);
  EXPECT_EQ(app_.session().edit_type, 2);
}

TEST_F(BatchAddressToCodeWindowTest, ARunWritesWhatTheCommandLineWritesAndCloses) {
  app_.session().settings.set_flag(settings::Flag::kMonitor, 1);
  // The monitoring display shows from the next opening on.
  window_->close();
  window_ = &app_.open<BatchAddressToCodeWindow>();
  field("Text2")->setText(QStringLiteral("3"));
  field("Text3")->setText(QStringLiteral("3"));
  field("Text8")->setText(QStringLiteral("2"));
  field("Text13")->setText(QStringLiteral("2"));
  field("Text11")->setText(file_text("window.csv"));
  // Three latest-address items, chosen in the edit format window.
  control<QPushButton>(*window_, "Command14")->click();
  EXPECT_TRUE(control<QCheckBox>(*window_, "Check2")->isChecked());
  auto* format = testing::shown_window<AddressEditFormatWindow>();
  ASSERT_NE(format, nullptr);
  control<QRadioButton>(*format, "Option2")->click();
  format->close();

  testing::MessageBoxes boxes;
  QString monitored;
  boxes.while_shown = [&] { monitored = field("Text4")->text(); };
  control<QPushButton>(*window_, "Command11")->click();
  ASSERT_EQ(boxes.shown.size(), 1u);
  EXPECT_TRUE(boxes.shown[0].text.startsWith(
      QStringLiteral("一括変換処理が終了しました。\r\n変換対象件数は３件です。\r\n")))
      << boxes.shown[0].text.toStdString();
  EXPECT_EQ(monitored, QStringLiteral("東京都新宿区西新宿"));
  EXPECT_EQ(testing::shown_window<BatchAddressToCodeWindow>(), nullptr);

  ASSERT_EQ(cli("batch-addr", "--in " + file("in.csv").string() + " --out " +
                                  file("cli.csv").string() +
                                  " --items 3 --addr1 2 --code-pos 3 --start-line 2 --message"
                                  " --latest-address 3"),
            0);
  EXPECT_EQ(bytes("window.csv"), bytes("cli.csv"));
  EXPECT_EQ(read_sjis("window.csv").rfind(u"1,東京都千代田区千代田,100,1000001,,東京都千代田区,千代田,",
                                          0),
            0u)
      << text::to_utf8(read_sjis("window.csv"));
}

TEST_F(BatchAddressToCodeWindowTest, TheEditFormatWindowSetsTheEditType) {
  auto& format = app_.open<AddressEditFormatWindow>();
  EXPECT_EQ(app_.session().edit_type, 2);
  EXPECT_TRUE(control<QRadioButton>(format, "Option3")->isChecked());
  const struct {
    const char* option;
    int edit_type;
  } options[] = {{"Option4", 1}, {"Option3", 2}, {"Option2", 3}, {"Option1", 4}};
  for (const auto& o : options) {
    control<QRadioButton>(format, o.option)->click();
    EXPECT_EQ(app_.session().edit_type, o.edit_type) << o.option;
    EXPECT_EQ(control<QLineEdit>(format, "Text1")->text(),
              to_qstring(batch::edit_message(o.edit_type)));
  }
  EXPECT_EQ(control<QLineEdit>(format, "Text1")->text(),
            QStringLiteral("\"都道府県名＋市区町村名\",\"町域名\",\"丁目（番地）\",\"ビル名\""));
  EXPECT_EQ(control<QLineEdit>(format, "Text2")->text(),
            QStringLiteral("変換後ファイルのレコード後尾に追記します"));
  // A batch window opening sets it back to one item.
  window_->close();
  app_.open<BatchAddressToCodeWindow>();
  EXPECT_EQ(app_.session().edit_type, 1);
}

}  // namespace
}  // namespace kovari::ui
