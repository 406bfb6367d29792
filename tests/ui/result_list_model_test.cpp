// The search-result list's model over the engine's rows.
#include "ui/result_list_model.h"

#include <gtest/gtest.h>

#include <QSignalSpy>

namespace kovari::ui {
namespace {

using code_search::ResultRow;
using code_search::RowKind;

std::vector<ResultRow> municipality_rows() {
  ResultRow office;
  office.kind = RowKind::kDetail;
  office.code = u"1008798";
  office.address = u"東京都千代田区千代田１－１";
  office.office = u"宮内庁";
  ResultRow separator;
  separator.kind = RowKind::kSeparator;
  ResultRow town;
  town.code = u"1000001";
  town.header = u"【 チ】";
  town.address = u"東京都千代田区千代田";
  return {office, separator, town};
}

QString shown(const ResultListModel& model, int row, int column) {
  return model.data(model.index(row, column)).toString();
}

TEST(ResultListModelTest, ShowsTheCodeTheHeadingAndTheAddressOrOffice) {
  ResultListModel model;
  QSignalSpy reset(&model, &QAbstractItemModel::modelReset);
  model.set_rows(municipality_rows(), false);
  EXPECT_EQ(reset.count(), 1);
  ASSERT_EQ(model.rowCount(), 3);
  EXPECT_EQ(model.columnCount(), 3);
  const struct {
    int row;
    QString code, header, text;
  } expected[] = {
      {0, QStringLiteral("1008798"), QString(), QStringLiteral("宮内庁")},
      {1, QString(), QString(), QString(60, QLatin1Char('-'))},
      {2, QStringLiteral("1000001"), QStringLiteral("【 チ】"),
       QStringLiteral("東京都千代田区千代田")},
  };
  for (const auto& e : expected) {
    EXPECT_EQ(shown(model, e.row, ResultListModel::kCodeColumn), e.code) << e.row;
    EXPECT_EQ(shown(model, e.row, ResultListModel::kHeaderColumn), e.header) << e.row;
    EXPECT_EQ(shown(model, e.row, ResultListModel::kTextColumn), e.text) << e.row;
  }
  EXPECT_FALSE(model.data(model.index(0, 0), Qt::EditRole).isValid());
}

TEST(ResultListModelTest, CodesWithTheHyphenWhenTheSettingsAskForIt) {
  ResultListModel model;
  model.set_rows(municipality_rows(), true);
  EXPECT_EQ(shown(model, 0, ResultListModel::kCodeColumn), QStringLiteral("100-8798"));
  EXPECT_EQ(shown(model, 1, ResultListModel::kCodeColumn), QString());
  model.set_rows({}, true);
  EXPECT_EQ(model.rowCount(), 0);
}

}  // namespace
}  // namespace kovari::ui
