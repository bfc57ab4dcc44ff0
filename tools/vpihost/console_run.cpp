#include "console_run.h"

#include <filesystem>
#include <fstream>

#include "console.h"
#include "console_platform.h"
#include "library_paths.h"
#include "vpi_version.h"

namespace vpihost {
namespace {

namespace fs = std::filesystem;

struct BatchTally {
  int lines = 0;
  int inputErrors = 0;
};

void RunBatch(Console* console, std::istream& in, const std::string& name, bool quiet,
              std::ostream& out, BatchTally* tally) {
  int number = 0;
  for (std::string line; std::getline(in, line);) {
    ++number;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    const CommandLine split = SplitCommandLine(line);
    if (split.empty) {
      if (!quiet) out << "\n";
      continue;
    }
    if (split.comment) {
      if (!quiet) out << line << "\n";
      continue;
    }
    ++tally->lines;
    out << console->Prompt() << line << "\n";
    const LineOutcome outcome = console->Execute(line);
    if (outcome == LineOutcome::kInputError) ++tally->inputErrors;
    if (outcome == LineOutcome::kInputError || outcome == LineOutcome::kCheckFailed) {
      out << "  at " << name << " line " << number << "\n";
    }
    if (outcome == LineOutcome::kQuit) break;
    // A program feeding the console line by line sees each answer at once.
    out.flush();
  }
}

void RunInteractive(Console* console, std::ostream& out) {
  out << "Type \"help\" for the commands, \"quit\" to leave.\n";
  std::string line;
  while (ReadEditedLine(console->Prompt(), &line)) {
    if (line.find_first_not_of(" \t") != std::string::npos) RememberLine(line);
    if (console->Execute(line) == LineOutcome::kQuit) return;
    out.flush();
  }
  out << "\n";
}

bool EnterDirectory(const std::string& directory, std::ostream& err) {
  std::error_code failure;
  fs::create_directories(directory, failure);
  fs::current_path(directory, failure);
  if (failure) {
    err << "vpihost: cannot work in " << directory << ": " << failure.message() << "\n";
    return false;
  }
  return true;
}

}  // namespace

int RunConsole(const RunOptions& options, std::istream& input, bool inputIsTerminal,
               std::ostream& out, std::ostream& err) {
  if (options.help) {
    out << UsageText();
    return kExitOk;
  }
  if (options.version) {
    out << "vpihost " << VPI_VERSION_TEXT << "\n";
    return kExitOk;
  }
  const bool fromScript = !options.script.empty() && options.script != "-";
  std::ifstream script;
  if (fromScript) {
    script.open(options.script, std::ios::binary);  // before --dir moves us
    if (!script) {
      err << "vpihost: cannot read script " << options.script << "\n";
      return kExitCannotStart;
    }
  }
  // Before --dir moves us, so a relative --driver names the caller's file.
  const LibraryPaths paths = FindLibraryPaths(ExecutableDirectory(), options.driverPath);
  if (!options.directory.empty() && !EnterDirectory(options.directory, err))
    return kExitCannotStart;

  HostLibraries libraries;
  std::string error;
  std::vector<std::string> warnings;
  const bool loaded = LoadHostLibraries(paths, &libraries, &error, &warnings);
  for (const std::string& warning : warnings) err << "vpihost: warning: " << warning << "\n";
  if (!loaded) {
    err << "vpihost: " << error << "\n";
    return kExitCannotStart;
  }
  const bool interactive = !fromScript && options.script.empty() && inputIsTerminal;
  Console console(libraries, out, ConsoleSettings{options.ascii, interactive});
  if (!console.Start(&error)) {
    err << "vpihost: " << error << "\n";
    return kExitCannotStart;
  }
  if (interactive) {
    out << "vpihost: driver " << paths.driver << " (station block " << console.blockSize()
        << " bytes)\n";
    RunInteractive(&console, out);
    return kExitOk;
  }
  BatchTally tally;
  const std::string name = fromScript ? options.script : std::string("input");
  RunBatch(&console, fromScript ? static_cast<std::istream&>(script) : input, name, options.quiet,
           out, &tally);
  out << "== " << name << ": " << tally.lines << " commands, " << console.checksRun() << " checks, "
      << console.checksFailed() << " failed, " << tally.inputErrors << " unusable lines\n";
  const bool clean = console.checksFailed() == 0 && tally.inputErrors == 0;
  return clean ? kExitOk : kExitChecksFailed;
}

}  // namespace vpihost
