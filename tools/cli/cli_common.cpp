#include "cli_common.h"

#include <poll.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <chrono>
#include <cstdio>
#include <iostream>
#include <thread>

#include "paths/user_files.h"
#include "text/sjis.h"

namespace kovari::cli {

std::optional<std::string> Args::option(std::string_view name) {
  const std::string dashed = "--" + std::string(name);
  std::optional<std::string> value;
  for (std::size_t i = 0; i < words_.size();) {
    const std::string& word = words_[i];
    if (word == dashed) {
      if (i + 1 >= words_.size()) {
        error_ = dashed + " needs a value";
        words_.erase(words_.begin() + static_cast<std::ptrdiff_t>(i));
        continue;
      }
      value = words_[i + 1];
      words_.erase(words_.begin() + static_cast<std::ptrdiff_t>(i),
                   words_.begin() + static_cast<std::ptrdiff_t>(i) + 2);
    } else if (word.rfind(dashed + "=", 0) == 0) {
      value = word.substr(dashed.size() + 1);
      words_.erase(words_.begin() + static_cast<std::ptrdiff_t>(i));
    } else {
      ++i;
    }
  }
  return value;
}

bool Args::flag(std::string_view name) {
  const std::string dashed = "--" + std::string(name);
  bool given = false;
  std::erase_if(words_, [&](const std::string& word) {
    const bool match = word == dashed;
    given = given || match;
    return match;
  });
  return given;
}

std::optional<std::string> Args::positional() {
  for (auto it = words_.begin(); it != words_.end(); ++it) {
    if (it->rfind("--", 0) == 0) continue;
    std::string word = std::move(*it);
    words_.erase(it);
    return word;
  }
  return std::nullopt;
}

bool Args::finish(std::string_view command) {
  if (!error_.empty()) {
    std::cerr << "kovari-cli " << command << ": " << error_ << "\n";
    return false;
  }
  if (!words_.empty()) {
    std::cerr << "kovari-cli " << command << ": unexpected argument \"" << words_.front() << "\"\n";
    return false;
  }
  return true;
}

paths::DataSearch data_folder(Args& args) {
  const std::optional<std::string> chosen = args.option("data");
  return paths::find_data_folder(
      paths::current_places(),
      chosen ? std::optional<std::filesystem::path>(*chosen) : std::nullopt);
}

CliHost::CliHost(bool answer_yes) : answer_yes_(answer_yes), bar_(isatty(STDERR_FILENO) == 1) {}

void CliHost::message_box(std::u16string_view text, std::u16string_view title, MessageIcon) {
  end_progress();
  std::cerr << "[" << utf8(title) << "] " << utf8(text) << "\n";
}

bool CliHost::ask_yes_no(std::u16string_view text, std::u16string_view title, MessageIcon icon) {
  message_box(text, title, icon);
  std::cerr << (answer_yes_ ? "-> yes" : "-> no") << "\n";
  return answer_yes_;
}

void CliHost::progress_range(long minimum, long maximum) {
  minimum_ = minimum;
  maximum_ = maximum;
}

void CliHost::progress_value(long value) {
  if (!bar_ || maximum_ <= minimum_) return;
  constexpr int kWidth = 40;
  const long span = maximum_ - minimum_;
  const long clamped = std::min(std::max(value - minimum_, 0L), span);
  const int filled = static_cast<int>(clamped * kWidth / span);
  std::fprintf(stderr, "\r[%s%s] %ld/%ld", std::string(filled, '#').c_str(),
               std::string(kWidth - filled, ' ').c_str(), value, maximum_);
  std::fflush(stderr);
  bar_shown_ = true;
}

void CliHost::status(std::u16string_view text) {
  end_progress();
  std::cerr << utf8(text) << "\n";
}

void CliHost::end_progress() {
  if (!bar_shown_) return;
  std::fputs("\r\033[K", stderr);
  bar_shown_ = false;
}

int load_data(const paths::DataSearch& folder, Session& session, CliHost& host,
              long long* load_ms) {
  if (!folder.folder) {
    std::cerr << "kovari-cli: " << paths::search_failure_text(folder) << "\n";
    return 2;
  }
  const auto start = std::chrono::steady_clock::now();
  const postaldb::LoadStatus status = session.load(
      *folder.folder, host, paths::user_files(paths::current_places(), paths::folder_is_writable));
  host.end_progress();
  if (load_ms != nullptr) {
    *load_ms = std::chrono::duration_cast<std::chrono::milliseconds>(
                   std::chrono::steady_clock::now() - start)
                   .count();
  }
  if (!status.ok()) {
    std::cerr << "kovari-cli: " << status.error << "\n";
    return 1;
  }
  return 0;
}

namespace {

// The terminal host, with the closing summary left to standard output.
class BatchHost : public CliHost {
 public:
  using CliHost::CliHost;
  void message_box(std::u16string_view text, std::u16string_view title, MessageIcon icon) override {
    if (icon == MessageIcon::Information) return;
    CliHost::message_box(text, title, icon);
  }
};

// The option that holds the field a refused run names.
std::string_view option_of(Focus focus) {
  switch (focus) {
    case Focus::kInputFile:
      return "--in";
    case Focus::kItemCount:
      return "--items";
    case Focus::kCodePosition:
      return "--code-pos";
    case Focus::kAddress1Position:
      return "--addr1";
    case Focus::kAddress2Position:
      return "--addr2";
    case Focus::kAddress3Position:
      return "--addr3";
    case Focus::kStartLine:
      return "--start-line";
    case Focus::kOutputFile:
      return "--out";
    case Focus::kNone:
    case Focus::kCode:
    case Focus::kAddress:
      break;
  }
  return "";
}

}  // namespace

int run_batch_command(std::string_view command, const paths::DataSearch& folder, bool yes,
                      const BatchRun& run) {
  BatchHost host(yes);
  Session session;
  if (const int failed = load_data(folder, session, host)) return failed;
  const batch::BatchOutcome outcome = run(session, host);
  host.end_progress();
  switch (outcome.result) {
    case batch::BatchResult::Finished:
      std::cout << utf8(outcome.summary) << '\n';
      return 0;
    case batch::BatchResult::Failed:
      std::cerr << "kovari-cli " << command << ": " << utf8(outcome.message) << ' ' << outcome.error
                << '\n';
      return 1;
    case batch::BatchResult::Refused:
      std::cerr << "kovari-cli " << command << ": " << utf8(outcome.message) << " ("
                << option_of(outcome.focus) << ")";
      if (!outcome.error.empty()) std::cerr << ' ' << outcome.error;
      std::cerr << '\n';
      return 2;
  }
  return 1;
}

std::string utf8(std::u16string_view text) { return text::to_utf8(text); }
std::u16string utf16(std::string_view text) { return text::from_utf8(text); }

std::vector<std::string> positional_arguments(Args& args) {
  std::vector<std::string> words;
  while (std::optional<std::string> word = args.positional()) words.push_back(*word);
  return words;
}

namespace {

// Hands each line of the LF-ended piece `text` to `each`: a CR ends a line
// too (CR LF and CR-only text), and the text after the last CR is a line when
// it is not empty. An empty piece is one empty line.
void for_each_line(std::string_view text, const std::function<void(std::string_view)>& each) {
  if (text.empty()) {
    each(text);
    return;
  }
  std::size_t start = 0;
  while (start < text.size()) {
    const std::size_t end = text.find('\r', start);
    if (end == std::string_view::npos) {
      each(text.substr(start));
      return;
    }
    each(text.substr(start, end - start));
    start = end + 1;
  }
}

// Standard output and input are read and written in pieces of this size.
constexpr std::size_t kPieceSize = 1 << 16;

bool write_all(std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t n = ::write(STDOUT_FILENO, bytes.data(), bytes.size());
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    bytes.remove_prefix(static_cast<std::size_t>(n));
  }
  return true;
}

// Whether standard input has more to read (or its end) without waiting.
bool input_waiting() {
  pollfd input{STDIN_FILENO, POLLIN, 0};
  return ::poll(&input, 1, 0) > 0;
}

}  // namespace

