// kovari-cli answers a caller that drives it line by line with
// --line-buffered, and its batch commands write the same file and summary
// whatever the number of jobs (on the national data).
#include <gtest/gtest.h>
#include <poll.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <fstream>
#include <string>

#include "run_program.h"
#include "support/scratch_folder.h"

namespace {

using kovari::testing::cli_program;
using kovari::testing::fixture_folder;
using kovari::testing::run_command;

// What the program writes to standard output within `seconds` (empty when
// nothing comes).
std::string read_within(int fd, int seconds) {
  pollfd ready{fd, POLLIN, 0};
  if (poll(&ready, 1, seconds * 1000) != 1) return {};
  char buffer[4096];
  const ssize_t n = read(fd, buffer, sizeof buffer);
  return n > 0 ? std::string(buffer, static_cast<std::size_t>(n)) : std::string();
}

TEST(BufferingCliTest, LineBufferedAnswersEachLineBeforeTheInputEnds) {
  if (!kovari::testing::cli_and_fixture_built("basic")) {
    GTEST_SKIP() << "kovari-cli or the basic fixture not built";
  }
  std::signal(SIGPIPE, SIG_IGN);
  // addr --jobs 2 holds the lines it reads for its jobs, and answers them once
  // no more input waits.
  const struct {
    const char* command;
    const char* jobs;
  } commands[] = {{"code", "1"}, {"addr", "1"}, {"addr", "2"}, {"decompose", "1"}};
  for (const auto [command, jobs] : commands) {
    int to_child[2], from_child[2];
    ASSERT_EQ(pipe(to_child), 0);
    ASSERT_EQ(pipe(from_child), 0);
    const std::string data = fixture_folder("basic").string();
    const pid_t child = fork();
    if (child == 0) {
      dup2(to_child[0], STDIN_FILENO);
      dup2(from_child[1], STDOUT_FILENO);
      close(to_child[1]);
      close(from_child[0]);
      if (std::string(command) == "addr") {
        execl(cli_program().c_str(), "kovari-cli", command, "--line-buffered", "--data",
              data.c_str(), "--jobs", jobs, static_cast<char*>(nullptr));
      } else {
        execl(cli_program().c_str(), "kovari-cli", command, "--line-buffered", "--data",
              data.c_str(), static_cast<char*>(nullptr));
      }
      _exit(127);
    }
    close(to_child[0]);
    close(from_child[1]);
    const std::string line =
        std::string(command) == "code" ? "1000001\n" : "東京都千代田区千代田\n";
    // Each line is answered before the next is written, the second too.
    for (int turn = 0; turn < 2; ++turn) {
      ASSERT_EQ(write(to_child[1], line.data(), line.size()), static_cast<ssize_t>(line.size()));
      const std::string answer = read_within(from_child[0], 60);
      EXPECT_FALSE(answer.empty()) << command << " --jobs " << jobs << ": no answer to line "
                                   << turn + 1 << " while the input is open";
      EXPECT_EQ(std::count(answer.begin(), answer.end(), '\n'), 1) << command << " " << turn;
    }
    close(to_child[1]);
    EXPECT_EQ(read_within(from_child[0], 60), "") << command << ": more than two answers";
    close(from_child[0]);
    int status = 0;
    waitpid(child, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << command;
  }
}

TEST(JobsCliTest, BatchOutputsAndSummariesDoNotDependOnTheJobs) {
  const std::filesystem::path data = kovari::testing::national_data_folder();
  if (!std::filesystem::exists(cli_program()) || !std::filesystem::exists(data / "kovaritbl.dat")) {
    GTEST_SKIP() << "kovari-cli or the national data not built";
  }
  kovari::testing::TempFolder folder;
  const std::string cli = cli_program().string() + " ";
  const std::string in = (folder.path() / "in.csv").string();
  // The town areas of a prefecture as exported, with a few short lines
  // (records then go line by line and keep items of the record before).
  ASSERT_EQ(run_command(cli + "export --data " + data.string() + " --pref 東京都 --out " + in +
                        " --yes >/dev/null")
                .status,
            0);
  {
    std::ofstream extra(in, std::ios::app | std::ios::binary);
    extra << "1000001\r\n\r\n9999999,X\r\n1500000\r\n";
  }
  const struct {
    const char* command;
    std::string options;
  } cases[] = {
      {"batch-addr", "--items 4 --addr1 2 --addr2 3 --addr3 4 --code-pos 1 --replace --message"},
      {"batch-addr", "--items 4 --addr1 2 --addr2 3 --addr3 4 --latest-address 4 --hyphen"},
      {"batch-code", "--items 4 --code-pos 1 --message"},
  };
  for (const auto& c : cases) {
    auto run = [&](const std::string& jobs) {
      const std::string out = (folder.path() / ("out-" + jobs + ".csv")).string();
      const kovari::testing::CommandResult result =
          run_command(cli + c.command + " --data " + data.string() + " --in " + in + " --out " +
                      out + " --yes " + c.options + " --jobs " + jobs + " 2>/dev/null");
      // The summary without its run time.
      const std::string summary = result.output.substr(0, result.output.find("処理時間"));
      return std::pair(summary + std::to_string(result.status), kovari::testing::file_bytes(out));
    };
    const auto one = run("1");
    EXPECT_GT(one.second.size(), 100000U) << c.command << " " << c.options;
    for (const char* jobs : {"2", "3"}) {
      const auto several = run(jobs);
      EXPECT_EQ(several.first, one.first) << c.command << " " << c.options << " --jobs " << jobs;
      EXPECT_TRUE(several.second == one.second)
          << c.command << " " << c.options << " --jobs " << jobs;
    }
  }
}

TEST(JobsCliTest, AddrAnswersTheSameWhateverTheJobs) {
  const std::filesystem::path data = kovari::testing::national_data_folder();
  if (!std::filesystem::exists(cli_program()) || !std::filesystem::exists(data / "kovaritbl.dat")) {
    GTEST_SKIP() << "kovari-cli or the national data not built";
  }
  kovari::testing::TempFolder folder;
  const std::string cli = cli_program().string() + " ";
  const std::string in = (folder.path() / "in.txt").string();
  // The addresses of every code beginning with 10, 53 or 98, then lines no
  // address is made of (empty, blanks, CR LF, bytes that are not UTF-8).
  ASSERT_EQ(
      run_command(cli + "code --data " + data.string() + " 10 53 98 | cut -f2 > " + in).status, 0);
  {
    std::ofstream extra(in, std::ios::app | std::ios::binary);
    extra << "\n   \n東京都千代田区千代田１－１\r\nxyz\n\xff\xfe大阪\n京都府京都市";
  }
  for (const std::string options : {"", "--hyphen --fuzzy"}) {
    auto run = [&](const char* jobs) {
      return run_command(cli + "addr --data " + data.string() + " " + options + " --jobs " + jobs +
                         " < " + in);
    };
    const kovari::testing::CommandResult one = run("1");
    ASSERT_EQ(one.status, 0);
    EXPECT_GT(std::count(one.output.begin(), one.output.end(), '\n'), 1000) << options;
    for (const char* jobs : {"2", "3"}) {
      const kovari::testing::CommandResult several = run(jobs);
      EXPECT_EQ(several.status, 0);
      EXPECT_TRUE(several.output == one.output) << options << " --jobs " << jobs;
    }
  }
}

}  // namespace
