#include "code_search/code_search.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <thread>
#include <vector>

#include "code_search/code_index.h"
#include "code_search/postal_image.h"
#include "result_list/list_builders.h"
#include "support/recording_host.h"
#include "text/sjis.h"

namespace kovari::code_search {
namespace {

using testing::PostalImage;

constexpr std::u16string_view kMsgFound =
    u"クリップボード複写前に丁目、番地、ビル名を追加できます。";
constexpr std::u16string_view kMsgChoose = u"町域を特定できません。選択して下さい。";
constexpr std::u16string_view kMsgInputError = u"郵便番号の入力エラーです。";
constexpr std::u16string_view kMsgNoHits = u"郵便番号と一致するデータは０件です。";
constexpr std::u16string_view kBrokenIndexBox = u"|続行不可能なエラーが発生しました";

// A small country: Sapporo, Tokyo's Chiyoda ward, Kyoto's Kamigyo ward.
class CodeSearchTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const int hokkaido = image.add_pref(u"北海道");
    const int tokyo = image.add_pref(u"東京都");
    const int kyoto = image.add_pref(u"京都府");
    sapporo = PostalImage::location(hokkaido, image.add_city(u"札幌市", u"中央区"));
    chiyoda = PostalImage::location(tokyo, image.add_city(u"千代田区"));
    kamigyo = PostalImage::location(kyoto, image.add_city(u"京都市", u"上京区"));
  }

  // Opens the image; searches then run with `mode`.
  void open(CallerMode mode = CallerMode::kWindow) {
    image.open(db, ::testing::UnitTest::GetInstance()->current_test_info()->name());
    mode_ = mode;
  }
  SearchContext context() {
    return SearchContext{db, settings, host, mode_, options, address_batch_running};
  }

  SearchOutcome lookup(std::u16string_view code) {
    state.in_code = code;
    return sertch_kovari1(context(), state);
  }
  SearchOutcome prefix(std::u16string_view code) {
    state.in_code = code;
    return sertch_kovari2(context(), state);
  }
  std::vector<std::u16string> results() const {
    return state.res_address[1].rows(1, state.res_count[1]);
  }
  // The result list's rows of the prefix search's hits.
  std::vector<result_list::ResultRow> listed() const {
    return result_list::set_list1(db, prefix_hits(state), settings).rows;
  }
  std::vector<std::u16string> prefix_codes() const {
    std::vector<std::u16string> codes;
    for (const result_list::ResultRow& row : listed()) codes.push_back(row.code);
    return codes;
  }

  PostalImage image;
  std::int32_t sapporo = 0, chiyoda = 0, kamigyo = 0;
  postaldb::PostalDb db;
  settings::Settings settings;
  kovari::testing::RecordingHost host;
  CallerMode mode_ = CallerMode::kWindow;
  SearchOptions options;
  bool address_batch_running = false;
  CodeSearchState state;
};

TEST_F(CodeSearchTest, OneTownAreaGivesTheAddress) {
  image.town("0600042", sapporo, u"オ大通西（１～１９丁目）");
  image.town("1000001", chiyoda, u"チ千代田");
  open();
  EXPECT_EQ(lookup(u"1000001"), SearchOutcome::Single);
  EXPECT_EQ(state.out_address, u"東京都千代田区千代田");
  EXPECT_EQ(state.status_msg, kMsgFound);
  EXPECT_EQ(lookup(u" 0600042 "), SearchOutcome::Single);
  EXPECT_EQ(state.out_address, u"北海道札幌市中央区大通西１～１９丁目");
  EXPECT_TRUE(host.boxes.empty());
}

TEST_F(CodeSearchTest, SeveralLinesAreListed) {
  image.town("0640941", sapporo, u"ア旭ケ丘（１、２丁目）");
  image.town("0640942", sapporo, u"ア旭ケ丘");
  open();
  state.out_address = u"stale";
  EXPECT_EQ(lookup(u"0640941"), SearchOutcome::Several);
  EXPECT_EQ(results(), (std::vector<std::u16string>{u"北海道札幌市中央区旭ケ丘１",
                                                    u"北海道札幌市中央区旭ケ丘２丁目"}));
  EXPECT_EQ(state.out_address, u"");
  EXPECT_EQ(state.status_msg, kMsgChoose);
}

