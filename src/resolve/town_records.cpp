#include "resolve/town_records.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>

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
// A bit for each of them at its value modulo 64: most characters are told
// apart from all of them by one test.
constexpr std::uint64_t kLookedModulo = [] {
  std::uint64_t bits = 0;
  for (const char16_t c : kLooked) bits |= std::uint64_t{1} << (c % 64);
  return bits;
}();

// What one pass over a name tells.
struct NameMarks {
  unsigned looked = 0;  // a bit for each character of kLooked the name holds
  bool folds = false;   // whether the name differs from its comparison form
  bool ke() const { return (looked & kKe) != 0; }
  // Whether `s` (the name or a form made from it) holds `word`.
  bool holds(std::u16string_view s, std::u16string_view word) const {
    constexpr unsigned kWordFirsts = 0xFF;  // the first eight of kLooked
    return (looked & kWordFirsts) != 0 && (looked >> kLooked.find(word.front()) & 1) != 0 &&
           contains(s, word);
  }
};

NameMarks name_marks(std::u16string_view name) {
  NameMarks marks;
  for (const char16_t c : name) {
    marks.folds |= comparison_char(c) != c;
    if ((kLookedModulo >> (c % 64) & 1) == 0) continue;
    const std::size_t at = kLooked.find(c);
    if (at != std::u16string_view::npos) marks.looked |= 1u << at;
  }
  return marks;
}

constexpr std::size_t kCodeLength = 7;

// The code's bytes written at `out` as text, and the value of the code as
// Val reads it (seven ASCII digits, always in the national data).
std::int32_t put_code(const char* code, char16_t* out) {
  std::int32_t value = 0;
  bool digits = true;
  for (std::size_t i = 0; i < kCodeLength; ++i) {
    out[i] = static_cast<char16_t>(code[i]);
    const unsigned digit = static_cast<unsigned char>(code[i]) - unsigned{'0'};
    digits &= digit <= 9;
    value = value * 10 + static_cast<std::int32_t>(digit);
  }
  return digits ? value : static_cast<std::int32_t>(text::Val(std::u16string(out, kCodeLength)));
}

// Where `s` lies in `text`: 0 when it is empty, beyond the text's end when
// it lies elsewhere. Addresses as numbers: `s` may view another object.
std::size_t place_in(std::u16string_view s, std::u16string_view text) {
  if (s.empty()) return 0;
  const std::size_t at =
      (reinterpret_cast<std::uintptr_t>(s.data()) - reinterpret_cast<std::uintptr_t>(text.data())) /
      sizeof(char16_t);
  return s.size() <= text.size() && at <= text.size() - s.size() ? at : SIZE_MAX;
}

}  // namespace

// Reads a run's records into a text and a list of its own, which keep their
// room from one run to the next, and copies them into the run once it is
// whole: a run holds exactly what it needs (in `memory`), and reading it
// allocates little more. A record's name is decoded straight into the text,
// and a form that is a part of the name (most are) is kept as its place
// there; a form equal to another of the record shares its text.
class TownCache::RunReader {
 public:
  std::unique_ptr<const TownRun> read(const postaldb::DataFile& file,
                                      const postaldb::PostalTables& tables, std::int64_t first,
                                      std::int64_t last, std::pmr::memory_resource* memory) {
    text_.clear();
    records_.clear();
    for (std::int64_t pos = first; pos < last;) {
      TownRecord record;
      if (!read_record(file, tables, pos, record)) break;
      records_.push_back(record);
      pos += record.len;
    }
    auto run = std::make_unique<TownRun>(memory);
    run->text = text_;
    // The run's memory is new: each record is written there once, whole.
    for (TownRecord& r : records_) r.texts = run->text.data();
    run->records.assign(records_.begin(), records_.end());
    index_names(*run);
    return run;
  }

 private:
  using Forms = std::array<std::u16string_view, TownRecord::kForms>;

  // Reads the record at `pos` into `r`, its code and name at the end of the
  // text; false, the text as it was, on a read error or when a form is too
  // long to be kept, or the run's text (never in the national data).
  bool read_record(const postaldb::DataFile& file, const postaldb::PostalTables& tables,
                   std::int64_t pos, TownRecord& r) {
    postaldb::Cursor c = file.at(pos);
    const std::string_view code = c.read_view(kCodeLength);
    c.read_long();
    const std::string_view name_bytes = c.read_variant_bytes();
    r.word = c.read_long();
    if (c.failed()) return false;
    r.len = static_cast<std::int32_t>(c.position() - pos);
    const std::size_t code_at = text_.size();
    text_.resize(code_at + kCodeLength);
    r.code_value = put_code(code.data(), text_.data() + code_at);
    std::size_t bad = 0;
    if (!text::append_decoded_sjis(name_bytes, text_, bad)) {
      text_.resize(code_at);
      return false;
    }
    const std::u16string_view name = std::u16string_view(text_).substr(code_at + kCodeLength);
    Forms forms = derive_forms(tables, name, r);
    forms[TownRecord::kCode] = std::u16string_view(text_).substr(code_at, kCodeLength);
    if (!place(forms, r)) {
      text_.resize(code_at);
      return false;
    }
    return true;
  }

