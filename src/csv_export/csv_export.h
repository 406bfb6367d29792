// The export as CsvExportWindow's "変換" and kovari-cli export run it: the
// checks of what was entered, the question before an existing file is
// replaced, the file written in Shift-JIS (never left half written) and the
// closing message with the number of records.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "csv_export/area_pick.h"
#include "csv_export/export_range.h"
#include "csv_export/export_rows.h"
#include "host/host.h"
#include "postaldb/postal_db.h"
#include "session/session.h"
#include "settings/settings.h"

namespace kovari::csv_export {

inline constexpr std::u16string_view kMsgNoTables = u"出力条件を省略できません。";
inline constexpr std::u16string_view kMsgEnterFileName = u"ＣＳＶファイル名を入力してください。";
inline constexpr std::u16string_view kMsgNotWritten = u"ＣＳＶファイルを出力できませんでした。";

struct ExportRequest {
  ExportArea area;
  std::filesystem::path path;  // the output file; empty when no name was entered
  ExportTables tables;
};

enum class ExportResult {
  kWritten,  // the file holds the records; the closing message was shown
  kRefused,  // something is missing, or the user kept the existing file
  kFailed,   // the file could not be written (the old one, if any, is unchanged)
};

// The control an outcome sends the user back to.
enum class ExportField {
  kNone,
  kPickList,    // no prefecture picked or no file name
  kTownsCheck,  // neither table chosen
  kFileName,    // the existing file kept, or the file not written
};

struct ExportOutcome {
  ExportResult result = ExportResult::kRefused;
  ExportField focus = ExportField::kNone;
  std::u16string message;  // for the message line
  long count = 0;          // records written
};

// What the export window shows of its picks: the caption over the list, the
// prompt of the message line, and whether the file name is asked for next
// (once a ward/town is picked, or at once for a city without wards or towns,
// whose list has one item and no caption).
struct PickView {
  std::u16string caption;
  std::u16string prompt;
  bool file_name_next = false;
};
PickView export_pick_view(const AreaPick& pick);

// The area the picks stand for.
ExportArea export_area(const AreaPick& pick);

// Writes the area's records to the request's file. A file that exists and is
// not empty is replaced only when the user agrees; a write that fails is
// reported in a message box and leaves the old file as it was.
ExportOutcome export_csv(const postaldb::PostalDb& db, const settings::Settings& settings,
                         Host& host, const ExportRequest& request);

// export_csv over the session's data and settings. A file that is one of
// the program's own (is_program_file: a data file, the settings, the history,
// the office index) is never replaced: a message box says the file cannot be
// written, and nothing is.
ExportOutcome export_csv(const Session& session, Host& host, const ExportRequest& request);

// The output file of a typed name (trimmed): a full path as it stands, any
// other name in `folder`; empty for an empty name.
std::filesystem::path export_path(std::u16string_view name, const std::filesystem::path& folder);

}  // namespace kovari::csv_export
