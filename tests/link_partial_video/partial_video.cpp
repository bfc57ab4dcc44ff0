// A video library that exports every function but NTRVInsertionMode, for the
// binding tests. Only the names matter: a failed binding calls none of them.
#include "platform/abi.h"

extern "C" {
VPI_EXPORT int NTRVOpenVideoConnection() {
  return 0;
}
VPI_EXPORT int NTRVCloseVideoConnection() {
  return 0;
}
VPI_EXPORT int NTRVGetNumVideoSources() {
  return 0;
}
VPI_EXPORT int NTRVGetVideoSourceInfo() {
  return 0;
}
VPI_EXPORT int NTRVSelectVideoSource() {
  return 0;
}
VPI_EXPORT int NTRVMotionVideo() {
  return 0;
}
VPI_EXPORT int NTRVStillVideo() {
  return 0;
}
VPI_EXPORT int NTRVHideVideo() {
  return 0;
}
VPI_EXPORT int NTRVSetVideoPosition() {
  return 0;
}
VPI_EXPORT int NTRVSetZOrder() {
  return 0;
}
VPI_EXPORT int NTRVSetVideoCaption() {
  return 0;
}
VPI_EXPORT int NTRVSetZoom() {
  return 0;
}
VPI_EXPORT int NTRVSetBrightness() {
  return 0;
}
VPI_EXPORT int NTRVSetContrast() {
  return 0;
}
VPI_EXPORT int NTRVSetSaturation() {
  return 0;
}
VPI_EXPORT int NTRVSetHue() {
  return 0;
}
VPI_EXPORT int NTRVColorKey() {
  return 0;
}
}
