#include "ui/address_to_code_window.h"

#include "address_entry/town_pick.h"
#include "address_entry/town_search.h"
#include "result_list/list_builders.h"
#include "session/session.h"
#include "ui/kovari_app.h"
#include "ui/search_result_window.h"
#include "ui_address_to_code_window.h"

namespace kovari::ui {

using address_entry::InputMode;
using csv_export::PickLevel;

AddressToCodeWindow::AddressToCodeWindow(KovariApp& app)
    : KovariWindow(app, settings::WindowNumber::kAddressToCode, kConversion),
      ui_(new Ui::AddressToCodeWindow),
      pick_(session().db) {
  ui_->setupUi(this);
  pick_caption_ = ui_->Command4->text();
  set_focus_controls({{Focus::kAddress, QStringLiteral("Text4")}});
  const bool town_search_offered = session().db.data4_present != 0;
  ui_->Option3->setVisible(town_search_offered);

  const std::pair<QRadioButton*, InputMode> modes[] = {{ui_->Option1, InputMode::kPick},
                                                       {ui_->Option2, InputMode::kAddress},
                                                       {ui_->Option3, InputMode::kTownSearch}};
  const InputMode initial = address_entry::initial_mode(session().settings, town_search_offered);
  for (const auto& [option, mode] : modes) {
    option->setChecked(mode == initial);
    connect(option, &QRadioButton::clicked, this, [this, mode = mode] { set_mode(mode); });
  }
  set_mode(initial);

  connect(ui_->Command1, &QPushButton::clicked, this,
          [this] { restart_at(PickLevel::kPrefecture); });
  connect(ui_->Command2, &QPushButton::clicked, this, [this] { restart_at(PickLevel::kCity); });
  connect(ui_->Command3, &QPushButton::clicked, this, [this] { restart_at(PickLevel::kTown); });
  // Enter or a double click.
  connect(ui_->List1, &QListWidget::activated, this,
          [this](const QModelIndex& item) { pick(item.row()); });
  connect(ui_->Text4, &QLineEdit::returnPressed, this, &AddressToCodeWindow::run_entry);
  connect(ui_->Command7, &QPushButton::clicked, this, &AddressToCodeWindow::run_entry);
  connect(ui_->List2, &QListWidget::activated, this,
          [this](const QModelIndex& item) { choose(item.row()); });
  connect(ui_->Command9, &QPushButton::clicked, this, &AddressToCodeWindow::copy);
  connect(ui_->Command10, &QPushButton::clicked, this, &AddressToCodeWindow::end_proc);
}

AddressToCodeWindow::~AddressToCodeWindow() = default;

void AddressToCodeWindow::set_mode(InputMode mode) {
  mode_ = mode;
  const address_entry::ModeControls controls = address_entry::set_control(mode);
  for (QLineEdit* field :
       {ui_->Text1, ui_->Text2, ui_->Text3, ui_->Text4, ui_->Text5, ui_->Text6}) {
    field->clear();
  }
  ui_->Frame3->setEnabled(controls.pick_enabled);
  if (!controls.pick_enabled) {
    ui_->List1->clear();
    ui_->Command4->setText(pick_caption_);
  }
  ui_->Frame4->setEnabled(controls.entry_enabled);
  ui_->Frame4->setTitle(to_qstring(controls.entry_title));
  ui_->Command6->setText(to_qstring(controls.entry_label));
  ui_->Command7->setText(to_qstring(controls.action_caption));
  for (QWidget* code_field :
       {static_cast<QWidget*>(ui_->Command8), static_cast<QWidget*>(ui_->Text5),
        static_cast<QWidget*>(ui_->Text6)}) {
    code_field->setVisible(controls.code_fields_visible);
  }
  ui_->List2->hide();
  ui_->Command9->hide();
  ui_->Text7->setText(to_qstring(controls.prompt));
  shown_ = {};
  if (mode == InputMode::kPick) {
    restart_pick();
  } else {
    ui_->Text4->setFocus();
  }
}

void AddressToCodeWindow::restart_pick() {
  if (mode_ == InputMode::kPick) restart_at(PickLevel::kPrefecture);
}

void AddressToCodeWindow::restart_at(PickLevel level) {
  pick_.restart(level);
  show_pick();
}

void AddressToCodeWindow::show_pick() {
  const csv_export::PickList& list = pick_.list();
  ui_->List1->clear();
  for (const std::u16string& item : list.items) ui_->List1->addItem(to_qstring(item));
  ui_->Command4->setText(to_qstring(list.caption));
  ui_->Text7->setText(to_qstring(list.prompt));
  const std::pair<QLineEdit*, const std::u16string*> picks[] = {{ui_->Text1, &pick_.pref_text},
                                                                {ui_->Text2, &pick_.city_text},
                                                                {ui_->Text3, &pick_.town_text}};
  QPushButton* const buttons[] = {ui_->Command1, ui_->Command2, ui_->Command3};
  for (int k = 0; k < 3; ++k) {
    picks[k].first->setText(to_qstring(*picks[k].second));
    // A level's button restarts there once it holds a pick.
    buttons[k]->setEnabled(!picks[k].second->empty());
  }
  ui_->List1->setFocus();
}

void AddressToCodeWindow::pick(int item) {
  const PickLevel level = pick_.level();
  // The list's current row counts only when it is selected.
  const QListWidgetItem* current = ui_->List1->item(item);
  if (current == nullptr || !current->isSelected() || !pick_.choose(item)) {
    ui_->List1->setFocus();
    return;
  }
  show_pick();
  if (level != PickLevel::kTown) return;
  app().open<SearchResultWindow>().show_list(
      address_entry::municipality_list(session().db, pick_.found_town, session().settings));
}

void AddressToCodeWindow::run_entry() {
  if (mode_ == InputMode::kTownSearch) {
    search_towns();
  } else if (mode_ == InputMode::kAddress) {
    convert();
  }
}

void AddressToCodeWindow::convert() {
  const BusyScope converting(*this);
  if (!converting.entered()) return;
  ui_->Text6->clear();
  ui_->Text7->setText(to_qstring(address_entry::kMsgEnterAddress));
  ui_->Command7->setEnabled(false);
  const std::optional<address_entry::AddressConversion> converted =
      address_entry::convert_typed_address(session(), host(), to_u16(ui_->Text4->text()));
  ui_->Command7->setEnabled(true);
  if (!converted) {
    ui_->Text4->setFocus();
    return;
  }
  draw(*converted);
}

void AddressToCodeWindow::draw(const address_entry::AddressConversion& shown) {
  shown_ = shown;
  const address_entry::AddressFields& f = shown.fields;
  ui_->Text4->setText(to_qstring(f.address));
  ui_->Text5->setText(to_qstring(f.parts));
  ui_->Text6->setText(to_qstring(f.code));
  ui_->Text7->setText(to_qstring(f.message));
  const bool listed = shown.list.has_value();
  ui_->List2->clear();
  if (listed) {
    for (const std::u16string& row : address_entry::list_rows(*shown.list)) {
      ui_->List2->addItem(to_qstring(row));
    }
    ui_->List2->setCurrentRow(0);
  }
  ui_->List2->setVisible(listed);
  for (QWidget* result : {static_cast<QWidget*>(ui_->Text5), static_cast<QWidget*>(ui_->Command8),
                          static_cast<QWidget*>(ui_->Text6)}) {
    result->setVisible(!listed);
  }
  ui_->Command9->setVisible(shown.copy_visible);
  if (listed) {
    ui_->List2->setFocus();
  } else if (shown.copy_visible) {
    ui_->Command9->setFocus();
  } else {
    focus_field(shown.focus == Focus::kNone ? Focus::kAddress : shown.focus);
  }
}

void AddressToCodeWindow::choose(int item) {
  const BusyScope converting(*this);
  if (!converting.entered()) return;
  if (const auto chosen = address_entry::choose_item(session(), host(), shown_, item)) {
    draw(*chosen);
  }
}

void AddressToCodeWindow::search_towns() {
  const QString text = ui_->Text4->text();
  if (text.trimmed().isEmpty()) {
    ui_->Text4->setFocus();
    return;
  }
  const BusyScope searching(*this);
  if (!searching.entered()) return;
  ui_->Text7->setText(to_qstring(address_entry::kMsgSearchingTowns));
  ui_->Frame4->setEnabled(false);
  const address_entry::TownSearch search =
      address_entry::sel_index(session().db, session().settings, to_u16(text));
  ui_->Frame4->setEnabled(true);
  ui_->Text7->setText(to_qstring(
      search.message.empty() ? std::u16string(address_entry::kMsgEnterTownName) : search.message));
  if (search.hits.empty()) {
    ui_->Text4->setFocus();
    return;
  }
  result_list::ResultList list =
      result_list::set_list5(session().db, search.hits, session().settings, host());
  app().open<SearchResultWindow>().show_list(std::move(list));
}

void AddressToCodeWindow::copy() {
  // The address as it stands: it may have been extended after the conversion.
  const address_entry::AddressFields fields{to_u16(ui_->Text4->text()), to_u16(ui_->Text5->text()),
                                            to_u16(ui_->Text6->text()), to_u16(ui_->Text7->text())};
  if (address_entry::copy_result(session(), host(), fields)) ui_->Command9->hide();
}

}  // namespace kovari::ui
