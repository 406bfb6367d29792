// The two records a postal-code index points at: town-area records of
// "kovaritbl.dat" and detail records (large-volume offices and post-office
// boxes) of "kovari2tbl.dat", and the address line their location stands for.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "postaldb/data_file.h"
#include "postaldb/tables.h"

namespace kovari::code_search {

struct TownRecord {
  std::u16string code;
  std::int32_t location = 0;    // prefecture + 64 × city
  std::u16string name;          // index initial followed by the town-area name
  std::int32_t attributes = 0;  // annotation positions and record kind
  std::int32_t size = 0;        // bytes: the next record of the city starts after them

  int kind() const { return (attributes / 16384) % 8; }
  // The town-area name: the stored name trimmed, without its index initial.
  std::u16string_view town_name() const;
};

// A record of kind 6 yields no address in the code searches.
inline constexpr int kSkippedKind = 6;

// What a detail record's address is made of, its texts as views.
struct DetailFields {
  std::int32_t location = 0;
  std::int32_t attributes = 0;  // bracket flag and bracket positions
  std::u16string_view office_name;
  std::u16string_view town_name;
  std::u16string_view street;  // block numbers; may carry the post-office box in brackets

  bool bracket_flag() const { return (attributes % 16) / 8 == 1; }
  int bracket_open() const { return (attributes / 16) % 50; }
  int bracket_close() const { return ((attributes / 16) % 2500) / 50; }
};

struct DetailRecord {
  std::u16string code;
  std::int32_t location = 0;
  std::int32_t attributes = 0;  // bracket flag and bracket positions
  std::u16string office_name;
  std::u16string town_name;
  std::u16string street;  // block numbers; may carry the post-office box in brackets
  std::int32_t size = 0;  // bytes: the next record of the city starts after them

  DetailFields fields() const { return {location, attributes, office_name, town_name, street}; }
};

// The record at a 0-based offset; nothing when it does not lie inside the file.
std::optional<TownRecord> read_town_record(const postaldb::DataFile& file, std::int64_t offset);
std::optional<DetailRecord> read_detail_record(const postaldb::DataFile& file, std::int64_t offset);
// The same into `record`, whose texts' room a search reuses; false when it
// does not lie inside the file.
bool read_town_record(const postaldb::DataFile& file, std::int64_t offset, TownRecord& record);
bool read_detail_record(const postaldb::DataFile& file, std::int64_t offset, DetailRecord& record);

// The names of a record's location: Trim(pref_name), and Trim(city_name1) &
// Trim(city_name2); a prefecture or city number outside the tables gives an
// empty name.
struct LocationNames {
  std::u16string pref;
  std::u16string city;
};
LocationNames location_names(const postaldb::PostalTables& tables, std::int32_t location);

// The prefecture and city names of a record's location, one after the other.
std::u16string base_address(const postaldb::PostalTables& tables, std::int32_t location);
// The same appended to `address`.
void append_base_address(const postaldb::PostalTables& tables, std::int32_t location,
                         std::u16string& address);

// The part of a detail record's address after its city (the trimmed
// town-area string and the street part before its bracket) and its
// post-office box (the text between the brackets).
struct DetailTown {
  std::u16string town;
  std::u16string pobox;
};
DetailTown detail_town(const DetailRecord& record);
// The same, the town part appended to `town` and the box into `pobox`.
void append_detail_town(const DetailFields& record, std::u16string& town, std::u16string& pobox);

// The address, post-office box and office name of a detail record.
struct DetailAddress {
  std::u16string address;
  std::u16string pobox;
  std::u16string office;
};
DetailAddress detail_address(const postaldb::PostalTables& tables, const DetailRecord& record);
// The same into the texts given, whose room a search reuses: the address
// after its base (the location's names, which the caller has put into
// `address`) appended, the box and the office name assigned.
void append_detail_address(const DetailFields& record, std::u16string& address,
                           std::u16string& pobox, std::u16string& office);

}  // namespace kovari::code_search
