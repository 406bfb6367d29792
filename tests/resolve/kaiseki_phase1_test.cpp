#include "resolve/kaiseki_phase1.h"

#include <gtest/gtest.h>

#include "resolve/mini_postal_db.h"
#include "text/strconv.h"

namespace kovari::resolve {
namespace {

using testing::MiniCity;
using testing::MiniPostalDb;

MiniPostalDb& sample_db() {
  static MiniPostalDb db(
      {u"北海道", u"東京都", u"京都府", u"広島県", u"愛知県", u"滋賀県", u"大阪府", u"岐阜県",
       u"岩手県"},
      {
          {1, u"札幌市", u"中央区", {{"0600001", u"北一条西"}, {"0600042", u"大通西"}}},
          {1,
           u"旭川市",
           u"",
           {{"0700000", u"以下に掲載がない場合"},
            {"0700001", u"次に番地がくる場合"},
            {"0700031", u"本町三丁目"},
            {"0700032", u"本町"}}},
          {1, u"上川郡", u"鷹栖町", {{"0711200", u"以下に掲載がない場合"}}},
          {1,
           u"奥尻郡",
           u"奥尻町",
           {{"0431400", u"以下に掲載がない場合"}, {"0431401", u"青苗"}},
           1},
          {1, u"空知郡", u"奈井江町", {{"0790300", u"以下に掲載がない場合"}}},
          {1, u"上川郡", u"当麻町", {{"0781300", u"以下に掲載がない場合"}, {"0781301", u"園別"}}},
          {1,
           u"雨竜郡",
           u"雨竜町",
           {{"0782600", u"以下に掲載がない場合"}, {"0782641", u"第１０町内"}}},
          {2, u"千代田区", u"", {{"1000000", u"以下に掲載がない場合"}, {"1000013", u"霞が関"}}},
          {2, u"中央区", u"", {{"1040061", u"銀座"}, {"1040045", u"築地"}}},
          {2,
           u"港区",
           u"",
           {{"1050000", u"以下に掲載がない場合"},
            {"1050011", u"芝公園", u"（１丁目）"},
            {"1050014", u"芝", u"（１丁目）"}}},
          {2, u"府中市", u"", {{"1830000", u"以下に掲載がない場合"}, {"1830055", u"府中町"}}},
          {3,
           u"京都市",
           u"中京区",
           {{"6040000", u"以下に掲載がない場合"},
            {"6048154", u"饅頭屋町"},
            {"6040857", u"亀屋町"}}},
          {4, u"広島市", u"中央区", {{"7300000", u"以下に掲載がない場合"}}},
          {4, u"府中市", u"", {{"7260000", u"以下に掲載がない場合"}, {"7260004", u"府中町"}}},
          {5, u"愛知郡", u"東郷町", {{"4701100", u"以下に掲載がない場合"}, {"4700151", u"諸輪"}}},
          {6, u"愛知郡", u"愛荘町", {{"5291300", u"以下に掲載がない場合"}, {"5291331", u"愛知川"}}},
          {7, u"大阪市", u"中央区", {{"5400000", u"以下に掲載がない場合"}}},
          {8, u"郡上市", u"", {{"5010000", u"以下に掲載がない場合"}, {"5014222", u"八幡町島谷"}}},
          {9,
           u"和賀郡",
           u"西和賀町",
           {{"0295500", u"以下に掲載がない場合"}, {"0295505", u"湯本２９地割、湯本３０地割"}}},
      });
  return db;
}

struct Typed {
  std::u16string pref, city, ward, area, chome;
};

// One caller's resolutions: each address gets a fresh state, the remembered
// choices and the caches carry over.
struct Resolution {
  ResolveState st;
  settings::Settings settings;
  RunningWindows running;
  CallerMode mode = CallerMode::kClipboard;
  RememberedChoices remembered;
  ResolveCaches caches;
  TownCache town_cache;
  std::u16string old_code;
  SilentHost host;

