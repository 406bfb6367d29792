// The searches over the national data files built into the program's folder;
// skipped when they have not been built.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "code_search/code_index.h"
#include "code_search/code_search.h"
#include "code_search/decoded_runs.h"
#include "code_search/loaded_db.h"
#include "code_search/records.h"
#include "result_list/list_builders.h"
#include "support/data_folders.h"
#include "text/sjis.h"

namespace kovari::code_search {
namespace {

class NationalDataTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!kovari::testing::national_data_built()) {
      GTEST_SKIP() << "the national data files have not been built";
    }
    ASSERT_TRUE(loaded.load(kovari::testing::national_data_folder()));
  }

  // Looks up every distinct code of an index; returns the codes without an address.
  std::vector<std::u16string> codes_without_address(const CodeIndex& index) {
    std::vector<std::u16string> missing;
    CodeSearchState state;
    const SearchContext ctx = loaded.context(CallerMode::kClipboard);
    std::u16string previous;
    for (std::int32_t r = 1; r <= index.count(); ++r) {
      const std::u16string code = index.code(r);
      if (code == previous) continue;
      previous = code;
      state.in_code = code;
      sertch_kovari1(ctx, state);
      if (state.out_address.empty()) missing.push_back(code);
    }
    return missing;
  }

  // The run the lookup found is the one the index's own walk meets: it
  // begins with run ordinal 1 and ends where the code changes, and its
  // entries are those of its index records, the entries of its group
  // beginning with those of `records`.
  template <typename Entry>
  static void expect_whole_run(const CodeIndex& index, std::optional<std::int32_t> first,
                               std::span<const Entry> run, const std::vector<Entry>& entries,
                               postaldb::RecordRange records) {
    if (!first) return;
    ASSERT_FALSE(run.empty()) << *first;
    EXPECT_EQ(run.data(), entries.data() + (*first - records.first)) << *first;
    EXPECT_EQ(index.record(*first).ordinal, 1) << *first;
    const auto length = static_cast<std::int32_t>(run.size());
    for (std::int32_t r = *first; r < *first + length; ++r) {
      EXPECT_EQ(index.number(r), index.number(*first)) << r;
    }
    EXPECT_NE(index.number(*first + length), index.number(*first)) << *first;
  }

  testing::LoadedDb loaded;
};

TEST_F(NationalDataTest, EveryTownAreaCodeGivesAnAddress) {
  const CodeIndex index = CodeIndex::main_index(loaded.db);
  EXPECT_GT(index.count(), 100000);
  loaded.settings.set_flag(settings::Flag::kDetailFile, 0);
  EXPECT_EQ(codes_without_address(index), std::vector<std::u16string>{});
}

TEST_F(NationalDataTest, EveryDetailCodeGivesAnAddress) {
  const CodeIndex index = CodeIndex::detail_index(loaded.db);
  EXPECT_GT(index.count(), 10000);
  loaded.settings.set_flag(settings::Flag::kDetailFile, 1);
  EXPECT_EQ(codes_without_address(index), std::vector<std::u16string>{});
}

// The directory of codes answers every code of both indexes, and the code
// after each, as the search of each index does.
TEST_F(NationalDataTest, CodeLookupFindsWhatTheIndexSearchesFind) {
  const CodeIndex main = CodeIndex::main_index(loaded.db);
  const CodeIndex detail = CodeIndex::detail_index(loaded.db);
  ASSERT_TRUE(postaldb::code_lookup_tables(loaded.db).codes.ready());
  int found = 0;
  for (const CodeIndex* index : {&main, &detail}) {
    for (std::int32_t r = 1; r <= index->count(); ++r) {
      const std::u16string code = index->code(r);
      std::u16string next = code;
      for (auto digit = next.rbegin(); digit != next.rend() && ++*digit > u'9'; ++digit)
        *digit = u'0';
      for (const std::u16string& key : {code, next}) {
        const CodeLookup lookup(loaded.db, key);
        const std::optional<std::int32_t> in_main = lookup.main_record();
        const std::optional<std::int32_t> in_detail = lookup.detail_record();
        ASSERT_EQ(in_main, search_index(main, key, IndexSearch::Exact)) << text::to_utf8(key);
        ASSERT_EQ(in_detail, search_index(detail, key, IndexSearch::Exact)) << text::to_utf8(key);
        if (in_main || in_detail) ++found;
        if (!in_main && !in_detail) continue;
        const postaldb::DecodedGroup& group = lookup.decoded();
        expect_whole_run(main, in_main, lookup.main_towns(), group.towns,
                         group.codes.main_records());
        expect_whole_run(detail, in_detail, lookup.detail_records(), group.details,
                         group.codes.detail_records());
      }
    }
  }
  EXPECT_GT(found, 140000);
}

