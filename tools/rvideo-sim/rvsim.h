// Video server simulator: the vendor library's eighteen NTRV functions over an
// in-memory video server, plus controls for tests and the host console.
// Built as rvideo.dll (Windows) and librvideo.so (POSIX). Not part of the driver.
#pragma once

#include <stdint.h>

#include "../rvsim-model/rvsim_window.h"

#ifdef __cplusplus
extern "C" {
#endif

// ---- Configuration ------------------------------------------------------
// Replaces the whole server (sources, accepted host names) and clears every
// connection, fault, counter and the trace. `config` is the text of a config
// file (format in README of the tool); NULL loads the built-in default.
// Returns 0 on success, -1 on a malformed text (state then is the default).
int RvSimConfigure(const char* config);
// Why the last configuration was refused ("line 3: unknown directive 'x'"),
// or "" when it was taken.
const char* RvSimConfigError(void);

// ---- Faults -------------------------------------------------------------
// Makes the named NTRV function (e.g. "NTRVHideVideo", or "*" for any) return
// `result` instead of doing its work: for calls number `from`..`from+count-1`
// of that function counted from now (1 = the next call); count < 0 = forever.
// Several rules may stand; the first that matches applies.
void RvSimAddFault(const char* function, int from, int count, int32_t result);
void RvSimClearFaults(void);

// ---- Observation --------------------------------------------------------
// One line per library call, "NTRVSetVideoPosition(101,100,50,320,240) = 1".
// Texts appear in double quotes: NTRVSetVideoCaption(1001,"CAM1 Gate") = 1.
// When RVSIM_TRACE names a file, every line is appended there as well.
const char* RvSimTrace(void);
void RvSimClearTrace(void);
// Tracing is on from the start. Off (0), calls add no trace line, in memory
// or in the RVSIM_TRACE file, and build no argument text: a call then costs
// only its own work. The counters count either way; configuring the server
// keeps the setting.
void RvSimSetTracing(int on);
int RvSimCallCount(void);
// Calls that named a handle which was not open (never opened or closed).
int RvSimBadHandleCalls(void);
int RvSimOpenConnections(void);

// Copies the windows of the open connections, in the order they were opened,
// into `windows` (at most `capacity`); returns how many are open.
int RvSimWall(RvSimWindow* windows, int capacity);

#ifdef __cplusplus
}
#endif