TEST_F(CodeSearchTest, RunIsFoundAtItsFirstRecordAndGivesAllThreeInIndexOrder) {
  image.town("0010000", sapporo, u"ア一");
  image.town("0010001", sapporo, u"ア二");
  image.town("1000005", chiyoda, u"マ丸の内（１丁目）");
  image.town("1000005", chiyoda, u"マ丸の内（２丁目）");
  image.town("1000005", chiyoda, u"マ丸の内（３丁目）");
  for (const char* code : {"1000006", "1000007", "1000008", "1000009"}) {
    image.town(code, chiyoda, u"ア他");
  }
  open();
  // Nine records: a plain halving would meet record 5, the run's third.
  const auto found = search_index(CodeIndex::main_index(db), u"1000005", IndexSearch::Exact);
  EXPECT_EQ(found, 3);
  EXPECT_EQ(CodeIndex::main_index(db).record(3).ordinal, 1);
  EXPECT_EQ(lookup(u"1000005"), SearchOutcome::Several);
  EXPECT_EQ(results(), (std::vector<std::u16string>{u"東京都千代田区丸の内１丁目",
                                                    u"東京都千代田区丸の内２丁目",
                                                    u"東京都千代田区丸の内３丁目"}));
}

TEST_F(CodeSearchTest, RecordsOfKindSixGiveNothing) {
  image.town("1000001", chiyoda, u"チ千代田", 6);
  image.town("1000002", chiyoda, u"コ皇居外苑", 6);
  image.town("1000002", chiyoda, u"コ皇居外苑", 0);
  open();
  EXPECT_EQ(lookup(u"1000001"), SearchOutcome::Several);
  EXPECT_EQ(state.res_count[1], 0);
  EXPECT_EQ(state.status_msg, kMsgChoose);
  EXPECT_EQ(lookup(u"1000002"), SearchOutcome::Single);
  EXPECT_EQ(state.out_address, u"東京都千代田区皇居外苑");
}

// A record of a run that lies outside its file gives no result; the others
// of the run still do, from the first look-up on.
TEST_F(CodeSearchTest, RecordOutsideTheFileGivesNothing) {
  image.town("1000005", chiyoda, u"マ丸の内（１丁目）");
  image.main_index.push_back({"1000005", 1 << 24, 2});
  image.town("1000005", chiyoda, u"マ丸の内（３丁目）");
  image.detail_index.push_back({"1000013", 1 << 24, 1});
  image.detail_index.push_back(
      {"1000013",
       image.add_detail("1000013", chiyoda, u"某省", u"霞が関", u"１丁目（私書箱１号）", 4, 10),
       2});
  open();
  settings.set_flag(settings::Flag::kDetailFile, 1);
  EXPECT_EQ(lookup(u"1000005"), SearchOutcome::Several);
  EXPECT_EQ(results(), (std::vector<std::u16string>{u"東京都千代田区丸の内１丁目",
                                                    u"東京都千代田区丸の内３丁目"}));
  EXPECT_EQ(lookup(u"1000013"), SearchOutcome::Single);
  EXPECT_EQ(state.out_address, u"東京都千代田区霞が関１丁目");
  EXPECT_EQ(state.out_pobox, u"私書箱１号");
  EXPECT_EQ(state.out_office, u"某省");
}

TEST_F(CodeSearchTest, KyotoStreetDirectionsStandInFront) {
  image.town("6020000", kamigyo, u"ア相生町（寺町通今出川上る）");
  open();
  EXPECT_EQ(lookup(u"6020000"), SearchOutcome::Single);
  EXPECT_EQ(state.out_address, u"京都府京都市上京区寺町通今出川上る相生町");
}

