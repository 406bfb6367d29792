#include "resolve/town_records.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>
#include <optional>

#include "decompose/normalize.h"
#include "resolve/name_form.h"
#include "text/sjis.h"
#include "text/vb.h"

namespace kovari::resolve {
namespace {

using text::InStr;

// A numbered 区 of a town area ("旭１区"), which a typed address carries with
// a kanji numeral as 条 and 線 names do.
bool numbered_ku(std::u16string_view base) {
  const int ku = InStr(base, u"区");
  if (ku < 2) return false;
  const char16_t before = base[ku - 2];
  return (before >= u'0' && before <= u'9') || (before >= u'０' && before <= u'９');
}

// Whether `f` holds for a name of the list "湯本２９地割、湯本３０地割".
template <typename F>
bool any_listed_name(std::u16string_view list, F f) {
  for (std::size_t cut; (cut = list.find(u'、')) != std::u16string_view::npos;) {
    if (f(list.substr(0, cut))) return true;
    list.remove_prefix(cut + 1);
  }
  return f(list);
}

bool contains(std::u16string_view s, std::u16string_view part) {
  return s.find(part) != std::u16string_view::npos;
}

// The characters one pass over a name looks for: the first characters of
// the words derive_forms looks for (most names hold none, and the forms made
// from the name add none), then ヶ and ガ, which are normalised.
constexpr std::u16string_view kLooked = u"以次地条線区丁、ヶガ";
constexpr unsigned kKe = 0x300;  // ヶ and ガ

// A word derive_forms looks for, with the bit of its first character.
struct Word {
  std::u16string_view text;
  unsigned first;
};
constexpr Word word(std::u16string_view text) { return {text, 1u << kLooked.find(text.front())}; }
namespace words {
constexpr Word kBelow = word(u"以下に");
constexpr Word kNext = word(u"次に");
constexpr Word kChiwari = word(u"地割");
constexpr Word kJo = word(u"条");
constexpr Word kSen = word(u"線");
constexpr Word kKu = word(u"区");
constexpr Word kChome = word(u"丁目");
constexpr Word kListed = word(u"、");
}  // namespace words

// A bit for each character one pass over a name must look at: one of kLooked
// or one that its comparison form changes. Most characters are none.
class MarkedChars {
 public:
  MarkedChars() {
    for (unsigned c = 0; c <= 0xFFFF; ++c) {
      if (comparison_char(static_cast<char16_t>(c)) != c) mark(c);
    }
    for (const char16_t c : kLooked) mark(c);
  }
  bool operator()(char16_t c) const { return (bits_[c / 64] >> (c % 64) & 1) != 0; }