void for_each_input(const std::vector<std::string>& arguments,
                    const std::function<void(std::string_view)>& each,
                    const std::function<void()>& read_done) {
  if (!arguments.empty()) {
    for (const std::string& argument : arguments) each(argument);
    if (read_done) read_done();
    return;
  }
  // Whatever a read returns is handed on up to its last LF, so a line typed
  // by a caller is answered before the next one comes; the lines held are
  // answered once no more input waits (a caller waiting for an answer), so a
  // file or a fast pipe is not answered a read at a time.
  std::string pending;
  std::vector<char> piece(kPieceSize);
  for (;;) {
    const ssize_t n = ::read(STDIN_FILENO, piece.data(), piece.size());
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) break;
    pending.append(piece.data(), static_cast<std::size_t>(n));
    const std::size_t last_lf = pending.rfind('\n');
    if (last_lf == std::string::npos) continue;
    std::string_view whole(pending.data(), last_lf);
    for (std::size_t lf = whole.find('\n');; lf = whole.find('\n')) {
      for_each_line(whole.substr(0, lf), each);
      if (lf == std::string_view::npos) break;
      whole.remove_prefix(lf + 1);
    }
    pending.erase(0, last_lf + 1);
    if (read_done && !input_waiting()) read_done();
  }
  if (!pending.empty()) for_each_line(pending, each);
  if (read_done) read_done();
}

Output::Output(Args& args) : line_buffered_(args.flag("line-buffered")) {}

Output& Output::operator<<(std::u16string_view text) {
  text::append_utf8(buffer_, text);
  return *this;
}

void Output::end_answer() {
  if (line_buffered_ || buffer_.size() >= kPieceSize) flush();
}

void Output::flush() {
  // A reader that went away (a closed pipe) gets nothing more.
  if (!buffer_.empty()) write_all(buffer_);
  buffer_.clear();
}

std::optional<int> jobs_option(Args& args, std::string_view command, int absent) {
  const std::optional<std::string> given = args.option("jobs");
  if (!given) {
    return absent > 0 ? absent
                      : static_cast<int>(std::max(1U, std::thread::hardware_concurrency()));
  }
  int jobs = 0;
  const auto [end, error] = std::from_chars(given->data(), given->data() + given->size(), jobs);
  if (error != std::errc() || end != given->data() + given->size() || jobs < 1) {
    std::cerr << "kovari-cli " << command << ": --jobs takes a whole number from 1 up, not \""
              << *given << "\"\n";
    return std::nullopt;
  }
  return jobs;
}

}  // namespace kovari::cli
