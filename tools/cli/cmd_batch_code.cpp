// kovari-cli batch-code --in FILE --out FILE --items N --code-pos K
// [--start-line L] [--message] [--yes] [--jobs N]: the batch code-to-address
// conversion with the window's options (--message is "エラーメッセージをファイル出力";
// --yes answers Yes to the item-count warning, which is otherwise refused),
// the records converted by N jobs side by side (by default one per core).
// The summary goes to standard output, the progress bar to standard error
// when it is a terminal. Exit status 0 finished, 1 the input or output
// failed, 2 the options or the input check refused the run.
#include <iostream>
#include <string>

#include "batch/code_to_address.h"
#include "cli_common.h"

namespace kovari::cli {

int cmd_batch_code(Args& args) {
  const paths::DataSearch folder = data_folder(args);
  const std::optional<std::string> in = args.option("in");
  const std::optional<std::string> out = args.option("out");
  const std::optional<std::string> items = args.option("items");
  const std::optional<std::string> code_pos = args.option("code-pos");
  batch::CodeBatchFields fields;
  fields.start_line = utf16(args.option("start-line").value_or(""));
  fields.write_message = args.flag("message");
  const bool yes = args.flag("yes");
  const std::optional<int> jobs = jobs_option(args, "batch-code");
  if (!jobs) return 2;
  fields.jobs = *jobs;
  if (!args.finish("batch-code")) return 2;
  if (!in || !out || !items || !code_pos) {
    std::cerr << "usage: kovari-cli batch-code --in FILE --out FILE --items N --code-pos K "
                 "[--start-line L] [--message] [--yes] [--jobs N]\n";
    return 2;
  }
  // File names go to the file system as the bytes given.
  fields.in_file = *in;
  fields.out_file = *out;
  fields.item_count = utf16(*items);
  fields.code_pos = utf16(*code_pos);

  return run_batch_command("batch-code", folder, yes, [&fields](Session& session, Host& host) {
    return batch::run_code_batch(fields, session, host);
  });
}

}  // namespace kovari::cli