 private:
  void mark(unsigned c) { bits_[c / 64] |= std::uint64_t{1} << (c % 64); }
  std::array<std::uint64_t, 0x10000 / 64> bits_{};
};

// What one pass over a name tells.
struct NameMarks {
  unsigned looked = 0;  // a bit for each character of kLooked the name holds
  bool folds = false;   // whether the name differs from its comparison form
  bool ke() const { return (looked & kKe) != 0; }
  // Whether `s` (the name or a form made from it) holds `w`.
  bool holds(std::u16string_view s, const Word& w) const {
    return (looked & w.first) != 0 && contains(s, w.text);
  }
};

// What `c`, a marked character, tells.
void mark(NameMarks& marks, char16_t c) {
  marks.folds |= comparison_char(c) != c;
  const std::size_t at = kLooked.find(c);
  if (at != std::u16string_view::npos) marks.looked |= 1u << at;
}

NameMarks name_marks(std::u16string_view name, const MarkedChars& marked) {
  NameMarks marks;
  for (const char16_t c : name) {
    if (marked(c)) [[unlikely]]
      mark(marks, c);
  }
  return marks;
}

constexpr std::size_t kCodeLength = 7;
// What a record holds around its name: the code and a long, the bracket word.
constexpr std::size_t kBeforeName = kCodeLength + 4;
constexpr std::size_t kAfterName = 4;

// A word of the code's seven bytes, each `b`, and a zero byte for the one
// after them.
constexpr std::uint64_t code_bytes(unsigned char b) {
  return std::bit_cast<std::uint64_t>(std::array<unsigned char, 8>{b, b, b, b, b, b, b, 0});
}

// Whether the seven bytes at `code`, which has one more to read, are digits,
// told of them at once: less the digit zero, a digit leaves a byte
// below 10, which has no high half nor gets one when 6 is added; any other
// byte has one or gets one (or borrows, where the byte that lent has one).
bool all_digits(const char* code) {
  std::uint64_t bytes = 0;
  std::memcpy(&bytes, code, sizeof bytes);
  const std::uint64_t digits = (bytes & code_bytes(0xFF)) - code_bytes('0');
  return ((digits | (digits + code_bytes(6))) & code_bytes(0xF0)) == 0;
}

// The code's bytes written at `out` as text, and the value of the code as
// Val reads it (seven ASCII digits, always in the national data).
std::int32_t put_code(const char* code, char16_t* out) {
  std::int32_t value = 0;
  for (std::size_t i = 0; i < kCodeLength; ++i) {
    out[i] = static_cast<char16_t>(code[i]);
    value = value * 10 + (static_cast<unsigned char>(code[i]) - '0');
  }
  return all_digits(code) ? value
                          : static_cast<std::int32_t>(text::Val(std::u16string(out, kCodeLength)));
}

// Where `s` lies in `text`: 0 when it is empty, beyond the text's end when
// it lies elsewhere. Addresses as numbers: `s` may view another object.
std::size_t place_in(std::u16string_view s, std::u16string_view text) {
  if (s.empty()) return 0;
  // Before the text, the difference wraps to far beyond it.
  const std::size_t at =
      (reinterpret_cast<std::uintptr_t>(s.data()) - reinterpret_cast<std::uintptr_t>(text.data())) /
      sizeof(char16_t);
  return at + s.size() <= text.size() ? at : SIZE_MAX;
}

// Each name `r` answers to (TownRecord::names) with its kind, and its base
// name once more when it has 丁目.
template <typename F>
void each_name(const TownRecord& r, F f) {
  using enum TownRun::NameKind;
  f(r.base_fold(), kNamed);
  // Mostly the same name: once is enough.
  if (!r.same_form(TownRecord::kWholeFold, TownRecord::kBaseFold)) f(r.whole_fold(), kNamed);
  if (r.has_chome) f(r.base_fold(), kChome);
  if (r.listed) {
    any_listed_name(r.whole_fold(), [&](std::u16string_view name) {
      f(name, kNamed);
      return false;
    });
  }
}

// Whether `r` is the record of `fold` of `kind`.
bool holds_name(const TownRecord& r, std::u16string_view fold, TownRun::NameKind kind) {
  return kind == TownRun::NameKind::kChome ? r.base_fold() == fold : r.names(fold);
}

}  // namespace

// Reads a run's records into a text and a list of its own, which keep their
// room from one run to the next, and copies them into the run once it is
// whole: a run holds exactly what it needs (in `memory`), and reading it
// allocates little more. A record's code and name are written straight into
// the text, and a form that is a part of the name (most are) is kept as its
// place there; a form equal to another of the record shares its text.
class TownCache::RunReader {
 public:
  std::unique_ptr<const TownRun> read(const postaldb::DataFile& file,
                                      const postaldb::PostalTables& tables, std::int64_t first,
                                      std::int64_t last, std::pmr::memory_resource* memory) {
    used_ = 0;
    records_.clear();
    starts_.clear();
    for (postaldb::Cursor c = file.at(first); c.position() < last;) {
      const postaldb::FramedText bytes = c.read_framed_text(kBeforeName, kAfterName);
      if (c.failed() || !add_record(tables, bytes)) break;
    }
    auto run = std::make_unique<TownRun>(memory);
    run->text.assign(text_.data(), used_);
    for (std::size_t i = 0; i < records_.size(); ++i) {
      records_[i].texts = run->text.data() + starts_[i];
    }
    // The run's memory is new: each record is written there once, whole.
    run->records.assign(records_.begin(), records_.end());
    index_names(*run);
    return run;
  }

