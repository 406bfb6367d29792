#include "shots.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <fstream>

#include "office_search/office_search.h"
#include "postaldb/startup.h"
#include "session/session.h"
#include "text/sjis.h"
#include "ui/address_edit_format_window.h"
#include "ui/address_to_code_window.h"
#include "ui/batch_address_to_code_window.h"
#include "ui/batch_code_to_address_window.h"
#include "ui/clipboard_convert_window.h"
#include "ui/code_to_address_window.h"
#include "ui/csv_export_window.h"
#include "ui/main_window.h"
#include "ui/office_name_search_window.h"
#include "ui/preparing_window.h"
#include "ui/qt_host.h"
#include "ui/record_view_window.h"
#include "ui/search_result_window.h"
#include "ui/settings_window.h"
#include "ui/splash_window.h"
#include "ui/system_info_window.h"
#include "ui/tools_menu_window.h"

namespace kovari::screenshots {
namespace {

template <class T = QWidget>
T* control(QWidget* window, const char* name) {
  return window->findChild<T*>(QString::fromLatin1(name));
}

// The code window after `code` was typed and converted.
QWidget* code_window_with(ui::KovariApp& app, const char* code) {
  auto& window = app.open<ui::CodeToAddressWindow>();
  control<QLineEdit>(&window, "Text1")->setText(QString::fromLatin1(code));
  control<QPushButton>(&window, "Command3")->click();
  return &window;
}

// The address window in mode `option` ("Option1" .. "Option3").
ui::AddressToCodeWindow& address_window(ui::KovariApp& app, const char* option) {
  auto& window = app.open<ui::AddressToCodeWindow>();
  control<QRadioButton>(&window, option)->click();
  return window;
}

// The address window after `text` was typed into its entry and entered.
QWidget* address_entered(ui::KovariApp& app, const char* option, const char16_t* text) {
  auto& window = address_window(app, option);
  control<QLineEdit>(&window, "Text4")->setText(QString::fromUtf16(text));
  control<QPushButton>(&window, "Command7")->click();
  return &window;
}

// Double-clicks (as Enter does) the item `item` of the pick list.
void pick(QWidget* window, const char16_t* item) {
  auto* list = control<QListWidget>(window, "List1");
  const QList<QListWidgetItem*> found = list->findItems(QString::fromUtf16(item), Qt::MatchExactly);
  if (found.isEmpty()) return;
  list->setCurrentItem(found[0]);
  emit list->activated(list->currentIndex());
}

// The settings window on page `page` of its tab control.
QWidget* settings_page(ui::KovariApp& app, int page) {
  auto& window = app.open<ui::SettingsWindow>();
  control<QTabWidget>(&window, "SSTab1")->setCurrentIndex(page);
  return &window;
}

// A Shift-JIS input file of addresses for the batch windows, kept while the
// program runs.
QString sample_input() {
  static const QTemporaryDir folder;
  const std::filesystem::path path = folder.path().toStdString() + "/顧客住所録.csv";
  std::ofstream(path, std::ios::binary)
      << text::encode_sjis(
             u"番号,氏名,住所,旧郵便番号\r\n"
             u"1,山田　太郎,東京都千代田区千代田１－１,100\r\n"
             u"2,鈴木　花子,東京都新宿区西新宿２－８－１,160\r\n"
             u"3,佐藤　一郎,北海道札幌市中央区北一条西２丁目,060\r\n")
             .value();
  return QString::fromStdString(path.string());
}

// Types `value` into the field and presses Enter there.
void enter(QWidget* window, const char* name, const QString& value) {
  auto* field = control<QLineEdit>(window, name);
  field->setText(value);
  emit field->returnPressed();
  emit field->editingFinished();
}

// The address batch window with its input probed and the positions of the
// old code and the address entered.
ui::BatchAddressToCodeWindow& address_batch_with_input(ui::KovariApp& app) {
  auto& window = app.open<ui::BatchAddressToCodeWindow>();
  enter(&window, "Text1", sample_input());
  enter(&window, "Text2", QStringLiteral("4"));
  enter(&window, "Text3", QStringLiteral("4"));
  enter(&window, "Text8", QStringLiteral("3"));
  return window;
}

// The office-name search window with `name` typed; searched when `search`
// (the index is made beforehand, so that no question stands in front).
QWidget* office_search_with(ui::KovariApp& app, const char* name, bool search) {
  SilentHost agree(true);
  office_search::OfficeIndexStore store{app.session().files.office_index, std::nullopt};
  office_search::kensaku_syori(store, app.session().db, agree, u"郵便",
                               office_search::MatchMode::kPartial);
  auto& window = app.open<ui::OfficeNameSearchWindow>();
  control<QLineEdit>(&window, "Text1")->setText(QString::fromUtf8(name));
  if (!search) return &window;
  control<QPushButton>(&window, "Command2")->click();
  window.close();
  return &app.open<ui::SearchResultWindow>();
}

// The CSV export window with the prefecture `pref` picked.
QWidget* csv_export_with(ui::KovariApp& app, const char16_t* pref) {
  auto& window = app.open<ui::CsvExportWindow>();
  pick(&window, pref);
  return &window;
}

}  // namespace

std::vector<Shot> all_shots() {
  return {
      {"splash",
       [](ui::KovariApp&) -> QWidget* {
         auto* splash = new ui::SplashWindow;
         splash->setAttribute(Qt::WA_DeleteOnClose);
         return splash;
       }},
      {"preparing",
       [](ui::KovariApp& app) -> QWidget* {
         auto* window = new ui::PreparingWindow(app);
         window->setAttribute(Qt::WA_DeleteOnClose);
         window->setWindowTitle(ui::to_qstring(postaldb::kPreparingCaption));
         auto* bar = control<QProgressBar>(window, "ProgressBar1");
         bar->setRange(0, 2400);
         bar->setValue(1500);
         return window;
       }},
      {"main_menu", [](ui::KovariApp& app) -> QWidget* { return &app.open<ui::MainWindow>(); }},
      {"tools_menu",
       [](ui::KovariApp& app) -> QWidget* { return &app.open<ui::ToolsMenuWindow>(); }},
      {"system_info",
       [](ui::KovariApp& app) -> QWidget* { return &app.open<ui::SystemInfoWindow>(); }},
      {"code_to_address_result",
       [](ui::KovariApp& app) { return code_window_with(app, "1000001"); }},
      {"code_to_address_choice",
       [](ui::KovariApp& app) { return code_window_with(app, "1008241"); }},
      {"search_result_prefix",
       [](ui::KovariApp& app) -> QWidget* {
         code_window_with(app, "100")->close();
         return &app.open<ui::SearchResultWindow>();
       }},
      {"address_to_code_result",
       [](ui::KovariApp& app) {
         return address_entered(app, "Option2", u"東京都千代田区丸の内１丁目９－１");
       }},
      {"address_to_code_choice",
       [](ui::KovariApp& app) {
         app.session().settings.set_flag(settings::Flag::kApproximate, 0);
         return address_entered(app, "Option2", u"東京都千代本区丸の内１丁目");
       }},
      {"address_to_code_pick",
       [](ui::KovariApp& app) -> QWidget* {
         auto& window = address_window(app, "Option1");
         pick(&window, u"北海道");
         pick(&window, u"札幌市");
         return &window;
       }},
      {"address_to_code_town_search",
       [](ui::KovariApp& app) -> QWidget* {
         auto& window = address_window(app, "Option3");
         control<QLineEdit>(&window, "Text4")->setText(QStringLiteral("丸の内*"));
         return &window;
       }},
      {"search_result_municipality",
       [](ui::KovariApp& app) -> QWidget* {
         auto& window = address_window(app, "Option1");
         pick(&window, u"北海道");
         pick(&window, u"札幌市");
         pick(&window, u"中央区");
         window.close();
         return &app.open<ui::SearchResultWindow>();
       }},
      {"search_result_town_name",
       [](ui::KovariApp& app) -> QWidget* {
         address_entered(app, "Option3", u"丸の内*")->close();
         return &app.open<ui::SearchResultWindow>();
       }},
      {"settings_conversion", [](ui::KovariApp& app) { return settings_page(app, 0); }},
      {"settings_clipboard", [](ui::KovariApp& app) { return settings_page(app, 1); }},
      {"settings_files", [](ui::KovariApp& app) { return settings_page(app, 2); }},
      {"settings_pairs",
       [](ui::KovariApp& app) {
         app.session().settings.text_pairs = {{u"ヶ", u"ケ"}, {u"まるのうち", u"丸の内"}};
         return settings_page(app, 3);
       }},
      {"batch_address_to_code",
       [](ui::KovariApp& app) -> QWidget* {
         auto& window = address_batch_with_input(app);
         enter(&window, "Text9", QStringLiteral("0"));
         enter(&window, "Text10", QStringLiteral("0"));
         enter(&window, "Text13", QString());
         control<QLineEdit>(&window, "Text11")
             ->setText(QStringLiteral("/home/user/顧客住所録_新.csv"));
         return &window;
       }},
      {"batch_address_to_code_error",
       [](ui::KovariApp& app) -> QWidget* {
         auto& window = address_batch_with_input(app);
         enter(&window, "Text9", QStringLiteral("4"));
         return &window;
       }},
      {"record_view",
       [](ui::KovariApp& app) -> QWidget* {
         auto& batch_window = app.open<ui::BatchAddressToCodeWindow>();
         control<QLineEdit>(&batch_window, "Text1")->setText(sample_input());
         control<QPushButton>(&batch_window, "Command13")->click();
         return app.find<ui::RecordViewWindow>();
       }},
      {"address_edit_format",
       [](ui::KovariApp& app) -> QWidget* { return &app.open<ui::AddressEditFormatWindow>(); }},
      {"batch_code_to_address",
       [](ui::KovariApp& app) -> QWidget* {
         auto& window = app.open<ui::BatchCodeToAddressWindow>();
         enter(&window, "Text1", sample_input());
         enter(&window, "Text2", QStringLiteral("4"));
         return &window;
       }},
      {"batch_progress",
       [](ui::KovariApp& app) -> QWidget* {
         // The progress window of a run at 42% of 100,000 records.
         auto* window = new ui::PreparingWindow(app);
         window->setAttribute(Qt::WA_DeleteOnClose);
         ui::QtHost host(window, window->progress_bar());
         host.progress_caption(u"ソラト郵便番号　一括変換処理中!!");
         host.progress_range(0, 100000);
         host.progress_value(42000);
         host.progress_rate(2345);
         return window;
       }},
      {"clipboard_convert_converted",
       [](ui::KovariApp& app) -> QWidget* {
         auto& window = app.open<ui::ClipboardConvertWindow>();
         control<QRadioButton>(&window, "Option1")->click();
         QGuiApplication::clipboard()->setText(QStringLiteral("1000001"));
         window.watch_step();
         return &window;
       }},
      {"office_name_search",
       [](ui::KovariApp& app) { return office_search_with(app, "トヨタ自動車", false); }},
      {"search_result_office",
       [](ui::KovariApp& app) { return office_search_with(app, "トヨタ自動車", true); }},
      {"csv_export_prefecture", [](ui::KovariApp& app) { return csv_export_with(app, u"東京都"); }},
  };
}

}  // namespace kovari::screenshots
