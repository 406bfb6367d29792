// On the national data: the cities offered when a city is not settled are the
// blocks of the city table, each once: a designated city's ward rows are one
// block, and a county whose name recurs stands once for each place it holds.
// Skipped when the national data files have not been built.
#include <gtest/gtest.h>

#include <algorithm>

#include "session/convert_address.h"
#include "support/loaded_session.h"

namespace kovari {
namespace {

std::vector<std::u16string> offered_cities(const std::u16string& address) {
  testing::LoadedSession loaded;
  EXPECT_TRUE(loaded.load(testing::national_data_folder()));
  const AddressOutcome o =
      convert_address(loaded.session, loaded.host, address, CallerMode::kWindow);
  std::vector<std::u16string> names;
  if (!o.list || o.list->list_kind != 2) return names;
  for (const AddressChoice& choice : o.list->choices) names.push_back(choice.name);
  return names;
}

long count(const std::vector<std::u16string>& names, std::u16string_view name) {
  return std::count(names.begin(), names.end(), name);
}

TEST(NationalChoices, EachBlockOfTheCityTableIsOfferedOnce) {
  if (!testing::national_data_built()) GTEST_SKIP() << "national data files not built";
  const std::vector<std::u16string> kanagawa = offered_cities(u"神奈川県見当たらない市本町");
  ASSERT_FALSE(kanagawa.empty());
  EXPECT_EQ(count(kanagawa, u"横浜市"), 1);
  EXPECT_EQ(count(kanagawa, u"川崎市"), 1);
  EXPECT_EQ(count(kanagawa, u"相模原市"), 1);
  EXPECT_EQ(std::adjacent_find(kanagawa.begin(), kanagawa.end()), kanagawa.end());

  // 上川郡 holds three places apart from each other in 北海道.
  const std::vector<std::u16string> hokkaido = offered_cities(u"北海道見当たらない市本町");
  EXPECT_EQ(count(hokkaido, u"札幌市"), 1);
  EXPECT_EQ(count(hokkaido, u"上川郡"), 3);
  EXPECT_EQ(std::adjacent_find(hokkaido.begin(), hokkaido.end()), hokkaido.end());

  // 安芸郡 of 広島県 and of 高知県: each prefecture offers its own once.
  EXPECT_EQ(count(offered_cities(u"広島県見当たらない市本町"), u"安芸郡"), 1);
  EXPECT_EQ(count(offered_cities(u"高知県見当たらない市本町"), u"安芸郡"), 1);
}

}  // namespace
}  // namespace kovari
