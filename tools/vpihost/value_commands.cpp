// read and write: the data type comes from the driver's own parser.
#include "console.h"
#include "result_names.h"
#include "value_transfer.h"

namespace vpihost {
namespace {

const std::vector<int32_t> kReadTypes = {VPI_TYPE_INT32, VPI_TYPE_FLAG, VPI_TYPE_TEXT};
const std::vector<int32_t> kWriteTypes = {VPI_TYPE_INT16, VPI_TYPE_FLAG, VPI_TYPE_TEXT};

std::string TypeList(const std::vector<int32_t>& types) {
  std::string list;
  for (int32_t t : types) list += (list.empty() ? "" : ", ") + std::to_string(t);
  return list;
}

// Splits an optional leading "-t TYPE" off the arguments; returns the index
// of the first argument after it, or -1 on a bad type.
int TakeTypeOption(const CommandLine& line, int32_t* type) {
  *type = 0;
  if (line.args.empty() || line.args[0] != "-t") return 0;
  if (line.args.size() < 2 || !ParseTypeCode(line.args[1], type)) return -1;
  return 2;
}

}  // namespace

int32_t Console::TypeFor(const std::string& address, const std::vector<int32_t>& candidates) {
  muted_ = true;
  const int32_t type = DiscoverType(&session_, address, candidates);
  muted_ = false;
  if (type == 0) {
    out_ << "  note: the driver's parser takes " << address << " as none of the types "
         << TypeList(candidates) << "\n";
  }
  return type;
}

LineOutcome Console::Read(const CommandLine& line) {
  int32_t type = 0;
  const int first = TakeTypeOption(line, &type);
  if (first < 0 || line.args.size() != static_cast<size_t>(first) + 1) {
    return InputError("usage: read [-t TYPE] ADDRESS");
  }
  const std::string& address = line.args[static_cast<size_t>(first)];
  std::string error;
  if (!AddressUsable(address, &error)) return InputError(error);
  if (type == 0) type = TypeFor(address, kReadTypes);
  BeginDriverCall();
  const Transfer transfer = ReadValue(&session_, address, type);
  LineOutcome outcome = FinishDriverCall(transfer.result);
  if (transfer.hasValue) {
    last_.hasValue = true;
    last_.value = transfer.value;
    const bool text = type == VPI_TYPE_TEXT;
    out_ << "  value " << (text ? "\"" : "") << transfer.value << (text ? "\"" : "") << "  ("
         << (type == 0 ? std::string("type unknown") : TypeName(type)) << ")\n";
  }
  if (transfer.overrun) {
    outcome = Check(false, "the driver wrote past the end of the value buffer");
  }
  return outcome;
}

LineOutcome Console::Write(const CommandLine& line) {
  int32_t type = 0;
  const int first = TakeTypeOption(line, &type);
  if (first < 0 || line.args.size() < static_cast<size_t>(first) + 2) {
    return InputError("usage: write [-t TYPE] ADDRESS VALUE");
  }
  const std::string& address = line.args[static_cast<size_t>(first)];
  const std::string value = line.TextFrom(static_cast<size_t>(first) + 1);
  std::string error;
  if (!AddressUsable(address, &error)) return InputError(error);
  const bool discovered = type == 0;
  if (discovered) type = TypeFor(address, kWriteTypes);
  WriteBuffer buffer;
  if (!EncodeWriteValue(type, value, &buffer, &error)) return InputError("write: " + error);
  if (discovered && type == 0) out_ << "  (sent as " << TypeName(buffer.type) << ")\n";
  BeginDriverCall();
  return FinishDriverCall(SendWrite(&session_, address, &buffer));
}

}  // namespace vpihost
