#include "ui/result_list_model.h"

#include "ui/qt_host.h"

namespace kovari::ui {
namespace {

// The line between a municipality's detail rows and its town areas.
const QString kSeparator(60, QLatin1Char('-'));

}  // namespace

ResultListModel::ResultListModel(QObject* parent) : QAbstractTableModel(parent) {}

void ResultListModel::set_rows(std::vector<code_search::ResultRow> rows, bool hyphen) {
  beginResetModel();
  rows_ = std::move(rows);
  hyphen_ = hyphen;
  endResetModel();
}

int ResultListModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int ResultListModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : kColumnCount;
}

QVariant ResultListModel::data(const QModelIndex& index, int role) const {
  if (role != Qt::DisplayRole || !index.isValid() || index.row() >= rowCount()) return {};
  const code_search::ResultRow& r = row(index.row());
  if (r.kind == code_search::RowKind::kSeparator) {
    return index.column() == kTextColumn ? QVariant(kSeparator) : QVariant(QString());
  }
  switch (index.column()) {
    case kCodeColumn: {
      QString code = to_qstring(r.code);
      if (hyphen_ && code.size() == 7) code.insert(3, QLatin1Char('-'));
      return code;
    }
    case kHeaderColumn:
      return to_qstring(r.header);
    case kTextColumn:
      return to_qstring(r.text());
    default:
      return {};
  }
}

}  // namespace kovari::ui