 private:
  // Adds the record of `bytes`, its code and name at the end of the text;
  // false, the text as it was, when its name is not valid Shift-JIS or its
  // texts are too long to be kept (never in the national data).
  bool add_record(const postaldb::PostalTables& tables, const postaldb::FramedText& bytes) {
    const std::size_t start = used_;
    TownRecord r;
    r.word = postaldb::little_long(reinterpret_cast<const unsigned char*>(bytes.after.data()));
    char16_t* const code = room(kCodeLength + bytes.text.size());
    r.code_value = put_code(bytes.before.data(), code);
    const char16_t* const name_end = text::put_decoded_sjis(bytes.text, code + kCodeLength);
    if (name_end == nullptr) return false;
    const std::u16string_view record(code, name_end);
    if (record.size() > UINT16_MAX) return false;
    used_ += record.size();
    r.at[TownRecord::kCode] = 0;
    r.length[TownRecord::kCode] = kCodeLength;
    r.at[TownRecord::kName] = kCodeLength;
    r.length[TownRecord::kName] = static_cast<std::uint16_t>(record.size() - kCodeLength);
    made_ = 0;
    derive_forms(tables, record, r);
    if (!place_made(start, r)) {
      used_ = start;
      return false;
    }
    records_.push_back(r);
    starts_.push_back(start);
    return true;
  }

  // The forms the scan compares, kept in `r` (keep): the base name without
  // its bracketed condition, ヶ normalised and with a 条/線/区 number in
  // kanji, as the names typed by users are normalised. `record` is the
  // record's code and name.
  void derive_forms(const postaldb::PostalTables& tables, std::u16string_view record,
                    TownRecord& r) {
    const std::u16string_view name = record.substr(kCodeLength);
    const NameMarks marks = name_marks(name, marked_);
    r.has_below = marks.holds(name, words::kBelow);
    r.has_next = marks.holds(name, words::kNext);
    const std::u16string_view after_initial = text::mid_view(name, 2);
    const int open = r.word % 32;
    r.bracketed = open != 0;
    std::u16string_view base = after_initial, paren;
    if (r.bracketed) {
      const int close = (r.word / 32) % 512;
      paren = text::trim_view(text::right_view(after_initial, close - open + 1));
      base = text::left_view(after_initial, open - 1);
    }
    keep(r, TownRecord::kParen, paren, record);
    if (marks.ke()) {
      ke_room_.assign(base);
      decompose::normalize_ke(ke_room_);
      base = ke_room_;
    }
    keep(r, TownRecord::kChiwariName,
         marks.holds(base, words::kChiwari) ? base : std::u16string_view(), record);
    const std::u16string_view whole = text::trim_view(base);
    keep(r, TownRecord::kWhole, whole, record);
    const bool renumbered = marks.holds(base, words::kJo) || marks.holds(base, words::kSen) ||
                            (marks.holds(base, words::kKu) && numbered_ku(base));
    if (renumbered) {
      jo_room_.assign(base);
      int added = 0;
      decompose::jo_sen_to_kanji(jo_room_, tables, added);
      base = jo_room_;
    }
    r.has_chome = marks.holds(base, words::kChome);
    const std::u16string_view trimmed = renumbered ? text::trim_view(base) : whole;
    // Most names fold to themselves, and so do the forms cut from them.
    std::u16string_view whole_fold = whole;
    if (!renumbered && !marks.folds) {
      keep_as(r, TownRecord::kBase, TownRecord::kWhole);
      keep_as(r, TownRecord::kBaseFold, TownRecord::kWhole);
      keep_as(r, TownRecord::kWholeFold, TownRecord::kWhole);
    } else {
      keep(r, TownRecord::kBase, trimmed, record);
      const std::u16string_view base_fold = comparison_view(trimmed, base_fold_room_);
      keep(r, TownRecord::kBaseFold, base_fold, record);
      // Base and whole differ only where a number went into kanji.
      whole_fold =
          !renumbered || trimmed == whole ? base_fold : comparison_view(whole, whole_fold_room_);
      keep(r, TownRecord::kWholeFold, whole_fold, record);
    }
    r.listed = !r.bracketed && marks.holds(whole_fold, words::kListed);
  }

