// The rvsimd program itself: it prints the port it picked, serves a hello,
// and on SIGTERM closes every connection and exits cleanly.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <string>

#include "wire_client.h"

namespace rvsimdtest {
namespace {

// The program with its standard output on a pipe; killed when the test ends.
class Program {
 public:
  explicit Program(const std::string& config_file) {
    int fds[2];
    if (pipe(fds) != 0) return;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, fds[1], 1);
    posix_spawn_file_actions_addclose(&actions, fds[0]);
    std::string program = RVSIMD_PROGRAM;
    std::vector<std::string> args = {program, "--port", "0"};
    if (!config_file.empty()) args.insert(args.end(), {"--config", config_file});
    std::vector<char*> argv;
    argv.reserve(args.size() + 1);
    for (std::string& arg : args) argv.push_back(arg.data());
    argv.push_back(nullptr);
    if (posix_spawn(&pid_, program.c_str(), &actions, nullptr, argv.data(), environ) != 0)
      pid_ = -1;
    posix_spawn_file_actions_destroy(&actions);
    close(fds[1]);
    out_ = fds[0];
  }
  ~Program() {
    if (pid_ > 0) {
      kill(pid_, SIGKILL);
      waitpid(pid_, nullptr, 0);
    }
    if (out_ >= 0) close(out_);
  }

  // The next line of its output, waiting at most `timeout_ms`.
  std::string Line(int timeout_ms = 5000) {
    std::string line;
    char c = 0;
    pollfd ready = {out_, POLLIN, 0};
    while (poll(&ready, 1, timeout_ms) == 1 && read(out_, &c, 1) == 1 && c != '\n') line += c;
    return line;
  }

  // Sends `signal` and waits for the exit status (-1 when it did not end in time).
  int Stop(int signal) {
    kill(pid_, signal);
    for (int i = 0; i < 500; ++i) {
      int status = 0;
      if (waitpid(pid_, &status, WNOHANG) == pid_) {
        pid_ = -1;
        return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
      }
      usleep(10000);
    }
    return -1;
  }

 private:
  pid_t pid_ = -1;
  int out_ = -1;
};

uint16_t PortOf(const std::string& line) {
  const std::string prefix = "rvsimd: listening on 127.0.0.1:";
  if (line.rfind(prefix, 0) != 0) return 0;
  return static_cast<uint16_t>(std::stoi(line.substr(prefix.size())));
}

TEST(Program, PrintsItsPortServesAndStopsOnSigterm) {
  const std::string config = testing::TempDir() + "rvsimd_program_config.txt";
  FILE* file = std::fopen(config.c_str(), "w");
  ASSERT_NE(file, nullptr);
  std::fputs("host wallserver\n", file);
  std::fclose(file);

  Program program(config);
  const std::string first = program.Line();
  const uint16_t port = PortOf(first);
  ASSERT_NE(port, 0) << first;

  WireClient client(port);
  ASSERT_TRUE(client.Hello());
  rvproto::CallRequest open = CallOf("NTRVOpenVideoConnection");
  open.text = "wallserver";
  EXPECT_EQ(client.Call(open).result, 1001);
  EXPECT_EQ(program.Line().rfind("rvsimd: connection 1 from 127.0.0.1:", 0), 0u);

  EXPECT_EQ(program.Stop(SIGTERM), 0);
  EXPECT_TRUE(client.ClosedWithin(milliseconds(2000)));
  EXPECT_EQ(program.Line(), "rvsimd: stopping (signal 15)");
  EXPECT_EQ(program.Line(),
            "rvsimd: connection 1 ended (server stopping), 2 requests, 1 windows freed");
  EXPECT_EQ(program.Line(), "rvsimd: stopped");
}

TEST(Program, RefusesAMalformedConfiguration) {
  const std::string config = testing::TempDir() + "rvsimd_bad_config.txt";
  FILE* file = std::fopen(config.c_str(), "w");
  ASSERT_NE(file, nullptr);
  std::fputs("limit lots\n", file);
  std::fclose(file);
  Program program(config);
  EXPECT_EQ(program.Line(), "");
  EXPECT_EQ(program.Stop(0), 2);
}

}  // namespace
}  // namespace rvsimdtest
