// Console commands that reach the simulator's own controls.
#include <fstream>
#include <sstream>

#include "console.h"
#include "init_file.h"
#include "result_names.h"

namespace vpihost {

bool Console::SimulatorUsable() {
  return libraries_.hasSimulator;
}

// The controls go to the server the current station's file names: the
// simulator in this process, or a server on the network, whose state is
// then what the command shows and changes.
bool Console::AimSimulatorControls(std::string* error) {
  if (!SimulatorUsable()) {
    *error = "the simulator is not loaded";
    return false;
  }
  const SimulatorControls& sim = libraries_.simulator;
  if (sim.useServer == nullptr) return true;
  const std::string file = InitFileName(session_.station());
  const std::string host = HostNameInFile(file);
  const int aimed = sim.useServer(host.empty() ? nullptr : host.c_str());
  if (aimed == 0) return true;
  if (aimed > 0) {
    out_ << "  (video server " << sim.serverName() << ")\n";
    return true;
  }
  *error = std::string("the video server ") + sim.serverName() + " (" + file + ") does not answer";
  ReleaseSimulatorControls();
  return false;
}

// Between commands the controls are this process's own again, so the
// driver calls' bad-handle count is taken where those calls are served.
void Console::ReleaseSimulatorControls() {
  if (libraries_.simulator.useServer != nullptr) libraries_.simulator.useServer(nullptr);
}

LineOutcome Console::Trace(const CommandLine& line) {
  if (line.args.size() == 1 && line.args[0] == "clear") {
    libraries_.simulator.clearTrace();
    out_ << "trace cleared\n";
    return LineOutcome::kDone;
  }
  if (!line.args.empty()) return InputError("usage: trace [clear]");
  std::istringstream trace(libraries_.simulator.trace());
  int count = 0;
  for (std::string call; std::getline(trace, call); ++count) out_ << "  " << call << "\n";
  if (count == 0) out_ << "  (no library call since the trace was cleared)\n";
  return LineOutcome::kDone;
}

LineOutcome Console::Fault(const CommandLine& line) {
  if (line.args.size() == 1 && line.args[0] == "clear") {
    libraries_.simulator.clearFaults();
    out_ << "faults cleared\n";
    return LineOutcome::kDone;
  }
  if (line.args.empty() || line.args.size() > 4) {
    return InputError("usage: fault FUNCTION [RESULT [FROM [COUNT]]] | fault clear");
  }
  long long numbers[3] = {0, 1, 1};  // result, from, count
  const long long low[3] = {INT32_MIN, 1, -1};
  for (size_t i = 1; i < line.args.size() && i <= 3; ++i) {
    if (!ParseInteger(line.args[i], low[i - 1], INT32_MAX, &numbers[i - 1])) {
      return InputError("fault: \"" + line.args[i] + "\" is not a usable number");
    }
  }
  const std::string& function = line.args[0];
  libraries_.simulator.addFault(function.c_str(), static_cast<int>(numbers[1]),
                                static_cast<int>(numbers[2]), static_cast<int32_t>(numbers[0]));
  out_ << "fault: " << function << " answers " << numbers[0] << " from its call " << numbers[1]
       << " on ("
       << (numbers[2] < 0 ? std::string("for ever") : std::to_string(numbers[2]) + " call(s)")
       << ")\n";
  return LineOutcome::kDone;
}

LineOutcome Console::Sim(const CommandLine& line) {
  const SimulatorControls& sim = libraries_.simulator;
  const std::string what = line.args.empty() ? "" : line.args[0];
  if (what == "reset" && line.args.size() == 1) {
    sim.configure(nullptr);
    out_ << "simulator reset to its built-in server; open handles are gone\n";
  } else if (what == "config" && line.args.size() == 2) {
    std::ifstream file(line.args[1], std::ios::binary);
    if (!file) return InputError("sim: cannot read " + line.args[1]);
    std::ostringstream text;
    text << file.rdbuf();
    if (sim.configure(text.str().c_str()) != 0) {
      return InputError("sim: " + line.args[1] + " is malformed; the built-in server is in place");
    }
    out_ << "simulator configured from " << line.args[1] << "\n";
  } else if (what == "stats" && line.args.size() == 1) {
    out_ << "  library calls " << sim.callCount() << "  open connections " << sim.openConnections()
         << "  calls with a bad handle " << sim.badHandleCalls() << "\n";
  } else {
    return InputError("usage: sim reset | sim config FILE | sim stats");
  }
  return LineOutcome::kDone;
}

}  // namespace vpihost
