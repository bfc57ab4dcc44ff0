// The console's command interpreter: one line in, the driver called as a host
// calls it, the results and values printed, expectations checked.
#pragma once

#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

#include "command_line.h"
#include "driver_session.h"
#include "host_libraries.h"

namespace vpihost {

struct ConsoleSettings {
  bool ascii = false;        // draw the wall and banner without box characters
  bool interactive = false;  // a person at a terminal answers the browse dialog
};

enum class LineOutcome { kDone, kInputError, kCheckFailed, kQuit };

class Console {
 public:
  Console(const HostLibraries& libraries, std::ostream& out, ConsoleSettings settings);
  ~Console();
  Console(const Console&) = delete;
  Console& operator=(const Console&) = delete;

  // Asks slot 14 for the block size and selects station 1.
  bool Start(std::string* error);
  LineOutcome Execute(const std::string& line);
  std::string Prompt() const;

  int blockSize() const { return session_.instanceSize(); }
  int checksRun() const { return checksRun_; }
  int checksFailed() const { return checksFailed_; }

  using Handler = LineOutcome (Console::*)(const CommandLine&);
  struct Command {
    const char* verb;
    Handler handler;
    const char* usage;
    const char* summary;
    bool asksSimulator;  // shows or changes the video server's own state
  };
  static const std::vector<Command>& Commands();

 private:
  // The outcome of the last command that called the driver.
  struct LastCall {
    bool hasResult = false;
    int32_t result = 0;
    bool hasValue = false;
    std::string value;
    std::vector<std::string> log;
  };

  static void ReceiveLog(void* context, int level, const char* line);
  void BeginDriverCall();
  LineOutcome FinishDriverCall(int32_t result);
  LineOutcome InputError(const std::string& message);
  LineOutcome Check(bool holds, const std::string& failure);
  LineOutcome CheckTrailing(const CommandLine& line, LineOutcome outcome, bool calledDriver);
  bool AddressUsable(const std::string& address, std::string* error) const;

  // Commands that call the driver (slot_commands.cpp, value_commands.cpp).
  LineOutcome Station(const CommandLine& line);
  LineOutcome ColdStart(const CommandLine& line);
  LineOutcome WarmStart(const CommandLine& line);
  LineOutcome ClosePorts(const CommandLine& line);
  LineOutcome CloseComm(const CommandLine& line);
  LineOutcome Info(const CommandLine& line);
  LineOutcome Browse(const CommandLine& line);
  LineOutcome Parse(const CommandLine& line);
  LineOutcome Read(const CommandLine& line);
  LineOutcome Write(const CommandLine& line);
  LineOutcome Expect(const CommandLine& line);
  // Commands that look (view_commands.cpp, sim_commands.cpp).
  LineOutcome Block(const CommandLine& line);
  LineOutcome Log(const CommandLine& line);
  LineOutcome Wall(const CommandLine& line);
  LineOutcome Trace(const CommandLine& line);
  LineOutcome Fault(const CommandLine& line);
  LineOutcome Sim(const CommandLine& line);
  LineOutcome Init(const CommandLine& line);
  LineOutcome Help(const CommandLine& line);
  LineOutcome Quit(const CommandLine& line);

  LineOutcome SimpleSlot(uint32_t slot);
  bool SimulatorUsable();
  bool AimSimulatorControls(std::string* error);
  void ReleaseSimulatorControls();
  LineOutcome RunCommand(const Command& command, const CommandLine& line);
  int32_t TypeFor(const std::string& address, const std::vector<int32_t>& candidates);

  const HostLibraries& libraries_;
  std::ostream& out_;
  ConsoleSettings settings_;
  DriverSession session_;
  LastCall last_;
  bool calledDriver_ = false;
  bool muted_ = false;
  uint32_t logMask_ = 0xFFFFFFFFu;
  int badHandlesSeen_ = 0;
  int checksRun_ = 0;
  int checksFailed_ = 0;
};

}  // namespace vpihost
