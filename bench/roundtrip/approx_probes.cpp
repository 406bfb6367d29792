#include "approx_probes.h"

#include <algorithm>
#include <map>
#include <set>
#include <unordered_map>

#include "postaldb/fixed_tables.h"
#include "resolve/approx_numerals.h"
#include "text/kanji_fold.h"
#include "text/vb.h"

namespace kovari::roundtrip {
namespace {

using resolve::ApproxRule;
using text::Trim;

constexpr std::u16string_view kBelow = u"以下に掲載がない場合";
constexpr std::u16string_view kNext = u"の次に";
constexpr std::size_t kLongestPlaceName = 10;
constexpr std::u16string_view kTownAmbiguous =
    u"都道府県名、区市郡島名が省略されたため区町村名を特定できません。";

std::u16string code16(const std::string& code) { return {code.begin(), code.end()}; }

std::u16string base_name(const TownArea& a) {
  const std::size_t open = a.name.find(u'（');
  return open == std::u16string::npos ? a.name : a.name.substr(0, open);
}

// The variant a folded kanji stands for (高 -> 髙, 塚 -> U+FA10).
std::unordered_map<char16_t, char16_t> variant_of_each_kanji() {
  std::unordered_map<char16_t, char16_t> variants;
  for (char32_t c = 0x4E00; c <= 0xFAFF; ++c) {
    const auto v = static_cast<char16_t>(c);
    const char16_t folded = text::fold_kanji_variant(v);
    if (folded != v) variants.emplace(folded, v);
  }
  return variants;
}

// What a municipality (a city row) holds: its names and their codes.
struct Municipality {
  std::map<std::u16string, std::set<std::u16string>> codes_of_name;  // base names
  std::set<std::u16string> plain_names;  // names of records without conditions
};

class ProbeMaker {
 public:
  ProbeMaker(const postaldb::PostalDb& db, const std::vector<TownArea>& areas, std::size_t per_kind)
      : t_(db.tables), areas_(areas), per_kind_(per_kind), variants_(variant_of_each_kanji()) {
    for (const TownArea& a : areas) {
      places_[a.row].codes_of_name[base_name(a)].insert(code16(a.code));
      if (!a.bracketed) places_[a.row].plain_names.insert(a.name);
    }
    for (int r = 1; r < static_cast<int>(t_.city_name2.size()); ++r) {
      const std::u16string ward = Trim(t_.city_name2[r]);
      if (designated(r)) wards_[ward].push_back(r);
      for (const std::u16string* name : {&t_.city_name1[r], &t_.city_name2[r]}) {
        if (!Trim(*name).empty()) place_names_.insert(Trim(*name));
      }
      if (ward.empty()) cities_[Trim(t_.city_name1[r])].push_back(r);
    }
  }

  std::vector<KindProbe> make() {
    std::set<std::pair<int, std::u16string>> stems_seen;
    for (const TownArea& a : areas_) {
      if (a.bracketed || text::InStr(a.name, kBelow) != 0 || text::InStr(a.name, kNext) != 0) {
        continue;
      }
      const std::u16string code = code16(a.code);
      if (places_[a.row].codes_of_name[a.name].size() > 1) continue;  // no one answer
      const std::u16string levels = t_.city_name1[a.row] + t_.city_name2[a.row];
      const std::u16string pref = Trim(t_.pref_name[a.pref]);
      const std::u16string address = pref + levels + a.name;
      add(resolve::kRuleRemark, u"（前期）" + address, code);
      add_variant(address, code);
      add_shortened_prefecture(pref, levels + a.name, code);
      add_ward_first(a, code);
      add_shared_city(a, code);
      const std::u16string municipality = pref + levels;
      if (auto form = resolve::numbers_written_otherwise(a.name)) {
        add_unless_named(a, resolve::kRuleTownNumerals, municipality, *form);
      }
      add_old_town(a, municipality);
      add_jo(a, municipality);
      add_stem(a, municipality, stems_seen);
    }
    return spread();
  }

 private:
  bool designated(int row) const {
    const std::u16string_view city = text::trim_view(t_.city_name1[row]);
    return !text::trim_view(t_.city_name2[row]).empty() &&
           std::any_of(postaldb::kDesignatedCities.begin(), postaldb::kDesignatedCities.end(),
                       [city](const postaldb::DesignatedCity& d) { return d.city == city; });
  }

  void add(ApproxRule rule, std::u16string address, std::u16string code,
           std::u16string message = {}, std::u16string reference = {}) {
    kinds_[rule].push_back(
        {rule, std::move(address), std::move(code), std::move(message), std::move(reference)});
  }

  void add_variant(const std::u16string& address, const std::u16string& code) {
    std::u16string written = address;
    for (char16_t& c : written) {
      if (const auto it = variants_.find(c); it != variants_.end()) c = it->second;
    }
    if (written != address) add(resolve::kRuleVariantKanji, written, code);
  }

  // The prefecture without 都, 府 or 県, unless the text then begins with the
  // name of a place (千葉市川市…: 千葉市), which the rule leaves as it is.
  void add_shortened_prefecture(const std::u16string& pref, const std::u16string& rest,
                                const std::u16string& code) {
    if (!pref.ends_with(u"都") && !pref.ends_with(u"府") && !pref.ends_with(u"県")) return;
    const std::u16string text = pref.substr(0, pref.size() - 1) + rest;
    for (std::size_t n = 2; n <= text.size() && n <= kLongestPlaceName; ++n) {
      if (place_names_.count(text.substr(0, n)) != 0) return;
    }
    add(resolve::kRulePrefectureSuffix, text, code);
  }

