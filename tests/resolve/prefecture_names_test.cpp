// On the national snapshot: the prefecture an address names is the first one
// a walk of the prefecture table in order finds (names trimmed and compared
// with their variant kanji folded), whichever prefecture came before it.
// Skipped when the data files have not been built.
#include <gtest/gtest.h>

#include <string>

#include "session/convert_address.h"
#include "support/data_folders.h"
#include "support/loaded_session.h"
#include "text/kanji_fold.h"
#include "text/sjis.h"
#include "text/vb.h"

namespace kovari {
namespace {

int walked_prefecture(const postaldb::PostalTables& t, std::u16string_view typed) {
  for (int p = 1; p < static_cast<int>(t.pref_name.size()); ++p) {
    if (text::same_folded(typed, text::trim_view(t.pref_name[p]))) return p;
  }
  return 0;
}

TEST(PrefectureNames, TheNameFindsThePrefectureAWalkInOrderFinds) {
  if (!testing::national_data_built()) GTEST_SKIP() << "national data files not built";
  testing::LoadedSession loaded;
  ASSERT_TRUE(loaded.load(testing::national_data_folder()));
  const postaldb::PostalTables& t = loaded.session.db.tables;
  ASSERT_GE(t.pref_name.size(), 48u);

  std::vector<std::u16string> typed;
  for (std::size_t p = 1; p < t.pref_name.size(); ++p) {
    typed.emplace_back(text::trim_view(t.pref_name[p]));
  }
  typed.push_back(u"髙知県");  // a variant kanji of 高知県
  typed.push_back(u"宮﨑県");  // and of 宮崎県
  // In table order, backwards and each twice in a row: the remembered
  // prefecture and the table answer alike.
  std::vector<std::u16string> order(typed.begin(), typed.end());
  order.insert(order.end(), typed.rbegin(), typed.rend());
  for (const std::u16string& name : typed) order.insert(order.end(), {name, name});
  for (const std::u16string& name : order) {
    const AddressOutcome o =
        convert_address(loaded.session, loaded.host, name + u"中央町", CallerMode::kClipboard);
    const int expected = walked_prefecture(t, name);
    ASSERT_NE(expected, 0) << text::to_utf8(name);
    EXPECT_EQ(o.levels.pref, expected) << text::to_utf8(name);
  }
}

}  // namespace
}  // namespace kovari