TEST_F(CodeSearchTest, DetailFileAnswersFirstWhenEnabled) {
  image.town("1000001", chiyoda, u"チ千代田");
  image.add_sorted(image.detail_index, "1000001",
                   image.add_detail("1000001", chiyoda, u"宮内庁", u"千代田", u"１－１"));
  // The post-office box between the brackets at positions 4 and 15.
  image.add_sorted(image.detail_index, "1008799",
                   image.add_detail("1008799", chiyoda, u"日本郵便株式会社", u"丸の内",
                                    u"２－７（東京中央郵便局私書箱）", 4, 15));
  open();
  settings.set_flag(settings::Flag::kDetailFile, 1);
  EXPECT_EQ(lookup(u"1008799"), SearchOutcome::Single);
  EXPECT_EQ(state.out_address, u"東京都千代田区丸の内２－７");
  EXPECT_EQ(state.out_pobox, u"東京中央郵便局私書箱");
  EXPECT_EQ(state.out_office, u"日本郵便株式会社");
  EXPECT_EQ(lookup(u"1000001"), SearchOutcome::Single);
  EXPECT_EQ(state.out_address, u"東京都千代田区千代田１－１");
  EXPECT_EQ(state.out_office, u"宮内庁");

  // Without Flag::kDetailFile the detail file is never consulted.
  settings.set_flag(settings::Flag::kDetailFile, 0);
  EXPECT_EQ(lookup(u"1000001"), SearchOutcome::Single);
  EXPECT_EQ(state.out_address, u"東京都千代田区千代田");
  EXPECT_EQ(state.out_office, u"");
  options.prefix_fallback = false;
  EXPECT_EQ(lookup(u"1008799"), SearchOutcome::NotFound);
}

TEST_F(CodeSearchTest, CopiesOutsideTheWindowConsultTheDetailFileOnlyWithoutTheAddressBatch) {
  image.add_sorted(image.detail_index, "1008799",
                   image.add_detail("1008799", chiyoda, u"日本郵便株式会社", u"丸の内", u"２－７"));
  const struct {
    CallerMode mode;
    bool address_batch_running;
    SearchOutcome outcome;
  } cases[] = {
      {CallerMode::kClipboard, false, SearchOutcome::Single},
      {CallerMode::kClipboard, true, SearchOutcome::NotFound},
      {CallerMode::kBatchCode, false, SearchOutcome::Single},
      {CallerMode::kBatchCode, true, SearchOutcome::NotFound},
      {CallerMode::kBatchAddress, false, SearchOutcome::NotFound},
  };
  open();
  settings.set_flag(settings::Flag::kDetailFile, 1);
  for (const auto& c : cases) {
    mode_ = c.mode;
    address_batch_running = c.address_batch_running;
    EXPECT_EQ(lookup(u"1008799"), c.outcome);
  }
}

TEST_F(CodeSearchTest, UnknownCodeFallsBackToItsFirstThreeDigitsInTheWindow) {
  image.town("0010000", sapporo, u"ア以下に掲載がない場合");
  image.town("1000001", chiyoda, u"チ千代田");
  image.town("1000002", chiyoda, u"コ皇居外苑");
  image.town("1010001", chiyoda, u"カ神田");
  open();
  EXPECT_EQ(lookup(u"1009999"), SearchOutcome::PrefixList);
  EXPECT_EQ(state.in_code, u"100");
  EXPECT_EQ(state.list_mode, 1);
  EXPECT_EQ(prefix_codes(), (std::vector<std::u16string>{u"1000001", u"1000002"}));

  options.prefix_fallback = false;
  EXPECT_EQ(lookup(u"1009999"), SearchOutcome::NotFound);
  EXPECT_EQ(state.status_msg, kMsgInputError);
  EXPECT_EQ(state.in_code, u"1009999");
  EXPECT_EQ(state.focus, Focus::kCode);
}

