#include "shots.h"

#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>

#include "postaldb/startup.h"
#include "ui/code_to_address_window.h"
#include "ui/main_window.h"
#include "ui/preparing_window.h"
#include "ui/qt_host.h"
#include "ui/search_result_window.h"
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
  };
}

}  // namespace kovari::screenshots
