// The search-result list as a table model over the rows the engine makes
// (code_search::ResultRow): one column for the code, one for the heading of a
// run of town areas, one for the address or the office name. Every source of
// the list (the several codes of a prefix, a municipality's town areas and
// offices, the town-name hits, the office-name hits) fills the same model.
#pragma once

#include <QAbstractTableModel>
#include <vector>

#include "code_search/result_rows.h"

namespace kovari::ui {

class ResultListModel : public QAbstractTableModel {
  Q_OBJECT

 public:
  enum Column { kCodeColumn, kHeaderColumn, kTextColumn, kColumnCount };

  explicit ResultListModel(QObject* parent = nullptr);

  // Replaces the rows; codes are shown "999-9999" with `hyphen`, else as
  // seven digits.
  void set_rows(std::vector<code_search::ResultRow> rows, bool hyphen);
  const code_search::ResultRow& row(int n) const { return rows_.at(static_cast<std::size_t>(n)); }

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

 private:
  std::vector<code_search::ResultRow> rows_;
  bool hyphen_ = false;
};

}  // namespace kovari::ui
