#include "ui/office_name_search_window.h"

#include <QProgressBar>

#include "result_list/list_builders.h"
#include "session/session.h"
#include "ui/kovari_app.h"
#include "ui/preparing_window.h"
#include "ui/search_result_window.h"
#include "ui_office_name_search_window.h"

namespace kovari::ui {
namespace {

// The search's host: the steps go to the window's message line, and while
// the index is made its progress shows in the preparing window.
class SearchHost : public QtHost {
 public:
  SearchHost(KovariApp& app, QWidget* window, QLineEdit* message_line)
      : QtHost(window), app_(app), message_line_(message_line) {
    // Made inside the window's busy scope only.
    set_events_allowed(true);
  }
  ~SearchHost() override {
    if (preparing_) preparing_->close();
  }
  SearchHost(const SearchHost&) = delete;
  SearchHost& operator=(const SearchHost&) = delete;

  void progress_caption(std::u16string_view caption) override {
    if (!preparing_) {
      preparing_ = std::make_unique<PreparingWindow>(app_);
      preparing_->set_form1();
      bind(preparing_->findChild<QProgressBar*>(QStringLiteral("ProgressBar1")), nullptr);
      preparing_->show();
    }
    QtHost::progress_caption(caption);
  }
  void status(std::u16string_view text) override { message_line_->setText(to_qstring(text)); }

 private:
  KovariApp& app_;
  QLineEdit* message_line_;
  std::unique_ptr<PreparingWindow> preparing_;
};

}  // namespace

OfficeNameSearchWindow::OfficeNameSearchWindow(KovariApp& app)
    : KovariWindow(app, settings::WindowNumber::kOfficeNameSearch, kConversion),
      ui_(new Ui::OfficeNameSearchWindow),
      index_{session().files.office_index, std::nullopt} {
  ui_->setupUi(this);
  ui_->Text2->setText(to_qstring(office_search::kMsgEnterName));

  connect(ui_->Text1, &QLineEdit::returnPressed, ui_->Command2,
          [this] { ui_->Command2->setFocus(); });
  connect(ui_->Command2, &QPushButton::clicked, this, &OfficeNameSearchWindow::search);
  connect(ui_->Command1, &QPushButton::clicked, this, &OfficeNameSearchWindow::end_proc);
  connect(ui_->Command3, &QPushButton::clicked, this, &OfficeNameSearchWindow::end_proc);
}

OfficeNameSearchWindow::~OfficeNameSearchWindow() = default;

office_search::MatchMode OfficeNameSearchWindow::mode() const {
  if (ui_->Option2->isChecked()) return office_search::MatchMode::kExact;
  if (ui_->Option3->isChecked()) return office_search::MatchMode::kPrefix;
  return office_search::MatchMode::kPartial;
}

void OfficeNameSearchWindow::search() {
  const BusyScope searching(*this);
  if (!searching.entered()) return;
  ui_->Text1->setFocus();
  ui_->Command2->setEnabled(false);
  office_search::OfficeSearchOutcome found;
  {
    SearchHost search_host(app(), this, ui_->Text2);
    found = office_search::kensaku_syori(index_, session().db, search_host,
                                         to_u16(ui_->Text1->text()), mode());
  }
  ui_->Command2->setEnabled(true);
  if (found.result == office_search::OfficeSearchResult::kNoText) return;
  ui_->Text2->setText(to_qstring(found.message));
  if (found.result != office_search::OfficeSearchResult::kFound) return;
  app().open<SearchResultWindow>().show_list(result_list::set_list4(
      session().db, found.office_hit, found.office_over, session().settings));
}

}  // namespace kovari::ui
