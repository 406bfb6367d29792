// End to end on the national snapshot: real addresses with their known codes,
// typed the ways people type them, decomposed and resolved as the clipboard
// converter does it. Skipped when the data files have not been built.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "decompose/decomposition.h"
#include "postaldb/startup.h"
#include "resolve/kaiseki_phase1.h"
#include "resolve/old_code.h"
#include "text/sjis.h"

namespace kovari::resolve {
namespace {

struct Row {
  std::string address, code, how;
};

std::vector<Row> read_rows(const std::filesystem::path& file) {
  std::vector<Row> rows;
  std::ifstream in(file);
  std::string line;
  std::getline(in, line);  // column names
  while (std::getline(in, line)) {
    if (line.empty()) continue;
    Row row;
    const std::size_t a = line.find('\t');
    const std::size_t b = line.find('\t', a + 1);
    row.address = line.substr(0, a);
    row.code = line.substr(a + 1, b == std::string::npos ? std::string::npos : b - a - 1);
    if (b != std::string::npos) row.how = line.substr(b + 1);
    rows.push_back(row);
  }
  return rows;
}

std::filesystem::path env_path(const char* name) {
  const char* value = std::getenv(name);
  return value ? std::filesystem::path(value) : std::filesystem::path();
}

bool national_data(std::filesystem::path& data) {
  data = env_path("KOVARI_DATA_DIR");
  return !data.empty() && std::filesystem::exists(data / postaldb::kMainFileName);
}

TEST(NationalAddresses, TypedAddressesResolveToTheirCodes) {
  std::filesystem::path data;
  if (!national_data(data)) GTEST_SKIP() << "national data files not built";
  const std::vector<Row> rows =
      read_rows(std::filesystem::path(KOVARI_SOURCE_DIR) / "tests/resolve/national_addresses.tsv");
  ASSERT_FALSE(rows.empty());

  SilentHost host;
  postaldb::PostalDb db;
  settings::Settings settings;
  ASSERT_TRUE(postaldb::load_postal_db(data, db, settings, host).ok());
  settings.ctl_flg[4] = 0;  // no approximate matching: every rule must hold by itself
  ResolveState st;
  decompose::Decomposition d;
  const ResolveContext ctx{db, settings.ctl_flg, {}, host, u""};
  for (const Row& row : rows) {
    d.addr_text = text::from_utf8(row.address);
    decompose::decompose_address(d, db.tables, {0, 0});
    st.result_msg.clear();
    kaiseki_phase1(st, d, ctx);
    EXPECT_EQ(text::to_utf8(st.result_code), row.code)
        << row.address << " (" << row.how << ") parts " << text::to_utf8(st.result_parts) << " "
        << text::to_utf8(st.result_msg);
  }
}

TEST(NationalAddresses, OldCodesGiveTheirPlaces) {
  std::filesystem::path data;
  if (!national_data(data)) GTEST_SKIP() << "national data files not built";
  SilentHost host;
  postaldb::PostalDb db;
  settings::Settings settings;
  ASSERT_TRUE(postaldb::load_postal_db(data, db, settings, host).ok());
  struct {
    std::u16string code, pref, city, ward;
  } cases[] = {
      {u"060", u"北海道", u"札幌市", u"中央区"},  // three digits: key 06000
      {u"183", u"東京都", u"府中市", u""},
      {u"726", u"広島県", u"府中市", u""},
      {u"04112", u"北海道", u"北斗市", u""},     // five digits
  };
  for (const auto& c : cases) {
    const std::optional<OldCodePlace> place = look_up_old_code(db, c.code);
    ASSERT_TRUE(place.has_value()) << text::to_utf8(c.code);
    EXPECT_EQ(place->pref, c.pref);
    EXPECT_EQ(place->city, c.city);
    EXPECT_EQ(place->ward, c.ward);
  }
  EXPECT_FALSE(look_up_old_code(db, u"999").has_value());
}

// The batch converter completes an address that lacks two of its upper levels
// from the ward pairs or from the record's existing (old) code.
TEST(NationalAddresses, BatchPreStepCompletesTheLevels) {
  std::filesystem::path data;
  if (!national_data(data)) GTEST_SKIP() << "national data files not built";
  SilentHost host;
  postaldb::PostalDb db;
  settings::Settings settings;
  ASSERT_TRUE(postaldb::load_postal_db(data, db, settings, host).ok());
  settings.ctl_flg[9] = 1;
  struct {
    std::string address;
    std::u16string old_code, code, msg;
  } cases[] = {
      {"港北区日吉本町1-1", u"", u"2230062", u""},        // a ward only one city has
      {"中区三の丸3-1-1", u"460", u"4600001", u""},        // a shared ward, told by the old code
      // without a known old code the shared ward settles nothing
      {"中区三の丸3-1-1", u"", u"", u"都道府県名、区市郡島名、区町村名のすべてを省略できません。"},
      {"中区三の丸3-1-1", u"999", u"", u"都道府県名、区市郡島名、区町村名のすべてを省略できません。"},
  };
  for (const auto& c : cases) {
    ResolveState st;
    st.caller_mode = 2;
    decompose::Decomposition d;
    d.addr_text = text::from_utf8(c.address);
    decompose::decompose_address(d, db.tables, {0, 1});
    const ResolveContext ctx{db, settings.ctl_flg, {0, 0, 0, 1, 0, 0}, host, c.old_code};
    kaiseki_phase1(st, d, ctx);
    EXPECT_EQ(st.result_code, c.code) << c.address << " " << text::to_utf8(c.old_code);
    EXPECT_EQ(st.result_msg, c.msg) << c.address << " " << text::to_utf8(c.old_code) << " "
                                    << text::to_utf8(st.result_parts);
  }
}

}  // namespace
}  // namespace kovari::resolve
