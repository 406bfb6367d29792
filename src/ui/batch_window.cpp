#include "ui/batch_window.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QProgressBar>
#include <QScrollBar>
#include <algorithm>

#include "session/session.h"
#include "text/vb.h"
#include "ui/preparing_window.h"

namespace kovari::ui {

namespace {

// The run's host: the window's message line, the progress window's bar and
// caption (the window shows once the run starts converting), pending events
// let through at every progress step.
class RunHost : public QtHost {
 public:
  using Monitor = std::function<void(std::u16string_view, std::u16string_view)>;
  RunHost(QWidget* parent, PreparingWindow& progress, QLineEdit* message_line, Monitor monitor)
      : QtHost(parent, progress.progress_bar(), message_line),
        progress_(progress),
        monitor_(std::move(monitor)) {
    set_events_allowed(true);
  }
  void monitor(std::u16string_view address, std::u16string_view parts) override {
    monitor_(address, parts);
  }
  void progress_range(long minimum, long maximum) override {
    progress_.set_form1();
    progress_.show();
    QtHost::progress_range(minimum, maximum);
  }

 private:
  PreparingWindow& progress_;
  Monitor monitor_;
};

}  // namespace

std::filesystem::path file_field(const QLineEdit& field) {
  return std::filesystem::path(QFile::encodeName(field.text()).toStdString());
}

BatchWindow::BatchWindow(KovariApp& app, settings::WindowNumber number, ConversionWindow conversion)
    : KovariWindow(app, number, conversion), conversion_(conversion) {}

BatchWindow::~BatchWindow() {
  QObject::disconnect(qApp, nullptr, this, nullptr);
  for (QObject* control : findChildren<QObject*>())
    QObject::disconnect(control, nullptr, this, nullptr);
}

void BatchWindow::set_controls(QLineEdit* message_line, QLineEdit* input,
                               QAbstractButton* run_button,
                               std::initializer_list<QWidget*> run_disables) {
  message_line_ = message_line;
  input_ = input;
  run_button_ = run_button;
  run_disables_.assign(run_disables);
  bind_host(nullptr, message_line);
  show_message(kMsgStart);
  connect(input, &QLineEdit::editingFinished, this, [this] { probe(); });
}

void BatchWindow::show_message(std::u16string_view text) {
  message_line_->setText(to_qstring(text));
}

void BatchWindow::add_field(QLineEdit* field, Focus focus, QAbstractButton* label) {
  connect(field, &QLineEdit::returnPressed, this, [this, field, focus] { enter(field, focus); });
  if (label != nullptr) {
    connect(label, &QAbstractButton::clicked, field, [field] { field->setFocus(); });
  }
}

void BatchWindow::enter(QLineEdit* field, Focus focus) {
  const batch::FieldEntry entry = batch::enter_field(conversion_, focus, field_texts());
  if (entry.text) field->setText(to_qstring(*entry.text));
  if (entry.message_changes) show_message(entry.message);
  if (entry.passed) {
    if (focus == Focus::kItemCount && conversion_ == ConversionWindow::kBatchAddressToCode) {
      set_positions_maximum(static_cast<int>(text::Val(to_u16(field->text()))));
    }
    if (is_position(field)) set_position(field, static_cast<int>(text::Val(to_u16(field->text()))));
  }
  if (entry.next == Focus::kNone) {
    run_button_->setFocus();
  } else if (entry.next != focus) {
    focus_field(entry.next);
  }
}

void BatchWindow::add_position(QLineEdit* field, QScrollBar* scroll, QLineEdit* preview) {
  positions_.push_back({field, scroll, preview});
  scroll->setRange(0, batch::kMaxItemCount);
  scroll->setPageStep(1);
  connect(scroll, &QScrollBar::valueChanged, this, [this, field, preview](int value) {
    field->setText(QString::number(value));
    preview->setText(to_qstring(batch::preview_item(first_record_, value)));
  });
}

bool BatchWindow::is_position(const QLineEdit* field) const {
  return std::any_of(positions_.begin(), positions_.end(),
                     [field](const Position& p) { return p.field == field; });
}

void BatchWindow::set_position(QLineEdit* field, int value) {
  for (const Position& p : positions_) {
    if (p.field != field) continue;
    p.scroll->setValue(value);  // a value past its range is the field's all the same
    field->setText(QString::number(value));
    p.preview->setText(to_qstring(batch::preview_item(first_record_, value)));
  }
}

void BatchWindow::update_previews() {
  for (const Position& p : positions_) {
    const int value = static_cast<int>(text::Val(to_u16(p.field->text())));
    p.preview->setText(to_qstring(batch::preview_item(first_record_, value)));
  }
}

void BatchWindow::set_positions_maximum(int maximum) {
  for (const Position& p : positions_) p.scroll->setMaximum(maximum);
}

void BatchWindow::add_browse(QAbstractButton* button, QLineEdit* field, QWidget* next) {
  connect(button, &QAbstractButton::clicked, this, [this, field, next] {
    QString filter = kPreselectedFilter;
    const QString name =
        QFileDialog::getOpenFileName(this, QString(), field->text(), kTextFileFilters, &filter);
    if (!name.isEmpty()) field->setText(name);
    next->setFocus();
  });
}

int BatchWindow::probe() {
  const batch::FirstLine first = batch::probe_input_file(file_field(*input_));
  first_record_ = first.rec_item;
  update_previews();
  return first.count;
}

void BatchWindow::run(const std::function<batch::BatchOutcome(Host&)>& convert) {
  batch::BatchOutcome outcome;
  {
    const BusyScope running(*this);
    if (!running.entered()) return;
    run_button_->setEnabled(false);
    for (QWidget* w : run_disables_) w->setEnabled(false);
    auto* progress = new PreparingWindow(app());
    progress->setAttribute(Qt::WA_DeleteOnClose);
    RunHost host(this, *progress, message_line_,
                 [this](std::u16string_view address, std::u16string_view parts) {
                   monitor(address, parts);
                 });
    outcome = convert(host);
    progress->close();
    run_button_->setEnabled(true);
    for (QWidget* w : run_disables_) w->setEnabled(true);
  }
  if (outcome.result == batch::BatchResult::Finished) {
    close();
  } else {
    focus_field(outcome.focus);
  }
}

}  // namespace kovari::ui
