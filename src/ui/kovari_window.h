// What every window of the program does alike: it opens where it was last
// closed (its position kept by window number in the settings), closes on Esc
// from any of its controls, opens its section of the manual on F1, clicks a
// button that has the focus on Enter, selects a text field's whole text when
// the field is entered, reports through its own host (message line and
// progress bar), moves the focus to the field an outcome names, and runs the
// engine inside a busy scope. A conversion window stays marked open in the
// session until it closes.
#pragma once

#include <QString>
#include <QWidget>
#include <map>
#include <optional>
#include <string_view>

#include "host/focus.h"
#include "host/running_windows.h"
#include "settings/settings.h"
#include "ui/qt_host.h"

class QLineEdit;
class QProgressBar;

namespace kovari {
struct Session;
}

namespace kovari::ui {

class KovariApp;

class KovariWindow : public QWidget {
  Q_OBJECT

 public:
  // `conversion`: the flag the window clears when it closes (the menu sets it
  // when it opens the window).
  KovariWindow(KovariApp& app, settings::WindowNumber number,
               std::optional<ConversionWindow> conversion = std::nullopt);

  // Takes the position saved for the window's number, on a screen.
  void set_form1();
  // Closes the window (refused while it is busy); closing stores its position.
  virtual void end_proc();

  // The window's section of the manual: its class name.
  QString manual_section() const;
  // Opens `section` of the manual in the desktop's browser (a warning when
  // the manual cannot be found).
  void open_manual(const QString& section);
  bool busy() const { return busy_; }

  // While a scope lives, the engine runs inside this window: a close and a
  // second run are refused, and the engine's progress steps let pending
  // window events run (never outside a scope). A scope opened on a busy
  // window is not entered: the caller must not run.
  class BusyScope {
   public:
    explicit BusyScope(KovariWindow& window);
    ~BusyScope();
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;
    bool entered() const { return entered_; }

   private:
    KovariWindow& window_;
    bool entered_;
  };

 protected:
  KovariApp& app() { return app_; }
  Session& session();
  QtHost& host() { return host_; }

  // Binds the host to the window's own message line and progress bar.
  void bind_host(QProgressBar* bar, QLineEdit* message_line) { host_.bind(bar, message_line); }
  // The controls the outcomes' focus fields stand for, by objectName.
  void set_focus_controls(std::map<Focus, QString> controls);
  // Moves the focus to the control of `focus` (nothing for Focus::kNone).
  void focus_field(Focus focus);
  // Stores the window's position under its number.
  void store_position();
  // A warning box with an OK button and a "ヘルプ" button that opens `section`
  // of the manual.
  void warn_with_help(std::u16string_view text, std::u16string_view title, const QString& section);

  // Called when the user moves the focus into one of the window's controls
  // (a click, Tab, a shortcut); not when the program moves it there or the
  // window comes back to the front with it.
  virtual void entered(QWidget* control) { (void)control; }

  bool eventFilter(QObject* watched, QEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void watch_controls(QObject* object);
  double dpi() const;

  KovariApp& app_;
  settings::WindowNumber number_;
  std::optional<ConversionWindow> conversion_;
  QtHost host_;
  std::map<Focus, QString> focus_controls_;
  bool busy_ = false;
};

}  // namespace kovari::ui
