#include "resolve/old_code.h"

#include <algorithm>
#include <cmath>

#include "resolve/name_form.h"
#include "text/strconv.h"
#include "text/vb.h"

namespace kovari::resolve {

using decompose::kPref, decompose::kCity, decompose::kWardTown;
namespace {

using text::InStr;
using text::Trim;

constexpr int kOldCodeRecordSize = 11;
constexpr int kSearchSteps = 20;

struct OldCodeTable {
  const postaldb::PostalDb& db;
  std::int64_t base;
  int count;

  postaldb::Cursor at(int record) const {
    return db.third_file.at(base + static_cast<std::int64_t>(kOldCodeRecordSize) * (record - 1));
  }
  std::string key(int record) const { return at(record).read_bytes(5); }
};

// The table's key of a code: five digits from 1000 on, else three digits and "00".
std::string old_code_key(std::u16string_view code) {
  const double v = std::floor(text::Val(code));
  if (v < 0 || v > 1e9) return {};
  const long n = static_cast<long>(v);
  std::string digits = std::to_string(n);
  const std::size_t width = n >= 1000 ? 5 : 3;
  if (digits.size() < width) digits.insert(0, width - digits.size(), '0');
  return n >= 1000 ? digits : digits + "00";
}

// The bounded binary search of the code indexes; 0 when not found.
int find_record(const OldCodeTable& t, const std::string& key) {
  int lo = 1, hi = t.count;
  for (int steps = 0; steps < kSearchSteps; ++steps) {
    const std::string key_lo = t.key(lo);
    if (key < key_lo || key > t.key(hi)) return 0;
    if (key_lo == key) return lo;
    const int mid = lo + (hi - lo + 1) / 2;
    const std::string key_mid = t.key(mid);
    if (key == key_mid) return mid;
    if (lo == hi) return 0;
    (key < key_mid ? hi : lo) = mid;
  }
  return 0;
}

std::pair<std::u16string, std::u16string> split_at_slash(std::u16string_view s) {
  const int p = InStr(s, u"／");
  if (p == 0) return {std::u16string(s), {}};
  return {text::Left(s, p - 1), text::Mid(s, p + 1)};
}

bool has_text(const std::u16string& s) { return !Trim(s).empty(); }

}  // namespace

std::optional<OldCodePlace> look_up_old_code(const postaldb::PostalDb& db,
                                             std::u16string_view old_code) {
  const int count = db.dir.old_code_count;
  const std::int64_t block = db.dir.blk3[1];
  const std::string key = old_code_key(old_code);
  if (count < 1 || block == 0 || key.size() != 5) return std::nullopt;
  const OldCodeTable table{db, block * 1024 + 1, count};
  const int found = find_record(table, key);
  if (found == 0) return std::nullopt;

  postaldb::Cursor c = table.at(found);
  c.read_bytes(5);
  c.read_long();
  const int ordinal = c.read_integer();
  const int start = std::max(1, found - ordinal + 1);

  std::u16string place;
  bool seen = false;
  for (int r = start; r <= count && r <= found + 4; ++r) {
    postaldb::Cursor rec = table.at(r);
    const std::string k = rec.read_bytes(5);
    const std::int32_t text_pos = rec.read_long();
    if (rec.failed()) break;
    if (k != key) {
      if (seen) break;
      continue;
    }
    postaldb::Cursor text_cursor = db.third_file.at(static_cast<std::int64_t>(text_pos) + 1);
    std::u16string s = text_cursor.read_variant_string();
    if (!text_cursor.failed()) place = std::move(s);
    seen = true;
  }
  if (!seen || place.empty()) return std::nullopt;
  OldCodePlace out;
  auto [pref, rest] = split_at_slash(place);
  auto [city, ward] = split_at_slash(rest);
  out.pref = std::move(pref);
  out.city = std::move(city);
  out.ward = std::move(ward);
  return out;
}

bool complete_from_old_code(decompose::DecompositionSlot& slot, const postaldb::PostalDb& db,
                            std::u16string_view old_code, bool use_old_code) {
  auto& part = slot.addr_part;
  const int given = has_text(part[kPref]) + has_text(part[kCity]) + has_text(part[kWardTown]);
  if (given >= 2) return true;
  const postaldb::PostalTables& t = db.tables;

  // The typed names compare with the tables' in one form (保土ｹ谷区, 保土ヶ谷区
  // and 保土ケ谷区 alike).
  const std::u16string city = comparison_form(text::to_wide(part[kCity]));
  if (!city.empty() && InStr(city, u"区") != 0) {
    for (std::size_t i = 1; i < t.ward_pair2.size() && i < t.ward_pair1.size(); ++i) {
      if (!has_comparison_form(t.ward_pair2[i], city)) continue;
      if (t.ward_pair1[i] != u"東京都") {
        part[kWardTown] = part[kCity];
        part[kCity] = t.ward_pair1[i];
      }
      return true;
    }
    for (int w : {21, 22, 23}) {  // 港区, 中央区, 北区: names that designated cities share too
      if (city == t.tokyo_ward[w]) return true;
    }
  }
  if (old_code.empty() || !use_old_code) return true;

  const std::optional<OldCodePlace> place = look_up_old_code(db, old_code);
  if (!place) {
    const int dup_count = t.dup_ward.empty() ? 0 : static_cast<int>(text::Val(t.dup_ward[0]));
    const std::u16string ward = comparison_form(text::to_wide(part[kWardTown]));
    for (int i = 1; i <= dup_count && i < static_cast<int>(t.dup_ward.size()); ++i) {
      if (ward == comparison_form(t.dup_ward[i])) return false;
    }
    return true;
  }
  if (!part[kCity].empty() && InStr(part[kCity], u"区") != 0 && part[kPref].empty()) {
    part[kPref] = place->pref;
    part[kCity] = place->city;
    part[kWardTown] = place->ward;
    return true;
  }
  if (part[kCity].empty()) part[kCity] = place->city;
  if (part[kPref].empty()) part[kPref] = place->pref;
  if (part[kWardTown].empty()) part[kWardTown] = place->ward;
  return true;
}

}  // namespace kovari::resolve
