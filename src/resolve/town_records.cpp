#include "resolve/town_records.h"

namespace kovari::resolve {

TownRecordReader::TownRecordReader(TownCache& cache, const postaldb::DataFile& file,
                                   std::int64_t first, std::int64_t last, bool keep_cache)
    : cache_(cache), file_(file), pos_(first), last_(last) {
  bool found = false;
  if (keep_cache && first >= cache.town_cache_first && first <= cache.town_cache_last) {
    std::int64_t p = cache.town_cache_first;
    for (std::size_t i = 0; i < cache.records.size(); ++i) {
      if (p == first) {
        index_ = i;
        found = true;
        break;
      }
      p += cache.records[i].len;
    }
  }
  if (!found) {
    cache.reset(first);
    index_ = 0;
  }
}

TownRecordReader::~TownRecordReader() {
  if (cache_.records.size() > static_cast<std::size_t>(kTownCacheKept)) {
    cache_.records.resize(kTownCacheKept);
    std::int64_t end = cache_.town_cache_first;
    for (const TownRecord& r : cache_.records) end += r.len;
    cache_.town_cache_last = end - 1;
  }
}

const TownRecord* TownRecordReader::next() {
  if (pos_ >= last_) return nullptr;
  if (index_ < cache_.records.size()) {
    const TownRecord& r = cache_.records[index_++];
    pos_ += r.len;
    return &r;
  }
  postaldb::Cursor c = file_.at(pos_);
  scratch_.code = c.read_code();
  c.read_long();
  scratch_.name = c.read_variant_string();
  scratch_.word = c.read_long();
  if (c.failed() || c.position() <= pos_) return nullptr;
  scratch_.len = static_cast<std::int32_t>(c.position() - pos_);
  // Only a record that continues the cached run may join it.
  const bool continues = cache_.town_cache_last == 0
                             ? pos_ == cache_.town_cache_first
                             : pos_ == cache_.town_cache_last + 1;
  pos_ += scratch_.len;
  if (continues && cache_.records.size() < static_cast<std::size_t>(kTownCacheLimit)) {
    cache_.records.push_back(scratch_);
    cache_.town_cache_last = pos_ - 1;
    index_ = cache_.records.size();
    return &cache_.records.back();
  }
  return &scratch_;
}

}  // namespace kovari::resolve
