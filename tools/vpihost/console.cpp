#include "console.h"

#include <cstdio>

#include "core/driver_data.h"
#include "result_names.h"

namespace vpihost {
namespace {

constexpr size_t kUsageWidth = 30;

}  // namespace

const std::vector<Console::Command>& Console::Commands() {
  static const std::vector<Command> commands = {
      {"station", &Console::Station, "station [N]",
       "select station N (0-999), or show the current one", false},
      {"init", &Console::Init, "init [--force] [HOST]",
       "write the station's darAZO%02d.int naming HOST (default simulator); keeps an existing "
       "file",
       false},
      {"coldstart", &Console::ColdStart, "coldstart",
       "slot 1: reset the station, read the file, bind the library", false},
      {"warmstart", &Console::WarmStart, "warmstart", "slot 2: close and re-open the connections",
       false},
      {"close", &Console::ClosePorts, "close", "slot 12: close the connections", false},
      {"closecomm", &Console::CloseComm, "closecomm",
       "slot 11: close the connections, log a failure", false},
      {"parse", &Console::Parse, "parse ADDRESS TYPE",
       "slot 3: does the driver take ADDRESS as TYPE (1 5 6 7 or INT16 INT32 FLAG TEXT)?", false},
      {"read", &Console::Read, "read [-t TYPE] ADDRESS",
       "slot 5: read ADDRESS (type asked of the parser: 5, 6 or 7)", false},
      {"write", &Console::Write, "write [-t TYPE] ADDRESS VALUE",
       "slot 7: write a number or a text (type asked of the parser: 1, 6 or 7)", false},
      {"info", &Console::Info, "info", "slot 14: title, banner, block size", false},
      {"browse", &Console::Browse, "browse [NAME | cancel]",
       "slot 16: the driver's address dialog; NAME picks for you where the dialog is a model",
       false},
      {"block", &Console::Block, "block", "the station's instance block, field by field", false},
      {"wall", &Console::Wall, "wall [ascii] | wall svg FILE",
       "the video wall as the simulator shows it", true},
      {"trace", &Console::Trace, "trace [clear]", "the simulator's library calls so far", true},
      {"fault", &Console::Fault, "fault FUNCTION [RESULT [FROM [COUNT]]] | fault clear",
       "make a library function answer RESULT (default 0) on its next call(s)", true},
      {"sim", &Console::Sim, "sim reset | sim config FILE | sim stats",
       "restart or configure the simulator", true},
      {"log", &Console::Log, "log [off|all|8|32|MASK]", "which host log levels are shown", false},
      {"expect", &Console::Expect, "expect RESULT | expect value TEXT | expect log TEXT",
       "check the last driver call; a failed check fails a script", false},
      {"help", &Console::Help, "help [COMMAND]", "this list", false},
      {"quit", &Console::Quit, "quit", "leave (also: exit, end of input)", false},
      {"exit", &Console::Quit, "exit", nullptr, false},
  };
  return commands;
}

Console::Console(const HostLibraries& libraries, std::ostream& out, ConsoleSettings settings)
    : libraries_(libraries), out_(out), settings_(settings), session_(libraries.vpiMain) {
  if (libraries_.hasStandin) {
    libraries_.standin.setSink(&Console::ReceiveLog, this);
    libraries_.standin.setLevelMask(logMask_);
  }
}

Console::~Console() {
  if (libraries_.hasStandin) libraries_.standin.setSink(nullptr, nullptr);
}

bool Console::Start(std::string* error) {
  VpiDriverInfo info{};
  muted_ = true;
  const int32_t result = session_.QueryInfo(&info);
  muted_ = false;
  if (result != VPI_OK || session_.instanceSize() <= 0) {
    *error = "the driver's slot 14 answered " + ResultName(result) + " with block size " +
             std::to_string(info.instanceSize);
    return false;
  }
  session_.SelectStation(1);
  return true;
}

std::string Console::Prompt() const {
  char prompt[32];
  std::snprintf(prompt, sizeof prompt, "vpihost[%02d]> ", session_.station());
  return prompt;
}

void Console::ReceiveLog(void* context, int level, const char* line) {
  Console* console = static_cast<Console*>(context);
  if (console->muted_) return;
  console->out_ << "  log[" << level << "] " << line << "\n";
  console->last_.log.push_back(line);
}

LineOutcome Console::Execute(const std::string& text) {
  const CommandLine line = SplitCommandLine(text);
  if (line.empty || line.comment) return LineOutcome::kDone;
  if (!line.error.empty()) return InputError(line.error);
  int32_t expected = 0;
  if (line.expects && !ParseResultCode(line.expectation, &expected)) {
    return InputError("\"" + line.expectation + "\" is no result code (VPI_OK, VPI_INVALID, ...)");
  }
  for (const Command& command : Commands()) {
    if (line.verb != command.verb) continue;
    calledDriver_ = false;
    const LineOutcome outcome = RunCommand(command, line);
    return CheckTrailing(line, outcome, calledDriver_);
  }
  return InputError("unknown command \"" + line.verb + "\"; \"help\" lists the commands");
}

LineOutcome Console::RunCommand(const Command& command, const CommandLine& line) {
  if (!command.asksSimulator) return (this->*command.handler)(line);
  std::string error;
  if (!AimSimulatorControls(&error)) return InputError(line.verb + ": " + error);
  const LineOutcome outcome = (this->*command.handler)(line);
  ReleaseSimulatorControls();
  return outcome;
}

LineOutcome Console::CheckTrailing(const CommandLine& line, LineOutcome outcome,
                                   bool calledDriver) {
  if (!line.expects || outcome == LineOutcome::kInputError || outcome == LineOutcome::kQuit) {
    return outcome;
  }
  if (!calledDriver) return InputError("\"=>\" checks only commands that call the driver");
  int32_t expected = 0;
  ParseResultCode(line.expectation, &expected);
  const LineOutcome checked =
      Check(last_.result == expected,
            "expected " + ResultName(expected) + ", got " + ResultName(last_.result));
  return outcome == LineOutcome::kCheckFailed ? outcome : checked;
}

LineOutcome Console::Expect(const CommandLine& line) {
  if (line.args.empty())
    return InputError("usage: expect RESULT | expect value TEXT | expect log TEXT");
  if (!last_.hasResult) return InputError("expect: no driver call to check yet");
  const std::string what = line.args[0];
  if (what == "value") {
    const std::string wanted = line.TextFrom(1);
    if (!last_.hasValue) return Check(false, "expected value " + wanted + ", but nothing was read");
    return Check(last_.value == wanted, "expected value " + wanted + ", got " + last_.value);
  }
  if (what == "log") {
    const std::string wanted = line.TextFrom(1);
    if (wanted.empty()) return InputError("usage: expect log TEXT");
    bool found = false;
    for (const std::string& logged : last_.log)
      found = found || logged.find(wanted) != std::string::npos;
    return Check(found, "no log line of the last call holds \"" + wanted + "\"");
  }
  int32_t expected = 0;
  if (line.args.size() != 1 || !ParseResultCode(what, &expected)) {
    return InputError("expect: \"" + line.TextFrom(0) + "\" is no result code, value or log check");
  }
  return Check(last_.result == expected,
               "expected " + ResultName(expected) + ", got " + ResultName(last_.result));
}

LineOutcome Console::Check(bool holds, const std::string& failure) {
  ++checksRun_;
  if (holds) return LineOutcome::kDone;
  ++checksFailed_;
  out_ << "  CHECK FAILED: " << failure << "\n";
  return LineOutcome::kCheckFailed;
}

LineOutcome Console::InputError(const std::string& message) {
  out_ << "error: " << message << "\n";
  return LineOutcome::kInputError;
}

void Console::BeginDriverCall() {
  calledDriver_ = true;
  last_ = LastCall();
  if (libraries_.hasSimulator) badHandlesSeen_ = libraries_.simulator.badHandleCalls();
}

LineOutcome Console::FinishDriverCall(int32_t result) {
  last_.hasResult = true;
  last_.result = result;
  out_ << ResultName(result) << "\n";
  if (libraries_.hasSimulator) {
    const int bad = libraries_.simulator.badHandleCalls() - badHandlesSeen_;
    if (bad > 0) {
      out_ << "  warning: the driver passed " << bad
           << " closed or unknown handle(s) to the library (see trace)\n";
    }
  }
  return LineOutcome::kDone;
}

bool Console::AddressUsable(const std::string& address, std::string* error) const {
  constexpr size_t kLongest = kAddressSize - 1;
  if (address.size() > kLongest) {
    *error = "address too long: " + std::to_string(address.size()) +
             " characters, a host passes at most " + std::to_string(kLongest);
    return false;
  }
  return true;
}

LineOutcome Console::Help(const CommandLine& line) {
  bool found = false;
  for (const Command& command : Commands()) {
    if (command.summary == nullptr) continue;
    if (!line.args.empty() && line.args[0] != command.verb) continue;
    found = true;
    const std::string usage = command.usage;
    if (usage.size() > kUsageWidth) {
      out_ << "  " << usage << "\n" << std::string(kUsageWidth + 3, ' ') << command.summary << "\n";
    } else {
      out_ << "  " << usage << std::string(kUsageWidth + 1 - usage.size(), ' ') << command.summary
           << "\n";
    }
  }
  if (!found) return InputError("help: no command \"" + line.args[0] + "\"");
  if (line.args.empty()) {
    out_ << "  A trailing \"=> RESULT\" checks a command's result, e.g. read !FRESULT => VPI_OK.\n"
            "  Lines starting with # are comments. A value in double quotes keeps its blanks.\n";
  }
  return LineOutcome::kDone;
}

LineOutcome Console::Quit(const CommandLine& /*line*/) {
  return LineOutcome::kQuit;
}

}  // namespace vpihost
