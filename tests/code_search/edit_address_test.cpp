#include "code_search/edit_address.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/recording_host.h"
#include "text/sjis.h"

namespace kovari::code_search {
namespace {

constexpr std::u16string_view kSapporo = u"北海道札幌市中央区";
constexpr std::u16string_view kKyoto = u"京都府京都市上京区";

struct Fixture {
  postaldb::PostalDb db;
  settings::Settings settings;
  kovari::testing::RecordingHost host;
  CodeSearchState state;

  SearchContext context(CallerMode mode) { return SearchContext{db, settings, host, mode}; }

  // Runs edit_address on result n with the given base; returns the lines written.
  std::vector<std::u16string> run(CallerMode mode, std::u16string_view base,
                                  std::u16string_view name, int n = 1) {
    state.res_address[1][n] = base;
    const int first = n;
    edit_address(context(mode), state, n, name);
    last_n = n;
    return state.res_address[1].rows(first, n);
  }
  int last_n = 0;
};

TEST(EditAddressTest, TurnsATownAreaNameIntoAddressLines) {
  const struct {
    std::u16string_view base, name;
    std::vector<std::u16string> lines;
  } cases[] = {
      {kSapporo, u"大通西（１～１９丁目）", {u"北海道札幌市中央区大通西１～１９丁目"}},
      {kSapporo,
       u"旭ケ丘（１、２丁目）",
       {u"北海道札幌市中央区旭ケ丘１", u"北海道札幌市中央区旭ケ丘２丁目"}},
      {kSapporo, u"北一条西（次のビルを除く）", {u"北海道札幌市中央区北一条西"}},
      {kSapporo, u"以下に掲載がない場合", {u"北海道札幌市中央区"}},
      {kSapporo, u"宮の森一円", {u"北海道札幌市中央区"}},
      {kSapporo, u"円山の次に番地がくる場合", {u"北海道札幌市中央区"}},
      {kSapporo, u"南一条西", {u"北海道札幌市中央区南一条西"}},
      {kSapporo, u"  南一条西  ", {u"北海道札幌市中央区南一条西"}},
      // Remarks: the whole part goes, whatever else it says.
      {kSapporo, u"北町（丁目）", {u"北海道札幌市中央区北町"}},
      {kSapporo, u"北町（番地）", {u"北海道札幌市中央区北町"}},
      {kSapporo,
       u"北町（１丁目、その他）",
       {u"北海道札幌市中央区北町１丁目", u"北海道札幌市中央区北町"}},
      {kSapporo, u"ビル（地階・階層不明）", {u"北海道札幌市中央区ビル"}},
      // "無番地" is no remark in an address line.
      {kSapporo, u"北町（無番地）", {u"北海道札幌市中央区北町無番地"}},
      {kSapporo,
       u"北町（１、２、３丁目）",
       {u"北海道札幌市中央区北町１", u"北海道札幌市中央区北町２", u"北海道札幌市中央区北町３丁目"}},
      // A trailing "、" leaves no empty part behind; a leading one does.
      {kSapporo, u"北町（１、）", {u"北海道札幌市中央区北町１"}},
      {kSapporo, u"北町（、１）", {u"北海道札幌市中央区北町", u"北海道札幌市中央区北町１"}},
      // Kyoto: street directions before the town name, numbers after it.
      {kKyoto, u"相生町（寺町通今出川上る）", {u"京都府京都市上京区寺町通今出川上る相生町"}},
      {kKyoto, u"東町（１丁目）", {u"京都府京都市上京区東町１丁目"}},
      {kKyoto, u"東町（1丁目）", {u"京都府京都市上京区東町1丁目"}},
      {kKyoto, u"東町（０番地）", {u"京都府京都市上京区０番地東町"}},
      {kKyoto, u"東町（次のビルを除く）", {u"京都府京都市上京区東町"}},
      {u"京都府宇治市", u"東町（寺町通）", {u"京都府宇治市東町寺町通"}},
  };
  for (const auto& c : cases) {
    Fixture f;
    EXPECT_EQ(f.run(CallerMode::kWindow, c.base, c.name), c.lines) << text::to_utf8(c.name);
    EXPECT_EQ(f.state.conv_state, ConvState::kOk);
  }
}

TEST(EditAddressTest, CounterEndsAtTheLastLineWritten) {
  const struct {
    std::u16string_view name;
    int n, expected_n;
  } cases[] = {
      {u"北町（１、２、３丁目）", 5, 7},
      {u"北町", 5, 5},
      // An empty parenthesis produces nothing: the counter goes back by one.
      {u"北町（）", 5, 4},
      {u"北町（", 5, 4},
  };
  for (const auto& c : cases) {
    Fixture f;
    f.run(CallerMode::kWindow, kSapporo, c.name, c.n);
    EXPECT_EQ(f.last_n, c.expected_n) << text::to_utf8(c.name);
  }
}

TEST(EditAddressTest, KeepsNoLineBeyondTheResultTable) {
  Fixture f;
  const auto lines = f.run(CallerMode::kWindow, kSapporo, u"北町（１、２）", kMaxResults);
  EXPECT_EQ(f.last_n, kMaxResults);
  EXPECT_EQ(lines, std::vector<std::u16string>{u"北海道札幌市中央区北町１"});
}

TEST(EditAddressTest, BatchCodeLeavesOutARangeDetail) {
  const struct {
    std::u16string_view name;
    std::vector<std::u16string> lines;
    ConvState conv_state;
  } cases[] = {
      {u"大通西（１～１９丁目）", {u"北海道札幌市中央区大通西"}, ConvState::kTildeDropped},
      {u"北町（１～３、５丁目）",
       {u"北海道札幌市中央区北町", u"北海道札幌市中央区北町５丁目"},
       ConvState::kTildeDropped},
      {u"北町（５丁目）", {u"北海道札幌市中央区北町５丁目"}, ConvState::kOk},
      // Only a bracketed detail counts.
      {u"北町１～３丁目", {u"北海道札幌市中央区北町１～３丁目"}, ConvState::kOk},
  };
  for (const auto& c : cases) {
    Fixture f;
    EXPECT_EQ(f.run(CallerMode::kBatchCode, kSapporo, c.name), c.lines) << text::to_utf8(c.name);
    EXPECT_EQ(f.state.conv_state, c.conv_state) << text::to_utf8(c.name);
  }
}

TEST(EditAddressTest, BatchAddressLeavesTheTownAreaTextOfEachLine) {
  const struct {
    std::u16string_view base, name;
    std::vector<std::u16string> lines, town_texts;
  } cases[] = {
      {kSapporo, u"大通西（１～１９丁目）", {u"北海道札幌市中央区大通西１～１９丁目"}, {u"大通西"}},
      {kSapporo, u"北町（無番地）", {u"北海道札幌市中央区北町無番地"}, {u"北町"}},
      {kSapporo, u"北町（５丁目）", {u"北海道札幌市中央区北町５丁目"}, {u"北町５丁目"}},
      {kSapporo, u"以下に掲載がない場合", {u"北海道札幌市中央区"}, {u""}},
      {kSapporo, u"北町１～３丁目", {u"北海道札幌市中央区北町１～３丁目"}, {u""}},
      {kSapporo, u"北町", {u"北海道札幌市中央区北町"}, {u"北町"}},
      {kKyoto,
       u"相生町（寺町通今出川上る）",
       {u"京都府京都市上京区寺町通今出川上る相生町"},
       {u"寺町通今出川上る相生町"}},
      {kSapporo,
       u"北町（１、その他）",
       {u"北海道札幌市中央区北町１", u"北海道札幌市中央区北町"},
       {u"北町１", u"北町"}},
  };
  for (const auto& c : cases) {
    Fixture f;
    f.state.res_address[0][1] = u"stale";
    EXPECT_EQ(f.run(CallerMode::kBatchAddress, c.base, c.name), c.lines) << text::to_utf8(c.name);
    const std::vector<std::u16string> town_texts = f.state.res_address[0].rows(1, f.last_n);
    EXPECT_EQ(town_texts, c.town_texts) << text::to_utf8(c.name);
  }
}

TEST(EditAddressTest, LeadingNumberReadsFullWidthDigits) {
  const struct {
    std::u16string_view part;
    double value;
  } cases[] = {{u"１丁目", 1}, {u"12番地", 12}, {u"寺町通", 0},
               {u"", 0},       {u" ３", 3},     {u"－１", -1}};
  for (const auto& c : cases) EXPECT_EQ(leading_number(c.part), c.value) << text::to_utf8(c.part);
}

}  // namespace
}  // namespace kovari::code_search
