// One address, one answer, whatever came before: the choices a session
// remembers from earlier addresses save walks but never change a result. On
// the national snapshot; skipped when the data files have not been built.
#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <random>
#include <string>
#include <vector>

#include "address_corpus.h"
#include "session/convert_address.h"
#include "support/loaded_session.h"
#include "text/sjis.h"

namespace kovari::resolve {
namespace {

struct Answer {
  std::u16string code, message;
  bool operator==(const Answer&) const = default;
};

class OrderIndependence : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!kovari::testing::national_data_built()) GTEST_SKIP() << "national data files not built";
    ASSERT_TRUE(loaded.load(kovari::testing::national_data_folder()));
  }
  Answer convert(const std::u16string& address, CallerMode mode = CallerMode::kClipboard) {
    const AddressOutcome o = convert_address(loaded.session, loaded.host, address, mode);
    return {o.code, o.message};
  }
  Answer alone(const std::u16string& address, CallerMode mode = CallerMode::kClipboard) {
    loaded.session.remembered = {};
    loaded.session.caches = {};
    loaded.session.town_cache.clear();
    return convert(address, mode);
  }
  kovari::testing::LoadedSession loaded;
};

// The two addresses after the first of each pair answer as they do alone.
TEST_F(OrderIndependence, RememberedChoicesNeverChangeAResult) {
  constexpr std::u16string_view kTownAmbiguous =
      u"都道府県名、区市郡島名が省略されたため区町村名を特定できません。";
  const struct {
    std::u16string before, address;
    Answer expected;
  } cases[] = {
      // 府中市 of 広島県 remembered; alone, 府中市 is 東京都's.
      {u"広島県府中市府川町315", u"府中市宮西町2丁目24番地", {u"1830022", u""}},
      // 美浜町 of 愛知県 remembered; alone, 美浜町 is in several prefectures.
      {u"愛知県美浜町河和", u"美浜町", {u"", std::u16string(kTownAmbiguous)}},
      // The other way round, each still gets its own answer.
      {u"府中市宮西町2丁目24番地", u"広島県府中市府川町315", {u"7260004", u""}},
      {u"美浜町", u"愛知県美浜町河和", {u"4702404", u""}},
  };
  for (const CallerMode mode :
       {CallerMode::kClipboard, CallerMode::kBatchAddress, CallerMode::kWindow}) {
    for (const auto& c : cases) {
      SCOPED_TRACE(text::to_utf8(c.before + u" then " + c.address));
      EXPECT_EQ(alone(c.address, mode), c.expected);
      alone(c.before, mode);
      EXPECT_EQ(convert(c.address, mode), c.expected);
    }
  }
}

// Every address of the corpora answers the same in sorted, reversed and
// shuffled order as it does alone.
TEST_F(OrderIndependence, TheCorporaAnswerAlikeInEveryOrder) {
  std::vector<std::u16string> addresses;
  for (const char* file : {"national_addresses.tsv", "approximate_addresses.tsv"}) {
    for (const CorpusRow& row : read_corpus(file)) {
      addresses.push_back(text::from_utf8(row.at("address")));
    }
  }
  std::vector<Answer> answers_alone;
  for (const std::u16string& a : addresses) answers_alone.push_back(alone(a));

  std::vector<std::size_t> sorted(addresses.size());
  std::iota(sorted.begin(), sorted.end(), 0);
  std::sort(sorted.begin(), sorted.end(),
            [&](std::size_t a, std::size_t b) { return addresses[a] < addresses[b]; });
  std::vector<std::size_t> reversed(sorted.rbegin(), sorted.rend());
  std::vector<std::size_t> shuffled = sorted;
  std::shuffle(shuffled.begin(), shuffled.end(), std::mt19937(15));
  for (const auto* order : {&sorted, &reversed, &shuffled}) {
    loaded.session.remembered = {};
    loaded.session.caches = {};
    loaded.session.town_cache.clear();
    for (const std::size_t i : *order) {
      EXPECT_EQ(convert(addresses[i]), answers_alone[i]) << text::to_utf8(addresses[i]);
    }
  }
}

}  // namespace
}  // namespace kovari::resolve
