// What every kovari-cli command shares: its arguments, the data folder, a
// host for the terminal, loading the postal data and UTF-8 output.
#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "batch/batch_run.h"
#include "host/host.h"
#include "paths/data_folder.h"
#include "session/session.h"

namespace kovari::cli {

// The words after the command name. Options are taken out as a command asks
// for them; whatever is left at finish() is reported as unknown.
class Args {
 public:
  explicit Args(std::vector<std::string> words) : words_(std::move(words)) {}

  // The value of "--name VALUE" or "--name=VALUE" (the last one given), or
  // std::nullopt when absent. An option without its value is an error.
  std::optional<std::string> option(std::string_view name);
  // Whether "--name" was given.
  bool flag(std::string_view name);
  // Takes the next word that is not an option, if any.
  std::optional<std::string> positional();

  // True when every word was used and no option lacked its value; otherwise
  // prints what is wrong to stderr, naming the command.
  bool finish(std::string_view command);

 private:
  std::vector<std::string> words_;
  std::string error_;
};

// Where the data files are: the folder of "--data DIR", else the first folder
// of the program's search that holds them (paths/data_folder.h).
paths::DataSearch data_folder(Args& args);

// A host for the terminal: messages and the status line go to stderr, a
// Yes/No question gets a fixed answer, and the progress shows as a bar on
// stderr when it is a terminal.
class CliHost : public Host {
 public:
  explicit CliHost(bool answer_yes = false);
  void message_box(std::u16string_view text, std::u16string_view title, MessageIcon icon) override;
  bool ask_yes_no(std::u16string_view text, std::u16string_view title, MessageIcon icon) override;
  void progress_range(long minimum, long maximum) override;
  void progress_value(long value) override;
  void status(std::u16string_view text) override;
  // Clears the progress bar once the long operation is over.
  void end_progress();

 private:
  bool answer_yes_;
  bool bar_ = false;
  bool bar_shown_ = false;
  long minimum_ = 0, maximum_ = 0;
};

// Runs the start-up load from the folder found into the session, with the
// settings file the program reads. Returns the exit status: 0 loaded; 2 no
// folder holds the data (the folders looked in are printed to stderr); 1 the
// data does not load (the reason is printed). `load_ms` receives the time the
// load took.
int load_data(const paths::DataSearch& folder, Session& session, CliHost& host,
              long long* load_ms = nullptr);

// A batch conversion over the loaded data, reporting through the host.
using BatchRun = std::function<batch::BatchOutcome(Session&, Host&)>;

// What the batch commands share: loads the data from `folder`, runs the
// conversion on a terminal host whose Yes/No answer is `yes`, and prints the
// summary to standard output. Returns the exit status: 0 finished, 1 the data,
// the input or the output failed, 2 the fields or the input check refused it
// or no data was found.
int run_batch_command(std::string_view command, const paths::DataSearch& folder, bool yes,
                      const BatchRun& run);

// The remaining positional arguments.
std::vector<std::string> positional_arguments(Args& args);

// Hands each input to `each`: the arguments when there are any, else the lines
// of standard input, in order, each as soon as it has been read. Lines end
// with LF, CR LF or CR. `read_done`, when given, is called once the lines
// handed on should be answered: when no more of standard input waits to be
// read, and after the last line (or all the arguments).
void for_each_input(const std::vector<std::string>& arguments,
                    const std::function<void(std::string_view)>& each,
                    const std::function<void()>& read_done = nullptr);

// Standard output through one buffer, written when it grows large and at the
// end (and after every line with --line-buffered, for a caller that reads
// each answer before it writes the next line).
class Output {
 public:
  // Takes --line-buffered out of `args`.
  explicit Output(Args& args);
  ~Output() { flush(); }
  Output(const Output&) = delete;
  Output& operator=(const Output&) = delete;

  Output& operator<<(std::string_view text) {
    buffer_ += text;
    return *this;
  }
  Output& operator<<(char c) {
    buffer_ += c;
    return *this;
  }
  // Engine text, in UTF-8.
  Output& operator<<(std::u16string_view text);
  // The bytes not yet written, for an answer to be appended in place.
  std::string& pending() { return buffer_; }
  // Ends the answer to one input (its lines written, maybe none): written out
  // now with --line-buffered, else once the buffer is large.
  void end_answer();
  void flush();

 private:
  bool line_buffered_;
  std::string buffer_;
};

// The --jobs N of a command: N, or `absent` when not given (0: the number of
// cores); std::nullopt (after a message) when N is not a whole number from 1 up.
std::optional<int> jobs_option(Args& args, std::string_view command, int absent = 0);

std::string utf8(std::u16string_view text);
std::u16string utf16(std::string_view text);

}  // namespace kovari::cli