// The decoded groups hold every record of both indexes as the readers read it.
TEST_F(NationalDataTest, DecodedGroupsAreTheRecordsRead) {
  const CodeIndex main = CodeIndex::main_index(loaded.db);
  const CodeIndex detail = CodeIndex::detail_index(loaded.db);
  ASSERT_TRUE(postaldb::code_lookup_tables(loaded.db).codes.ready());
  std::int32_t towns = 0;
  std::int32_t details = 0;
  for (std::uint32_t g = 0; g < postaldb::CodeDirectory::kGroups; ++g) {
    const postaldb::DecodedGroup& group =
        *decoded_group(loaded.db, g * postaldb::CodeDirectory::kGroupSize);
    ASSERT_EQ(group.towns.size(), static_cast<std::size_t>(group.codes.main_records().count));
    ASSERT_EQ(group.details.size(), static_cast<std::size_t>(group.codes.detail_records().count));
    for (std::size_t i = 0; i < group.towns.size(); ++i) {
      const postaldb::DecodedTown& entry = group.towns[i];
      const std::int32_t r = group.codes.main_records().first + static_cast<std::int32_t>(i);
      const std::optional<TownRecord> record = read_town_record(main.file(), main.record(r).offset);
      ASSERT_TRUE(record && entry.readable) << r;
      ASSERT_EQ(entry.location, record->location) << r;
      ASSERT_EQ(entry.kind, record->kind()) << r;
      ASSERT_EQ(group.text(entry.town_name), record->town_name()) << r;
    }
    for (std::size_t i = 0; i < group.details.size(); ++i) {
      const postaldb::DecodedDetail& entry = group.details[i];
      const std::int32_t r = group.codes.detail_records().first + static_cast<std::int32_t>(i);
      const std::optional<DetailRecord> record =
          read_detail_record(detail.file(), detail.record(r).offset);
      ASSERT_TRUE(record && entry.readable) << r;
      ASSERT_EQ(entry.location, record->location) << r;
      ASSERT_EQ(entry.attributes, record->attributes) << r;
      ASSERT_EQ(group.text(entry.office_name), record->office_name) << r;
      ASSERT_EQ(group.text(entry.town_name), record->town_name) << r;
      ASSERT_EQ(group.text(entry.street), record->street) << r;
    }
    towns += static_cast<std::int32_t>(group.towns.size());
    details += static_cast<std::int32_t>(group.details.size());
  }
  EXPECT_EQ(towns, main.count());
  EXPECT_EQ(details, detail.count());
}

// The names the look-ups begin a line with are the base address of every
// location of the tables.
TEST_F(NationalDataTest, LocationTextsAreTheBaseAddresses) {
  const postaldb::PostalTables& tables = loaded.db.tables;
  const postaldb::LocationTexts& texts = postaldb::code_lookup_tables(loaded.db).locations;
  const auto prefs = static_cast<std::int32_t>(tables.pref_name.size());
  const auto cities = static_cast<std::int32_t>(tables.city_name1.size());
  for (std::int32_t city = 0; city <= cities; ++city) {
    for (std::int32_t pref = 0; pref <= prefs; ++pref) {
      std::u16string line;
      texts.append(pref + 64 * city, line);
      ASSERT_EQ(line, base_address(tables, pref + 64 * city)) << pref << " " << city;
    }
  }
}

TEST_F(NationalDataTest, WellKnownCodes) {
  const struct {
    std::u16string_view code, address;
  } cases[] = {
      {u"1000001", u"東京都千代田区千代田"},
      {u"0600042", u"北海道札幌市中央区大通西１～１９丁目"},
      {u"0010000", u"北海道札幌市北区"},
      {u"5300001", u"大阪府大阪市北区梅田"},
      {u"9800811", u"宮城県仙台市青葉区一番町"},
      {u"4600001", u"愛知県名古屋市中区三の丸"},
      {u"8100001", u"福岡県福岡市中央区天神"},
      {u"2310023", u"神奈川県横浜市中区山下町"},
      {u"9071801", u"沖縄県八重山郡与那国町与那国"},
  };
  for (const auto& c : cases) {
    CodeSearchState state;
    state.in_code = c.code;
    EXPECT_EQ(sertch_kovari1(loaded.context(CallerMode::kWindow), state), SearchOutcome::Single)
        << text::to_utf8(c.code);
    EXPECT_EQ(state.out_address, c.address) << text::to_utf8(c.code);
  }
}

TEST_F(NationalDataTest, ThreeDigitPrefixListsItsArea) {
  CodeSearchState state;
  state.in_code = u"100";
  ASSERT_EQ(sertch_kovari2(loaded.context(CallerMode::kWindow), state), SearchOutcome::PrefixList);
  for (const result_list::ResultRow& row :
       result_list::set_list1(loaded.db, prefix_hits(state), loaded.settings).rows) {
    EXPECT_EQ(row.code.substr(0, 3), u"100");
    EXPECT_EQ(row.address.rfind(u"東京都", 0), 0u) << text::to_utf8(row.address);
  }
}

// Every prefix of 1 to 6 digits that occurs lists the index records whose
// codes begin with it, in index order, up to the limit: checked against one
// pass over the whole index.
TEST_F(NationalDataTest, EveryPrefixListsEveryRecordOfItsCodes) {
  const CodeIndex index = CodeIndex::main_index(loaded.db);
  std::vector<IndexRecord> records;
  for (std::int32_t r = 1; r <= index.count(); ++r) records.push_back(index.record(r));
  const SearchContext ctx = loaded.context(CallerMode::kWindow);
  int prefixes = 0;
  for (int length = 1; length <= 6; ++length) {
    for (std::size_t first = 0; first < records.size();) {
      const std::string_view code_prefix = records[first].code.substr(0, length);
      const std::u16string prefix(code_prefix.begin(), code_prefix.end());
      std::vector<std::int32_t> expected;
      std::size_t end = first;
      for (; end < records.size() && records[end].code.starts_with(code_prefix); ++end) {
        if (expected.size() < static_cast<std::size_t>(kMaxResults)) {
          expected.push_back(records[end].offset);
        }
      }
      CodeSearchState state;
      state.in_code = prefix;
      ASSERT_EQ(sertch_kovari2(ctx, state), SearchOutcome::PrefixList) << text::to_utf8(prefix);
      ASSERT_EQ(prefix_hits(state), expected) << text::to_utf8(prefix);
      ++prefixes;
      first = end;
    }
  }
  EXPECT_GT(prefixes, 10000);
}

}  // namespace
}  // namespace kovari::code_search
