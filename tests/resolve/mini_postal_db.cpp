#include "resolve/mini_postal_db.h"

#include <cstdint>
#include <fstream>
#include <random>

#include "postaldb/char_tables.h"
#include "text/sjis.h"

namespace kovari::resolve::testing {
namespace {

void put16(std::string& out, int v) {
  out += static_cast<char>(v & 0xFF);
  out += static_cast<char>((v >> 8) & 0xFF);
}
void put32(std::string& out, std::int32_t v) {
  for (int i = 0; i < 4; ++i) out += static_cast<char>((v >> (8 * i)) & 0xFF);
}

void put_record(std::string& out, int location, const MiniRecord& r) {
  const std::u16string name = u"ア" + r.name + r.condition;
  const std::string bytes = text::encode_sjis(name).value_or("");
  out += r.code;
  put32(out, location);
  put16(out, 8);
  put16(out, static_cast<int>(bytes.size()));
  out += bytes;
  std::int32_t word = 0;
  if (!r.condition.empty()) {
    const int open = static_cast<int>(r.name.size()) + 1;
    const int close = open + static_cast<int>(r.condition.size()) - 1;
    word = open + 32 * close;
  }
  put32(out, word);
}

}  // namespace

MiniPostalDb::MiniPostalDb(std::vector<std::u16string> prefectures, std::vector<MiniCity> cities) {
  std::random_device rd;
  folder_ = std::filesystem::temp_directory_path() /
            ("kovari_resolve_test_" + std::to_string(rd()) + std::to_string(rd()));
  std::filesystem::create_directories(folder_);
  postaldb::PostalTables& t = db_.tables;
  t.pref_name.push_back(u"");
  t.pref_first_city.push_back(0);
  for (auto& p : prefectures) {
    t.pref_name.push_back(p);
    t.pref_first_city.push_back(0);
  }
  for (auto* v : {&t.city_name1, &t.city_name2}) v->push_back(u"");
  t.city_pos1.push_back(0);
  t.city_pos2.push_back(0);
  t.city_kind.push_back(0);

  std::string main;
  for (std::size_t i = 0; i < cities.size(); ++i) {
    const MiniCity& c = cities[i];
    const int row = static_cast<int>(i) + 1;
    if (t.pref_first_city[c.pref] == 0) t.pref_first_city[c.pref] = row;
    t.city_name1.push_back(c.name1);
    t.city_name2.push_back(c.name2);
    t.city_pos1.push_back(static_cast<std::int32_t>(main.size()));
    t.city_pos2.push_back(0);
    t.city_kind.push_back(c.kind);
    for (const MiniRecord& r : c.records) put_record(main, c.pref + 64 * row, r);
  }
  db_.dir.pref_count = static_cast<int>(prefectures.size());
  db_.dir.city_count = static_cast<int>(cities.size());
  db_.dir.town_end1 = static_cast<std::int32_t>(main.size());
  main += std::string(1024, '\0');  // room for the directory block
  const std::filesystem::path file = folder_ / "kovaritbl.dat";
  std::ofstream(file, std::ios::binary) << main;
  db_.main_file.open(file);

  for (int g = 1; g <= postaldb::kCityGroupCount; ++g) t.city_group[g] = {0, 0, 0};
  auto group_of = [&](int g, std::u16string_view name1) {
    for (int r = 1; r < static_cast<int>(t.city_name1.size()); ++r) {
      if (t.city_name1[r] != name1) continue;
      if (t.city_group[g][1] == 0) t.city_group[g][1] = r;
      t.city_group[g][2] = r;
      ++t.city_group[g][0];
    }
  };
  group_of(7, u"京都市");
  group_of(postaldb::kMinatoGroup, u"港区");
  group_of(postaldb::kFuchuGroup, u"府中市");
  t.city_group[postaldb::kFuchuGroup][1] = t.city_group[postaldb::kFuchuGroup][2];
  postaldb::set_table1(t);
  postaldb::set_table2(t);
}

MiniPostalDb::~MiniPostalDb() {
  db_.main_file = postaldb::DataFile();
  std::error_code ec;
  std::filesystem::remove_all(folder_, ec);
}

int MiniPostalDb::row(std::u16string_view name1, std::u16string_view name2) const {
  const auto& t = db_.tables;
  for (int r = 1; r < static_cast<int>(t.city_name1.size()); ++r) {
    if (t.city_name1[r] == name1 && t.city_name2[r] == name2) return r;
  }
  return 0;
}

}  // namespace kovari::resolve::testing
