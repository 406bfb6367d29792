#include "ui/tools_menu_window.h"

#include "ui/kovari_app.h"
#include "ui/not_yet_available.h"
#include "ui/settings_window.h"
#include "ui/system_info_window.h"
#include "ui_tools_menu_window.h"

namespace kovari::ui {

ToolsMenuWindow::ToolsMenuWindow(KovariApp& app)
    : KovariWindow(app, settings::WindowNumber::kToolsMenu), ui_(new Ui::ToolsMenuWindow) {
  ui_->setupUi(this);
  // The CSV export comes with a later version.
  open_notes_instead({ui_->Command5});
  connect(ui_->Command1, &QPushButton::clicked, this,
          [this] { this->app().open<SettingsWindow>(); });
  connect(ui_->Command3, &QPushButton::clicked, this,
          [this] { this->app().open<SystemInfoWindow>(); });
  connect(ui_->Command4, &QPushButton::clicked, this, &ToolsMenuWindow::end_proc);
}

ToolsMenuWindow::~ToolsMenuWindow() = default;

}  // namespace kovari::ui
