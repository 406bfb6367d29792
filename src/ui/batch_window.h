// What the two batch conversion windows share: Enter in a field runs its
// check and moves on (batch/field_checks), the label buttons put the focus
// into their fields, the browse buttons, the position scroll bars with their
// preview boxes, the first-line probe when the input field is left, and the
// run with its progress window, during which the window stays responsive but
// cannot be closed or started again.
#pragma once

#include <QString>
#include <filesystem>
#include <functional>

#include "batch/batch_run.h"
#include "batch/field_checks.h"
#include "batch/input_check.h"
#include "ui/kovari_window.h"

class QAbstractButton;
class QLineEdit;
class QScrollBar;

namespace kovari::ui {

// The filter of the browse dialogs, the second entry preselected.
inline const QString kTextFileFilters = QStringLiteral("ﾃｷｽﾄﾌｧｲﾙ (*.txt);;ﾃｷｽﾄﾌｧｲﾙ (*.csv)");
inline const QString kPreselectedFilter = QStringLiteral("ﾃｷｽﾄﾌｧｲﾙ (*.csv)");

// A file field's text as the file system's bytes (Qt's own file-name encoding).
std::filesystem::path file_field(const QLineEdit& field);

class BatchWindow : public KovariWindow {
  Q_OBJECT

 public:
  static constexpr std::u16string_view kMsgStart = u"一括変換の条件を入力して下さい。";

 protected:
  BatchWindow(KovariApp& app, settings::WindowNumber number, ConversionWindow conversion);
  // A field that loses the focus as its controls are destroyed calls nothing.
  ~BatchWindow() override;

  // The fields as typed now.
  virtual batch::BatchFieldTexts field_texts() const = 0;
  // The window's controls, once its form is set up: the message line, the
  // input field, the "実行" button and the frames that a run disables.
  void set_controls(QLineEdit* message_line, QLineEdit* input, QAbstractButton* run_button,
                    std::initializer_list<QWidget*> run_disables);
  // Enter in `field` checks it as `focus`; `label` puts the focus into it.
  void add_field(QLineEdit* field, Focus focus, QAbstractButton* label);
  // `scroll` writes its value into `field` and shows that item in `preview`;
  // a checked value in `field` moves the scroll bar.
  void add_position(QLineEdit* field, QScrollBar* scroll, QLineEdit* preview);
  // `button` opens the file dialog for `field`, then the focus goes to `next`.
  void add_browse(QAbstractButton* button, QLineEdit* field, QWidget* next);

  // The first-line probe when the input field is left: its items fill the
  // preview boxes; returns the count (0 when the file cannot be read).
  virtual int probe();
  const batch::RecordBuffer& first_record() const { return first_record_; }
  void show_message(std::u16string_view text);
  // A position field takes `value`, with its scroll bar and preview box.
  void set_position(QLineEdit* field, int value);
  bool is_position(const QLineEdit* field) const;
  // Shows every position's preview of the probed record.
  void update_previews();
  // The position scroll bars' maximum.
  void set_positions_maximum(int maximum);

  // Runs `convert` with the progress window (caption set by the run): the
  // controls disabled meanwhile; a finished run closes the window, a refused
  // one returns the focus to the field it names.
  void run(const std::function<batch::BatchOutcome(Host&)>& convert);
  // The monitoring display of a run (nothing by default).
  virtual void monitor(std::u16string_view address, std::u16string_view parts) {
    (void)address;
    (void)parts;
  }

 private:
  void enter(QLineEdit* field, Focus focus);

  ConversionWindow conversion_;
  QLineEdit* message_line_ = nullptr;
  QLineEdit* input_ = nullptr;
  QAbstractButton* run_button_ = nullptr;
  std::vector<QWidget*> run_disables_;
  struct Position {
    QLineEdit* field;
    QScrollBar* scroll;
    QLineEdit* preview;
  };
  std::vector<Position> positions_;
  batch::RecordBuffer first_record_;
};

}  // namespace kovari::ui