TEST_F(CodeSearchTest, BrokenRunIsReportedOnceAndListsNothing) {
  image.town("1000001", chiyoda, u"チ千代田");
  // Ordinal 0 puts the run start after the record itself.
  image.main_index.push_back({"1000002", image.add_town("1000002", chiyoda, u"コ皇居外苑"), 0});
  image.town("1000003", chiyoda, u"カ霞が関");
  open();
  EXPECT_EQ(lookup(u"1000002"), SearchOutcome::Several);
  EXPECT_EQ(state.res_count[1], 0);
  EXPECT_EQ(state.status_msg, kMsgChoose);
  EXPECT_EQ(host.boxes, std::vector<std::u16string>{std::u16string(kBrokenIndexBox)});

  mode_ = CallerMode::kBatchCode;
  state.conv_state = ConvState::kOk;
  lookup(u"1000002");
  EXPECT_EQ(state.conv_state, ConvState::kMainIndexError);
  EXPECT_EQ(host.boxes.size(), 1u);
}

TEST_F(CodeSearchTest, BatchAndClipboardTakeTheFirstOfSeveral) {
  image.town("0640941", sapporo, u"ア旭ケ丘（１、２丁目）");
  const struct {
    CallerMode mode;
    bool first_of_several;
    std::u16string out_address;
    ConvState conv_state;
  } cases[] = {
      {CallerMode::kBatchCode, false, u"北海道札幌市中央区旭ケ丘１", ConvState::kSeveralTowns},
      {CallerMode::kClipboard, true, u"北海道札幌市中央区旭ケ丘１", ConvState::kOk},
      {CallerMode::kClipboard, false, u"", ConvState::kOk},
      {CallerMode::kBatchAddress, true, u"", ConvState::kOk},
  };
  open();
  for (const auto& c : cases) {
    mode_ = c.mode;
    options.first_of_several = c.first_of_several;
    state.conv_state = ConvState::kOk;
    EXPECT_EQ(lookup(u"0640941"), SearchOutcome::Several);
    EXPECT_EQ(state.out_address, c.out_address);
    EXPECT_EQ(state.conv_state, c.conv_state);
  }
}

TEST_F(CodeSearchTest, BatchCodeReportsAnUnknownCode) {
  image.town("1000001", chiyoda, u"チ千代田");
  open(CallerMode::kBatchCode);
  EXPECT_EQ(lookup(u"1009999"), SearchOutcome::NotFound);
  EXPECT_EQ(state.conv_state, ConvState::kNotFound);
  EXPECT_EQ(state.in_code, u"1009999");
  EXPECT_EQ(state.focus, Focus::kNone);
}

TEST_F(CodeSearchTest, BatchAddressKeepsTheTownAreaTextOfASingleResultOnly) {
  image.town("0600042", sapporo, u"オ大通西（１～１９丁目）");
  image.town("0640941", sapporo, u"ア旭ケ丘（１、２丁目）");
  open(CallerMode::kBatchAddress);
  lookup(u"0600042");
  EXPECT_EQ(state.res_address[0][1], u"大通西");
  lookup(u"0640941");
  EXPECT_EQ(state.res_address[0][1], u"");
  EXPECT_EQ(state.res_address[0][2], u"旭ケ丘２丁目");
  lookup(u"0600042");
  lookup(u"0609999");
  EXPECT_EQ(state.res_address[0][1], u"");
}

TEST_F(CodeSearchTest, SearchEndsAfterTwentyStepsBetweenAdjacentCodes) {
  image.town("1000001", chiyoda, u"チ千代田");
  image.town("1000003", chiyoda, u"カ霞が関");
  open();
  const CodeIndex index = CodeIndex::main_index(db);
  EXPECT_EQ(search_index(index, u"1000002", IndexSearch::Exact), std::nullopt);
  EXPECT_EQ(search_index(index, u"1000002", IndexSearch::LowBound), 1);
  EXPECT_EQ(search_index(index, u"1000002", IndexSearch::HighBound), 2);
  EXPECT_EQ(search_index(index, u"1000000", IndexSearch::LowBound), std::nullopt);
  EXPECT_EQ(search_index(index, u"1000004", IndexSearch::HighBound), std::nullopt);
  EXPECT_EQ(search_index(index, u"1000003", IndexSearch::Exact), 2);
  EXPECT_EQ(search_index(index, u"1000001", IndexSearch::Exact), 1);
}