  // The forms the scan compares: the base name without its bracketed
  // condition, ヶ normalised and with a 条/線/区 number in kanji, as the
  // names typed by users are normalised. Each is a view of `name` or of a
  // room of the reader's; the code is left to the caller.
  Forms derive_forms(const postaldb::PostalTables& tables, std::u16string_view name,
                     TownRecord& r) {
    const NameMarks marks = name_marks(name);
    const auto holds = [&marks](std::u16string_view s, std::u16string_view word) {
      return marks.holds(s, word);
    };
    Forms f;
    f[TownRecord::kName] = name;
    r.has_below = holds(name, u"以下に");
    r.has_next = holds(name, u"次に");
    const std::u16string_view after_initial = text::mid_view(name, 2);
    const int open = r.word % 32;
    const int close = (r.word / 32) % 512;
    r.bracketed = open != 0;
    std::u16string_view base = after_initial;
    if (r.bracketed) {
      f[TownRecord::kParen] = text::trim_view(text::right_view(after_initial, close - open + 1));
      base = text::left_view(after_initial, open - 1);
    }
    if (marks.ke()) {
      ke_room_.assign(base);
      decompose::normalize_ke(ke_room_);
      base = ke_room_;
    }
    if (holds(base, u"地割")) f[TownRecord::kChiwariName] = base;
    f[TownRecord::kWhole] = text::trim_view(base);
    const bool renumbered =
        holds(base, u"条") || holds(base, u"線") || (holds(base, u"区") && numbered_ku(base));
    if (renumbered) {
      jo_room_.assign(base);
      int added = 0;
      decompose::jo_sen_to_kanji(jo_room_, tables, added);
      base = jo_room_;
    }
    r.has_chome = holds(base, u"丁目");
    f[TownRecord::kBase] = text::trim_view(base);
    // Most names fold to themselves, and so do the forms cut from them.
    if (!renumbered && !marks.folds) {
      f[TownRecord::kBaseFold] = f[TownRecord::kBase];
      f[TownRecord::kWholeFold] = f[TownRecord::kWhole];
    } else {
      f[TownRecord::kBaseFold] = folded(f[TownRecord::kBase], base_fold_room_);
      // Base and whole differ only where a number went into kanji.
      f[TownRecord::kWholeFold] = !renumbered || f[TownRecord::kBase] == f[TownRecord::kWhole]
                                      ? f[TownRecord::kBaseFold]
                                      : folded(f[TownRecord::kWhole], whole_fold_room_);
    }
    r.listed = !r.bracketed && holds(f[TownRecord::kWholeFold], u"、");
    return f;
  }

  // The comparison form of `s`: `s` itself when folding changes nothing,
  // else made in `room`.
  static std::u16string_view folded(std::u16string_view s, std::u16string& room) {
    comparison_form(s, room);
    // memcmp: the library's compare goes character by character.
    const bool same = std::memcmp(room.data(), s.data(), s.size() * sizeof(char16_t)) == 0;
    return same ? s : std::u16string_view(room);
  }

  // Where each form goes: a part of the text (the record's code and name)
  // where it lies, one made in a room where an equal form already is or else
  // at the end of the text. An empty form takes no text.
  bool place(const Forms& forms, TownRecord& r) {
    const std::u16string_view text = text_;
    if (text.size() > UINT32_MAX - forms.size() * UINT16_MAX) return false;
    unsigned made = 0;  // a bit for each form made in a room
    for (std::size_t i = 0; i < forms.size(); ++i) {
      const std::u16string_view s = forms[i];
      if (s.size() > UINT16_MAX) return false;
      r.length[i] = static_cast<std::uint16_t>(s.size());
      const std::size_t at = place_in(s, text);
      r.at[i] = static_cast<std::uint32_t>(at);
      if (at > text.size()) made |= 1u << i;
    }
    // Appending may move the text: the parts of it are placed first.
    while (made != 0) {
      const int i = std::countr_zero(made);
      made &= made - 1;
      r.at[i] = place_made(forms[i], r, made | (1u << i));
    }
    return true;
  }

