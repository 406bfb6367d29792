// Decompositions per second. With the national data (the .dat files in the
// folder given, else beside the program) every town-area record becomes an
// address: prefecture + city + town area + "1-2-3". Without it, a generated
// list of designated-city and Tokyo-ward addresses is used.
//
// usage: kovari-bench-decompose [DATA_DIR] [CPU_SECONDS]
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <string>
#include <vector>

#include "decompose/decomposition.h"
#include "postaldb/char_tables.h"
#include "postaldb/fixed_tables.h"
#include "postaldb/startup.h"
#include "text/vb.h"

namespace kovari {
namespace {

// CPU time of this process: the machine is shared, so wall time says little.
double cpu_seconds() {
  timespec now{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
  return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

class QuietHost : public Host {
 public:
  void message_box(std::u16string_view, std::u16string_view, MessageIcon) override {}
  bool ask_yes_no(std::u16string_view, std::u16string_view, MessageIcon) override { return false; }
};

// Every town-area record of the main file as an address ending in "1-2-3".
std::vector<std::u16string> national_addresses(const postaldb::PostalDb& db) {
  const postaldb::PostalTables& t = db.tables;
  std::vector<std::u16string> addresses;
  const int cities = static_cast<int>(t.city_name1.size()) - 1;
  const int prefs = static_cast<int>(t.pref_name.size()) - 1;
  int pref = 1;
  for (int row = 1; row <= cities; ++row) {
    while (pref < prefs && t.pref_first_city[pref + 1] <= row) ++pref;
    const std::u16string base = text::Trim(t.pref_name[pref]) + text::Trim(t.city_name1[row]) +
                                text::Trim(t.city_name2[row]);
    const std::int64_t last = row == cities ? db.dir.town_end1 : t.city_pos1[row + 1];
    for (std::int64_t pos = std::int64_t{t.city_pos1[row]} + 1; pos < last;) {
      postaldb::Cursor cursor = db.main_file.at(pos);
      cursor.read_code();
      cursor.read_long();
      std::u16string name = text::Mid(cursor.read_variant_string(), 2);
      cursor.read_long();
      if (cursor.failed() || cursor.position() <= pos) break;
      pos = cursor.position();
      name = text::Trim(name.substr(0, name.find(u'（')));
      addresses.push_back(base + name + u"1-2-3");
    }
  }
  return addresses;
}

// Designated-city wards and Tokyo wards with a few town names.
std::vector<std::u16string> generated_addresses() {
  constexpr std::u16string_view kTowns[] = {u"本町", u"中央", u"北一条西", u"丸の内",
                                            u"新田", u"栄町", u"東三線",   u"緑ケ丘"};
  constexpr std::u16string_view kWards[] = {u"中央区", u"北区", u"南区", u"西区"};
  std::vector<std::u16string> addresses;
  for (const postaldb::DesignatedCity& city : postaldb::kDesignatedCities) {
    for (std::u16string_view ward : kWards) {
      for (std::u16string_view town : kTowns) {
        addresses.push_back(std::u16string(city.prefecture) + std::u16string(city.city) +
                            std::u16string(ward) + std::u16string(town) + u"1-2-3");
      }
    }
  }
  for (std::u16string_view ward : postaldb::kTokyoWards) {
    for (std::u16string_view town : kTowns) {
      addresses.push_back(u"東京都" + std::u16string(ward) + std::u16string(town) + u"3丁目5番7号");
    }
  }
  return addresses;
}

}  // namespace
}  // namespace kovari

int main(int argc, char** argv) {
  using namespace kovari;
  const std::filesystem::path folder =
      argc > 1 ? std::filesystem::path(argv[1])
               : std::filesystem::canonical("/proc/self/exe").parent_path();
  const double seconds = argc > 2 ? std::atof(argv[2]) : 3.0;

  postaldb::PostalDb db;
  settings::Settings settings;
  QuietHost host;
  std::vector<std::u16string> addresses;
  const char* source = "national data";
  if (std::filesystem::exists(folder / postaldb::kMainFileName) &&
      postaldb::load_postal_db(folder, db, settings, host).ok()) {
    addresses = national_addresses(db);
  }
  if (addresses.empty()) {
    source = "generated list";
    db.tables = postaldb::PostalTables{};
    postaldb::set_table1(db.tables);
    postaldb::set_table2(db.tables);
    addresses = generated_addresses();
  }

  decompose::Decomposition d;
  const decompose::DecomposeOptions options{settings.flag(settings::Flag::kApproximate), 0};
  std::size_t count = 0;
  const double start = cpu_seconds();
  double elapsed = 0;
  while (elapsed < seconds) {
    for (const std::u16string& address : addresses) {
      d.addr_text = address;
      decompose::decompose_address(d, db.tables, options);
    }
    count += addresses.size();
    elapsed = cpu_seconds() - start;
  }
  std::printf("%s: %zu addresses, %zu decompositions in %.2f s of CPU time: %.0f per second\n",
              source, addresses.size(), count, elapsed, static_cast<double>(count) / elapsed);
  return 0;
}
