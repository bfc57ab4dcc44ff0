#include "slot_paths.h"

#include <cstring>

#include "core/bounded_text.h"

namespace vpibench {
namespace {

constexpr char kTooLong[] = "!FSHOWWINDOWFSHOWWINDOWFSHOWWINDOW";  // 34 characters
constexpr char kPlacement[] = "(CAM1,0,0,640,480,1,Gate)";

}  // namespace

const SlotPath kSlotPaths[] = {
    {"slot13_floor", 13, nullptr, 0, nullptr, 0, VPI_OK},
    {"slot14_info", 14, nullptr, 0, nullptr, 0, VPI_OK},
    {"parse_short_X", 3, "!X", VPI_TYPE_INT16, nullptr, 0, VPI_OK},
    {"parse_long_FHIDESOURCE", 3, "!FHIDESOURCE", VPI_TYPE_TEXT, nullptr, 0, VPI_OK},
    {"parse_no_bang", 3, "FMODE", VPI_TYPE_FLAG, nullptr, 0, VPI_INVALID},
    {"parse_too_long", 3, kTooLong, VPI_TYPE_TEXT, nullptr, 0, VPI_INVALID},
    {"parse_wrong_type", 3, "!FMODE", VPI_TYPE_INT16, nullptr, 0, VPI_INVALID},
    {"parse_unknown_FMOD", 3, "!FMOD", VPI_TYPE_FLAG, nullptr, 0, VPI_INVALID},
    {"read_FRESULT", 5, "!FRESULT", 0, nullptr, 0, VPI_OK},
    {"read_FSTATUS6", 5, "!FSTATUS6", 0, nullptr, 0, VPI_OK},
    {"read_FSHOWWINDOW", 5, "!FSHOWWINDOW", 0, "", 0, VPI_OK},
    {"read_FNUMSOURCES", 5, "!FNUMSOURCES", 0, nullptr, 0, VPI_OK},
    {"write_MODE", 7, "!MODE", VPI_TYPE_INT16, nullptr, 3, VPI_OK},
    {"write_CAPTION", 7, "!CAPTION", VPI_TYPE_TEXT, "Gate", 0, VPI_OK},
    {"write_COLOR", 7, "!COLOR", VPI_TYPE_TEXT, "(255,128,0)", 0, VPI_OK},
    {"write_FPOSITION", 7, "!FPOSITION", VPI_TYPE_FLAG, nullptr, 1, VPI_OK},
    {"write_FSHOWWINDOW", 7, "!FSHOWWINDOW", VPI_TYPE_TEXT, kPlacement, 0, VPI_OK},
};
const int kSlotPathCount = static_cast<int>(sizeof kSlotPaths / sizeof kSlotPaths[0]);

const SlotPath* FindSlotPath(const char* name) {
  for (const SlotPath& path : kSlotPaths) {
    if (std::strcmp(path.name, name) == 0) return &path;
  }
  return nullptr;
}

namespace {

int32_t Write(BenchStation* s, const char* address, int32_t type, void* value) {
  VpiRequest request{};
  request.addressText = const_cast<char*>(address);
  request.valueType = type;
  request.value = value;
  return CallSlot(s, 7, &request);
}

int32_t WriteNumber(BenchStation* s, const char* address, int16_t number) {
  VpiValue cell{};
  cell.half.value16 = number;
  return Write(s, address, VPI_TYPE_INT16, &cell);
}

int32_t WriteText(BenchStation* s, const char* address, const char* text) {
  char buffer[64];
  if (!vpi::CopyTextIfFits(buffer, sizeof buffer, text)) return VPI_INVALID;
  return Write(s, address, VPI_TYPE_TEXT, buffer);
}

// Window 1 shows CAM1 at (0,0,640,480), the rest of the placement staged.
int32_t StageStation(BenchStation* s) {
  const struct {
    const char* address;
    int16_t value;
  } numbers[] = {{"!WINDOW", 1},  {"!SOURCE", 1},   {"!X", 0},      {"!Y", 0},
                 {"!WIDTH", 640}, {"!HEIGHT", 480}, {"!ZORDER", 1}, {"!MODE", 3}};
  for (const auto& number : numbers) {
    if (WriteNumber(s, number.address, number.value) != VPI_OK) return VPI_FAILED;
  }
  if (WriteText(s, "!CAPTION", "Gate") != VPI_OK) return VPI_FAILED;
  return WriteText(s, "!FSHOWWINDOW", kPlacement);
}

// Points the call block at the path's request, value cell or text buffer.
void AimCall(BenchStation* s, const SlotPath& path) {
  s->call.function = path.slot;
  s->call.request = nullptr;
  if (path.slot == 14) s->call.request = &s->info;
  if (path.address == nullptr) return;
  vpi::CopyTextIfFits(s->address, sizeof s->address, path.address);
  s->request = VpiRequest{};
  s->request.addressText = s->address;
  s->request.requestedType = path.type;
  s->request.valueType = path.type;
  s->cell.half.value16 = path.value16;
  s->request.value = &s->cell;
  if (path.text != nullptr) {
    vpi::CopyTextIfFits(s->text, sizeof s->text, path.text);
    s->request.value = s->text;
  }
  s->call.request = &s->request;
}

}  // namespace

int32_t PreparePath(BenchStation* station, const SlotPath& path) {
  ResetServer();
  return PrepareStationPath(station, kBenchStationNumber, path);
}

int32_t PrepareStationPath(BenchStation* station, int32_t number, const SlotPath& path) {
  if (StartStation(station, number) != VPI_OK) return VPI_FAILED;
  if (StageStation(station) != VPI_OK) return VPI_FAILED;
  AimCall(station, path);
  return CallPrepared(DriverEntry(), station) == path.expected ? VPI_OK : VPI_FAILED;
}

}  // namespace vpibench
