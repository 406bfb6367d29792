#include "postaldb/summary.h"

namespace kovari::postaldb {

std::vector<SummaryRow> load_summary(const PostalDb& db) {
  const Directory& d = db.dir;
  return {
      {"pref_count", d.pref_count},
      {"city_count", d.city_count},
      {"code_count", d.code_count},
      {"town_end1", d.town_end1},
      {"bill_count", d.bill_count},
      {"city_pos2_count", d.city_pos2_count},
      {"code2_count", d.code2_count},
      {"town_end2", d.town_end2},
      {"office_count", d.office_count},
      {"word_count", d.word_count},
      {"chr_file_count", d.chr_file_count},
      {"chr_count", db.tables.chr_count},
      {"old_code_count", d.old_code_count},
      {"ward_pair_count", d.ward_pair_count},
      {"tbl4_count", d.tbl4_count},
      {"data4_present", db.data4_present},
  };
}

}  // namespace kovari::postaldb