  // Keeps `s` as form `f` of `r`, whose code and name are `record`: where it
  // lies in them, or, made in a room, noted for place_made. An empty form
  // takes no text.
  void keep(TownRecord& r, TownRecord::Form f, std::u16string_view s, std::u16string_view record) {
    const std::size_t at = place_in(s, record);
    r.at[f] = static_cast<std::uint16_t>(at);
    r.length[f] = static_cast<std::uint16_t>(s.size());
    if (at > record.size()) {
      made_ |= 1u << f;
      made_texts_[f] = s;
    }
  }

  // Keeps form `f` of `r` as the same text as form `g`, kept already.
  void keep_as(TownRecord& r, TownRecord::Form f, TownRecord::Form g) {
    r.at[f] = r.at[g];
    r.length[f] = r.length[g];
    if ((made_ >> g & 1) != 0) {
      made_ |= 1u << f;
      made_texts_[f] = made_texts_[g];
    }
  }

  // Places the forms keep noted, once every part of the record is placed
  // (appending may move the text): where an equal form of the record already
  // placed is, else at the end of the text, from the record's start there.
  // False when the record's texts grow too long to be kept.
  bool place_made(std::size_t start, TownRecord& r) {
    for (unsigned unplaced = made_; unplaced != 0; unplaced &= unplaced - 1) {
      const int f = std::countr_zero(unplaced);
      const std::u16string_view s = made_texts_[f];
      if (const std::optional<std::uint16_t> at = placed_equal(s, start, r, unplaced)) {
        r.at[f] = *at;
        continue;
      }
      if (used_ - start + s.size() > UINT16_MAX) return false;
      r.at[f] = static_cast<std::uint16_t>(used_ - start);
      std::copy(s.begin(), s.end(), room(s.size()));
      used_ += s.size();
    }
    return true;
  }

  // Where a form of `r` equal to `s` and none of `unplaced` is.
  std::optional<std::uint16_t> placed_equal(std::u16string_view s, std::size_t start,
                                            const TownRecord& r, unsigned unplaced) const {
    const char16_t* const record = text_.data() + start;
    for (std::size_t i = 0; i < TownRecord::kForms; ++i) {
      if ((unplaced >> i & 1) == 0 && r.length[i] == s.size() &&
          std::u16string_view(record + r.at[i], r.length[i]) == s) {
        return r.at[i];
      }
    }
    return std::nullopt;
  }

  // Room for `n` units at the end of the text.
  char16_t* room(std::size_t n) {
    if (text_.size() - used_ < n) text_.resize(std::max(2 * text_.size(), used_ + n));
    return text_.data() + used_;
  }

  void index_names(TownRun& run) {
    std::size_t names = 0, bracketed = 0;
    for (const TownRecord& r : run.records) {
      each_name(r, [&names](std::u16string_view, TownRun::NameKind) { ++names; });
      bracketed += r.bracketed;
    }
    run.name_slots.resize(std::bit_ceil(2 * names + 1));
    run.bracketed.reserve(bracketed);
    // In record order, so that the first record of a name is the one kept.
    for (std::uint32_t i = 0; i < run.records.size(); ++i) {
      const TownRecord& r = run.records[i];
      if (!r.chiwari_name().empty())
        run.first_chiwari = std::min<std::size_t>(run.first_chiwari, i);
      if (r.bracketed) run.bracketed.push_back({i, r.base_fold()});
      each_name(r, [&](std::u16string_view fold, TownRun::NameKind kind) {
        run.add_name(fold, kind, i);
      });
    }
  }

