#include "builder.h"

#include "buildings.h"
#include "csv.h"
#include "details.h"
#include "jigyosyo.h"
#include "ken_all.h"
#include "old_codes.h"
#include "prefecture_cover.h"
#include "town_areas.h"
#include "ward_pairs.h"
#include "words.h"

namespace kovari::mkdata {

BuildOutput build_data_files(std::string_view ken_all, std::string_view jigyosyo, Report& report,
                             std::optional<postaldb::CalendarDate> data_date) {
  BuildOutput out;
  PostalData& data = out.data;
  data.data_date = data_date;
  const std::vector<TownRow> towns =
      read_ken_all(parse_sjis_csv(ken_all, "KEN_ALL.CSV", report), "KEN_ALL.CSV", report);
  report_prefectures_without_rows(towns, "KEN_ALL.CSV", report);
  build_cities(towns, "KEN_ALL.CSV", data, report);
  const std::vector<OfficeRow> offices =
      read_jigyosyo(parse_sjis_csv(jigyosyo, "JIGYOSYO.CSV", report), "JIGYOSYO.CSV", report);
  build_details(offices, "JIGYOSYO.CSV", data, report);
  data.buildings = place_buildings(find_buildings(data, report), report);
  data.words = office_words();
  data.char_pairs = char_pairs();
  data.ward_pairs = build_ward_pairs(data, report);
  data.old_codes = build_old_codes(data, report);

  out.files.push_back(lay_out_main_file(data, out.counts, report));
  out.files.push_back(lay_out_detail_file(data, out.counts, report));
  out.files.push_back(lay_out_third_file(data, out.counts, report));
  out.files.push_back(lay_out_fourth_file(data, out.counts, report));
  return out;
}

}  // namespace kovari::mkdata
