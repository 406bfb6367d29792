#include "batch/address_to_code.h"

#include <algorithm>
#include <chrono>
#include <optional>

#include "batch/address_record.h"
#include "batch/batch_output.h"
#include "batch/edit_output.h"
#include "batch/input_check.h"
#include "decompose/decomposition.h"
#include "resolve/kaiseki_phase1.h"
#include "text/format.h"
#include "text/strconv.h"
#include "text/vb.h"

namespace kovari::batch {

namespace {

constexpr std::u16string_view kMsgBadItemCount =
    u"項目数の入力に誤りがあります。２～５０の範囲で入力して下さい。";
constexpr std::u16string_view kMsgBadCodePos =
    u"郵便番号の入力に誤りがあります。項目数の範囲で入力して下さい。";
constexpr std::u16string_view kMsgBadAddressPos[3] = {
    u"住所１の入力に誤りがあります。項目数の範囲で入力して下さい。",
    u"住所２の入力に誤りがあります。項目数の範囲で入力して下さい。",
    u"住所３の入力に誤りがあります。項目数の範囲で入力して下さい。"};
constexpr const char* kAddressFields[3] = {"Text8", "Text9", "Text10"};
constexpr std::u16string_view kMsgBadStartLine =
    u"開始行の位置の入力に誤りがあります。項目数の範囲で入力して下さい。";
constexpr std::u16string_view kMsgLowConfidence =
    u"変換結果に自信がありません。チェックして下さい。";

// A position field: numeric and within 0..limit (the caller adds its own rules).
std::optional<int> position_field(std::u16string_view field, int limit) {
  const std::optional<double> v = text::parse_numeric(field);
  if (!v || *v < 0 || *v > limit) return std::nullopt;
  return static_cast<int>(*v);
}

// An old code item up to this long (an old three-digit code) is kept as it stands.
constexpr int kMaxKeptOldCodeLength = 3;

constexpr BatchForm kForm{u"ソラト郵便番号　新〒一括変換処理中!!", "Text13", "Text2", false};

// The checked fields of a run.
struct RunSettings {
  RunPlan plan;
  int code_pos = 0;
  int address_pos[3] = {0, 0, 0};
};

// The field checks of "実行", in the window's order: the refusal, or nothing when
// every field passes (run then holds the checked values).
std::optional<AddressBatchOutcome> check_fields(const AddressBatchFields& f, Host& host,
                                                RunSettings& run) {
  if (!input_file_ok(f.in_file)) return refuse(host, kMsgBadInput, "Text1");
  const std::optional<double> items = text::parse_numeric(f.item_count);
  if (!items || *items <= 1 || *items > kMaxItemCount) {
    return refuse(host, kMsgBadItemCount, "Text2");
  }
  run.plan.item_count = static_cast<int>(*items);
  const std::optional<int> code_pos = position_field(f.code_pos, run.plan.item_count);
  if (!code_pos || (*code_pos == 0 && (f.replace_code || f.use_old_code))) {
    return refuse(host, kMsgBadCodePos, "Text3");
  }
  run.code_pos = *code_pos;
  for (int k = 0; k < 3; ++k) {
    const std::optional<int> pos = position_field(f.address_pos[k], run.plan.item_count);
    if (!pos || (run.code_pos != 0 && *pos == run.code_pos)) {
      return refuse(host, kMsgBadAddressPos[k], kAddressFields[k]);
    }
    run.address_pos[k] = *pos;
  }
  if (run.address_pos[0] + run.address_pos[1] + run.address_pos[2] == 0) {
    return refuse(host, kMsgBadAddressPos[0], kAddressFields[0]);
  }
  const std::optional<double> start = text::parse_numeric(f.start_line);
  if (start && *start < 1) return refuse(host, kMsgBadStartLine, "Text13");
  run.plan.start_line = start ? static_cast<long>(*start) : 0;
  if (text::trim_view(f.out_file).empty()) return refuse(host, u"", "Text11");
  run.plan.out_path = field_path(f.out_file);
  if (text::Trim(f.in_file) == text::Trim(f.out_file) ||
      same_file(field_path(f.in_file), run.plan.out_path)) {
    return refuse(host, kMsgSameFile, "Text11");
  }
  return std::nullopt;
}

class AddressBatchRun : public RecordConverter {
 public:
  AddressBatchRun(const AddressBatchFields& fields, const RunSettings& run,
                  const postaldb::PostalDb& db, const settings::Settings& settings, Host& host,
                  resolve::ResolveState& st)
      : f_(fields),
        run_(run),
        db_(db),
        host_(host),
        st_(st),
        ctl_flg_(settings.ctl_flg),
        search_{db, settings, host, {code_search::CallerMode::BatchAddress, false, true, true}} {
    ctl_flg_[9] = fields.use_old_code ? 1 : 0;
  }

