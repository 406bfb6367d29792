#include "ui/result_list_model.h"

#include "ui/qt_host.h"

namespace kovari::ui {
namespace {

// A row's text in the three columns: "code TAB header TAB text" fills them
// all, "code TAB text" leaves the header empty, and a text without a tab
// (the separator line) stands in the text column.
QStringList columns_of(const result_list::ResultRow& row) {
  const QString text = to_qstring(row.text);
  const QStringList fields = text.split(QLatin1Char('\t'));
  switch (fields.size()) {
    case 1:
      return {QString(), QString(), text};
    case 2:
      return {fields[0], QString(), fields[1]};
    default:
      return {fields[0], fields[1], text.section(QLatin1Char('\t'), 2)};
  }
}

}  // namespace

ResultListModel::ResultListModel(QObject* parent) : QAbstractTableModel(parent) {}

void ResultListModel::set_rows(std::vector<result_list::ResultRow> rows) {
  beginResetModel();
  rows_ = std::move(rows);
  cells_.clear();
  for (const result_list::ResultRow& r : rows_) cells_.push_back(columns_of(r));
  endResetModel();
}

int ResultListModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int ResultListModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : kColumnCount;
}

QVariant ResultListModel::data(const QModelIndex& index, int role) const {
  if (role != Qt::DisplayRole || !index.isValid() || index.row() >= rowCount() ||
      index.column() >= kColumnCount) {
    return {};
  }
  return cells_[static_cast<std::size_t>(index.row())][index.column()];
}

}  // namespace kovari::ui
