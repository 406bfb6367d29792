// kovari-cli addr [--data DIR] [--fuzzy] [--detail-pass] [--hyphen]
// [--line-buffered] [--jobs N] [ADDRESS ...]:
// converts each address (or each line of standard input when none is given)
// to its postal code as the clipboard converter does, and prints one
// tab-separated line per input: the code, the message, the decomposed parts
// and the input as given. Each line is converted as soon as it is read; the
// output is written at the end (or per line with --line-buffered). With
// --jobs N (N > 1) the lines of each read convert on N jobs side by side and
// are answered in input order, as one job answers them.
#include <iostream>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "batch/address_to_code.h"
#include "batch/job_converters.h"
#include "batch/record_chunk.h"
#include "cli_common.h"
#include "session/convert_address.h"
#include "text/sjis.h"

namespace kovari::cli {

namespace {

// Items of an address as a record: the address, the line as given (one unit
// per byte, so that it is written back byte for byte, whatever its
// encoding), then what the conversion adds.
enum AddrItem { kAddress = 1, kGiven, kCode, kMessage, kParts };

// The bytes as units, one each, into `units` (its room reused).
void widen_into(std::string_view bytes, std::u16string& units) {
  units.resize(bytes.size());
  for (std::size_t i = 0; i < bytes.size(); ++i) units[i] = static_cast<unsigned char>(bytes[i]);
}

// The conversion of one job: with `memory` over the session read only (jobs
// side by side), else over the session itself.
class AddrConverter : public batch::RecordConverter {
 public:
  AddrConverter(Session& session, Host& host, std::unique_ptr<ResolveMemory> memory)
      : session_(session), host_(host), memory_(std::move(memory)) {}

  int lay_out(int) override { return kParts; }

  void convert_record(batch::RecordBuffer& rec_item, batch::BatchOutcome&) override {
    const std::u16string_view address = rec_item[kAddress];
    if (memory_) {
      convert_address(std::as_const(session_), *memory_, host_, address, CallerMode::kClipboard, {},
                      outcome_);
    } else {
      convert_address(session_, host_, address, CallerMode::kClipboard, {}, outcome_);
    }
    if (!outcome_.code.empty() && session_.settings.flag(settings::Flag::kHyphen) == 1) {
      outcome_.code = batch::format_code(outcome_.code, true);
    }
    rec_item[kCode].swap(outcome_.code);
    rec_item[kMessage].swap(outcome_.message);
    rec_item[kParts].swap(outcome_.parts);
  }

  std::size_t affinity(const batch::RecordBuffer& rec_item, std::size_t) const override {
    return batch::place_affinity(rec_item[kAddress]);
  }

  // The answer line: code, message, parts and the line as given.
  bool append_line(std::span<const std::u16string> items, std::u16string&, std::string& bytes,
                   std::size_t&) const override {
    const auto item = [&items](AddrItem k) -> const std::u16string& { return items[k - 1]; };
    text::append_utf8(bytes, item(kCode));
    bytes += '\t';
    text::append_utf8(bytes, item(kMessage));
    bytes += '\t';
    text::append_utf8(bytes, item(kParts));
    bytes += '\t';
    const std::u16string& given = item(kGiven);
    const std::size_t at = bytes.size();
    bytes.resize(at + given.size());
    for (std::size_t i = 0; i < given.size(); ++i) bytes[at + i] = static_cast<char>(given[i]);
    bytes += '\n';
    return true;
  }

 private:
  Session& session_;
  Host& host_;
  std::unique_ptr<ResolveMemory> memory_;
  AddressOutcome outcome_;  // kept, so that its texts keep their room
};

}  // namespace

int cmd_addr(Args& args) {
  const paths::DataSearch folder = data_folder(args);
  const bool fuzzy = args.flag("fuzzy");
  const bool detail_pass = args.flag("detail-pass");
  const bool hyphen = args.flag("hyphen");
  Output out(args);
  // A stream filter: one job by default, so that each line is answered alone.
  const std::optional<int> jobs = jobs_option(args, "addr", 1);
  if (!jobs) return 2;
  const std::vector<std::string> addresses = positional_arguments(args);
  if (!args.finish("addr")) return 2;

  CliHost host;
  Session session;
  if (const int failed = load_data(folder, session, host)) return failed;
  settings::Settings& settings = session.settings;
  if (fuzzy) settings.set_flag(settings::Flag::kApproximate, 1);
  if (detail_pass) settings.set_flag(settings::Flag::kDetailPass, 1);
  if (hyphen) settings.set_flag(settings::Flag::kHyphen, 1);

  const batch::JobConverters<AddrConverter> converters(*jobs, host, [&](Host& job_host, int job) {
    return std::make_unique<AddrConverter>(session, job_host,
                                           job == 0 ? nullptr : std::make_unique<ResolveMemory>());
  });
  batch::RecordConverter& converter = *converters.converters().front();
  const int out_count = converter.lay_out(1);
  std::optional<batch::RecordChunk> chunk;
  if (*jobs > 1) chunk.emplace(converters.converters(), out_count);
  batch::RecordBuffer rec_item;
  batch::BatchOutcome counts;
  std::u16string line_room;
  std::string answer;
  std::size_t unused = 0;
  const auto write = [&out](std::string_view lines, std::size_t) {
    out << lines;
    out.end_answer();
    return true;
  };
  const auto answer_held = [&] {
    if (chunk) chunk->convert(counts, write);
  };

  for_each_input(
      addresses,
      [&](std::string_view address) {
        text::from_utf8_into(address, rec_item[kAddress]);
        widen_into(address, rec_item[kGiven]);
        if (chunk) {
          chunk->add(rec_item);
          if (chunk->full()) chunk->pass_on(counts, write);
          return;
        }
        converter.convert_record(rec_item, counts);
        answer.clear();
        converter.append_line(std::span(rec_item).subspan(1, out_count), line_room, answer, unused);
        write(answer, 1);
      },
      answer_held);
  return 0;
}

}  // namespace kovari::cli
