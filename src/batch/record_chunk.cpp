#include "batch/record_chunk.h"

#include <algorithm>
#include <utility>

namespace kovari::batch {

namespace {

// Records per job and chunk: enough to keep the hand-overs between threads
// rare, few enough to keep the chunks' memory small.
constexpr std::size_t kRecordsPerJob = 2048;

}  // namespace

RecordChunk::RecordChunk(std::span<RecordConverter* const> converters, int out_count)
    : converters_(converters),
      out_count_(out_count),
      capacity_(kRecordsPerJob * converters.size()),
      converted_(static_cast<std::size_t>(out_count)) {
  for (Chunk& chunk : chunks_) {
    chunk.items.resize(capacity_ * static_cast<std::size_t>(out_count));
    chunk.records.resize(capacity_);
    chunk.shares.resize(converters.size());
    chunk.last.resize(static_cast<std::size_t>(out_count));
  }
  for (std::size_t job = 0; job < converters.size(); ++job) {
    workers_.emplace_back([this, job] { work(job); });
  }
}

RecordChunk::~RecordChunk() {
  {
    const std::scoped_lock lock(mutex_);
    stopping_ = true;
  }
  work_ready_.notify_all();
}

void RecordChunk::add(const RecordBuffer& rec_item) {
  Chunk& chunk = filling();
  std::copy_n(rec_item.begin() + 1, out_count_, chunk.items.begin() + chunk.count * out_count_);
  chunk.records[chunk.count].job =
      converters_.front()->affinity(rec_item, added_++) % converters_.size();
  ++chunk.count;
}

void RecordChunk::work(std::size_t job) {
  RecordBuffer rec_item;
  std::u16string line;
  for (std::size_t next = 0;; ++next) {
    {
      std::unique_lock lock(mutex_);
      work_ready_.wait(lock, [&] { return stopping_ || handed_on_ > next; });
      if (handed_on_ <= next) return;
    }
    Chunk& chunk = chunks_[next % kDepth];
    convert_share(chunk, job, rec_item, line);
    {
      const std::scoped_lock lock(mutex_);
      ++chunk.jobs_done;
    }
    chunk_done_.notify_one();
  }
}

void RecordChunk::convert_share(Chunk& chunk, std::size_t job, RecordBuffer& rec_item,
                                std::u16string& line) const {
  Share& share = chunk.shares[job];
  share.counts = {};
  share.bytes.clear();
  for (std::size_t r = 0; r < chunk.count; ++r) {
    Record& record = chunk.records[r];
    if (record.job != job) continue;
    // The record's items are moved in: the chunk's room for them is written
    // over by the next add.
    std::swap_ranges(chunk.items.begin() + r * out_count_,
                     chunk.items.begin() + (r + 1) * out_count_, rec_item.begin() + 1);
    converters_[job]->convert_record(rec_item, share.counts);
    if (r + 1 == chunk.count) std::copy_n(rec_item.begin() + 1, out_count_, chunk.last.begin());
    record.unencodable = !converters_[job]->append_line(std::span(rec_item).subspan(1, out_count_),
                                                        line, share.bytes, record.end);
    if (record.unencodable) return;  // record.end holds the position of the bad character
    record.end = share.bytes.size();
  }
}

void RecordChunk::hand_on() {
  if (filling().count == 0) return;
  {
    const std::scoped_lock lock(mutex_);
    ++handed_on_;
  }
  work_ready_.notify_all();
}

bool RecordChunk::oldest_done() {
  const std::scoped_lock lock(mutex_);
  return chunks_[written_ % kDepth].jobs_done == converters_.size();
}

std::optional<std::size_t> RecordChunk::write_oldest(BatchOutcome& counts, const LineWriter& write,
                                                     bool& writing) {
  Chunk& chunk = chunks_[written_ % kDepth];
  {
    std::unique_lock lock(mutex_);
    chunk_done_.wait(lock, [&] { return chunk.jobs_done == converters_.size(); });
    chunk.jobs_done = 0;
  }
  for (const Share& share : chunk.shares) {
    counts.converted_count += share.counts.converted_count;
    counts.warning_count += share.counts.warning_count;
  }
  const std::size_t held = std::exchange(chunk.count, 0);
  ++written_;
  converted_.swap(chunk.last);
  converted_any_ = true;
  // The lines in input order, each run of records of one job at once, up to
  // the first that could not be encoded.
  std::vector<std::size_t> from(chunk.shares.size(), 0);
  for (std::size_t r = 0; writing && r < held;) {
    const std::size_t job = chunk.records[r].job;
    if (chunk.records[r].unencodable) {
      writing = false;
      return chunk.records[r].end;
    }
    std::size_t lines = 1;
    while (r + lines < held && chunk.records[r + lines].job == job &&
           !chunk.records[r + lines].unencodable) {
      ++lines;
    }
    std::size_t& start = from[job];
    const std::size_t end = chunk.records[r + lines - 1].end;
    writing = write(std::string_view(chunk.shares[job].bytes).substr(start, end - start), lines);
    start = end;
    r += lines;
  }
  return std::nullopt;
}

std::optional<std::size_t> RecordChunk::hand_on_and_write(BatchOutcome& counts,
                                                          const LineWriter& write, bool all) {
  hand_on();
  bool writing = true;
  std::optional<std::size_t> unencodable;
  // Short of all, the chunk to fill next must have been written, and any
  // other that is done is written too.
  while (written_ < handed_on_ && (all || handed_on_ - written_ == kDepth || oldest_done())) {
    const std::optional<std::size_t> bad = write_oldest(counts, write, writing);
    if (!unencodable) unencodable = bad;
  }
  return unencodable;
}

std::optional<std::size_t> RecordChunk::pass_on(BatchOutcome& counts, const LineWriter& write) {
  return hand_on_and_write(counts, write, false);
}

std::optional<std::size_t> RecordChunk::convert(BatchOutcome& counts, const LineWriter& write) {
  return hand_on_and_write(counts, write, true);
}

namespace {

LineWriter writer_of(OutputFile& out) {
  return [&out](std::string_view lines, std::size_t count) {
    return out.write_lines(lines, static_cast<long>(count));
  };
}

}  // namespace

void RecordChunk::pass_on(BatchOutcome& counts, OutputFile& out) {
  if (const std::optional<std::size_t> bad = pass_on(counts, writer_of(out))) {
    out.fail_unencodable(*bad);
  }
}

void RecordChunk::convert_and_write(BatchOutcome& counts, OutputFile& out) {
  if (const std::optional<std::size_t> bad = convert(counts, writer_of(out))) {
    out.fail_unencodable(*bad);
  }
}

void RecordChunk::restore_converted(int from, RecordBuffer& rec_item) const {
  if (!converted_any_) return;
  for (int k = std::max(from, 1); k <= out_count_; ++k) rec_item[k] = converted_[k - 1];
}

}  // namespace kovari::batch
