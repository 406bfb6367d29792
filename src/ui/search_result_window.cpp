#include "ui/search_result_window.h"

#include <QHeaderView>
#include <QItemSelectionModel>

#include "result_list/list_copy.h"
#include "result_list/narrowing.h"
#include "session/session.h"
#include "ui/address_to_code_window.h"
#include "ui/kovari_app.h"
#include "ui_search_result_window.h"

namespace kovari::ui {

using result_list::NarrowState;

SearchResultWindow::SearchResultWindow(KovariApp& app)
    : KovariWindow(app, settings::WindowNumber::kSearchResult), ui_(new Ui::SearchResultWindow) {
  ui_->setupUi(this);
  ui_->List1->setModel(&rows_);
  // Rows as close as a list's.
  ui_->List1->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
  draw(NarrowState::Full, {});

  // The copy needs a selected row.
  connect(ui_->List1->selectionModel(), &QItemSelectionModel::selectionChanged, this,
          [this] { ui_->Command2->setEnabled(ui_->List1->selectionModel()->hasSelection()); });
  connect(ui_->Command2, &QPushButton::clicked, this, &SearchResultWindow::copy);
  connect(ui_->Command5, &QPushButton::clicked, this, &SearchResultWindow::narrow_button);
  connect(ui_->Text1, &QLineEdit::returnPressed, this, &SearchResultWindow::narrow);
  connect(ui_->Command4, &QPushButton::clicked, this, &SearchResultWindow::end_proc);
  connect(ui_->Command1, &QPushButton::clicked, this, [this] {
    // "終了" ends the pick too: the address window starts again at its first list.
    if (auto* addresses = this->app().find_open<AddressToCodeWindow>()) addresses->restart_pick();
    end_proc();
  });
}

SearchResultWindow::~SearchResultWindow() = default;

void SearchResultWindow::show_list(result_list::ResultList list) {
  list_ = std::move(list);
  draw(NarrowState::Full, list_.rows);
}

void SearchResultWindow::draw(NarrowState state, std::vector<result_list::ResultRow> rows) {
  state_ = state;
  const int count = static_cast<int>(rows.size());
  rows_.set_rows(std::move(rows));
  const result_list::ListControls controls = result_list::list_controls(list_, state, count);
  ui_->Command3->setText(to_qstring(controls.count_caption));
  ui_->Label1->setText(to_qstring(controls.note));
  ui_->Label1->setVisible(controls.note_visible);
  ui_->Command4->setVisible(controls.reenter_visible);
  ui_->Command5->setVisible(controls.narrow_visible);
  ui_->Command5->setText(to_qstring(controls.narrow_caption));
  ui_->Command6->setVisible(controls.narrow_text_visible);
  ui_->Text1->setVisible(controls.narrow_text_visible);
  ui_->List1->setColumnHidden(ResultListModel::kHeaderColumn, !controls.header_visible);
  ui_->List1->resizeColumnsToContents();
  ui_->Command2->setEnabled(false);
}

void SearchResultWindow::narrow_button() {
  const NarrowState next = result_list::after_narrow_button(state_);
  if (next == NarrowState::Full) {
    draw(next, list_.rows);
    return;
  }
  draw(next, rows_.rows());
  ui_->Text1->setFocus();
}

void SearchResultWindow::narrow() {
  std::optional<result_list::NarrowedList> narrowed =
      result_list::narrow_list(list_, to_u16(ui_->Text1->text()), session().settings);
  if (!narrowed) return;  // an empty text: the field keeps the focus
  ui_->Text1->setText(to_qstring(narrowed->field_text));
  draw(NarrowState::Narrowed, std::move(narrowed->rows));
  ui_->List1->setFocus();
}

void SearchResultWindow::copy() {
  std::vector<int> selected;
  for (const QModelIndex& row : ui_->List1->selectionModel()->selectedRows()) {
    selected.push_back(row.row());
  }
  result_list::copy_rows(host(), session().clip_asked, list_.mode, rows_.rows(), selected,
                         session().settings);
}

}  // namespace kovari::ui
