#include "resolve/town_records.h"

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

// The forms the scan compares: the base name without its bracketed
// condition, ヶ normalised and with a 条/線/区 number in kanji, as the names
// typed by users are normalised.
void derive_forms(const postaldb::PostalTables& tables, TownRecord& r) {
  r.code16.assign(r.code.begin(), r.code.end());
  r.code_value = static_cast<std::int32_t>(text::Val(r.code16));
  r.has_below = InStr(r.name, u"以下に") != 0;
  r.has_next = InStr(r.name, u"次に") != 0;
  std::u16string base = text::Mid(r.name, 2);
  const int open = r.word % 32;
  const int close = (r.word / 32) % 512;
  r.bracketed = open != 0;
  r.paren.clear();
  if (r.bracketed) {
    r.paren = text::Trim(text::Right(base, close - open + 1));
    base = text::Left(base, open - 1);
  }
  decompose::normalize_ke(base);
  r.chiwari_name = InStr(base, u"地割") != 0 ? base : std::u16string();
  r.whole = text::Trim(base);
  if (InStr(base, u"条") != 0 || InStr(base, u"線") != 0 || numbered_ku(base)) {
    int added = 0;
    decompose::jo_sen_to_kanji(base, tables, added);
  }
  r.has_chome = InStr(base, u"丁目") != 0;
  r.base = text::Trim(base);
  r.base_fold = comparison_form(r.base);
  r.whole_fold = comparison_form(r.whole);
  r.listed.clear();
  if (!r.bracketed && InStr(r.whole_fold, u"、") != 0) {
    std::u16string_view rest = r.whole_fold;
    for (std::size_t cut; (cut = rest.find(u'、')) != std::u16string_view::npos;) {
      r.listed.emplace_back(rest.substr(0, cut));
      rest.remove_prefix(cut + 1);
    }
    r.listed.emplace_back(rest);
  }
}

// The cached run that begins at `first`, created empty when the range is new.
TownRun& run_at(TownCache& cache, std::int64_t first) {
  TownRun& run = cache.runs[first];
  if (run.records.empty()) {
    run.town_cache_first = first;
    run.town_cache_last = first - 1;
  }
  return run;
}

}  // namespace

bool read_town_record(const postaldb::DataFile& file, const postaldb::PostalTables& tables,
                      std::int64_t pos, TownRecord& out) {
  postaldb::Cursor c = file.at(pos);
  out.code = c.read_code();
  c.read_long();
  out.name = c.read_variant_string();
  out.word = c.read_long();
  if (c.failed() || c.position() <= pos) return false;
  out.len = static_cast<std::int32_t>(c.position() - pos);
  derive_forms(tables, out);
  return true;
}

TownRecordReader::TownRecordReader(TownCache& cache, const postaldb::DataFile& file,
                                   const postaldb::PostalTables& tables, std::int64_t first,
                                   std::int64_t last)
    : run_(run_at(cache, first)), file_(file), tables_(tables), pos_(first), last_(last) {}

const TownRecord* TownRecordReader::next() {
  if (pos_ >= last_) return nullptr;
  if (index_ < run_.records.size()) {
    const TownRecord& r = *run_.records[index_++];
    pos_ += r.len;
    return &r;
  }
  // Past the cached records the scan reads on from the end of the run.
  auto r = std::make_unique<TownRecord>();
  if (!read_town_record(file_, tables_, pos_, *r)) return nullptr;
  pos_ += r->len;
  run_.town_cache_last = pos_ - 1;
  ++index_;
  return run_.records.emplace_back(std::move(r)).get();
}

}  // namespace kovari::resolve
