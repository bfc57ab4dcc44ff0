#include "entry/slots.h"

namespace vpi {

const SlotFunction VpiFunc[kSlotCount] = {
    nullptr,         // 0
    &ColdStart,      // 1
    &WarmStart,      // 2
    &SingleParser,   // 3
    &BlockParser,    // 4
    &SingleRead,     // 5
    &BlockRead,      // 6
    &SingleWrite,    // 7
    nullptr,         // 8
    nullptr,         // 9
    &BlockWrite,     // 10
    &CloseComm,      // 11
    &ClosePorts,     // 12
    &AnswerOk,       // 13
    &GetDriverInfo,  // 14
    &AnswerOk,       // 15
    &BrowseAddress,  // 16
    nullptr,         // 17
};

}  // namespace vpi
