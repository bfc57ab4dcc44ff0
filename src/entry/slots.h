// The slot functions of VpiFunc, one per function number.
#pragma once

#include <cstdint>

#include "core/vpi_records.h"

namespace vpi {

using SlotFunction = int32_t (*)(VpiCall* call);

constexpr uint32_t kSlotCount = 18;
extern const SlotFunction VpiFunc[kSlotCount];

int32_t ColdStart(VpiCall* call);      // 1
int32_t WarmStart(VpiCall* call);      // 2
int32_t SingleParser(VpiCall* call);   // 3
int32_t BlockParser(VpiCall* call);    // 4
int32_t SingleRead(VpiCall* call);     // 5
int32_t BlockRead(VpiCall* call);      // 6
int32_t SingleWrite(VpiCall* call);    // 7
int32_t BlockWrite(VpiCall* call);     // 10
int32_t CloseComm(VpiCall* call);      // 11
int32_t ClosePorts(VpiCall* call);     // 12
int32_t AnswerOk(VpiCall* call);       // 13 and 15
int32_t GetDriverInfo(VpiCall* call);  // 14
int32_t BrowseAddress(VpiCall* call);  // 16

}  // namespace vpi
