// A municipality's town-area records, read from the main file once and kept:
// a later resolution in a municipality already read, in whatever order the
// addresses come, reads memory, and each record's comparison forms are
// derived once, when its municipality is read.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <memory_resource>
#include <mutex>
#include <string>
#include <string_view>
#include <vector>

#include "io/pages.h"
#include "postaldb/data_file.h"
#include "postaldb/tables.h"

namespace kovari::resolve {

// One town-area record with the forms the scan compares. Its texts are views
// into the text of the run that holds it (a run holds a municipality's
// records, read whole and kept), where the record's own begin: its code, its
// name, then the forms made from the name that are no part of it. Each form is
// kept as its position and length there.
struct TownRecord {
  enum Form : std::uint8_t {
    kCode,      // seven digits
    kName,      // the stored name (its first character is the index initial)
    kBase,      // trimmed base name, ヶ normalised, 条/線/区 numbers in kanji
    kWhole,     // trimmed base name, ヶ normalised, numbers as stored
    kBaseFold,  // base and whole in their comparison form (name_form.h)
    kWholeFold,
    kChiwariName,  // base name before the 条/線 step, when it holds 地割
    kParen,        // trimmed bracketed part
    kForms
  };
  std::u16string_view form(Form f) const { return {texts + at[f], length[f]}; }
  std::u16string_view code() const { return form(kCode); }
  std::u16string_view name() const { return form(kName); }
  std::u16string_view base() const { return form(kBase); }
  std::u16string_view whole() const { return form(kWhole); }
  std::u16string_view base_fold() const { return form(kBaseFold); }
  std::u16string_view whole_fold() const { return form(kWholeFold); }
  std::u16string_view chiwari_name() const { return form(kChiwariName); }
  std::u16string_view paren() const { return form(kParen); }

  const char16_t* texts = nullptr;  // the record's texts in the run's
  std::array<std::uint16_t, kForms> at{};
  std::array<std::uint16_t, kForms> length{};
  std::int32_t code_value = 0;
  std::int32_t word = 0;  // the bracket-position word
  bool bracketed = false;
  bool has_below = false;  // "以下に"
  bool has_next = false;   // "次に"
  bool has_chome = false;  // "丁目" in the base name
  bool listed = false;     // an unbracketed list of names "湯本２９地割、湯本３０地割"

  // Whether two forms are the same text (mostly they share it).
  bool same_form(Form a, Form b) const;
  // Whether the folded name `fold` is the record's: its base or whole name,
  // or one name of its list.
  bool names(std::u16string_view fold) const;
};

// One municipality's town-area records in file order, up to the end of its
// range or the first record that cannot be read. Never changes once read.
// Its lists are kept in `memory` (the cache's arena).
struct TownRun {
  explicit TownRun(std::pmr::memory_resource* memory)
      : text(memory), records(memory), name_slots(memory), bracketed(memory) {}

  std::pmr::u16string text;  // every record's texts back to back
  std::pmr::vector<TownRecord> records;

  // Where the scan for a town area may start: the first record that names
  // `area_fold`, or that has 丁目 in its base name `chome_key`, when it is no
  // bracketed record and no 地割 record nor a bracketed record whose base name
  // begins `area_fold` comes before it. The records before it can then
  // neither decide nor leave anything a decided scan reads. Otherwise 0.
  std::size_t scan_start(std::u16string_view area_fold, std::u16string_view chome_key) const;

  // Each name a record answers to (TownRecord::names) and the base names of
  // the records with 丁目, once, with the first record of each: a hash table
  // of the records with the hash of the name each was put there for, so that
  // a probe reads a record only when its hash is the one sought.
  enum class NameKind : std::uint8_t { kNamed, kChome };
  struct NameSlot {
    std::uint32_t hash = 0;
    std::uint32_t entry = 0;  // 0: empty; else the record plus one, doubled, plus the kind
  };
  std::pmr::vector<NameSlot> name_slots;  // a power of two, at most half full
  // `record` put in the table for `fold` of `kind`, unless a record before
  // it is there for that name.
  void add_name(std::u16string_view fold, NameKind kind, std::uint32_t record);
  // The bracketed records with their base names (folded).
  struct Bracketed {
    std::uint32_t record = 0;
    std::u16string_view base_fold;
  };
  std::pmr::vector<Bracketed> bracketed;
  std::size_t first_chiwari = SIZE_MAX;  // the first record with 地割 in its name

 private:
  // The slot that holds the first record of `fold` of `kind` (whose
  // name_hash is `hash`), or the empty slot where it belongs.
  std::size_t slot_of(std::u16string_view fold, NameKind kind, std::uint32_t hash) const;
  // The first record of `fold` of `kind`, or SIZE_MAX.
  std::size_t first_of(std::u16string_view fold, NameKind kind) const;
};

// Every municipality's records read so far. The main file does not change
// while it is loaded (the owner empties the cache when it loads the data), and
// conversions running side by side share one cache: a run is read under a
// lock and handed out read-only.
class TownCache {
 public:
  TownCache();
  ~TownCache();

  // The records from `first` until the position reaches `last`, read on the
  // first request for that range.
  const TownRun& run(const postaldb::DataFile& file, const postaldb::PostalTables& tables,
                     std::int64_t first, std::int64_t last) const;

  void clear();
  std::size_t size() const;

 private:
  // The runs read, by range, in a table of open addressing: a power of two
  // of slots, at most half full. A run never moves once read.
  struct Slot {
    std::int64_t first = 0, last = 0;
    std::unique_ptr<const TownRun> run;  // null: an empty slot
  };
  Slot& slot_of(std::int64_t first, std::int64_t last) const;
  // The run of the range, which the cache does not hold yet, read and kept;
  // under the lock.
  const TownRun& read_run(const postaldb::DataFile& file, const postaldb::PostalTables& tables,
                          std::int64_t first, std::int64_t last) const;

  class RunReader;
  mutable std::mutex mutex_;
  const std::unique_ptr<RunReader> reader_;  // used under the lock
  // The runs' lists, back to back in huge pages: they fault far fewer pages
  // than as many blocks of the heap.
  mutable io::PageArena arena_;
  mutable std::vector<Slot> slots_;
  mutable std::size_t count_ = 0;
};

}  // namespace kovari::resolve
