#include "batch/batch_run.h"

#include <algorithm>
#include <span>

#include "batch/batch_output.h"
#include "batch/input_check.h"
#include "batch/record_chunk.h"
#include "io/file_status.h"
#include "session/program_files.h"
#include "text/format.h"
#include "text/sjis.h"
#include "text/strconv.h"
#include "text/vb.h"

namespace kovari::batch {

namespace {

constexpr std::u16string_view kMsgChecking = u"変換前ファイルのチェック中！！";
constexpr std::u16string_view kMsgStartBeyondEnd = u"開始行の位置の入力に誤りがあります。";
constexpr std::u16string_view kMsgItemCountRefused = u"項目数の入力に誤りがあります。";
constexpr std::u16string_view kMsgOutputUnwritable = u"変換後ファイルに書き込めません。";

// The counts of a summary line: "##,##0", trimmed, in full-width digits.
std::u16string wide_number(double value) {
  return text::to_full_width_digits(text::Trim(text::Format(value, u"##,##0")));
}

std::u16string summary(const BatchOutcome& outcome, bool counts_warnings) {
  std::u16string s = u"一括変換処理が終了しました。\r\n変換対象件数は" +
                     wide_number(outcome.target_count) + u"件です。\r\n変換件数は　　　" +
                     wide_number(outcome.converted_count) + u"件です。\r\n";
  if (counts_warnings)
    s += u"内ワーニングは　　" + wide_number(outcome.warning_count) + u"件です。\r\n";
  return s + u"処理時間は　" + wide_number(outcome.seconds) + u"秒です。";
}

// A line that holds no item: blanks and tabs only, or nothing.
bool is_blank(std::u16string_view line) {
  return line.find_first_not_of(u" \t") == std::u16string_view::npos;
}

BatchOutcome cnv_file(BatchInput& input, const RunPlan& plan, const BatchForm& form,
                      std::span<RecordConverter* const> converters, Host& host,
                      std::chrono::steady_clock::time_point start) {
  host.status(kMsgChecking);
  host.do_events();
  RecordBuffer rec_item;
  const InputCheck check = chk_infile(input, plan.item_count, plan.start_line, host, rec_item);
  switch (check.status) {
    case InputStatus::StartBeyondEnd:
      return refuse(host, kMsgStartBeyondEnd, form.start_line_field);
    case InputStatus::ItemCountRefused:
      return refuse(host, kMsgItemCountRefused, form.item_count_field);
    case InputStatus::TooManyItems:
      return refuse(host, kMsgTooManyItems, form.item_count_field);
    case InputStatus::ItemMode:
    case InputStatus::LineMode:
      break;
  }
  host.status(kMsgRunning);
  host.do_events();
  int out_count = 0;
  for (RecordConverter* converter : converters) out_count = converter->lay_out(check.item_count);
  RecordConverter& converter = *converters.front();
  std::optional<RecordChunk> chunk;
  if (converters.size() > 1) chunk.emplace(converters, out_count);

  BatchOutcome outcome;
  OutputFile out;
  if (!out.open(plan.out_path)) return fail(outcome, host, kMsgOutputUncreatable, out.error());
  host.progress_caption(form.caption);
  host.progress_range(0, check.record_count);
  const long step = progress_step(check.record_count);
  const bool line_mode = check.status == InputStatus::LineMode;
  ItemReader reader = input.records();
  for (long i = 1; !reader.at_end() && !out.failed(); ++i) {
    std::u16string_view line;
    if (line_mode) {
      line = reader.read_line();
    } else {
      read_record(reader, check.item_count, rec_item);
    }
    if (i % step == 0) {
      host.progress_value(i);
      const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
      host.progress_rate(records_per_second(i, elapsed.count()));
      host.do_events();
    }
    if (i < plan.start_line) continue;
    if (line_mode) {
      // A blank line is an empty record, never the previous record again.
      if (is_blank(line)) {
        rec_item.fill({});
      } else if (const int read = split_line(line, rec_item); chunk && read < check.item_count) {
        // A short line keeps the items of the record before, as converted.
        chunk->convert_and_write(outcome, out);
        chunk->restore_converted(read + 1, rec_item);
      }
    }
    ++outcome.target_count;
    if (chunk) {
      chunk->add(rec_item);
      if (chunk->full()) chunk->pass_on(outcome, out);
      continue;
    }
    converter.convert_record(rec_item, outcome);
    out.write_record(std::span(rec_item).subspan(1, out_count));
  }
  if (chunk) chunk->convert_and_write(outcome, out);
  // The output is dropped unfinished.
  if (!input.error().empty()) return fail(outcome, host, kMsgInputUnreadable, input.error());
  if (!out.close()) return fail(outcome, host, kMsgOutputUnwritable, out.error());
  outcome.result = BatchResult::Finished;
  return outcome;
}

}  // namespace

BatchOutcome refuse(Host& host, std::u16string_view message, Focus focus) {
  if (!message.empty()) host.status(message);
  BatchOutcome outcome;
  outcome.result = BatchResult::Refused;
  outcome.message = message;
  outcome.focus = focus;
  return outcome;
}

BatchOutcome& fail(BatchOutcome& outcome, Host& host, std::u16string_view message,
                   std::string error) {
  host.status(message);
  host.message_box(std::u16string(message) + u"\r\n" + text::from_utf8(error), u"警告メッセージ",
                   MessageIcon::Critical);
  outcome.result = BatchResult::Failed;
  outcome.message = message;
  outcome.error = std::move(error);
  return outcome;
}

std::optional<BatchOutcome> check_output(const std::filesystem::path& in,
                                         const std::filesystem::path& out, const Session& session,
                                         Host& host, bool ask_overwrite) {
  if (in == out || io::same_file(in, out)) return refuse(host, kMsgSameFile, Focus::kOutputFile);
  if (is_program_file(session, out)) {
    BatchOutcome refused = refuse(host, kMsgOutputUncreatable, Focus::kOutputFile);
    refused.error = "\"" + out.string() + "\" is one of the program's own files";
    return refused;
  }
  std::error_code error;
  if (ask_overwrite && std::filesystem::exists(out, error) &&
      !host.ask_yes_no(text::from_utf8(out.string()) +
                           u"\r\n既にファイルが存在します。\r\n上書きしても構いませんか。\r\n",
                       u"注意メッセージ", MessageIcon::Exclamation)) {
    return refuse(host, u"変換後ファイル名を入力して下さい。", Focus::kOutputFile);
  }
  return std::nullopt;
}

std::u16string set_kovari_no(std::u16string_view item, int max_length) {
  const std::u16string_view trimmed = text::trim_view(item);
  if (text::Len(trimmed) <= max_length && text::IsNumeric(trimmed)) return std::u16string(item);
  // The digits of the narrowed item: the only characters that narrow to a
  // digit are the full-width digits.
  std::u16string digits;
  for (const char16_t c : item) {
    if (c >= u'0' && c <= u'9') {
      digits += c;
    } else if (c >= u'０' && c <= u'９') {
      digits += static_cast<char16_t>(u'0' + (c - u'０'));
    }
  }
  return digits;
}

std::u16string format_code(std::u16string_view code, bool hyphen) {
  const bool seven_digits = code.size() == 7 && std::ranges::all_of(code, [](char16_t c) {
                              return c >= u'0' && c <= u'9';
                            });
  if (!seven_digits) return text::Format(code, hyphen ? u"000-0000" : u"0000000");
  // Seven digits are their own "0000000".
  if (!hyphen) return std::u16string(code);
  std::u16string formatted(code.substr(0, 3));
  formatted += u'-';
  formatted += code.substr(3);
  return formatted;
}

bool RecordConverter::append_line(std::span<const std::u16string> items, std::u16string& line,
                                  std::string& bytes, std::size_t& bad) const {
  return append_record(items, line, bytes, bad);
}

double records_per_second(long records, double seconds) {
  return seconds > 0 ? records / seconds : 0;
}

long progress_step(long record_count) {
  return std::max(1L, static_cast<long>(record_count / 100.0 + 0.99999));
}

BatchOutcome run_batch(BatchInput& input, const RunPlan& plan, const BatchForm& form,
                       std::span<RecordConverter* const> converters, Host& host,
                       std::chrono::steady_clock::time_point start) {
  BatchOutcome outcome = cnv_file(input, plan, form, converters, host, start);
  if (outcome.result != BatchResult::Finished) return outcome;
  const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
  outcome.seconds = elapsed.count();
  outcome.summary = summary(outcome, form.counts_warnings);
  host.message_box(outcome.summary, u"情報メッセージ", MessageIcon::Information);
  return outcome;
}

}  // namespace kovari::batch