  // A designated city's ward and town area without the prefecture and city;
  // where other cities' wards of that name hold the town area too, the
  // message that says the city was left out.
  void add_ward_first(const TownArea& a, const std::u16string& code) {
    if (!designated(a.row)) return;
    const std::u16string ward = Trim(t_.city_name2[a.row]);
    int holding = 0;
    for (const int r : wards_[ward]) holding += places_[r].plain_names.count(a.name) != 0;
    if (holding > 1) {
      add(resolve::kRuleWardFirst, ward + a.name, {}, std::u16string(kTownAmbiguous));
    } else {
      add(resolve::kRuleWardFirst, ward + a.name, code);
    }
  }

  // A city that several prefectures have, without its prefecture; a town area
  // that more than one of them holds is no probe.
  void add_shared_city(const TownArea& a, const std::u16string& code) {
    const std::u16string city = Trim(t_.city_name1[a.row]);
    const auto it = cities_.find(city);
    if (!Trim(t_.city_name2[a.row]).empty() || it == cities_.end() || it->second.size() < 2) return;
    int holding = 0;
    for (const int r : it->second) holding += places_[r].plain_names.count(a.name) != 0;
    if (holding == 1) add(resolve::kRuleSharedCity, city + a.name, code);
  }

  // The town area written in `form`, expected to answer as the name written
  // as the data writes it does; a form that names another town area of the
  // municipality is no probe.
  void add_unless_named(const TownArea& a, ApproxRule rule, const std::u16string& municipality,
                        const std::u16string& form, const std::u16string& numbers = {}) {
    if (places_[a.row].codes_of_name.count(form) != 0) return;
    add(rule, municipality + form + numbers, {}, {}, municipality + a.name + numbers);
  }

  void add_old_town(const TownArea& a, const std::u16string& municipality) {
    const std::size_t at = a.name.find(u'町');
    if (at == std::u16string::npos || at == 0 || a.name.size() < 3) return;
    const std::u16string form = a.name.substr(0, at) + a.name.substr(at + 1);
    add_unless_named(a, resolve::kRuleOldTownMachi, municipality, form, u"１２３－４");
  }

  // 北十六条西 typed 北１６西２－１, 月寒東三条 typed 月寒東３－１８－１.
  void add_jo(const TownArea& a, const std::u16string& municipality) {
    const std::size_t jo = a.name.find(u'条');
    if (jo == std::u16string::npos) return;
    std::size_t start = jo;
    while (start > 0 && resolve::is_kanji_numeral(a.name[start - 1])) --start;
    const std::optional<int> n = resolve::kanji_numeral_value(a.name.substr(start, jo - start));
    // A name that is its number alone (深川市一条) leaves only block numbers.
    if (!n || (start == 0 && jo + 1 == a.name.size())) return;
    const std::u16string form =
        a.name.substr(0, start) + resolve::wide_digits(*n) + a.name.substr(jo + 1);
    const bool ends_in_number = jo + 1 == a.name.size();
    const std::u16string_view numbers = ends_in_number ? u"－１８－１" : u"２－１";
    if (places_[a.row].codes_of_name.count(form) != 0) return;
    // As the data writes it: 北十六条西２－１, 月寒東三条１８－１.
    add(resolve::kRuleJoLeftOut, municipality + form + std::u16string(numbers), {}, {},
        municipality + a.name + std::u16string(ends_in_number ? numbers.substr(1) : numbers));
  }

  // The name before the number that follows it (湯田 of 湯田１９地割～湯田２１地割),
  // where every name of the municipality that begins with it carries one code.
  void add_stem(const TownArea& a, const std::u16string& municipality,
                std::set<std::pair<int, std::u16string>>& seen) {
    std::size_t end = 0;
    while (end < a.name.size() && !resolve::is_any_digit(a.name[end]) && a.name[end] != u'第') {
      ++end;
    }
    if (end < 2 || end == a.name.size() || !seen.insert({a.row, a.name.substr(0, end)}).second) {
      return;
    }
    const std::u16string stem = a.name.substr(0, end);
    std::set<std::u16string> codes;
    for (const auto& [name, name_codes] : places_[a.row].codes_of_name) {
      if (name == stem) return;  // the stem is a name itself
      if (name.starts_with(stem)) codes.insert(name_codes.begin(), name_codes.end());
    }
    if (codes.size() == 1) add(resolve::kRuleOneCodePrefix, municipality + stem, *codes.begin());
  }

  // At most per_kind of each kind, taken at even steps through the country.
  std::vector<KindProbe> spread() const {
    std::vector<KindProbe> out;
    for (const auto& [rule, probes] : kinds_) {
      const std::size_t step = std::max<std::size_t>(1, probes.size() / per_kind_);
      for (std::size_t i = 0; i < probes.size() && i / step < per_kind_; i += step) {
        out.push_back(probes[i]);
      }
    }
    return out;
  }

  const postaldb::PostalTables& t_;
  const std::vector<TownArea>& areas_;
  const std::size_t per_kind_;
  const std::unordered_map<char16_t, char16_t> variants_;
  std::unordered_map<int, Municipality> places_;
  std::map<std::u16string, std::vector<int>> wards_;
  std::set<std::u16string> place_names_;  // the names of cities, wards, towns and villages
  std::map<std::u16string, std::vector<int>> cities_;  // the rows of each city without wards
  std::map<ApproxRule, std::vector<KindProbe>> kinds_;
};

}  // namespace

std::vector<KindProbe> approximate_probes(const postaldb::PostalDb& db,
                                          const std::vector<TownArea>& areas,
                                          std::size_t per_kind) {
  return ProbeMaker(db, areas, per_kind).make();
}

}  // namespace kovari::roundtrip
