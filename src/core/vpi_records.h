// Records that cross the boundary between the host and the driver, with the
// data type and result codes. On the 32-bit build every offset is the host's;
// where pointers are wider each field sits at its natural offset.
#pragma once

#include <cstddef>
#include <cstdint>

#include "platform/abi.h"

// Data type codes.
enum : int32_t {
  VPI_TYPE_INT16 = 1,
  VPI_TYPE_INT32 = 5,
  VPI_TYPE_FLAG = 6,
  VPI_TYPE_TEXT = 7,
};

// Result codes.
enum : int32_t {
  VPI_OK = 0,
  VPI_INVALID = 1,
  VPI_FAILED = 2,
  VPI_CANCELLED = 53,
};

struct DriverData;

struct VpiCall {
  DriverData* driverData;
  uint32_t function;
  int32_t station;
  int32_t unused12;
  void* request;  // VpiRequest for slots 3, 5, 7, 16; VpiDriverInfo for slot 14
};

struct VpiRequest {
  char* addressText;
  void* ownerWindow;  // window handle
  int32_t requestedType;
  int32_t unused12;
  int32_t parseInfo1;
  int32_t parseInfo2;
  int32_t parseInfo3;
  int32_t valueType;
  int32_t parseCode;
  int32_t unused36;
  void* value;  // VpiValue for types 1, 5, 6; text buffer for type 7
};

// value16 overlaps the upper two bytes of value32.
union VpiValue {
  int32_t value32;
  struct {
    int16_t low16;
    int16_t value16;
  } half;
};

struct VpiDriverInfo {
  int32_t driverCode;
  const char* title;
  const char* banner;
  int32_t instanceSize;
  int32_t infoCode;
  uint16_t infoWordA;
  uint16_t infoWordB;
  uint32_t notWritten24;
  uint32_t infoDword;
};

static_assert(sizeof(VpiValue) == 4, "value cell is four bytes");
static_assert(offsetof(VpiValue, half) == 0, "value16 overlaps value32");

// The host's 32-bit layout.
static_assert(sizeof(void*) != 4 || offsetof(VpiCall, function) == 4, "VpiCall layout");
static_assert(sizeof(void*) != 4 || offsetof(VpiCall, station) == 8, "VpiCall layout");
static_assert(sizeof(void*) != 4 || offsetof(VpiCall, request) == 16, "VpiCall layout");
static_assert(sizeof(void*) != 4 || sizeof(VpiCall) == 20, "VpiCall layout");
static_assert(sizeof(void*) != 4 || offsetof(VpiRequest, ownerWindow) == 4, "VpiRequest layout");
static_assert(sizeof(void*) != 4 || offsetof(VpiRequest, requestedType) == 8, "VpiRequest");
static_assert(sizeof(void*) != 4 || offsetof(VpiRequest, parseInfo1) == 16, "VpiRequest layout");
static_assert(sizeof(void*) != 4 || offsetof(VpiRequest, parseInfo2) == 20, "VpiRequest layout");
static_assert(sizeof(void*) != 4 || offsetof(VpiRequest, parseInfo3) == 24, "VpiRequest layout");
static_assert(sizeof(void*) != 4 || offsetof(VpiRequest, valueType) == 28, "VpiRequest layout");
static_assert(sizeof(void*) != 4 || offsetof(VpiRequest, parseCode) == 32, "VpiRequest layout");
static_assert(sizeof(void*) != 4 || offsetof(VpiRequest, value) == 40, "VpiRequest layout");
static_assert(sizeof(void*) != 4 || sizeof(VpiRequest) == 44, "VpiRequest layout");
static_assert(sizeof(void*) != 4 || offsetof(VpiDriverInfo, title) == 4, "VpiDriverInfo");
static_assert(sizeof(void*) != 4 || offsetof(VpiDriverInfo, banner) == 8, "VpiDriverInfo");
static_assert(sizeof(void*) != 4 || offsetof(VpiDriverInfo, instanceSize) == 12, "VpiDriverInfo");
static_assert(sizeof(void*) != 4 || offsetof(VpiDriverInfo, infoCode) == 16, "VpiDriverInfo");
static_assert(sizeof(void*) != 4 || offsetof(VpiDriverInfo, infoWordA) == 20, "VpiDriverInfo");
static_assert(sizeof(void*) != 4 || offsetof(VpiDriverInfo, infoWordB) == 22, "VpiDriverInfo");
static_assert(sizeof(void*) != 4 || offsetof(VpiDriverInfo, notWritten24) == 24, "VpiDriverInfo");
static_assert(sizeof(void*) != 4 || offsetof(VpiDriverInfo, infoDword) == 28, "VpiDriverInfo");
static_assert(sizeof(void*) != 4 || sizeof(VpiDriverInfo) == 32, "VpiDriverInfo layout");

extern "C" VPI_EXPORT int32_t VPI_STDCALL VpiMain(VpiCall* call);
