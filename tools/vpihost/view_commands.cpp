// Console commands that show state without calling a slot, and init.
#include <cstdio>
#include <fstream>

#include "block_view.h"
#include "console.h"
#include "init_file.h"
#include "result_names.h"
#include "wall_picture.h"
#include "wall_svg.h"

namespace vpihost {
namespace {

void HexDump(const unsigned char* bytes, int size, std::ostream& out) {
  for (int i = 0; i < size; i += 16) {
    char row[80];
    int at = std::snprintf(row, sizeof row, "  %04X ", i);
    for (int j = i; j < size && j < i + 16; ++j) {
      at += std::snprintf(row + at, sizeof row - static_cast<size_t>(at), " %02X", bytes[j]);
    }
    out << row << "\n";
  }
}

}  // namespace

LineOutcome Console::Block(const CommandLine& line) {
  if (!line.args.empty()) return InputError("usage: block");
  out_ << "station " << session_.station() << " block, " << session_.instanceSize() << " bytes\n";
  if (const DriverData* data = session_.Data()) {
    out_ << DescribeBlock(*data);
  } else {
    out_ << "  (the driver's block size differs from this console's DriverData of "
         << sizeof(DriverData) << " bytes: raw bytes)\n";
    HexDump(session_.Block(), session_.instanceSize(), out_);
  }
  return LineOutcome::kDone;
}

LineOutcome Console::Log(const CommandLine& line) {
  if (!libraries_.hasStandin) return InputError("log: the host stand-in is not loaded");
  if (line.args.size() > 1) return InputError("usage: log [off|all|8|32|MASK]");
  if (!line.args.empty()) {
    const std::string& level = line.args[0];
    long long mask = 0;
    if (level == "off") {
      logMask_ = 0;
    } else if (level == "all") {
      logMask_ = 0xFFFFFFFFu;
    } else if (ParseInteger(level, 0, 0xFFFFFFFFLL, &mask)) {
      logMask_ = static_cast<uint32_t>(mask);
    } else {
      return InputError("log: \"" + level + "\" is not off, all or a level mask");
    }
    libraries_.standin.setLevelMask(logMask_);
  }
  char mask[16];
  std::snprintf(mask, sizeof mask, "0x%X", static_cast<unsigned>(logMask_));
  out_ << "log levels shown: "
       << (logMask_ == 0 ? "none" : (logMask_ == 0xFFFFFFFFu ? "all" : mask)) << "\n";
  return LineOutcome::kDone;
}

LineOutcome Console::Wall(const CommandLine& line) {
  const std::vector<WallWindow> windows = CollectWall(libraries_.simulator, session_.Data());
  if (!line.args.empty() && line.args[0] == "svg") {
    if (line.args.size() != 2) return InputError("usage: wall svg FILE");
    std::ofstream file(line.args[1], std::ios::binary | std::ios::trunc);
    file << WallSvg(windows);
    file.close();
    if (!file) return InputError("wall: cannot write " + line.args[1]);
    out_ << "wrote " << line.args[1] << " (" << windows.size() << " windows)\n";
    return LineOutcome::kDone;
  }
  const bool ascii = settings_.ascii || (!line.args.empty() && line.args[0] == "ascii");
  if (line.args.size() > 1 || (!line.args.empty() && line.args[0] != "ascii")) {
    return InputError("usage: wall [ascii] | wall svg FILE");
  }
  out_ << DrawWall(windows, ascii) << DescribeWallWindows(windows);
  return LineOutcome::kDone;
}

LineOutcome Console::Init(const CommandLine& line) {
  bool force = false;
  std::string host = "simulator";
  size_t at = 0;
  if (at < line.args.size() && line.args[at] == "--force") {
    force = true;
    ++at;
  }
  if (at < line.args.size()) host = line.args[at++];
  if (at != line.args.size()) return InputError("usage: init [--force] [HOST]");
  std::string message;
  if (!CheckHostName(host, &message)) return InputError("init: " + message);
  const InitOutcome outcome = WriteInitFile(session_.station(), host, force, &message);
  if (outcome == InitOutcome::kFailed) return InputError("init: " + message);
  out_ << message << "\n";
  return LineOutcome::kDone;
}

}  // namespace vpihost
