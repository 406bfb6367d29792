#include "resolve/town_records.h"

#include <algorithm>
#include <array>
#include <bit>

#include "decompose/normalize.h"
#include "resolve/name_form.h"
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

// Whether `name` holds a first character of the words derive_forms looks
// for. Most names hold none of them, and one pass over the name tells so; the
// forms made from the name (ヶ normalised, numbers in kanji, compared alike)
// add none.
bool holds_marker_start(std::u16string_view name) {
  return std::any_of(name.begin(), name.end(), [](char16_t c) {
    switch (c) {
      case u'以':  // 以下に
      case u'次':  // 次に
      case u'地':  // 地割
      case u'条':
      case u'線':
      case u'区':
      case u'丁':  // 丁目
      case u'、':  // a list of names
        return true;
      default:
        return false;
    }
  });
}

// A record as read: its texts before they move into the run. The buffers
// keep their room from one record to the next.
struct RecordTexts {
  std::u16string code, name, base, whole, base_fold, whole_fold, chiwari_name;
  std::u16string_view paren;  // a view of `name`
  std::u16string_view base_trimmed() const { return text::trim_view(base); }
};

// The value of a code of seven ASCII digits, as Val reads it.
std::int32_t code_value(std::u16string_view code) {
  std::int32_t value = 0;
  for (const char16_t c : code) {
    if (c < u'0' || c > u'9') return static_cast<std::int32_t>(text::Val(code));
    value = value * 10 + (c - u'0');
  }
  return value;
}

// The forms the scan compares: the base name without its bracketed
// condition, ヶ normalised and with a 条/線/区 number in kanji, as the names
// typed by users are normalised.
void derive_forms(const postaldb::PostalTables& tables, RecordTexts& t, TownRecord& r) {
  r.code_value = code_value(t.code);
  const bool marked = holds_marker_start(t.name);
  const auto holds = [marked](std::u16string_view s, std::u16string_view word) {
    return marked && contains(s, word);
  };
  r.has_below = holds(t.name, u"以下に");
  r.has_next = holds(t.name, u"次に");
  const std::u16string_view after_initial = text::mid_view(t.name, 2);
  const int open = r.word % 32;
  const int close = (r.word / 32) % 512;
  r.bracketed = open != 0;
  t.paren = {};
  if (r.bracketed) {
    t.paren = text::trim_view(text::right_view(after_initial, close - open + 1));
    t.base.assign(text::left_view(after_initial, open - 1));
  } else {
    t.base.assign(after_initial);
  }
  decompose::normalize_ke(t.base);
  t.chiwari_name.clear();
  if (holds(t.base, u"地割")) t.chiwari_name.assign(t.base);
  t.whole.assign(text::trim_view(t.base));
  if (holds(t.base, u"条") || holds(t.base, u"線") || (marked && numbered_ku(t.base))) {
    int added = 0;
    decompose::jo_sen_to_kanji(t.base, tables, added);
  }
  r.has_chome = holds(t.base, u"丁目");
  comparison_form(t.base_trimmed(), t.base_fold);
  // Base and whole differ only where a number went into kanji.
  if (t.base_trimmed() == t.whole) {
    t.whole_fold = t.base_fold;
  } else {
    comparison_form(t.whole, t.whole_fold);
  }
  r.listed = !r.bracketed && holds(t.whole_fold, u"、");
}

// Reads the record at `pos` into `t` and `r` (all but its texts' views);
// false on a read error.
bool read_record(const postaldb::DataFile& file, const postaldb::PostalTables& tables,
                 std::int64_t pos, RecordTexts& t, TownRecord& r) {
  postaldb::Cursor c = file.at(pos);
  const std::string_view code = c.read_view(7);
  c.read_long();
  c.read_variant_string(t.name);
  r.word = c.read_long();
  if (c.failed() || c.position() <= pos) return false;
  t.code.assign(code.begin(), code.end());
  r.len = static_cast<std::int32_t>(c.position() - pos);
  derive_forms(tables, t, r);
  return true;
}

}  // namespace

// Reads a run's records into texts and lists of its own, which keep their
// room from one run to the next, and copies them into the run once it is
// whole: a run holds exactly what it needs (in `memory`), and reading it
// allocates little more. A form equal to another of the same record (base
// and whole, and their folds, mostly are) shares its text.
class TownCache::RunReader {
 public:
  std::unique_ptr<const TownRun> read(const postaldb::DataFile& file,
                                      const postaldb::PostalTables& tables, std::int64_t first,
                                      std::int64_t last, std::pmr::memory_resource* memory) {
    text_.clear();
    records_.clear();
    for (std::int64_t pos = first; pos < last;) {
      TownRecord record;
      if (!read_record(file, tables, pos, texts_, record) || !add(record)) break;
      pos += record.len;
    }
    auto run = std::make_unique<TownRun>(memory);
    run->text = text_;
    run->records.assign(records_.begin(), records_.end());
    set_views(*run);
    index_names(*run);
    return run;
  }

 private:
  // False when a form is too long to be kept, or the run's text (never in
  // the national data).
  bool add(TownRecord& r) {
    const RecordTexts& t = texts_;
    const std::array<std::u16string_view, TownRecord::kForms> texts = {
        t.code,      t.name,       t.base_trimmed(), t.whole,
        t.base_fold, t.whole_fold, t.chiwari_name,   t.paren};
    for (std::size_t i = 0; i < texts.size(); ++i) {
      if (texts[i].size() > UINT16_MAX || text_.size() > UINT32_MAX - UINT16_MAX) return false;
      r.length[i] = static_cast<std::uint16_t>(texts[i].size());
      r.at[i] = place(texts[i], r, i);
    }
    records_.push_back(r);
    return true;
  }

  // Where the text `s` of the record's form `placed` goes: where an equal
  // form of the record already is, else at the end of the run's text. An
  // empty form takes no text.
  std::uint32_t place(std::u16string_view s, const TownRecord& r, std::size_t placed) {
    if (s.empty()) return 0;
    const std::u16string_view text = text_;
    for (std::size_t i = 0; i < placed; ++i) {
      if (text.substr(r.at[i], r.length[i]) == s) return r.at[i];
    }
    const std::size_t at = text_.size();
    text_ += s;
    return static_cast<std::uint32_t>(at);
  }

  static void set_views(TownRun& run) {
    for (TownRecord& r : run.records) r.texts = run.text.data();
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
      if (r.whole_fold() != r.base_fold()) add(r.whole_fold(), kNamed, i);
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

  RecordTexts texts_;
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
