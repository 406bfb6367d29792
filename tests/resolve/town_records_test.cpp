// The town-record cache over the national snapshot: where a scan may start
// for a name, found through the run's name table, is the record a walk over
// the run in order finds; conversions side by side share one copy of each
// run. Skipped when the data files have not been built.
#include "resolve/town_records.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include "decompose/normalize.h"
#include "resolve/level_rules.h"
#include "resolve/name_form.h"
#include "support/data_folders.h"
#include "support/loaded_session.h"
#include "support/scratch_folder.h"
#include "text/sjis.h"
#include "text/vb.h"

namespace kovari::resolve {
namespace {

struct Range {
  std::int64_t first, last;
};

class TownRecordsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!kovari::testing::national_data_built()) GTEST_SKIP() << "national data files not built";
    ASSERT_TRUE(loaded.load(kovari::testing::national_data_folder()));
  }

  // Every `step`th municipality's range, as the level walk sets it.
  std::vector<Range> ranges(int step) const {
    const postaldb::PostalDb& db = loaded.session.db;
    const int count = city_row_count(db.tables);
    std::vector<Range> out;
    for (int r = 1; r <= count; r += step) {
      const std::int64_t last = r == count ? db.dir.town_end1 : db.tables.city_pos1[r + 1];
      out.push_back({std::int64_t{db.tables.city_pos1[r]} + 1, last});
    }
    return out;
  }
  const TownRun& run(const TownCache& cache, Range r) const {
    return cache.run(loaded.session.db.main_file, loaded.session.db.tables, r.first, r.last);
  }

  kovari::testing::LoadedSession loaded;
};

// The scan start by walking the records in order.
std::size_t walked_start(const TownRun& run, std::u16string_view area, std::u16string_view chome) {
  const auto& records = run.records;
  for (std::size_t k = 0; k < records.size(); ++k) {
    const TownRecord& rec = records[k];
    const bool deciding = rec.names(area) || (rec.has_chome && rec.base_fold() == chome);
    if (!rec.chiwari_name().empty() && !deciding) return 0;
    if (rec.bracketed && (deciding || area.starts_with(rec.base_fold()))) return 0;
    if (!deciding) continue;
    return rec.chiwari_name().empty() ? k : 0;
  }
  return 0;
}

// A record's forms made from its name and bracket word with whole strings,
// one step after another: what the reader makes of views and rooms.
struct PlainForms {
  std::u16string base, whole, base_fold, whole_fold, chiwari_name, paren;
  bool bracketed = false, has_below = false, has_next = false, has_chome = false, listed = false;
  bool operator==(const PlainForms&) const = default;
};

PlainForms plain_forms(std::u16string_view name, std::int32_t word,
                       const postaldb::PostalTables& tables) {
  const auto has = [](std::u16string_view s, std::u16string_view part) {
    return s.find(part) != std::u16string_view::npos;
  };
  PlainForms f;
  f.has_below = has(name, u"以下に");
  f.has_next = has(name, u"次に");
  const std::u16string_view after_initial = text::mid_view(name, 2);
  const int open = word % 32;
  const int close = (word / 32) % 512;
  f.bracketed = open != 0;
  std::u16string base(f.bracketed ? text::left_view(after_initial, open - 1) : after_initial);
  if (f.bracketed) f.paren = text::trim_view(text::right_view(after_initial, close - open + 1));
  decompose::normalize_ke(base);
  if (has(base, u"地割")) f.chiwari_name = base;
  f.whole = text::trim_view(base);
  const int ku = text::InStr(base, u"区");
  const bool numbered_ku = ku >= 2 && ((base[ku - 2] >= u'0' && base[ku - 2] <= u'9') ||
                                       (base[ku - 2] >= u'０' && base[ku - 2] <= u'９'));
  if (has(base, u"条") || has(base, u"線") || numbered_ku) {
    int added = 0;
    decompose::jo_sen_to_kanji(base, tables, added);
  }
  f.has_chome = has(base, u"丁目");
  f.base = text::trim_view(base);
  f.base_fold = comparison_form(f.base);
  f.whole_fold = comparison_form(f.whole);
  f.listed = !f.bracketed && has(f.whole_fold, u"、");
  return f;
}

