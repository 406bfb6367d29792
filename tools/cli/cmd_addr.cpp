// kovari-cli addr [--data DIR] [--fuzzy] [--detail-pass] [--hyphen]
// [--line-buffered] [--jobs N] [ADDRESS ...]:
// converts each address (or each line of standard input when none is given)
// to its postal code as the clipboard converter does, and prints one
// tab-separated line per input: the code, the message, the decomposed parts
// and the input as given. Each line is converted as soon as it is read; the
// output is written at the end (or per line with --line-buffered). With
// --jobs N (N > 1) the lines convert on N jobs side by side, each job taking
// the lines of its own places; they are held until no more input waits and
// answered in input order, as one job answers them.
#include <algorithm>
#include <functional>
#include <iterator>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "batch/batch_run.h"
#include "batch/job_converters.h"
#include "batch/record_chunk.h"
#include "cli_common.h"
#include "session/convert_address.h"
#include "text/sjis.h"

namespace kovari::cli {

namespace {

// Items of an address as a record: the line as given (one unit per byte, so
// that it is written back byte for byte, whatever its encoding), then what
// the conversion adds.
enum AddrItem { kGiven = 1, kCode, kMessage, kParts };

// Appends an answer line: the code, the message, the decomposed parts and
// the line as given (its bytes, one per element), tab-separated, then LF.
template <class GivenBytes>
void append_answer(std::string& bytes, std::u16string_view code, std::u16string_view message,
                   std::u16string_view parts, const GivenBytes& given) {
  const std::size_t at = bytes.size();
  bytes.resize(at + text::utf8_room(code.size() + message.size() + parts.size()) + given.size() +
               4);
  char* end = bytes.data() + at;
  for (const std::u16string_view item : {code, message, parts}) {
    end = text::put_utf8(end, item);
    *end++ = '\t';
  }
  end = std::copy(given.begin(), given.end(), end);
  *end++ = '\n';
  bytes.resize(static_cast<std::size_t>(end - bytes.data()));
}

// Whether the three units (UTF-8 bytes) are 都, 道, 府 or 県.
bool ends_prefecture_name(std::u16string_view units) {
  static constexpr std::u16string_view kEnds[] = {u"\xE9\x83\xBD", u"\xE9\x81\x93", u"\xE5\xBA\x9C",
                                                  u"\xE7\x9C\x8C"};
  return std::ranges::find(kEnds, units) != std::end(kEnds);
}

// The conversion of one job: with `memory` over the session read only (jobs
// side by side), else over the session itself.
class AddrConverter : public batch::RecordConverter {
 public:
  AddrConverter(Session& session, Host& host, std::unique_ptr<ResolveMemory> memory)
      : session_(session), host_(host), memory_(std::move(memory)) {}

  // Converts the UTF-8 line `given` and appends its answer line to `bytes`.
  void answer(std::string_view given, std::string& bytes) {
    text::from_utf8_into(given, address_);
    const AddressOutcome& outcome = convert();
    append_answer(bytes, outcome.code, outcome.message, outcome.parts, given);
  }

  int lay_out(int) override { return kParts; }

  void convert_record(batch::RecordBuffer& rec_item, batch::BatchOutcome&) override {
    const std::u16string& units = rec_item[kGiven];
    given_.resize(units.size());
    std::copy(units.begin(), units.end(), given_.begin());
    text::from_utf8_into(given_, address_);
    AddressOutcome& outcome = convert();
    rec_item[kCode].swap(outcome.code);
    rec_item[kMessage].swap(outcome.message);
    rec_item[kParts].swap(outcome.parts);
  }

  // Each job reads the town areas of its own places: the line's first two
  // characters after a prefecture name of three or four kanji (taken as
  // their UTF-8 bytes), else its first two.
  std::size_t affinity(const batch::RecordBuffer& rec_item, std::size_t) const override {
    std::u16string_view place = rec_item[kGiven];
    for (const std::size_t end : {6, 9}) {
      if (place.size() >= end + 3 && ends_prefecture_name(place.substr(end, 3))) {
        place.remove_prefix(end + 3);
        break;
      }
    }
    return std::hash<std::u16string_view>{}(place.substr(0, 6));
  }

  bool append_line(std::span<const std::u16string> items, std::u16string&, std::string& bytes,
                   std::size_t&) const override {
    const auto item = [&items](AddrItem k) -> const std::u16string& { return items[k - 1]; };
    append_answer(bytes, item(kCode), item(kMessage), item(kParts), item(kGiven));
    return true;
  }

 private:
  // The address read into outcome_.
  AddressOutcome& convert() {
    if (memory_) {
      convert_address(std::as_const(session_), *memory_, host_, address_, CallerMode::kClipboard,
                      {}, outcome_);
    } else {
      convert_address(session_, host_, address_, CallerMode::kClipboard, {}, outcome_);
    }
    if (!outcome_.code.empty() && session_.settings.flag(settings::Flag::kHyphen) == 1) {
      outcome_.code = batch::format_code(outcome_.code, true);
    }
    return outcome_;
  }

  Session& session_;
  Host& host_;
  std::unique_ptr<ResolveMemory> memory_;
  std::string given_;       // the line as given, as bytes again
  std::u16string address_;  // the line read as UTF-8
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
  AddrConverter& converter = converters.front();
  std::optional<batch::RecordChunk> chunk;
  if (*jobs > 1) chunk.emplace(converters.converters(), converter.lay_out(1));
  batch::RecordBuffer rec_item;
  batch::BatchOutcome counts;
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
      [&](std::string_view given) {
        if (!chunk) {
          converter.answer(given, out.pending());
          out.end_answer();
          return;
        }
        std::u16string& units = rec_item[kGiven];
        units.resize(given.size());
        for (std::size_t i = 0; i < given.size(); ++i) {
          units[i] = static_cast<unsigned char>(given[i]);
        }
        chunk->add(rec_item);
        if (chunk->full()) chunk->pass_on(counts, write);
      },
      answer_held);
  return 0;
}

}  // namespace kovari::cli
