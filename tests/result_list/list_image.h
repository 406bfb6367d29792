// A small postal database for the result-list tests: the records of 千代田区
// (its offices and town areas) followed by one record of another city, so
// that the municipality's record ranges end where a next city begins.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "code_search/postal_image.h"
#include "result_list/list_builders.h"

namespace kovari::result_list::testing {

using code_search::testing::PostalImage;

class ListImage {
 public:
  ListImage() {
    const int tokyo = image.add_pref(u"東京都");
    chiyoda = PostalImage::location(tokyo, image.add_city(u"千代田区"));
    chuo = PostalImage::location(tokyo, image.add_city(u"中央区"));
  }

  // A town-area record of 千代田区; returns its offset.
  std::int32_t town(const std::string& code, std::u16string name, int kind = 0) {
    const std::int32_t offset = image.add_town(code, chiyoda, std::move(name), kind);
    towns.push_back(offset);
    return offset;
  }
  // A detail record of 千代田区; returns its offset.
  std::int32_t office(const std::string& code, std::u16string office, std::u16string street,
                      int open = 0, int close = 0) {
    const std::int32_t offset = image.add_detail(code, chiyoda, std::move(office), u"大手町",
                                                 std::move(street), open, close);
    offices.push_back(offset);
    return offset;
  }

  // Ends 千代田区 with the records of the next city and opens the files.
  void open(postaldb::PostalDb& db, const std::string& name) {
    town_end = image.add_town("1040061", chuo, u"ギ銀座");
    detail_end = image.add_detail("1048001", chuo, u"丙社", u"銀座", u"１－１");
    image.open(db, "result_list_" + name);
  }

  MunicipalityRange chiyoda_range() const {
    MunicipalityRange range;
    range.town_first = (towns.empty() ? town_end : towns.front()) + 1;
    range.town_last = town_end;
    range.detail_first = (offices.empty() ? detail_end : offices.front()) + 1;
    range.detail_last = detail_end;
    return range;
  }

  PostalImage image;
  std::int32_t chiyoda = 0, chuo = 0;
  std::vector<std::int32_t> towns, offices;
  std::int32_t town_end = 0, detail_end = 0;
};

}  // namespace kovari::result_list::testing
