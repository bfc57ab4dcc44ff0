// Slot 14: the driver's identity and the size of its instance block.
#include "entry/driver_info.h"

#include "core/driver_data.h"
#include "core/host_log.h"
#include "entry/slots.h"

namespace vpi {
namespace {

constexpr char kTopLeft = '\xDA', kTopRight = '\xBF', kBottomLeft = '\xC0', kBottomRight = '\xD9';
constexpr char kRule = '\xC4', kSide = '\xB3';
constexpr char kFull = '\xDB', kDark = '\xB2', kMedium = '\xB1', kLight = '\xB0';

struct BannerText {
  char text[kBannerLength + 1];
  int length;
};

struct BannerWriter {
  BannerText banner{};
  constexpr void Put(char c, int count = 1) {
    for (int i = 0; i < count; ++i) banner.text[banner.length++] = c;
  }
  constexpr void Put(const char* s) {
    while (*s != '\0') banner.text[banner.length++] = *s++;
  }
};

constexpr BannerText MakeBanner() {
  BannerWriter w;
  w.Put('\n');
  w.Put(kTopLeft), w.Put(kRule, 60), w.Put(kTopRight), w.Put('\n');
  w.Put(kSide), w.Put(' '), w.Put(kFull, 5), w.Put(kDark, 6), w.Put(kMedium, 6);
  w.Put(kLight, 6), w.Put("  V P I VTR  "), w.Put(kLight, 4), w.Put(kMedium, 6);
  w.Put(kDark, 6), w.Put(kFull, 5), w.Put("  "), w.Put(kSide), w.Put('\n');
  w.Put(kSide), w.Put('\t', 3), w.Put("   VIVUZ's remote video control system");
  w.Put('\t', 5), w.Put("  "), w.Put(kSide), w.Put('\n');
  w.Put(kSide), w.Put('\t', 5), w.Put("Vivuz Communication protocol"), w.Put(' ', 19);
  w.Put(kSide), w.Put('\n');
  w.Put(kSide), w.Put(' ', 60), w.Put(kSide), w.Put('\n');
  w.Put(kBottomLeft), w.Put(kRule, 60), w.Put(kBottomRight), w.Put('\n');
  return w.banner;
}

constexpr BannerText kBanner = MakeBanner();
static_assert(kBanner.length == kBannerLength, "banner is 359 bytes");

}  // namespace

const char* const kDriverBanner = kBanner.text;

int32_t GetDriverInfo(VpiCall* call) {
  auto* info = static_cast<VpiDriverInfo*>(call->request);
  if (info == nullptr) return VPI_INVALID;
  info->driverCode = 82;
  info->title = kDeviceTitle;
  info->banner = kDriverBanner;
  info->instanceSize = kDriverDataSize;
  info->infoCode = 3;
  info->infoWordA = 1;
  info->infoWordB = 0;
  info->infoDword = 0x01020020u;
  return VPI_OK;
}

}  // namespace vpi