  ResolveContext context() {
    return {sample_db().db(), settings, running,    mode,     host,
            remembered,       caches,   town_cache, old_code, false};
  }
  void resolve(decompose::Decomposition& d) {
    st = ResolveState();
    kaiseki_phase1(st, d, context());
  }
  void resolve(const Typed& a) {
    decompose::Decomposition d;
    auto& part = d.slot[1].addr_part;
    part[decompose::kPref] = a.pref;
    part[decompose::kCity] = a.city;
    part[decompose::kWardTown] = a.ward;
    part[decompose::kTownArea] = a.area;
    part[decompose::kChomeNumber] = a.chome;
    resolve(d);
  }
};

constexpr std::u16string_view kNothingGiven =
    u"都道府県名、区市郡島名、区町村名のすべてを省略できません。";
constexpr std::u16string_view kTownAmbiguous =
    u"都道府県名、区市郡島名が省略されたため区町村名を特定できません。";

struct Case {
  const char* what;
  Typed typed;
  std::u16string code;
  std::u16string_view msg;
};

// Each case typed into a fresh resolution gives its code and message.
template <std::size_t N>
void expect_resolutions(const Case (&cases)[N]) {
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Resolution run;
    run.resolve(c.typed);
    EXPECT_EQ(run.st.result_code, c.code);
    EXPECT_EQ(run.st.result_msg, c.msg);
  }
}

TEST(KaisekiPhase1, LevelsEndInACodeOrAMessage) {
  const Case cases[] = {
      {"all levels empty", {}, u"", kNothingGiven},
      {"a 中央区 alone is in several cities", {u"", u"", u"中央区", u"銀座"}, u"", kTownAmbiguous},
      {"a city without wards settles the municipality",
       {u"東京都", u"中央区", u"", u"銀座"},
       u"1040061",
       u""},
      {"the same, without the prefecture", {u"", u"中央区", u"", u"築地"}, u"1040045", u""},
      {"designated city and ward", {u"北海道", u"札幌市", u"中央区", u"大通西"}, u"0600042", u""},
      {"county shared by prefectures, town in one of them",
       {u"", u"愛知郡", u"愛荘町", u"愛知川"},
       u"5291331",
       u""},
      {"the other prefecture's town", {u"", u"愛知郡", u"東郷町", u"諸輪"}, u"4700151", u""},
      {"county twice within one prefecture: the later block",
       {u"北海道", u"上川郡", u"当麻町", u"園別"},
       u"0781301",
       u""},
      {"single-code municipality: its first record without a scan",
       {u"北海道", u"奥尻郡", u"奥尻町", u"青苗"},
       u"0431400",
       u""},
      {"丁目 record through the 丁目 key",
       {u"北海道", u"旭川市", u"", u"本町", u"3"},
       u"0700031",
       u""},
      {"town area without 丁目 number", {u"北海道", u"旭川市", u"", u"本町"}, u"0700032", u""},
      {"empty town area takes the 次に record", {u"北海道", u"旭川市", u"", u""}, u"0700001", u""},
      {"nothing matched takes the 以下に record",
       {u"北海道", u"旭川市", u"", u"存在しない町"},
       u"0700000",
       u""},
      {"芝公園 never goes through the refinement",
       {u"東京都", u"港区", u"", u"芝公園"},
       u"1050011",
       u""},
      {"another bracketed exact name does", {u"東京都", u"港区", u"", u"芝"}, u"1050000", u""},
      {"Kyoto: street and direction before the town",
       {u"京都府", u"京都市", u"中京区", u"烏丸通三条上る饅頭屋町"},
       u"6048154",
       u""},
      {"Kyoto: direction after the town",
       {u"京都府", u"京都市", u"中京区", u"亀屋町烏丸通西入"},
       u"6040857",
       u""},
  };
  expect_resolutions(cases);
}

// Names the data spells or cuts differently from the way addresses are typed.
TEST(KaisekiPhase1, TypedFormsOfTheSameName) {
  const Case cases[] = {
      {"丁目 in kanji left in the town area",
       {u"北海道", u"旭川市", u"", u"本町三丁目", u"3"},
       u"0700031",
       u""},
      {"a longer name than any record: the longest name it begins with",
       {u"北海道", u"旭川市", u"", u"本町通"},
       u"0700032",
       u""},
      {"ヶ typed for が", {u"東京都", u"千代田区", u"", u"霞ヶ関"}, u"1000013", u""},
      {"one of the names a record lists",
       {u"岩手県", u"和賀郡", u"西和賀町", u"湯本３０地割"},
       u"0295505",
       u""},
      {"a 郡 opening the city name cut as a county",
       {u"岐阜県", u"郡", u"上市八幡町", u"島谷"},
       u"5014222",
       u""},
  };
  expect_resolutions(cases);
}

TEST(KaisekiPhase1, NameWhoseNumberDecompositionCutOff) {
  Resolution run;
  decompose::Decomposition d;
  d.addr_text = u"北海道雨竜郡雨竜町第１０町内";
  auto& slot = d.slot[1];
  const std::u16string parts[] = {u"", u"北海道", u"雨竜郡", u"雨竜町", u"第",
                                  u"", u"10",     u"",       u"町内"};
  for (int k = 1; k <= 8; ++k) slot.addr_part[k] = parts[k];
  for (int k = 1; k <= 4; ++k) slot.addr_part_copy[k] = parts[k];
  run.resolve(d);
  EXPECT_EQ(run.st.result_code, u"0782641");
}

TEST(KaisekiPhase1, FuchuWithoutPrefectureFollowsTheOldCodeInBatch) {
  const Typed fuchu{u"", u"府中市", u"", u"府中町"};
  Resolution clipboard;
  clipboard.resolve(fuchu);
  EXPECT_EQ(clipboard.st.result_code, u"1830055");

  Resolution batch;
  batch.running.set(ConversionWindow::kBatchAddressToCode);
  batch.old_code = u"72601";
  batch.resolve(fuchu);
  EXPECT_EQ(batch.st.result_code, u"7260004");

  Resolution batch_elsewhere;
  batch_elsewhere.running.set(ConversionWindow::kBatchAddressToCode);
  batch_elsewhere.old_code = u"183";
  batch_elsewhere.resolve(fuchu);
  EXPECT_EQ(batch_elsewhere.st.result_code, u"1830055");
}

TEST(KaisekiPhase1, SecondResolutionReadsTheCacheAndAgrees) {
  Resolution run;
  run.running.set(ConversionWindow::kAddressToCode);
  const Typed a{u"北海道", u"旭川市", u"", u"本町"};
  run.resolve(a);
  EXPECT_EQ(run.st.result_code, u"0700032");
  EXPECT_EQ(run.town_cache.size(), 1u);
  ASSERT_TRUE(run.caches.city_names.has_value());
  const CityNames* names = &*run.caches.city_names;
  run.resolve(a);
  EXPECT_EQ(run.st.result_code, u"0700032");
  EXPECT_EQ(&*run.caches.city_names, names);  // prepared once
  run.resolve({u"北海道", u"旭川市", u"", u"本町", u"3"});
  EXPECT_EQ(run.st.result_code, u"0700031");
}

TEST(KaisekiPhase1, ReturnToAMunicipalityReadsTheRecordsKeptForIt) {
  Resolution run;
  run.running.set(ConversionWindow::kAddressToCode);
  const Typed asahikawa{u"北海道", u"旭川市", u"", u"本町"};
  run.resolve(asahikawa);
  ASSERT_EQ(run.town_cache.size(), 1u);
  const auto kept_run = [&] {
    return &run.town_cache.run(sample_db().db().main_file, sample_db().db().tables,
                               run.st.town_first, run.st.town_last);
  };
  const TownRun* kept = kept_run();
  ASSERT_FALSE(kept->records.empty());
  const TownRecord* first_record = &kept->records.front();
  const std::size_t kept_count = kept->records.size();

  run.resolve({u"東京都", u"千代田区", u"", u"霞が関"});
  EXPECT_EQ(run.st.result_code, u"1000013");
  run.resolve(asahikawa);
  EXPECT_EQ(run.st.result_code, u"0700032");
  EXPECT_EQ(run.town_cache.size(), 2u);
  EXPECT_EQ(kept_run(), kept);
  EXPECT_EQ(&kept->records.front(), first_record);
  EXPECT_EQ(kept->records.size(), kept_count);
}

// One caller resolving one address after another: each answers as it does
// alone, whatever levels the address before it settled.
TEST(KaisekiPhase1, LevelsOfTheLastAddressAnswerOnlyTheSameNames) {
  const Case sequence[] = {
      {"府中市 of 東京都", {u"東京都", u"府中市", u"", u"府中町"}, u"1830055", u""},
      {"the same names in another prefecture",
       {u"広島県", u"府中市", u"", u"府中町"},
       u"7260004",
       u""},
      {"the same city without its prefecture", {u"", u"府中市", u"", u"府中町"}, u"1830055", u""},
      {"a county of two prefectures", {u"", u"愛知郡", u"愛荘町", u"愛知川"}, u"5291331", u""},
      {"the same county, the other prefecture's town",
       {u"", u"愛知郡", u"東郷町", u"諸輪"},
       u"4700151",
       u""},
      {"the same county without a town", {u"", u"愛知郡", u"", u"諸輪"}, u"4700151", u""},
      {"a city not in the table",
       {u"北海道", u"函館市", u"", u"本町"},
       u"",
       level_unknown(kListCity)},
      {"a city of that prefecture again", {u"北海道", u"旭川市", u"", u"本町"}, u"0700032", u""},
      {"the same city, another town area",
       {u"北海道", u"旭川市", u"", u"本町", u"3"},
       u"0700031",
       u""},
      {"a designated city's ward", {u"北海道", u"札幌市", u"中央区", u"大通西"}, u"0600042", u""},
      {"the same ward name in another city",
       {u"広島県", u"広島市", u"中央区", u""},
       u"7300000",
       u""},
  };
  Resolution run;
  for (const Case& c : sequence) {
    SCOPED_TRACE(c.what);
    run.resolve(c.typed);
    Resolution alone;
    alone.resolve(c.typed);
    EXPECT_EQ(static_cast<const ResolveValues&>(run.st),
              static_cast<const ResolveValues&>(alone.st));
    EXPECT_EQ(run.st.result_parts, alone.st.result_parts);
    EXPECT_EQ(run.st.result_code, c.code);
    EXPECT_EQ(run.st.result_msg, c.msg);
  }
}

TEST(KaisekiPhase1, ApproximateWardPickIsTheSingleHit) {
  Resolution run;
  run.settings.set_flag(settings::Flag::kApproximate, 1);
  run.resolve({u"北海道", u"札幌市", u"中央", u"北一条西"});
  EXPECT_EQ(run.st.result_code, u"0600001");
}

TEST(KaisekiPhase1, WindowModeEndsWithTheCandidatesOfTheOpenLevel) {
  Resolution run;
  run.mode = CallerMode::kWindow;
  run.resolve({u"北海道", u"函館市"});
  EXPECT_EQ(run.st.list_kind, kListCity);
  EXPECT_EQ(list_prompt(run.st.list_kind), u"市区郡島名を特定できません。選択して下さい。");
  EXPECT_EQ(run.st.cand.stored(), 7);  // 北海道's blocks, 上川郡 twice as it stands apart
  EXPECT_EQ(run.st.result_code, u"");
  EXPECT_EQ(run.st.focus, Focus::kNone);

  Resolution clipboard;
  clipboard.resolve({u"北海道", u"函館市"});
  EXPECT_EQ(clipboard.st.list_kind, kListNone);
}

TEST(KaisekiPhase1, WindowModeSendsAnUnsettledAddressBackToItsField) {
  Resolution run;
  run.mode = CallerMode::kWindow;
  run.resolve({});
  EXPECT_EQ(run.st.result_msg, kNothingGiven);
  EXPECT_EQ(run.st.focus, Focus::kAddress);

  Resolution batch;
  batch.mode = CallerMode::kBatchAddress;
  batch.resolve({});
  EXPECT_EQ(batch.st.focus, Focus::kNone);
}

TEST(KaisekiPhase1, BuildingFoundByDecompositionIsTheResult) {
  Resolution run;
  decompose::Decomposition d;
  d.decomp_status = decompose::DecompStatus::kBuilding;
  d.result_code = u"1006090";
  d.result_parts = u",,,,,,,,";
  run.resolve(d);
  EXPECT_EQ(run.st.result_code, u"1006090");
  EXPECT_EQ(run.st.result_parts, u"");  // a building's code comes without parts
}

TEST(KaisekiPhase1, PartsAreJoinedAgainOnlyWhenTheTownAreaIsPrepared) {
  struct PartsCase {
    Typed typed;
    std::u16string_view parts;
  };
  const PartsCase cases[] = {
      // The levels end the resolution: the parts as decomposition joined them.
      {{u"", u"", u"", u"本町"}, u"as decomposed"},
      {{u"北海道", u"見当たらない市", u"", u"本町"}, u"as decomposed"},
      // The town area is prepared: the parts as the resolution leaves them.
      {{u"北海道", u"旭川市", u"", u"本町", u"3"}, u"北海道,旭川市,,本町,3,,,,"},
      {{u"", u"和賀郡", u"西和賀町", u" 湯本 ", u"29"}, u",和賀郡,西和賀町,湯本,29,,,,"},
  };
  for (const PartsCase& c : cases) {
    Resolution run;
    decompose::Decomposition d;
    auto& part = d.slot[1].addr_part;
    part[decompose::kPref] = c.typed.pref;
    part[decompose::kCity] = c.typed.city;
    part[decompose::kWardTown] = c.typed.ward;
    part[decompose::kTownArea] = c.typed.area;
    part[decompose::kChomeNumber] = c.typed.chome;
    d.result_parts = u"as decomposed";
    run.resolve(d);
    EXPECT_EQ(run.st.result_parts, c.parts);
  }
}

// Decomposition's join stands while the prepared parts are the texts it cut.
TEST(KaisekiPhase1, TheJoinOfTheDecompositionStandsWhileThePartsAreAsCut) {
  struct PartsCase {
    Typed typed;
    std::u16string_view parts;
  };
  const PartsCase cases[] = {
      {{u"北海道", u"旭川市", u"", u"本町", u"3"}, u"as decomposed"},
      // ヶ normalised in the town area.
      {{u"東京都", u"千代田区", u"", u"霞ヶ関"}, u"東京都,千代田区,,霞ケ関,,,,,"},
      // A half-width number widened in the town area.
      {{u"北海道", u"雨竜郡", u"雨竜町", u"第10町内"}, u"北海道,雨竜郡,雨竜町,第１０町内,,,,,"},
  };
  for (const PartsCase& c : cases) {
    Resolution run;
    decompose::Decomposition d;
    const std::u16string typed[] = {c.typed.pref, c.typed.city, c.typed.ward, c.typed.area};
    for (int k = decompose::kPref; k <= decompose::kTownArea; ++k) {
      d.slot[1].addr_part[k] = typed[k - 1];
      d.slot[1].addr_part_copy[k] = typed[k - 1];
      d.addr_text += text::to_wide(typed[k - 1]);
    }
    d.slot[1].addr_part[decompose::kChomeNumber] = c.typed.chome;
    d.result_parts = u"as decomposed";
    run.resolve(d);
    EXPECT_EQ(run.st.result_parts, c.parts);
  }
}

TEST(KaisekiPhase1, AResetStateIsAFreshOne) {
  // Each leaves other values behind: the window's candidates, a code with
  // its levels and parts, the partial matches of a bracketed name.
  const Typed typed[] = {{u"北海道", u"見当たらない市", u"", u"本町"},
                         {u"北海道", u"旭川市", u"", u"本町", u"3"},
                         {u"", u"和賀郡", u"西和賀町", u"湯本", u"29"}};
  for (const Typed& t : typed) {
    Resolution run;
    run.mode = CallerMode::kWindow;
    run.resolve(t);
    ASSERT_NE(run.st, ResolveState());
    run.st.reset();
    EXPECT_EQ(run.st, ResolveState());
  }
}

}  // namespace
}  // namespace kovari::resolve
