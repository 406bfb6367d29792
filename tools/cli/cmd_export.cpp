// kovari-cli export --pref NAME [--city NAME] [--town NAME] --out FILE
// [--offices] [--no-towns] [--hyphen] [--yes] [--data DIR]: writes the postal
// data of a prefecture, a city (区市郡島名) or a ward/town (区町村名) to a
// Shift-JIS CSV file as CsvExportWindow does. --offices adds the offices and
// post-office boxes ("大口事業所等個別番号を出力"), --no-towns leaves out the
// town areas ("新郵便番号テーブルを出力"); an existing file is replaced only
// with --yes. The closing message goes to standard output.
#include <filesystem>
#include <iostream>
#include <optional>
#include <string>

#include "cli_common.h"
#include "csv_export/csv_export.h"
#include "text/vb.h"

namespace kovari::cli {
namespace {

// Message boxes on a terminal: the closing message on standard output, the
// others on standard error. The question before an existing file is
// replaced is answered by --yes, and shown only when it keeps the file.
class ExportHost : public CliHost {
 public:
  explicit ExportHost(bool yes) : yes_(yes) {}
  void message_box(std::u16string_view text, std::u16string_view title, MessageIcon icon) override {
    const std::string line = utf8(text::Trim(text::Replace(text, u"\r\n", u" ")));
    if (icon == MessageIcon::Information) {
      std::cout << line << "\n";
    } else {
      std::cerr << "kovari-cli export: [" << utf8(title) << "] " << line << "\n";
    }
  }
  bool ask_yes_no(std::u16string_view text, std::u16string_view title, MessageIcon icon) override {
    if (!yes_) message_box(text, title, icon);
    return yes_;
  }

 private:
  bool yes_;
};

constexpr const char* kUsage =
    "usage: kovari-cli export --pref NAME [--city NAME] [--town NAME] --out FILE [--offices] "
    "[--no-towns] [--hyphen] [--yes]\n";

}  // namespace

int cmd_export(Args& args) {
  const paths::DataSearch folder = data_folder(args);
  const std::optional<std::string> pref = args.option("pref");
  const std::optional<std::string> city = args.option("city");
  const std::optional<std::string> town = args.option("town");
  const std::optional<std::string> out = args.option("out");
  csv_export::ExportTables tables;
  tables.offices = args.flag("offices");
  tables.towns = !args.flag("no-towns");
  const bool hyphen = args.flag("hyphen");
  const bool yes = args.flag("yes");
  if (!args.finish("export")) return 2;
  if (!pref || !out || out->empty() || (town && !city)) {
    std::cerr << kUsage;
    return 2;
  }

  ExportHost host(yes);
  Session session;
  if (const int failed = load_data(folder, session, host)) return failed;
  if (hyphen) session.settings.set_flag(settings::Flag::kHyphen, 1);
  csv_export::ExportRequest request;
  request.area = {csv_export::find_prefecture(session.db, utf16(*pref)), utf16(city.value_or("")),
                  utf16(town.value_or(""))};
  request.path = csv_export::export_path(utf16(*out), std::filesystem::current_path());
  request.tables = tables;
  if (request.area.pref == 0 || !csv_export::export_ranges(session.db, request.area)) {
    std::cerr << "kovari-cli export: no such area: " << *pref << (city ? " " + *city : "")
              << (town ? " " + *town : "") << "\n";
    return 2;
  }
  const csv_export::ExportOutcome outcome = csv_export::export_csv(session, host, request);
  switch (outcome.result) {
    case csv_export::ExportResult::kWritten:
      return 0;
    case csv_export::ExportResult::kFailed:
      return 1;
    case csv_export::ExportResult::kRefused:
      if (!outcome.message.empty()) {
        std::cerr << "kovari-cli export: " << utf8(outcome.message) << "\n";
      } else if (outcome.focus == csv_export::ExportField::kFileName) {
        std::cerr << "kovari-cli export: the file is kept; --yes replaces it\n";
      }
      return 2;
  }
  return 1;
}

}  // namespace kovari::cli
