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

TEST(NationalAddresses, TypedAddressesResolveToTheirCodes) {
  const std::filesystem::path data = env_path("KOVARI_DATA_DIR");
  if (data.empty() || !std::filesystem::exists(data / postaldb::kMainFileName)) {
    GTEST_SKIP() << "national data files not built";
  }
  const std::filesystem::path source = env_path("KOVARI_SOURCE_DIR");
  const std::vector<Row> rows = read_rows(source / "tests/resolve/national_addresses.tsv");
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

}  // namespace
}  // namespace kovari::resolve
