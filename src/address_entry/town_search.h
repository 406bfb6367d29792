// The town-name search of AddressToCodeWindow (町域検索): a text, with the
// wildcards of the platform's match, looked up among the names of the
// municipalities (when the settings ask for it) and in the town-name index of
// "kovari4tbl.dat", whose keys are the first eight characters of each town
// area's name. Its hits are the rows of the search-result list's town-name
// mode (result_list::set_list5).
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "postaldb/postal_db.h"
#include "result_list/list_builders.h"
#include "settings/settings.h"

namespace kovari::address_entry {

inline constexpr std::u16string_view kMsgSearchingTowns = u"新郵便番号を検索中です。";
inline constexpr std::u16string_view kMsgTownInputError = u"町域名（文字列）の入力エラーです。";
inline constexpr std::u16string_view kMsgNoTownHit =
    u"入力された町域名（文字列）に一致するデータがありません";

// An index key as stored ends in "＊" padding: the key is what comes before
// the first "＊".
std::u16string chenge_chr(std::u16string_view key);

struct TownSearch {
  // At most result_list::kMaxNameHits: a municipality's hit spans its
  // records, an index hit is one town area.
  std::vector<result_list::NameHit> hits;
  // Why there are no hits (the input error of a text outside the index, or
  // nothing found); empty when there are.
  std::u16string message;
};

// sel_index: the municipalities whose name matches "*" + text + "*" (with
// Flag::kTownSearchNames: first by city_name1, then by city_name2, and by
// the two together only when neither matched), then the index hits of
// sertch_kovari3. The text is taken in full-width form, "＊" and "*" both
// standing for any run of characters.
TownSearch sel_index(const postaldb::PostalDb& db, const settings::Settings& settings,
                     std::u16string_view text);

// sertch_kovari3: the index records from a little before the text's place in
// the index (found by the bounded binary search) up to the last key that can
// begin with it, each whose key matches text + "*" adding one hit, until
// `hits` holds kMaxNameHits. The text before its first wildcard places the
// search; one that sorts before the first key or after the last is an input
// error (false).
bool sertch_kovari3(const postaldb::PostalDb& db, std::u16string_view text,
                    std::vector<result_list::NameHit>& hits);

}  // namespace kovari::address_entry