  // Where an equal form already placed (none of `made`) is, else the end of
  // the text, where `s` is appended.
  std::uint32_t place_made(std::u16string_view s, const TownRecord& r, unsigned made) {
    const std::u16string_view text = text_;
    for (std::size_t i = 0; i < TownRecord::kForms; ++i) {
      if ((made >> i & 1) == 0 && r.length[i] == s.size() &&
          text.substr(r.at[i], r.length[i]) == s) {
        return r.at[i];
      }
    }
    text_ += s;
    return static_cast<std::uint32_t>(text.size());
  }

  void index_names(TownRun& run) {
    using enum TownRun::NameKind;
    names_.clear();
    bracketed_.clear();
    const auto add = [&](std::u16string_view fold, TownRun::NameKind kind, std::uint32_t i) {
      names_.push_back({fold, i, kind, run.records[i].bracketed});
    };
    for (std::uint32_t i = 0; i < run.records.size(); ++i) {
      const TownRecord& r = run.records[i];
      if (!r.chiwari_name().empty())
        run.first_chiwari = std::min<std::size_t>(run.first_chiwari, i);
      if (r.bracketed) bracketed_.push_back({i, r.base_fold()});
      add(r.base_fold(), kNamed, i);
      // Mostly the same name: once is enough, and leaves no room unused.
      if (!r.same_form(TownRecord::kWholeFold, TownRecord::kBaseFold))
        add(r.whole_fold(), kNamed, i);
      if (r.has_chome) add(r.base_fold(), kChome, i);
      if (r.listed) {
        any_listed_name(r.whole_fold(), [&](std::u16string_view name) {
          add(name, kNamed, i);
          return false;
        });
      }
    }
    // In record order, so that the first record of a name is the one kept.
    // Room for every name, so that the list never moves in the arena; what a
    // name said again leaves unused is never written.
    run.name_slots.assign(std::bit_ceil(2 * names_.size() + 1), {});
    run.first_records.reserve(names_.size());
    for (const TownRun::FirstRecord& name : names_) {
      const std::uint32_t hash = name_hash(name.fold);
      TownRun::NameSlot& slot = run.name_slots[run.slot_of(name.fold, name.kind, hash)];
      if (slot.name != 0) continue;
      run.first_records.push_back(name);
      slot = {static_cast<std::uint32_t>(run.first_records.size()), hash};
    }
    run.bracketed.assign(bracketed_.begin(), bracketed_.end());
  }

  // Forms that change the name are made in these rooms.
  std::u16string ke_room_, jo_room_, base_fold_room_, whole_fold_room_;
  std::u16string text_;
  std::vector<TownRecord> records_;
  std::vector<TownRun::FirstRecord> names_;
  std::vector<TownRun::Bracketed> bracketed_;
};

std::size_t TownRun::slot_of(std::u16string_view fold, NameKind kind, std::uint32_t hash) const {
  const std::size_t mask = name_slots.size() - 1;
  for (std::size_t slot = (hash + static_cast<std::size_t>(kind)) & mask;;
       slot = (slot + 1) & mask) {
    const NameSlot& at = name_slots[slot];
    if (at.name == 0) return slot;
    if (at.hash != hash) continue;
    const FirstRecord& name = first_records[at.name - 1];
    if (name.kind == kind && name.fold == fold) return slot;
  }
}

const TownRun::FirstRecord* TownRun::first_of(std::u16string_view fold, NameKind kind) const {
  if (name_slots.empty()) return nullptr;
  const NameSlot& slot = name_slots[slot_of(fold, kind, name_hash(fold))];
  return slot.name == 0 ? nullptr : &first_records[slot.name - 1];
}

std::size_t TownRun::scan_start(std::u16string_view area_fold,
                                std::u16string_view chome_key) const {
  const FirstRecord* named = first_of(area_fold, NameKind::kNamed);
  const FirstRecord* chome = first_of(chome_key, NameKind::kChome);
  const FirstRecord* first = !chome || (named && named->record < chome->record) ? named : chome;
  if (!first || first->record >= first_chiwari || first->bracketed) return 0;
  // A bracketed record whose base name begins the town area is a partial match.
  for (const Bracketed& b : bracketed) {
    if (b.record >= first->record) break;
    if (area_fold.starts_with(b.base_fold)) return 0;
  }
  return first->record;
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
  if (2 * (count_ + 1) > slots_.size()) {
    std::vector<Slot> old(std::max<std::size_t>(64, 2 * slots_.size()));
    old.swap(slots_);
    for (Slot& s : old) {
      if (s.run) slot_of(s.first, s.last) = std::move(s);
    }
  }
  Slot& slot = slot_of(first, last);
  if (!slot.run) {
    slot = {first, last, reader_->read(file, tables, first, last, &arena_)};
    ++count_;
  }
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
