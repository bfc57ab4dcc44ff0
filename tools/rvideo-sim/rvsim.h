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
// Makes each call of the named function (or "*") fail with a chance of
// `perMillion` in a million, answering `result`; a draw from one seeded
// sequence, started again by RvSimClearFaults and by configuring. Stands with
// the other rules, in the order added.
void RvSimAddRandomFault(const char* function, int perMillion, int32_t result);
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
// The library calls the calling thread has made since it started, whatever
// other threads call meanwhile; configuring does not reset it.
int RvSimThreadCallCount(void);
// Calls that named a handle which was not open (never opened or closed).
int RvSimBadHandleCalls(void);
int RvSimOpenConnections(void);

// Copies the windows of the open connections, in the order they were opened,
// into `windows` (at most `capacity`); returns how many are open.
int RvSimWall(RvSimWindow* windows, int capacity);

// ---- Network mode -------------------------------------------------------
// The NTRV calls go where the host name of their open goes: this process's
// simulator, or a server on the network (README of the tool: RVSIM_SERVER,
// "host:port" names, timeouts). The controls above go to one server at a
// time: RvSimUseServer aims them where an open of `hostName` would go (NULL:
// this process's simulator, the start). Returns 0 for this process's
// simulator, 1 for a network server that answered, -1 for one that did not;
// the controls then fail (-1 for counts, the wall and a configuration, ""
// for the trace) until it answers. RvSimWall gives the windows of this
// process's own connections with the handles it gave for them, other
// windows with the server's handles.
int RvSimUseServer(const char* hostName);
// "host:port" of the server the controls go to; "" for this process's simulator.
const char* RvSimServerName(void);
// Off (0), every host name stays in this process, whatever its form or
// RVSIM_SERVER says: for programs that open names they did not choose (the
// fuzzers). On (1) from the start.
void RvSimSetNetwork(int on);

#ifdef __cplusplus
}
#endif
