// The slot functions of VpiFunc, one per function number.
#pragma once

#include <cstdint>

#include "address/browse_address.h"
#include "address/parser.h"
#include "core/vpi_records.h"
#include "exchange/single_read.h"
#include "exchange/single_write.h"
#include "link/close_ports.h"
#include "link/cold_start.h"
#include "link/warm_start.h"

namespace vpi {

using SlotFunction = int32_t (*)(VpiCall* call);

constexpr uint32_t kSlotCount = 18;
extern const SlotFunction VpiFunc[kSlotCount];

int32_t BlockParser(VpiCall* call);    // 4
int32_t BlockRead(VpiCall* call);      // 6
int32_t BlockWrite(VpiCall* call);     // 10
int32_t AnswerOk(VpiCall* call);       // 13 and 15
int32_t GetDriverInfo(VpiCall* call);  // 14

}  // namespace vpi
