#include "address_entry/town_search.h"

#include <algorithm>
#include <optional>

#include "postaldb/directory.h"
#include "text/like.h"
#include "text/sjis.h"
#include "text/strconv.h"
#include "text/vb.h"

namespace kovari::address_entry {

namespace {

using result_list::kMaxNameHits;
using result_list::NameHit;

constexpr int kKeyLength = 8;      // characters of an index key
constexpr int kRecordSize = 22;    // key (16 bytes), town-area offset, run ordinal
constexpr int kSearchSteps = 20;   // the binary search's halving steps at most
constexpr int kRecordsBefore = 5;  // the walk starts this far before the run

// The text as the search takes it: full-width, trimmed, "＊" written "*"
// for the wildcard match.
std::u16string search_pattern(std::u16string_view text) {
  return text::Replace(text::to_wide(text::trim_view(text)), u"＊", u"*");
}

// The part of the pattern before its first "*", at most one key long: where
// its hits lie in the index.
std::u16string leading_key(std::u16string_view pattern) {
  return std::u16string(pattern.substr(0, std::min<std::size_t>(pattern.find(u'*'), kKeyLength)));
}

struct IndexRecord {
  std::u16string key;        // cut at its padding and trimmed
  std::int32_t offset = 0;   // the town-area record's offset in "kovaritbl.dat"
  std::int16_t ordinal = 0;  // 1, 2, 3 ... within a run of equal keys
};

class TownNameIndex {
 public:
  explicit TownNameIndex(const postaldb::PostalDb& db)
      : file_(db.fourth_file),
        block_(db.dir.blk4[3]),
        count_(db.data4_present != 0 ? db.dir.tbl4_count : 0) {}

  std::int32_t count() const { return count_; }

  // Record r (1-based); a record that cannot be read has an empty key.
  IndexRecord record(std::int32_t r) const {
    postaldb::Cursor cursor =
        file_.at(postaldb::block_position(block_) + std::int64_t{kRecordSize} * (r - 1));
    const std::string bytes = cursor.read_bytes(2 * kKeyLength);
    IndexRecord record;
    record.offset = cursor.read_long();
    record.ordinal = cursor.read_integer();
    if (cursor.failed()) return {};
    if (const std::optional<std::u16string> key = text::decode_sjis(bytes)) {
      record.key = text::Trim(chenge_chr(*key));
    }
    return record;
  }
  std::u16string key(std::int32_t r) const { return record(r).key; }

 private:
  const postaldb::DataFile& file_;
  std::int32_t block_;
  std::int32_t count_;
};

// The bounded binary search: the record where it ends, or std::nullopt when
// the key sorts before the first key or after the last.
std::optional<std::int32_t> find_key(const TownNameIndex& index, std::u16string_view key) {
  std::int32_t lo = 1;
  std::int32_t hi = index.count();
  const std::u16string first = index.key(lo);
  // The first key may begin with the text: its hits start there.
  if (first.starts_with(key)) return lo;
  if (key < first || key > index.key(hi)) return std::nullopt;
  for (int step = 0; step < kSearchSteps && hi - lo > 1; ++step) {
    if (index.key(lo) == key) break;
    const std::int32_t mid = lo + (hi - lo + 1) / 2;
    if (index.key(mid) < key) {
      lo = mid;
    } else {
      hi = mid;
    }
  }
  return lo;
}

// A municipality's rows as one hit: all its town-area records.
NameHit municipality_hit(const postaldb::PostalDb& db, int row) {
  const auto& pos = db.tables.city_pos1;
  const bool last = row >= db.dir.city_count || row + 1 >= static_cast<int>(pos.size());
  return {std::int64_t{pos[row]} + 1, last ? db.dir.town_end1 : std::int64_t{pos[row + 1]}};
}

// The municipalities whose names match: false when the hits reached their limit.
bool add_municipalities(const postaldb::PostalDb& db, std::u16string_view pattern,
                        std::vector<NameHit>& hits) {
  const postaldb::PostalTables& t = db.tables;
  const int rows = std::min<int>(db.dir.city_count, static_cast<int>(t.city_name1.size()) - 1);
  const std::u16string around = u"*" + std::u16string(pattern) + u"*";
  const std::size_t before = hits.size();
  const auto walk = [&](auto&& name) {
    for (int r = 1; r <= rows; ++r) {
      if (!text::Like(name(r), around)) continue;
      if (static_cast<int>(hits.size()) == kMaxNameHits) return false;
      hits.push_back(municipality_hit(db, r));
    }
    return true;
  };
  const auto name1 = [&](int r) { return text::Trim(t.city_name1[r]); };
  const auto name2 = [&](int r) { return text::Trim(t.city_name2[r]); };
  if (!walk(name1) || !walk(name2)) return false;
  if (hits.size() == before) {
    return walk([&](int r) { return text::Trim(t.city_name1[r] + t.city_name2[r]); });
  }
  return true;
}

}  // namespace

std::u16string chenge_chr(std::u16string_view key) {
  return std::u16string(key.substr(0, key.find(u'＊')));
}

bool sertch_kovari3(const postaldb::PostalDb& db, std::u16string_view text,
                    std::vector<NameHit>& hits) {
  const TownNameIndex index(db);
  const std::u16string pattern = search_pattern(text);
  const std::u16string key = leading_key(pattern);
  if (index.count() < 1) return key.empty();
  std::int32_t start = 1;
  if (!key.empty()) {
    const std::optional<std::int32_t> found = find_key(index, key);
    if (!found) return false;
    start = std::max(1, *found - index.record(*found).ordinal - kRecordsBefore);
  }
  std::u16string high = key + text::String(kKeyLength, text::kHighestChar);
  high.resize(kKeyLength);
  // A text longer than a key is looked for by the key's length.
  const std::u16string match =
      (key.size() == kKeyLength && pattern.size() > kKeyLength && pattern[kKeyLength] != u'*'
           ? key
           : pattern) +
      u"*";
  for (std::int32_t r = start; r <= index.count(); ++r) {
    if (static_cast<int>(hits.size()) >= kMaxNameHits) break;
    const IndexRecord record = index.record(r);
    if (record.key > high) break;
    if (text::Like(record.key, match)) hits.push_back({std::int64_t{record.offset} + 1, 0});
  }
  return true;
}

TownSearch sel_index(const postaldb::PostalDb& db, const settings::Settings& settings,
                     std::u16string_view text) {
  TownSearch search;
  const std::u16string pattern = search_pattern(text);
  bool room = true;
  if (settings.flag(settings::Flag::kTownSearchNames) != 0) {
    room = add_municipalities(db, pattern, search.hits);
  }
  if (room && !sertch_kovari3(db, pattern, search.hits) && search.hits.empty()) {
    search.message = kMsgTownInputError;
    return search;
  }
  if (search.hits.empty()) search.message = kMsgNoTownHit;
  return search;
}

}  // namespace kovari::address_entry
