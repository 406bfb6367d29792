#include "batch/record_chunk.h"

#include <algorithm>
#include <string_view>
#include <thread>
#include <utility>

namespace kovari::batch {

namespace {

// Records per job and chunk: enough to keep the threads' start-up cost small,
// few enough to keep the chunk's memory small.
constexpr std::size_t kRecordsPerJob = 2048;

}  // namespace

RecordChunk::RecordChunk(std::span<RecordConverter* const> converters, int out_count)
    : converters_(converters),
      out_count_(out_count),
      capacity_(kRecordsPerJob * converters.size()),
      items_(capacity_ * static_cast<std::size_t>(out_count)),
      converted_(static_cast<std::size_t>(out_count)),
      records_(capacity_),
      shares_(converters.size()) {}

void RecordChunk::add(const RecordBuffer& rec_item) {
  std::copy_n(rec_item.begin() + 1, out_count_, items_.begin() + count_ * out_count_);
  records_[count_].job = converters_.front()->affinity(rec_item, added_++) % converters_.size();
  ++count_;
}

void RecordChunk::convert_share(std::size_t job) {
  Share& share = shares_[job];
  share.counts = {};
  share.bytes.clear();
  for (std::size_t r = 0; r < count_; ++r) {
    Record& record = records_[r];
    if (record.job != job) continue;
    std::copy_n(items_.begin() + r * out_count_, out_count_, share.rec_item.begin() + 1);
    converters_[job]->convert_record(share.rec_item, share.counts);
    if (r + 1 == count_) std::copy_n(share.rec_item.begin() + 1, out_count_, converted_.begin());
    record.unencodable = !converters_[job]->append_line(
        std::span(share.rec_item).subspan(1, out_count_), share.line, share.bytes, record.end);
    if (record.unencodable) return;  // record.end holds the position of the bad character
    record.end = share.bytes.size();
  }
}

std::optional<std::size_t> RecordChunk::convert(
    BatchOutcome& counts, const std::function<bool(std::string_view)>& write) {
  if (empty()) return std::nullopt;
  {
    std::vector<std::jthread> helpers;
    for (std::size_t job = 1; job < converters_.size(); ++job) {
      helpers.emplace_back([this, job] { convert_share(job); });
    }
    convert_share(0);
  }
  for (const Share& share : shares_) {
    counts.converted_count += share.counts.converted_count;
    counts.warning_count += share.counts.warning_count;
  }
  const std::size_t held = std::exchange(count_, 0);
  converted_any_ = true;
  // The lines in input order, each from the share that encoded it, up to the
  // first that could not be encoded.
  std::vector<std::size_t> written(shares_.size(), 0);
  for (std::size_t r = 0; r < held; ++r) {
    const Record& record = records_[r];
    if (record.unencodable) return record.end;
    std::size_t& from = written[record.job];
    if (!write(std::string_view(shares_[record.job].bytes).substr(from, record.end - from))) break;
    from = record.end;
  }
  return std::nullopt;
}

void RecordChunk::convert_and_write(BatchOutcome& counts, OutputFile& out) {
  const std::optional<std::size_t> unencodable =
      convert(counts, [&out](std::string_view line) { return out.write_lines(line, 1); });
  if (unencodable) out.fail_unencodable(*unencodable);
}

void RecordChunk::restore_converted(int from, RecordBuffer& rec_item) const {
  if (!converted_any_) return;
  for (int k = std::max(from, 1); k <= out_count_; ++k) rec_item[k] = converted_[k - 1];
}

}  // namespace kovari::batch
