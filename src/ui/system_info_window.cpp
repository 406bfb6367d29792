#include "ui/system_info_window.h"

#include "paths/version.h"
#include "session/session.h"
#include "shell/program_info.h"
#include "ui/pictures.h"
#include "ui_system_info_window.h"

namespace kovari::ui {

SystemInfoWindow::SystemInfoWindow(KovariApp& app)
    : KovariWindow(app, settings::WindowNumber::kSystemInfo), ui_(new Ui::SystemInfoWindow) {
  ui_->setupUi(this);
  ui_->lblVersion->setText(to_qstring(shell::system_info_version(paths::kProgramVersion)));
  ui_->Label1->setText(to_qstring(shell::data_date_note(session().db.dir.data_date)));
  draw_pictures(this);
  connect(ui_->cmdOK, &QPushButton::clicked, this, &SystemInfoWindow::end_proc);
}

SystemInfoWindow::~SystemInfoWindow() = default;

}  // namespace kovari::ui
