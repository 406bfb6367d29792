#include "ui/main_window.h"

#include <QGridLayout>

#include "ui/address_to_code_window.h"
#include "ui/batch_address_to_code_window.h"
#include "ui/batch_code_to_address_window.h"
#include "ui/clipboard_convert_window.h"
#include "ui/code_to_address_window.h"
#include "ui/office_name_search_window.h"
#include "ui/tools_menu_window.h"
#include "ui_main_window.h"

namespace kovari::ui {

MainWindow::MainWindow(KovariApp& app)
    : KovariWindow(app, settings::WindowNumber::kMainWindow), ui_(new Ui::MainWindow) {
  ui_->setupUi(this);
  fit_caption();
  enable_openers();
  connect(ui_->Command1, &QPushButton::clicked, this,
          &MainWindow::open_conversion<AddressToCodeWindow>);
  connect(ui_->Command2, &QPushButton::clicked, this,
          &MainWindow::open_conversion<CodeToAddressWindow>);
  connect(ui_->Command3, &QPushButton::clicked, this,
          &MainWindow::open_conversion<BatchAddressToCodeWindow>);
  connect(ui_->Command8, &QPushButton::clicked, this,
          &MainWindow::open_conversion<BatchCodeToAddressWindow>);
  connect(ui_->Command7, &QPushButton::clicked, this,
          &MainWindow::open_conversion<OfficeNameSearchWindow>);
  connect(ui_->Command4, &QPushButton::clicked, this, &MainWindow::start_clipboard_conversion);
  connect(ui_->Command5, &QPushButton::clicked, this,
          [this] { this->app().open<ToolsMenuWindow>(); });
  connect(ui_->Command6, &QPushButton::clicked, this, &MainWindow::end_proc);
}

MainWindow::~MainWindow() = default;

void MainWindow::fit_caption() {
  // Room for the caption and the title bar's own buttons.
  constexpr int kTitleBarButtons = 96;
  auto* grid = static_cast<QGridLayout*>(layout());
  const QMargins margins = grid->contentsMargins();
  const int wanted = fontMetrics().horizontalAdvance(windowTitle()) + kTitleBarButtons -
                     margins.left() - margins.right() - grid->horizontalSpacing();
  for (const int column : {0, 1}) grid->setColumnMinimumWidth(column, wanted / 2);
}

QPushButton* MainWindow::opener(ConversionWindow window) const {
  switch (window) {
    case ConversionWindow::kAddressToCode:
      return ui_->Command1;
    case ConversionWindow::kCodeToAddress:
      return ui_->Command2;
    case ConversionWindow::kBatchAddressToCode:
      return ui_->Command3;
    case ConversionWindow::kOfficeSearch:
      return ui_->Command7;
    case ConversionWindow::kBatchCodeToAddress:
      return ui_->Command8;
  }
  return nullptr;
}

void MainWindow::enable_openers() {
  for (const ConversionWindow window : kConversionWindows) {
    opener(window)->setEnabled(
        shell::opener_enabled(window, session().settings, clipboard_running_));
  }
}

void MainWindow::start_clipboard_conversion() {
  const shell::ClipboardStart start = shell::start_clipboard_conversion(session());
  for (const shell::ClipboardRefusal& refusal : start.refusals) {
    warn_with_help(refusal.text, shell::kRefusalTitle,
                   QStringLiteral("context-%1").arg(refusal.help_context));
  }
  if (!start.start) return;
  clipboard_running_ = true;
  enable_openers();
  connect(&app().open<ClipboardConvertWindow>(), &ClipboardConvertWindow::closed, this,
          &MainWindow::clipboard_conversion_ended, Qt::UniqueConnection);
}

void MainWindow::clipboard_conversion_ended() {
  clipboard_running_ = false;
  enable_openers();
}

void MainWindow::end_proc() {
  if (busy()) return;
  store_position();
  app().end_program(this);
}

}  // namespace kovari::ui
