// Console commands that run one slot on the current station.
#include <algorithm>
#include <cstdio>
#include <fstream>

#include "banner_text.h"
#include "block_view.h"
#include "browse_user.h"
#include "console.h"
#include "init_file.h"
#include "result_names.h"

namespace vpihost {

LineOutcome Console::Station(const CommandLine& line) {
  if (line.args.size() > 1) return InputError("usage: station [N]");
  if (!line.args.empty()) {
    long long number = 0;
    if (!ParseInteger(line.args[0], 0, kMaxStation, &number)) {
      return InputError("station: \"" + line.args[0] + "\" is not a station number (0-999)");
    }
    session_.SelectStation(static_cast<int>(number));
  }
  out_ << "station " << session_.station() << ": block of " << session_.instanceSize()
       << " bytes, file " << InitFileName(session_.station()) << "\n";
  return LineOutcome::kDone;
}

LineOutcome Console::SimpleSlot(uint32_t slot) {
  BeginDriverCall();
  return FinishDriverCall(session_.Call(slot, nullptr));
}

LineOutcome Console::ColdStart(const CommandLine& line) {
  if (!line.args.empty()) return InputError("usage: coldstart");
  const LineOutcome outcome = SimpleSlot(kSlotColdStart);
  if (last_.result != VPI_OK && !std::ifstream(InitFileName(session_.station())).good()) {
    out_ << "  hint: there is no " << InitFileName(session_.station())
         << " here; \"init\" writes one naming the simulator\n";
  }
  return outcome;
}

LineOutcome Console::WarmStart(const CommandLine& line) {
  if (!line.args.empty()) return InputError("usage: warmstart");
  return SimpleSlot(kSlotWarmStart);
}

LineOutcome Console::ClosePorts(const CommandLine& line) {
  if (!line.args.empty()) return InputError("usage: close");
  return SimpleSlot(kSlotClosePorts);
}

LineOutcome Console::CloseComm(const CommandLine& line) {
  if (!line.args.empty()) return InputError("usage: closecomm");
  return SimpleSlot(kSlotCloseComm);
}

LineOutcome Console::Info(const CommandLine& line) {
  if (!line.args.empty()) return InputError("usage: info");
  VpiDriverInfo info{};
  BeginDriverCall();
  const LineOutcome outcome = FinishDriverCall(session_.QueryInfo(&info));
  if (last_.result != VPI_OK) return outcome;
  char dword[16];
  std::snprintf(dword, sizeof dword, "0x%08X", static_cast<unsigned>(info.infoDword));
  out_ << "  title \"" << (info.title != nullptr ? info.title : "") << "\"\n"
       << "  driverCode " << info.driverCode << "  instanceSize " << info.instanceSize
       << "  infoCode " << info.infoCode << "  infoWordA " << info.infoWordA << "  infoWordB "
       << info.infoWordB << "  infoDword " << dword << "\n";
  if (info.banner != nullptr) out_ << BannerToTerminal(info.banner, settings_.ascii);
  return outcome;
}

LineOutcome Console::Browse(const CommandLine& line) {
  if (line.args.size() > 1) return InputError("usage: browse [NAME | cancel]");
  const std::string name = line.args.empty() ? std::string() : line.args[0];
  const bool model = libraries_.hasDialogModel;
  if (!model && !name.empty()) out_ << "  note: the driver shows its own dialog; pick there\n";
  BrowseUser user(libraries_.dialogModel, out_, settings_.interactive, name);
  const bool someone = model && (settings_.interactive || !name.empty());
  if (someone) libraries_.dialogModel.setUser(&BrowseUser::Act, &user);
  char address[kBrowseBufferSize] = {};
  VpiRequest request{};
  request.addressText = address;
  BeginDriverCall();
  const int32_t result = session_.Call(kSlotBrowse, &request);
  if (someone) libraries_.dialogModel.setUser(nullptr, nullptr);
  const LineOutcome outcome = FinishDriverCall(result);
  if (result == VPI_OK) {
    last_.hasValue = true;
    last_.value.assign(address, std::find(address, address + sizeof address, '\0'));
    out_ << "  value \"" << last_.value << "\"\n";
  }
  return outcome;
}

LineOutcome Console::Parse(const CommandLine& line) {
  if (line.args.size() != 2) return InputError("usage: parse ADDRESS TYPE");
  std::string error;
  if (!AddressUsable(line.args[0], &error)) return InputError(error);
  int32_t type = 0;
  if (!ParseTypeCode(line.args[1], &type)) {
    return InputError("parse: \"" + line.args[1] +
                      "\" is no data type (1 5 6 7, INT16 INT32 FLAG TEXT)");
  }
  VpiRequest request{};
  BeginDriverCall();
  const LineOutcome outcome = FinishDriverCall(session_.Parse(line.args[0], type, &request));
  out_ << "  valueType " << request.valueType << "  parseCode " << request.parseCode
       << "  parseInfo " << request.parseInfo1 << " " << request.parseInfo2 << " "
       << request.parseInfo3;
  if (const DriverData* data = session_.Data()) {
    out_ << "  block address \"" << FieldText(data->address, kAddressSize) << "\"";
  }
  out_ << "\n";
  return outcome;
}

}  // namespace vpihost
