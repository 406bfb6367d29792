// The approximate rules: ways people write an address that the data writes
// otherwise. resolve_address (resolve_address.h) tries them in the order of
// ApproxRule, and only where the resolution of the address as written finds
// nothing or only its municipality's catch-all code, so that an address the
// resolution settles is never answered otherwise. Each rule has its own file,
// approx_<rule>.cpp.
//
// The texts are normalised address texts (Decomposition::addr_text: full
// width, blanks removed).
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "resolve/kaiseki_phase1.h"
#include "resolve/resolve_state.h"

namespace kovari::resolve {

struct Attempt;

// The rules in the order they are tried; an outcome names the rules that
// wrote the text it resolved (Attempt::rules) as bits.
enum ApproxRule : unsigned {
  // The spelling, applied together: a bracketed remark before the address
  // ((前期)長野県大町市…), variant kanji (塚, 﨑, 巿), long-vowel marks typed
  // as hyphens between digits (１ー５ー２).
  kRuleRemark = 1u << 0,
  kRuleVariantKanji = 1u << 1,
  kRuleLongVowelHyphen = 1u << 2,
  // The levels: a prefecture typed without 都/府/県 (岩手花巻市), an address
  // that begins with a ward (左京区田中西大久保町), a city name that several
  // prefectures have typed without its prefecture (伊達市下川原).
  kRulePrefectureSuffix = 1u << 3,
  kRuleWardFirst = 1u << 4,
  kRuleSharedCity = 1u << 5,
  // The town area: its numeral written the other way (12番丁 for 十二番丁),
  // Sapporo's 条 left out (北１６西２), the 町 of a merged municipality's old
  // town left out (木之本西山), a name that begins records of one code (湯田).
  // 条 comes before 町: 新琴似１－１８－１ is 新琴似一条, not 新琴似町.
  kRuleTownNumerals = 1u << 6,
  kRuleJoLeftOut = 1u << 7,
  kRuleOldTownMachi = 1u << 8,
  kRuleOneCodePrefix = 1u << 9,
};
inline constexpr ApproxRule kApproxRules[] = {
    kRuleRemark,       kRuleVariantKanji,  kRuleLongVowelHyphen, kRulePrefectureSuffix,
    kRuleWardFirst,    kRuleSharedCity,    kRuleTownNumerals,    kRuleJoLeftOut,
    kRuleOldTownMachi, kRuleOneCodePrefix,
};

// A short name of the rule for reports ("variant kanji").
std::string_view approx_rule_name(ApproxRule rule);

// The spelling rules: the text rewritten, or nothing when the rule does not
// apply.
std::optional<std::u16string> drop_leading_remark(std::u16string_view text);
std::optional<std::u16string> fold_variant_kanji(std::u16string_view text,
                                                 const postaldb::PostalTables& tables);
std::optional<std::u16string> hyphens_for_long_vowels(std::u16string_view text);

// The prefecture's suffix added where a prefecture typed without it is
// followed by one of its cities (岩手花巻市 -> 岩手県花巻市); never where the
// text begins with a city's name (京都市…).
std::optional<std::u16string> add_prefecture_suffix(const Attempt& base,
                                                    const postaldb::PostalTables& tables);

// A level completed for an address that left it out, and whether several
// places fit: the attempt then ends in their choice (window) or a message.
struct LevelCompletion;

// An address that begins with a ward: the city of the ward when only one
// city has it; of a ward several cities have, the city whose ward holds the
// town area when exactly one does. When several hold it, the window is
// offered the ward of each with its city; the other callers get the message
// that the prefecture and city were left out. Nothing when the text does not
// begin with a ward, or none of the cities of a shared ward holds the town
// area.
std::optional<LevelCompletion> complete_city_of_ward(const Attempt& base,
                                                     const ResolveContext& ctx);

// A city name that several prefectures have (伊達市, 府中市), typed without its
// prefecture where the address as written finds only a catch-all or nothing:
// the prefecture whose city holds the town area, when exactly one does. When
// several hold it, the window is offered those prefectures; the other callers
// get the message that the prefecture could not be settled.
std::optional<LevelCompletion> complete_prefecture_of_city(const Attempt& base,
                                                           const ResolveContext& ctx);

// One place that may fill the level left out: the text with it written in,
// and its entry in the window's choice (name, name1, index as a candidate).
struct LevelCandidate {
  std::u16string text;
  std::u16string name, name1;
  int index = 0;
};
// What several fitting places end in: the message, or the window's list.
struct Unsettled {
  std::u16string_view message;
  int list_kind = kListNone;
};
// The one candidate whose text resolves to a record that names the typed town
// area; several: their choice or the message; none, or no town area typed:
// nothing.
std::optional<LevelCompletion> completion_holding_town_area(
    const Attempt& base, const std::vector<LevelCandidate>& candidates, const ResolveContext& ctx,
    const Unsettled& unsettled);

// The town-area rules read the records of the municipality the base attempt
// found, and the text typed from its town area on.
struct TownAreaView {
  std::u16string before_town;  // the normalised text up to the town area
  std::u16string typed_town;   // from the town area on, ヶ normalised
  std::vector<const TownRecord*> records;
};
std::optional<TownAreaView> town_area_view(const Attempt& base, const ResolveContext& ctx);

// The record name (of those that are no catch-all) that the typed town text
// begins with when written in `other_form` (nothing: the record has no such
// form), where `continues` accepts the typed text after it; of several, the
// name of the longest form. Nothing when no name fits, or two names fit with
// forms of the longest length, or the form is itself the name of a record.
// `typed_length` is the length of the form.
struct NameFit {
  std::u16string name;
  std::size_t typed_length = 0;
};
using OtherForm = std::optional<std::u16string> (*)(std::u16string_view name);
using Continues = bool (*)(std::u16string_view form, std::u16string_view rest);
std::optional<NameFit> fitting_name(const TownAreaView& view, OtherForm other_form,
                                    Continues continues);

// The text with the town area written as the fitting name (fitting_name), the
// rest of the typed text after it; nothing when no name fits.
std::optional<std::u16string> written_as_fitting_name(const TownAreaView& view,
                                                      OtherForm other_form, Continues continues);

// The text with the town area written as the record writes it, when a
// record's name fits the typed text in the rule's other way of writing
// (fitting_name).
std::optional<std::u16string> town_numerals_as_recorded(const TownAreaView& view);
std::optional<std::u16string> jo_restored(const TownAreaView& view);
std::optional<std::u16string> old_town_machi_restored(const TownAreaView& view);

// The code shared by every record whose name begins with the typed town area
// (湯田 of 湯田１９地割～湯田２１地割), when they share one.
std::optional<std::u16string> one_code_of_prefix(const Attempt& base, const TownAreaView& view);

}  // namespace kovari::resolve
