// On the national snapshot: the address of every detail record decomposes to
// the same parts as the same address typed by a user (prefecture, city,
// ward/town, town-area name and street part without its post-office-box
// text), and typing it with the detail pass on gives the office's own code
// unless an earlier record stands at the same place. Skipped when the data
// files have not been built.
#include <gtest/gtest.h>

#include <filesystem>
#include <set>

#include "decompose/decomposition.h"
#include "resolve/detail_reader.h"
#include "resolve/detail_record.h"
#include "resolve/town_area_form.h"
#include "session/convert_address.h"
#include "support/loaded_session.h"
#include "text/vb.h"

namespace kovari::resolve {
namespace {

TEST(DetailNational, EveryDetailAddressDecomposesLikeTheTypedAddress) {
  if (!kovari::testing::national_data_built()) GTEST_SKIP() << "national data files not built";
  kovari::testing::LoadedSession loaded;
  ASSERT_TRUE(loaded.load(kovari::testing::national_data_folder()));
  Session& session = loaded.session;
  session.settings.set_flag(settings::Flag::kDetailPass, 1);
  const postaldb::PostalDb& db = session.db;
  const postaldb::PostalTables& t = db.tables;

  long records = 0, decided_by_building = 0, same_parts = 0, own_code = 0, shared_place = 0;
  std::set<std::u16string> places;
  decompose::Decomposition d;
  const int cities = static_cast<int>(t.city_name1.size()) - 1;
  int pref = 1;
  for (int row = 1; row <= cities; ++row) {
    while (pref + 1 < static_cast<int>(t.pref_first_city.size()) &&
           t.pref_first_city[pref + 1] <= row) {
      ++pref;
    }
    const std::int64_t last = row == cities ? db.dir.town_end2 : t.city_pos2[row + 1];
    DetailCache cache;
    DetailRecordReader reader(cache, db.detail_file, std::int64_t{t.city_pos2[row]} + 1, last,
                              false);
    while (const DetailRecord* r = reader.next()) {
      ++records;
      const std::u16string street(street_address(*r));
      const std::u16string address = text::Trim(t.pref_name[pref]) + t.city_name1[row] +
                                     t.city_name2[row] + r->town_name + street;
      d.addr_text = address;
      decompose::decompose_address(d, t, {0, 0});
      if (d.decomp_status == decompose::DecompStatus::kBuilding) {
        ++decided_by_building;
        continue;
      }
      decompose::DecompositionSlot typed = d.slot[1];
      AddressOutcome o = convert_address(session, loaded.host, address, CallerMode::kClipboard);
      const auto& kyoto = t.city_group[7];
      const int kyoto_mode = o.levels.city >= kyoto[1] && o.levels.city <= kyoto[2] ? 1 : 0;
      prepare_slot_town_area(typed, kyoto_mode, t);
      decompose_detail_record(r->town_name + street, o.decomposition, t, {kyoto_mode, 0});
      const decompose::DecompositionSlot& detail = o.decomposition.slot[2];
      bool same =
          detail.koaza_text == typed.koaza_text && detail.kyoto_direction == typed.kyoto_direction;
      std::u16string place = text::Trim(t.city_name1[row]) + t.city_name2[row];
      for (int k = decompose::kTownArea; k <= decompose::kExtraNumber; ++k) {
        same = same && detail.addr_part[k] == typed.addr_part[k];
        place += u"," + typed.addr_part[k];
      }
      if (same) ++same_parts;
      if (!places.insert(place).second) {
        ++shared_place;
      } else if (o.code == std::u16string(r->code.begin(), r->code.end())) {
        ++own_code;
      }
    }
  }
  const long typed = records - decided_by_building;
  std::printf(
      "detail records %ld; the building table decides %ld; same parts %ld (%.3f%%);"
      " own code %ld of %ld at a place of their own (%.2f%%)\n",
      records, decided_by_building, same_parts, 100.0 * same_parts / typed, own_code,
      typed - shared_place, 100.0 * own_code / (typed - shared_place));
  ASSERT_GT(records, 0);
  EXPECT_EQ(same_parts, typed);
  EXPECT_GE(own_code, (typed - shared_place) * 95 / 100);
}

}  // namespace
}  // namespace kovari::resolve