// A town-area record as the main file lays it out: code, a long, the name as
// a text (tag 8, byte length, Shift-JIS bytes), the bracket word.
std::string record_bytes(const std::string& code, std::u16string_view name, std::int16_t tag = 8,
                         std::uint32_t after_code = 0) {
  const auto little = [](std::uint32_t v, int n) {
    std::string bytes;
    for (int i = 0; i < n; ++i) bytes.push_back(static_cast<char>(v >> (8 * i) & 0xFF));
    return bytes;
  };
  const std::string sjis = text::encode_sjis(name).value();
  return code + little(after_code, 4) + little(static_cast<std::uint16_t>(tag), 2) +
         little(static_cast<std::uint32_t>(sjis.size()), 2) + sjis + little(0, 4);
}

// The run read from a file of `bytes`, as a whole.
class HandWrittenRun {
 public:
  explicit HandWrittenRun(const std::string& bytes) {
    const std::filesystem::path path = folder_.path() / "main.dat";
    std::ofstream(path, std::ios::binary)
        .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    EXPECT_TRUE(file_.open(path));
  }
  const TownRun& run() const { return cache_.run(file_, tables_, 1, file_.length() + 1); }

 private:
  const kovari::testing::TempFolder folder_;
  postaldb::DataFile file_;
  const postaldb::PostalTables tables_;
  const TownCache cache_;
};

// A run read from records written by hand: each record's forms are those of
// its name (those that fold nothing share the name's text), a code that is
// not all digits has the value Val gives it, and the run ends at the first
// record that cannot be read.
TEST(TownRunTest, ReadsRecordsUntilOneCannotBeRead) {
  const HandWrittenRun file(
      record_bytes("1000001", u"マ丸の内") + record_bytes("1000002", u"カ霞ヶ関") +
      record_bytes("1000003", u"カ髙田 ") + record_bytes("10000X4", u"ア青山") +
      record_bytes("1000005", u"ア赤坂", 3) + record_bytes("1000006", u"ア六本木"));
  const TownRun& run = file.run();
  ASSERT_EQ(run.records.size(), 4u);
  const struct {
    std::u16string_view code, base, base_fold;
    std::int32_t value;
  } kExpected[] = {
      {u"1000001", u"丸の内", u"丸の内", 1000001},
      {u"1000002", u"霞ケ関", u"霞ケ関", 1000002},
      {u"1000003", u"髙田", u"高田", 1000003},
      {u"10000X4", u"青山", u"青山", 10000},
  };
  for (std::size_t k = 0; k < run.records.size(); ++k) {
    const TownRecord& rec = run.records[k];
    EXPECT_EQ(rec.code(), kExpected[k].code);
    EXPECT_EQ(rec.code_value, kExpected[k].value) << k;
    EXPECT_EQ(rec.base(), kExpected[k].base) << k;
    EXPECT_EQ(rec.base_fold(), kExpected[k].base_fold) << k;
    EXPECT_EQ(rec.whole_fold(), rec.base_fold()) << k;
    // A form that folds nothing is kept where the base name is.
    EXPECT_EQ(rec.at[TownRecord::kBaseFold] == rec.at[TownRecord::kBase],
              rec.base_fold() == rec.base())
        << k;
  }
}

