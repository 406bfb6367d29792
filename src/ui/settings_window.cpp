#include "ui/settings_window.h"

#include <QFileDialog>
#include <QMessageBox>

#include "session/session.h"
#include "settings/option_flags.h"
#include "ui/kovari_app.h"
#include "ui_settings_window.h"

namespace kovari::ui {

using settings::Flag;

namespace {

constexpr char16_t kPairNote[] =
    u"置換文字は、データファイルの分と合わせて１００件まで登録できます。";

}  // namespace

SettingsWindow::SettingsWindow(KovariApp& app)
    : KovariWindow(app, settings::WindowNumber::kSettings),
      ui_(new Ui::SettingsWindow),
      at_open_(session().settings),
      pairs_(session().settings, static_cast<int>(session().db.tables.chr_file_pairs.size())) {
  ui_->setupUi(this);
  ui_->Label1->setText(to_qstring(kPairNote));
  connect_flags();
  connect_file_names();
  connect_pairs();
  connect(ui_->Command1, &QPushButton::clicked, this, &SettingsWindow::end_proc);
}

SettingsWindow::~SettingsWindow() = default;

void SettingsWindow::connect_flags() {
  const struct {
    QRadioButton* button;
    Flag flag;
    int value;
  } options[] = {
      {ui_->Option1, Flag::kInputMode, 0},        {ui_->Option2, Flag::kInputMode, 1},
      {ui_->Option15, Flag::kInputMode, 2},       {ui_->Option3, Flag::kMonitor, 0},
      {ui_->Option4, Flag::kMonitor, 1},          {ui_->Option5, Flag::kHyphen, 0},
      {ui_->Option6, Flag::kHyphen, 1},           {ui_->Option7, Flag::kApproximate, 0},
      {ui_->Option8, Flag::kApproximate, 1},      {ui_->Option9, Flag::kCommaSeparator, 0},
      {ui_->Option10, Flag::kCommaSeparator, 1},  {ui_->Option11, Flag::kDetailFile, 0},
      {ui_->Option12, Flag::kDetailFile, 1},      {ui_->Option13, Flag::kTownSearchNames, 0},
      {ui_->Option14, Flag::kTownSearchNames, 1}, {ui_->Option16, Flag::kClipAppend, 1},
      {ui_->Option17, Flag::kClipAppend, 0},
  };
  settings::Settings& s = session().settings;
  for (const auto& o : options) {
    o.button->setChecked(settings::shown_value(s, o.flag) == o.value);
    connect(o.button, &QRadioButton::clicked, this,
            [this, flag = o.flag, value = o.value] { session().settings.set_flag(flag, value); });
  }
  const std::pair<QCheckBox*, Flag> checks[] = {{ui_->Check1, Flag::kClipCode},
                                                {ui_->Check2, Flag::kClipAddress},
                                                {ui_->Check3, Flag::kClipPobox},
                                                {ui_->Check4, Flag::kClipOffice}};
  for (const auto& [check, flag] : checks) {
    check->setChecked(s.flag(flag) == 1);
    connect(check, &QCheckBox::clicked, this, [this, flag = flag](bool ticked) {
      session().settings.set_flag(flag, ticked ? 1 : 0);
    });
  }
}

void SettingsWindow::connect_file_names() {
  settings::Settings& s = session().settings;
  const struct {
    QPushButton* label;
    QLineEdit* field;
    QPushButton* browse;
    std::u16string* name;
  } files[] = {
      {ui_->Command2, ui_->Text1, ui_->Command3, &s.in_file_name},
      {ui_->Command4, ui_->Text2, ui_->Command5, &s.out_file_name},
      {ui_->Command12, ui_->Text5, ui_->Command14, &s.in_file_name2},
      {ui_->Command13, ui_->Text6, ui_->Command15, &s.out_file_name2},
  };
  for (const auto& f : files) {
    f.field->setText(to_qstring(*f.name));
    connect(f.field, &QLineEdit::textChanged, this,
            [name = f.name](const QString& text) { *name = to_u16(text); });
    connect(f.label, &QPushButton::clicked, f.field, [field = f.field] { field->setFocus(); });
    connect(f.browse, &QPushButton::clicked, this, [this, field = f.field] { browse(field); });
  }
}

void SettingsWindow::browse(QLineEdit* field) {
  const QString text_files = QStringLiteral("ﾃｷｽﾄﾌｧｲﾙ (*.txt)");
  QString csv_files = QStringLiteral("ﾃｷｽﾄﾌｧｲﾙ (*.csv)");
  const QString chosen = QFileDialog::getOpenFileName(this, QString(), field->text(),
                                                      text_files + QStringLiteral(";;") + csv_files,
                                                      &csv_files, QFileDialog::ReadOnly);
  if (!chosen.isEmpty()) field->setText(chosen);
}

void SettingsWindow::connect_pairs() {
  fill_pair_list();
  draw_pairs();
  connect(ui_->List1, &QListWidget::itemClicked, this, [this] {
    pairs_.select_row();
    draw_pairs();
  });
  connect(ui_->Command8, &QPushButton::clicked, this, [this] {
    pairs_.begin_add();
    edit_pair();
  });
  connect(ui_->Command9, &QPushButton::clicked, this, [this] {
    if (pairs_.begin_change(ui_->List1->currentRow()) != settings::PairFocus::kNone) edit_pair();
  });
  connect(ui_->Command11, &QPushButton::clicked, this, [this] {
    settings::PairFocus focus = settings::PairFocus::kNone;
    if (pairs_.update(to_u16(ui_->Text3->text()), to_u16(ui_->Text4->text()), focus)) {
      pairs_changed();
      ui_->Text3->clear();
      ui_->Text4->clear();
    }
    draw_pairs();
    if (focus == settings::PairFocus::kFrom) ui_->Text3->setFocus();
  });
  connect(ui_->Command10, &QPushButton::clicked, this, [this] {
    settings::PairFocus focus = settings::PairFocus::kNone;
    if (pairs_.remove(ui_->List1->currentRow(), focus)) pairs_changed();
    draw_pairs();
    if (focus == settings::PairFocus::kAdd) ui_->Command8->setFocus();
    if (focus == settings::PairFocus::kList) ui_->List1->setFocus();
  });
}

void SettingsWindow::edit_pair() {
  draw_pairs();
  ui_->Text3->setText(to_qstring(pairs_.from()));
  ui_->Text4->setText(to_qstring(pairs_.to()));
  ui_->Text3->setFocus();
}

void SettingsWindow::pairs_changed() {
  session().apply_replacement_pairs();
  fill_pair_list();
}

void SettingsWindow::fill_pair_list() {
  ui_->List1->clear();
  for (const std::u16string& text : pairs_.rows()) ui_->List1->addItem(to_qstring(text));
}

void SettingsWindow::draw_pairs() {
  const settings::PairButtons& b = pairs_.buttons();
  ui_->Command8->setEnabled(b.add);
  ui_->Command9->setEnabled(b.change);
  ui_->Command10->setEnabled(b.remove);
  ui_->Command11->setEnabled(b.update);
  ui_->Text3->setEnabled(b.texts_enabled);
  ui_->Text4->setEnabled(b.texts_enabled);
}

void SettingsWindow::end_proc() {
  if (busy()) return;
  if (!settings::needs_restart(at_open_, session().settings)) {
    KovariWindow::end_proc();
    return;
  }
  QMessageBox::information(this, QStringLiteral("情報メッセージ"),
                           to_qstring(settings::kMsgRestart));
  store_position();
  app().end_program(this);
}

}  // namespace kovari::ui