// Damaged data: a town-area index out of order, and a detail index counting a
// record past the end of its file, are searched as they lie; a key that is
// not seven digits goes to the searches of the indexes too.
TEST_F(CodeSearchTest, LookupFindsWhatTheIndexSearchesFindInDamagedIndexes) {
  image.town("1000005", chiyoda, u"カ霞が関");
  image.town("1000001", chiyoda, u"チ千代田");
  image.town("1000003", chiyoda, u"ナ永田町");
  image.town("1000009", chiyoda, u"ユ有楽町");
  open();
  EXPECT_FALSE(postaldb::code_lookup_tables(db).codes.ready());
  db.dir.code2_count = 3;
  postaldb::read_index_codes(db);
  const CodeIndex main = CodeIndex::main_index(db);
  for (std::u16string_view key :
       {u"1000001", u"1000003", u"1000005", u"1000009", u"1000002", u"100000A", u"100"}) {
    const CodeLookup lookup(db, key);
    EXPECT_EQ(lookup.main_record(), search_index(main, key, IndexSearch::Exact))
        << text::to_utf8(key);
    EXPECT_EQ(lookup.detail_record(), std::nullopt) << text::to_utf8(key);
  }
  // The out-of-order record before the middle cannot be found.
  EXPECT_EQ(CodeLookup(db, u"1000001").main_record(), std::nullopt);
  EXPECT_EQ(CodeLookup(db, u"1000009").main_record(), 4);
}

// The batch jobs share one database: the first look-ups of two threads at
// once make the directory once, and both find what the index search finds.
TEST_F(CodeSearchTest, FirstLookupsFromTwoThreadsAtOnceFindTheRuns) {
  const std::vector<std::u16string> codes = {u"0010000", u"1000005", u"1000009", u"6020000"};
  image.town("0010000", sapporo, u"ア一");
  image.town("1000005", chiyoda, u"マ丸の内（１丁目）");
  image.town("1000005", chiyoda, u"マ丸の内（２丁目）");
  image.town("1000009", chiyoda, u"ユ有楽町");
  image.town("6020000", kamigyo, u"ア以下に掲載がない場合");
  open();
  const CodeIndex main = CodeIndex::main_index(db);
  std::vector<std::optional<std::int32_t>> expected;
  for (const std::u16string& code : codes) {
    expected.push_back(search_index(main, code, IndexSearch::Exact));
  }
  auto look_up_all = [&](std::vector<std::optional<std::int32_t>>& found, std::size_t& runs) {
    for (const std::u16string& code : codes) {
      const CodeLookup lookup(db, code);
      found.push_back(lookup.main_record());
      runs += lookup.main_towns().size();
    }
  };
  std::vector<std::optional<std::int32_t>> first, second;
  std::size_t first_runs = 0, second_runs = 0;
  std::thread other([&] { look_up_all(second, second_runs); });
  look_up_all(first, first_runs);
  other.join();
  EXPECT_EQ(first, expected);
  EXPECT_EQ(second, expected);
  EXPECT_EQ(first_runs, 5U);
  EXPECT_EQ(second_runs, 5U);
}

TEST_F(CodeSearchTest, EmptyIndexFindsNothing) {
  open();
  options.prefix_fallback = false;
  EXPECT_EQ(lookup(u"1000001"), SearchOutcome::NotFound);
  EXPECT_EQ(prefix(u"100"), SearchOutcome::NotFound);
  EXPECT_EQ(state.status_msg, kMsgInputError);
}