// A code is worth what Val reads of it, whichever of its bytes is no digit
// and whatever byte follows it in the file.
TEST(TownRunTest, ACodeIsWorthWhatValReadsOfIt) {
  const struct {
    const char* code;
    char after;
  } kCases[] = {
      {"1000001", 'A'}, {"0000000", '5'},    {"9999999", '\xff'}, {"X000001", '1'},
      {"1X00001", '1'}, {"10X0001", '1'},    {"100X001", '1'},    {"1000X01", '1'},
      {"10000X1", '1'}, {"100000X", '1'},    {"/999999", '0'},    {"999999:", '0'},
      {"10000 1", '0'}, {"\377000001", '0'},
  };
  std::string bytes;
  for (const auto& c : kCases) {
    bytes +=
        record_bytes(std::string(c.code, 7), u"ア青山", 8, static_cast<unsigned char>(c.after));
  }
  const HandWrittenRun file(bytes);
  const TownRun& run = file.run();
  ASSERT_EQ(run.records.size(), std::size(kCases));
  for (std::size_t k = 0; k < run.records.size(); ++k) {
    const TownRecord& rec = run.records[k];
    EXPECT_EQ(rec.code_value, static_cast<std::int32_t>(text::Val(rec.code()))) << kCases[k].code;
    EXPECT_EQ(rec.base(), u"青山") << k;
  }
}

// A record keeps its code, name and forms within 65535 characters: one whose
// texts would be longer ends the run, as one that cannot be read does.
TEST(TownRunTest, ARecordTooLongToKeepEndsTheRun) {
  for (const std::size_t name_length : {65528u, 65529u}) {
    const HandWrittenRun file(record_bytes("1000001", u"ア青山") +
                              record_bytes("1000002", std::u16string(name_length, u'a')) +
                              record_bytes("1000003", u"カ霞ヶ関"));
    const TownRun& run = file.run();
    if (name_length == 65528u) {
      ASSERT_EQ(run.records.size(), 3u);
      EXPECT_EQ(run.records[1].base().size(), name_length - 1);
      EXPECT_EQ(run.records[2].base(), u"霞ケ関");
    } else {
      ASSERT_EQ(run.records.size(), 1u);
    }
  }
}

// Two names of one hash in one run are told apart: each is found at its own
// record, whichever came first.
TEST(TownRunTest, NamesOfOneHashAreToldApart) {
  const std::u16string kOneHash[] = {u"筆閥崑", u"饒擺高"};
  ASSERT_EQ(name_hash(kOneHash[0]), name_hash(kOneHash[1]));
  for (const bool swapped : {false, true}) {
    const std::u16string& first = kOneHash[swapped];
    const std::u16string& second = kOneHash[!swapped];
    const HandWrittenRun file(record_bytes("1000001", u"ア青山") +
                              record_bytes("1000002", u"ア" + first) +
                              record_bytes("1000003", u"ア" + second));
    const TownRun& run = file.run();
    ASSERT_EQ(run.records.size(), 3u);
    EXPECT_EQ(run.scan_start(first, u""), 1u);
    EXPECT_EQ(run.scan_start(second, u""), 2u);
    EXPECT_EQ(run.scan_start(u"青", u""), 0u);
  }
}

TEST_F(TownRecordsTest, EveryRecordHasTheFormsOfItsName) {
  const postaldb::PostalTables& tables = loaded.session.db.tables;
  TownCache cache;
  std::size_t made = 0;
  for (const Range range : ranges(1)) {
    const TownRun& r = run(cache, range);
    for (const TownRecord& rec : r.records) {
      const PlainForms read{std::u16string(rec.base()),
                            std::u16string(rec.whole()),
                            std::u16string(rec.base_fold()),
                            std::u16string(rec.whole_fold()),
                            std::u16string(rec.chiwari_name()),
                            std::u16string(rec.paren()),
                            rec.bracketed,
                            rec.has_below,
                            rec.has_next,
                            rec.has_chome,
                            rec.listed};
      ASSERT_EQ(read, plain_forms(rec.name(), rec.word, tables)) << text::to_utf8(rec.code());
      made += read.base_fold != read.base || read.chiwari_name.size() > 0 || read.bracketed;
    }
  }
  EXPECT_GT(made, 5000u);  // thousands of names that the forms change or cut, not only copy
}