  // Where the code, the message and the latest address go.
  int lay_out(int item_count) override {
    new_code_pos_ = f_.replace_code ? run_.code_pos : item_count + 1;
    int out_count = f_.replace_code ? item_count : new_code_pos_;
    msg_pos_ = f_.write_message ? ++out_count : 0;
    if (f_.latest_address) {
      latest_pos_ = out_count + 1;
      edit_type_ = std::clamp(f_.edit_type, kMinEditType, kMaxEditType);
      out_count += edit_type_;
    }
    return out_count;
  }

  void convert_record(RecordBuffer& rec_item, BatchOutcome& counts) override {
    d_.addr_text = joined_address(rec_item);
    st_.caller_mode = 2;
    st_.result_parts.clear();
    st_.result_code.clear();
    st_.result_msg.clear();
    for (auto& slot : d_.slot) std::fill(slot.part_len.begin(), slot.part_len.begin() + 11, 0);
    const std::u16string old_code = set_kovari_no(rec_item[run_.code_pos], kMaxKeptOldCodeLength);
    set_kansuuji(d_.addr_text, db_.tables, d_.current().part_len[10]);

    LatestAddress latest = LatestAddress::blank();
    if (text::Len(old_code) == 7) {
      // The record already carries a seven-digit code: kept as it stands.
      rec_item[new_code_pos_] = rec_item[run_.code_pos];
      ++counts.converted_count;
      if (msg_pos_ != 0) rec_item[msg_pos_].clear();
    } else {
      decompose::decompose_address(d_, db_.tables, {ctl_flg_[4], 1});
      resolve::ResolveContext ctx{db_, ctl_flg_, {0, 0, 0, 1, 0, 0}, host_, old_code};
      resolve::kaiseki_phase1(st_, d_, ctx);
      if (!st_.result_code.empty()) ++counts.converted_count;
      rec_item[new_code_pos_] =
          st_.result_code.empty()
              ? u""
              : text::Format(st_.result_code, f_.hyphen ? u"000-0000" : u"0000000");
      bool low_confidence = false;
      if (msg_pos_ != 0) {
        low_confidence = text::Right(text::Trim(st_.result_code), 2) == u"00";
        rec_item[msg_pos_] = low_confidence ? std::u16string(kMsgLowConfidence) : st_.result_msg;
      }
      if (f_.latest_address && !st_.result_code.empty() && !low_confidence &&
          d_.current().building_found == 0) {
        latest = get_address(d_.addr_text, d_, st_, search_);
      }
    }
    if (f_.latest_address) {
      const std::vector<std::u16string> items = edit_output(edit_type_, latest);
      for (std::size_t k = 0; k < items.size(); ++k) rec_item[latest_pos_ + k] = items[k];
    }
  }

 private:
  // 住所１-３ joined, each position used once.
  std::u16string joined_address(const RecordBuffer& rec_item) const {
    const int* const pos = run_.address_pos;
    std::u16string address;
    for (int k = 0; k < 3; ++k) {
      if (pos[k] == 0 || std::find(pos, pos + k, pos[k]) != pos + k) continue;
      address += text::Trim(rec_item[pos[k]]);
    }
    return address;
  }

  const AddressBatchFields& f_;
  const RunSettings& run_;
  const postaldb::PostalDb& db_;
  Host& host_;
  resolve::ResolveState& st_;
  std::array<int, 17> ctl_flg_;
  code_search::SearchContext search_;
  decompose::Decomposition d_;
  int new_code_pos_ = 0;
  int msg_pos_ = 0;
  int latest_pos_ = 0;
  int edit_type_ = kMinEditType;
};

}  // namespace

AddressBatchOutcome run_address_batch(const AddressBatchFields& fields,
                                      const postaldb::PostalDb& db,
                                      const settings::Settings& settings, Host& host,
                                      resolve::ResolveState& state) {
  host.status(kMsgRunning);
  RunSettings run;
  if (std::optional<AddressBatchOutcome> refused = check_fields(fields, host, run)) {
    return *refused;
  }
  const auto start = std::chrono::steady_clock::now();
  const InputText input = read_input_file(field_path(fields.in_file));
  if (!input.text) {
    BatchOutcome outcome;
    return fail(outcome, host, kMsgInputUnreadable, input.error);
  }
  AddressBatchRun converter(fields, run, db, settings, host, state);
  return run_batch(*input.text, run.plan, kForm, converter, host, start);
}

}  // namespace kovari::batch