TEST_F(CodeSearchTest, PrefixSearchListsTheCodesThatBeginWithIt) {
  image.town("0010000", sapporo, u"ア以下に掲載がない場合");
  image.town("0600042", sapporo, u"オ大通西（１～１９丁目）");
  image.town("0640941", sapporo, u"ア旭ケ丘（１、２丁目）");
  image.town("1000001", chiyoda, u"チ千代田");
  image.town("1000005", chiyoda, u"マ丸の内（１丁目）");
  image.town("1000005", chiyoda, u"マ丸の内（２丁目）");
  image.town("1000006", chiyoda, u"ア有楽町", 6);
  image.town("1010001", chiyoda, u"カ神田");
  image.town("9990000", chiyoda, u"ア終");
  open();
  const struct {
    std::u16string_view prefix;
    SearchOutcome outcome;
    std::u16string_view message;
    std::vector<std::u16string> codes;
  } cases[] = {
      {u"100", SearchOutcome::PrefixList, u"", {u"1000001", u"1000005", u"1000005"}},
      {u"06", SearchOutcome::PrefixList, u"", {u"0600042", u"0640941"}},
      {u"1", SearchOutcome::PrefixList, u"", {u"1000001", u"1000005", u"1000005", u"1010001"}},
      {u"101000", SearchOutcome::PrefixList, u"", {u"1010001"}},
      {u"001", SearchOutcome::PrefixList, u"", {u"0010000"}},
      // A range that starts below the first code or ends above the last one
      // still lists the codes that exist.
      {u"00", SearchOutcome::PrefixList, u"", {u"0010000"}},
      {u"999", SearchOutcome::PrefixList, u"", {u"9990000"}},
      {u"9", SearchOutcome::PrefixList, u"", {u"9990000"}},
      // A range wholly below the first code or above the last one.
      {u"0000", SearchOutcome::NotFound, kMsgInputError, {}},
      {u"9999", SearchOutcome::NotFound, kMsgInputError, {}},
      // Inside the range of the index but no code of its own.
      {u"07", SearchOutcome::NotFound, kMsgNoHits, {}},
  };
  for (const auto& c : cases) {
    state.status_msg.clear();
    EXPECT_EQ(prefix(c.prefix), c.outcome) << text::to_utf8(c.prefix);
    EXPECT_EQ(state.status_msg, c.message) << text::to_utf8(c.prefix);
    if (c.outcome == SearchOutcome::PrefixList) {
      EXPECT_EQ(prefix_codes(), c.codes) << text::to_utf8(c.prefix);
    }
  }
  prefix(u"100");
  EXPECT_EQ(state.res_count[1], 4);  // the kind-6 record counts as a hit but is not listed
  const std::vector<result_list::ResultRow> rows = listed();
  ASSERT_EQ(rows.size(), 3u);
  EXPECT_EQ(rows[1].address, u"東京都千代田区丸の内（１丁目）");
}

// A bound of the range that is itself a code ends its search inside that
// code's run; the scan still lists the whole run at either end.
TEST_F(CodeSearchTest, PrefixSearchListsLongRunsAtBothEndsOfTheRange) {
  image.town("1000000", chiyoda, u"ア前");
  for (int i = 0; i < 12; ++i) image.town("1000010", chiyoda, u"イ下端");
  image.town("1000011", chiyoda, u"ウ中");
  for (int i = 0; i < 12; ++i) image.town("1000019", chiyoda, u"エ上端");
  for (int i = 0; i < 12; ++i) image.town("1000020", chiyoda, u"オ後");
  open();
  const auto count = [&](std::u16string_view code) {
    const std::vector<std::u16string> codes = prefix_codes();
    return std::count(codes.begin(), codes.end(), code);
  };
  ASSERT_EQ(prefix(u"100001"), SearchOutcome::PrefixList);
  EXPECT_EQ(state.res_count[1], 25);
  EXPECT_EQ(count(u"1000010"), 12);
  EXPECT_EQ(count(u"1000019"), 12);
  ASSERT_EQ(prefix(u"100002"), SearchOutcome::PrefixList);
  EXPECT_EQ(state.res_count[1], 12);
}

TEST_F(CodeSearchTest, PrefixSearchStopsAtAThousandCodes) {
  image.town("1000001", chiyoda, u"チ千代田");
  const std::int32_t offset = image.add_town("2000000", chiyoda, u"チ千代田");
  for (int i = 0; i < 1005; ++i) {
    image.add_sorted(image.main_index, std::to_string(2000000 + i), offset);
  }
  image.town("3000000", chiyoda, u"チ千代田");
  open();
  EXPECT_EQ(prefix(u"2"), SearchOutcome::PrefixList);
  EXPECT_EQ(state.res_count[1], kMaxResults);
  EXPECT_EQ(listed().size(), static_cast<size_t>(kMaxResults));
}

}  // namespace
}  // namespace kovari::code_search
