#include "ui/tools_menu_window.h"

#include "ui/csv_export_window.h"
#include "ui/kovari_app.h"
#include "ui/settings_window.h"
#include "ui/system_info_window.h"
#include "ui_tools_menu_window.h"

namespace kovari::ui {

ToolsMenuWindow::ToolsMenuWindow(KovariApp& app)
    : KovariWindow(app, settings::WindowNumber::kToolsMenu), ui_(new Ui::ToolsMenuWindow) {
  ui_->setupUi(this);
  connect(ui_->Command1, &QPushButton::clicked, this,
          [this] { this->app().open<SettingsWindow>(); });
  connect(ui_->Command3, &QPushButton::clicked, this,
          [this] { this->app().open<SystemInfoWindow>(); });
  connect(ui_->Command5, &QPushButton::clicked, this,
          [this] { this->app().open<CsvExportWindow>(); });
  connect(ui_->Command4, &QPushButton::clicked, this, &ToolsMenuWindow::end_proc);
}

ToolsMenuWindow::~ToolsMenuWindow() = default;

}  // namespace kovari::ui
