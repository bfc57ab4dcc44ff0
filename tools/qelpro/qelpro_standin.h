// Host stand-in: the host library's four services, plus a few controls that
// tests and the host console use. Not part of the driver.
//
// Environment:
//   QELPRO_LOG       file to append log lines to (default: standard error)
//   QELPRO_LEVELS    level mask; a line is written when (level & mask) != 0
//                    (decimal or 0x-hex; default: every level)
//   QELPRO_VERSION   version the query answers (default 820)
//   QELPRO_NO_CLIENT when set to 1, QelMkClient fails
#pragma once

#include <stdint.h>

#include "platform/abi.h"

#ifdef __cplusplus
extern "C" {
#endif

int err(int level, const char* format, ...);
uint16_t VPI_STDCALL QelMkClient(const char* name, int32_t one, int32_t zero, uint8_t* client);
uint16_t VPI_STDCALL QelGetQelproVer(int32_t client, uint16_t* version, char* buffer100);
int32_t VPI_STDCALL QelRmClient(int32_t client);

// Receives every line that passes the level mask, instead of the file.
typedef void (*QelStandinSink)(void* context, int level, const char* line);
void QelStandinSetSink(QelStandinSink sink, void* context);
void QelStandinSetLevelMask(uint32_t mask);
void QelStandinSetVersion(uint16_t version);
void QelStandinSetClientFailure(int fail);
// The host-service calls made so far, one per line, e.g.
// "QelMkClient(DarAZOBr12,1,0)\nQelGetQelproVer(33)\nQelRmClient(33)\n".
const char* QelStandinCallLog(void);
void QelStandinClearCallLog(void);

#ifdef __cplusplus
}
#endif
