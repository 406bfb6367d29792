#include "buildings.h"

#include <algorithm>
#include <map>

#include "names.h"
#include "postaldb/fixed_tables.h"
#include "text/sjis.h"
#include "text/strconv.h"

namespace kovari::mkdata {

namespace {

constexpr std::u16string_view kBasementSuffix = u"（地階・階層不明）";
constexpr int kBasementFloor = 90;  // the code of 地階・階層不明 is base + 90

// The floor of a per-floor town-area name and the name before its annotation:
// n for "…（ｎ階）", kBasementFloor for "…（地階・階層不明）", 0 otherwise.
int floor_of(std::u16string_view name, std::u16string_view& building) {
  if (name.ends_with(kBasementSuffix)) {
    building = name.substr(0, name.size() - kBasementSuffix.size());
    return kBasementFloor;
  }
  if (!name.ends_with(u"階）")) return 0;
  const std::size_t open = name.rfind(u'（');
  if (open == std::u16string_view::npos) return 0;
  const std::u16string_view digits = name.substr(open + 1, name.size() - open - 3);
  if (digits.empty() || digits.size() > 2) return 0;
  int floor = 0;
  for (char16_t c : digits) {
    if (c < u'０' || c > u'９') return 0;
    floor = floor * 10 + (c - u'０');
  }
  building = name.substr(0, open);
  return floor;
}

// The building's own name: its full name without annotation ("（高層棟）"),
// less the longest name of an ordinary town area of the same city that
// begins it.
std::u16string_view without_town_name(std::u16string_view full, const City& city) {
  full = base_name(full);
  std::size_t cut = 0;
  for (const TownArea& town : city.towns) {
    std::u16string_view unused;
    if (floor_of(town.name, unused) != 0) continue;
    const std::u16string_view base = base_name(town.name);
    if (base.size() > cut && base.size() < full.size() && full.starts_with(base)) {
      cut = base.size();
    }
  }
  return full.substr(cut);
}

struct Floors {
  int line_no = 0;
  std::string basement_code;
  int highest = 0;
};

}  // namespace

std::vector<FoundBuilding> find_buildings(const PostalData& data, Report& report) {
  std::vector<FoundBuilding> found;
  for (std::size_t c = 1; c < data.cities.size(); ++c) {
    const City& city = data.cities[c];
    std::map<std::u16string, Floors> buildings;
    for (const TownArea& town : city.towns) {
      std::u16string_view name;
      const int floor = floor_of(town.name, name);
      if (floor == 0) continue;
      Floors& floors = buildings[std::u16string(name)];
      floors.line_no = town.line_no;
      if (floor == kBasementFloor) {
        floors.basement_code = town.code;
      } else {
        floors.highest = std::max(floors.highest, floor);
      }
    }
    for (const auto& [full_name, floors] : buildings) {
      const long basement = floors.basement_code.empty() ? 0 : std::stol(floors.basement_code);
      if (basement < 1000000 + kBasementFloor || floors.highest == 0) {
        report.note("building without 地階・階層不明 or floors left out: " +
                    text::to_utf8(full_name) + " (line " + std::to_string(floors.line_no) + ")");
        continue;
      }
      FoundBuilding building;
      building.row.code = std::to_string(basement - kBasementFloor);
      building.row.floors = static_cast<std::int16_t>(floors.highest);
      building.row.name1 = text::to_narrow(without_town_name(full_name, city));
      building.row.name2 = building.row.name1;
      building.pref = data.prefs[city.pref].name;
      building.city = city.name1;
      found.push_back(std::move(building));
    }
  }
  // The address search takes the first row whose name the address contains:
  // a longer name comes before any shorter name it may contain (新丸の内ビルディング
  // before 丸の内ビルディング), both for the fixed rows of a city and for the rest.
  std::stable_sort(found.begin(), found.end(), [](const FoundBuilding& a, const FoundBuilding& b) {
    if (a.row.name1.size() != b.row.name1.size()) return a.row.name1.size() > b.row.name1.size();
    return a.row.code < b.row.code;
  });
  return found;
}

Building filler_building() { return {"0000000", 1, u"〓 〓〓", u"〓 〓〓"}; }

std::vector<Building> place_buildings(std::vector<FoundBuilding> found, Report& report) {
  std::vector<Building> rows(kFixedBuildingRows, filler_building());
  std::vector<bool> used(found.size(), false);
  for (const postaldb::BuildingRowPlace& place : postaldb::kBuildingRowPlaces) {
    for (int row = place.first_row; row <= place.last_row; ++row) {
      for (std::size_t i = 0; i < found.size(); ++i) {
        if (!used[i] && found[i].pref == place.prefecture && found[i].city == place.city) {
          rows[row - 1] = found[i].row;
          used[i] = true;
          break;
        }
      }
    }
  }
  int left_out = 0;
  for (std::size_t i = 0; i < found.size(); ++i) {
    if (used[i]) continue;
    if (rows.size() < kMaxBuildings) {
      rows.push_back(found[i].row);
    } else {
      ++left_out;
    }
  }
  if (left_out > 0) {
    report.note(std::to_string(left_out) + " buildings left out: the table holds 100 rows");
  }
  return rows;
}

}  // namespace kovari::mkdata
