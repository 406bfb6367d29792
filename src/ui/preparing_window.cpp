#include "ui/preparing_window.h"

#include "postaldb/startup.h"
#include "session/session.h"
#include "ui_preparing_window.h"

namespace kovari::ui {
namespace {

// The load's host: the bar's range is set once the settings are read, which
// is when the window takes its saved place and shows.
class LoadHost : public QtHost {
 public:
  LoadHost(PreparingWindow& window, QProgressBar* bar) : QtHost(&window, bar), window_(window) {
    // Nothing else is open yet: the bar may repaint while the tables load.
    set_events_allowed(true);
  }

  void progress_range(long minimum, long maximum) override {
    window_.set_form1();
    window_.show();
    QtHost::progress_range(minimum, maximum);
  }
  void status(std::u16string_view text) override {
    message_box(text, u"情報メッセージ", MessageIcon::Information);
  }

 private:
  PreparingWindow& window_;
};

}  // namespace

PreparingWindow::PreparingWindow(KovariApp& app)
    : KovariWindow(app, settings::WindowNumber::kPreparing), ui_(new Ui::PreparingWindow) {
  ui_->setupUi(this);
}

PreparingWindow::~PreparingWindow() = default;

QProgressBar* PreparingWindow::progress_bar() { return ui_->ProgressBar1; }

postaldb::LoadStatus PreparingWindow::load(const std::filesystem::path& folder,
                                           const paths::UserFiles& files) {
  setWindowTitle(to_qstring(postaldb::kPreparingCaption));
  LoadHost host(*this, ui_->ProgressBar1);
  postaldb::LoadStatus status;
  {
    // The window cannot be closed while the tables load.
    const BusyScope loading(*this);
    status = session().load(folder, host, files);
  }
  close();
  return status;
}

}  // namespace kovari::ui
