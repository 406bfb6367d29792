#include "resolve/detail_reader.h"

#include "text/strconv.h"
#include "text/vb.h"

namespace kovari::resolve {

bool read_detail_record(const postaldb::DataFile& file, std::int64_t position,
                        DetailRecord& record) {
  postaldb::Cursor c = file.at(position);
  record.code = c.read_code();
  record.location = c.read_long();
  record.attributes = c.read_long();
  record.office_name = c.read_variant_string();
  record.town_name = text::to_narrow(c.read_variant_string());
  record.street = text::to_narrow(c.read_variant_string());
  record.size = static_cast<std::int32_t>(c.position() - position);
  return !c.failed() && record.size > 0;
}

std::u16string_view street_address(const DetailRecord& record) {
  // Attributes: bit 3 the bracket flag; above the low four bits, the
  // 1-based position of the opening bracket modulo 50.
  const std::int32_t bracket_flag = (record.attributes % 16) / 8;
  const std::int32_t open = (record.attributes / 16) % 50;
  if (bracket_flag == 1 && open != 0) return text::left_view(record.street, open - 1);
  return record.street;
}

DetailRecordReader::DetailRecordReader(DetailCache& cache, const postaldb::DataFile& file,
                                       std::int64_t first, std::int64_t last, bool keep_cache)
    : cache_(cache), file_(file), pos_(first), last_(last) {
  if (keep_cache && first >= cache.detail_cache_first && first <= cache.detail_cache_last) {
    std::int64_t running = cache.detail_cache_first;
    for (std::size_t i = 0; i < cache.records.size(); ++i) {
      if (running == first) {
        index_ = i;
        from_cache_ = true;
        return;
      }
      running += cache.records[i].size;
    }
  }
  cache.reset(first);
}

const DetailRecord* DetailRecordReader::next() {
  if (pos_ >= last_) return nullptr;
  if (from_cache_ && index_ < cache_.records.size()) {
    const DetailRecord* record = &cache_.records[index_++];
    pos_ += record->size;
    return record;
  }
  // The cached records have run out: go on in the file.
  from_cache_ = false;
  if (!read_detail_record(file_, pos_, scratch_)) return nullptr;
  const std::int64_t at = pos_;
  pos_ += scratch_.size;
  // Only a record that continues the cached run is taken in.
  const std::int64_t run_end =
      cache_.records.empty() ? cache_.detail_cache_first : cache_.detail_cache_last + 1;
  if (static_cast<int>(cache_.records.size()) < kDetailCacheLimit && at == run_end) {
    cache_.records.push_back(scratch_);
    cache_.detail_cache_last = pos_ - 1;
  }
  return &scratch_;
}

void DetailRecordReader::trim_cache() {
  if (static_cast<int>(cache_.records.size()) > kDetailCacheKept) {
    cache_.records.resize(kDetailCacheKept);
    std::int64_t bytes = 0;
    for (const DetailRecord& r : cache_.records) bytes += r.size;
    cache_.detail_cache_last = cache_.detail_cache_first + bytes - 1;
  }
}

}  // namespace kovari::resolve