  const MarkedChars marked_;
  // The forms of the record being read that are made in rooms: a bit for
  // each, and their texts.
  unsigned made_ = 0;
  std::array<std::u16string_view, TownRecord::kForms> made_texts_;
  // Forms that change the name are made in these rooms.
  std::u16string ke_room_, jo_room_, base_fold_room_, whole_fold_room_;
  // The run's text is the first used_ units of text_, whose room is kept.
  std::u16string text_;
  std::size_t used_ = 0;
  std::vector<TownRecord> records_;
  std::vector<std::size_t> starts_;  // where each record's texts begin
};

std::size_t TownRun::slot_of(std::u16string_view fold, NameKind kind, std::uint32_t hash) const {
  const std::size_t mask = name_slots.size() - 1;
  const auto k = static_cast<std::uint32_t>(kind);
  for (std::size_t slot = (hash + k) & mask;; slot = (slot + 1) & mask) {
    const NameSlot& at = name_slots[slot];
    if (at.entry == 0) return slot;
    if (at.hash == hash && (at.entry & 1) == k &&
        holds_name(records[at.entry / 2 - 1], fold, kind)) {
      return slot;
    }
  }
}

void TownRun::add_name(std::u16string_view fold, NameKind kind, std::uint32_t record) {
  const std::uint32_t hash = name_hash(fold);
  NameSlot& slot = name_slots[slot_of(fold, kind, hash)];
  if (slot.entry == 0) slot = {hash, (record + 1) * 2 + static_cast<std::uint32_t>(kind)};
}

std::size_t TownRun::first_of(std::u16string_view fold, NameKind kind) const {
  const NameSlot& slot = name_slots[slot_of(fold, kind, name_hash(fold))];
  return slot.entry == 0 ? SIZE_MAX : slot.entry / 2 - 1;
}

std::size_t TownRun::scan_start(std::u16string_view area_fold,
                                std::u16string_view chome_key) const {
  const std::size_t first =
      std::min(first_of(area_fold, NameKind::kNamed), first_of(chome_key, NameKind::kChome));
  if (first == SIZE_MAX || first >= first_chiwari || records[first].bracketed) return 0;
  // A bracketed record whose base name begins the town area is a partial match.
  for (const Bracketed& b : bracketed) {
    if (b.record >= first) break;
    if (area_fold.starts_with(b.base_fold)) return 0;
  }
  return first;
}

bool TownRecord::same_form(Form a, Form b) const {
  return (at[a] == at[b] && length[a] == length[b]) || form(a) == form(b);
}

bool TownRecord::names(std::u16string_view fold) const {
  if (base_fold() == fold || whole_fold() == fold) return true;
  return listed &&
         any_listed_name(whole_fold(), [&](std::u16string_view name) { return name == fold; });
}

TownCache::TownCache() : reader_(std::make_unique<RunReader>()) {}
TownCache::~TownCache() = default;

TownCache::Slot& TownCache::slot_of(std::int64_t first, std::int64_t last) const {
  const std::size_t mask = slots_.size() - 1;
  const auto mixed =
      static_cast<std::uint64_t>(first) * 0x9E3779B97F4A7C15ULL ^ static_cast<std::uint64_t>(last);
  for (std::size_t i = static_cast<std::size_t>(mixed >> 32) & mask;; i = (i + 1) & mask) {
    Slot& slot = slots_[i];
    if (!slot.run || (slot.first == first && slot.last == last)) return slot;
  }
}

const TownRun& TownCache::run(const postaldb::DataFile& file, const postaldb::PostalTables& tables,
                              std::int64_t first, std::int64_t last) const {
  const std::lock_guard lock(mutex_);
  // Mostly a run read before.
  if (!slots_.empty()) {
    if (const Slot& slot = slot_of(first, last); slot.run) return *slot.run;
  }
  return read_run(file, tables, first, last);
}

const TownRun& TownCache::read_run(const postaldb::DataFile& file,
                                   const postaldb::PostalTables& tables, std::int64_t first,
                                   std::int64_t last) const {
  if (2 * (count_ + 1) > slots_.size()) {
    std::vector<Slot> old(std::max<std::size_t>(64, 2 * slots_.size()));
    old.swap(slots_);
    for (Slot& s : old) {
      if (s.run) slot_of(s.first, s.last) = std::move(s);
    }
  }
  Slot& slot = slot_of(first, last);
  slot = {first, last, reader_->read(file, tables, first, last, &arena_)};
  ++count_;
  return *slot.run;
}

void TownCache::clear() {
  const std::lock_guard lock(mutex_);
  slots_.clear();
  arena_.release();
  count_ = 0;
}

std::size_t TownCache::size() const {
  const std::lock_guard lock(mutex_);
  return count_;
}

}  // namespace kovari::resolve