TEST_F(TownRecordsTest, TheNameTableFindsTheRecordAWalkInOrderFinds) {
  TownCache cache;
  int started_later = 0;
  for (const Range range : ranges(3)) {
    const TownRun& r = run(cache, range);
    std::vector<std::u16string> names;
    for (const TownRecord& rec : r.records) {
      names.emplace_back(rec.base_fold());
      names.emplace_back(rec.whole_fold());
      names.push_back(std::u16string(rec.base_fold()) + u"１");  // no record's name
      if (rec.listed) names.emplace_back(rec.whole_fold().substr(0, rec.whole_fold().find(u'、')));
    }
    for (const std::u16string& name : names) {
      for (const std::u16string_view chome : {std::u16string_view(name), std::u16string_view()}) {
        const std::size_t start = r.scan_start(name, chome);
        ASSERT_EQ(start, walked_start(r, name, chome)) << range.first;
        started_later += start > 0;
      }
    }
  }
  EXPECT_GT(started_later, 100000);  // the table is used, not only the fall-back
}

TEST_F(TownRecordsTest, JobsSideBySideShareOneCopyOfEachRun) {
  const std::vector<Range> all = ranges(11);
  TownCache cache;
  std::vector<std::vector<const TownRun*>> seen(3);
  std::vector<std::thread> jobs;
  for (std::size_t j = 0; j < seen.size(); ++j) {
    jobs.emplace_back([&, j] {
      std::vector<Range> order = all;
      if (j % 2 == 1) std::reverse(order.begin(), order.end());
      for (const Range r : order) seen[j].push_back(&run(cache, r));
      if (j % 2 == 1) std::reverse(seen[j].begin(), seen[j].end());
    });
  }
  for (std::thread& job : jobs) job.join();
  EXPECT_EQ(cache.size(), all.size());
  EXPECT_EQ(seen[1], seen[0]);
  EXPECT_EQ(seen[2], seen[0]);

  TownCache alone;
  for (std::size_t i = 0; i < all.size(); ++i) {
    const TownRun& read = run(alone, all[i]);
    ASSERT_EQ(read.records.size(), seen[0][i]->records.size());
    for (std::size_t k = 0; k < read.records.size(); ++k) {
      EXPECT_EQ(read.records[k].code(), seen[0][i]->records[k].code());
      EXPECT_EQ(read.records[k].base_fold(), seen[0][i]->records[k].base_fold());
    }
  }
}

// Every record's forms, kept as positions in its run's text (a form equal to
// another of the record shares its text), read back as they were derived;
// and every run, once read, found again as the same run however many the
// cache holds.
TEST_F(TownRecordsTest, EveryRunKeepsItsFormsAndIsFoundAgain) {
  const std::vector<Range> all = ranges(1);
  TownCache cache;
  std::vector<const TownRun*> first_read;
  std::size_t records = 0;
  for (const Range range : all) {
    const TownRun& r = run(cache, range);
    first_read.push_back(&r);
    records += r.records.size();
    for (const TownRecord& rec : r.records) {
      ASSERT_EQ(rec.code().size(), 7u);
      EXPECT_EQ(rec.code_value, static_cast<std::int32_t>(text::Val(rec.code())));
      EXPECT_EQ(rec.base_fold(), comparison_form(rec.base())) << range.first;
      EXPECT_EQ(rec.whole_fold(), comparison_form(rec.whole())) << range.first;
      EXPECT_TRUE(rec.chiwari_name().empty() ||
                  rec.chiwari_name().find(u"地割") != std::u16string_view::npos);
    }
  }
  EXPECT_GT(records, 100000u);
  EXPECT_EQ(cache.size(), all.size());
  for (std::size_t i = all.size(); i-- > 0;) ASSERT_EQ(&run(cache, all[i]), first_read[i]);
  EXPECT_EQ(cache.size(), all.size());
}

}  // namespace
}  // namespace kovari::resolve
