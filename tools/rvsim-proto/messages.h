// The protocol's messages as plain structs, and their codec: a request or an
// answer to a whole frame (header and payload) in a caller's buffer, and a
// payload back to a message. No sockets here; decoding never reads beyond
// the payload it is given and refuses anything short, long or out of range.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "../rvsim-model/rvsim_window.h"
#include "protocol.h"

namespace rvproto {

struct Hello {
  uint16_t lowestVersion = kVersion;
  uint16_t highestVersion = kVersion;
  std::string name;  // who is calling, for the server's log
};

// One of the eighteen library calls. `function` is its index in the library's
// binding order (kVideoFunctionNames); only the fields of its shape travel.
struct CallRequest {
  uint8_t function = 0;
  int32_t handle = 0;
  int32_t value = 0;     // source id, z-order, colour key
  int16_t rect[4] = {};  // position or zoom: x, y, width, height
  uint8_t byte = 0;      // source index, picture value, insertion mode
  bool hasOut = true;    // the caller gave a place for the count or the source record
  bool hasText = true;   // host name or caption; false for a null pointer
  std::string text;
};

struct CallAnswer {
  uint8_t function = 0;
  int32_t result = 0;
  uint8_t count = 0;       // NTRVGetNumVideoSources
  int32_t sourceId = 0;    // NTRVGetVideoSourceInfo
  std::string sourceName;  //   "
};

struct FaultRequest {
  std::string function;  // an NTRV name or "*"
  int32_t from = 1;
  int32_t count = -1;
  int32_t result = 0;
};

struct Request {
  Kind kind = Kind::kHello;
  uint32_t tag = 0;
  Hello hello;          // kHello
  CallRequest call;     // kCall
  uint32_t offset = 0;  // kWall: first window; kTrace: first byte
  FaultRequest fault;   // kAddFault
  bool flag = false;    // kSetTracing: on; kConfigure: this chunk is the last
  std::string text;     // kConfigure: a chunk of the configuration text
};

struct HelloAnswer {
  uint16_t version = kVersion;
  uint32_t maxPayload = kMaxPayload;
  uint32_t session = 0;  // the server's number for this connection
  std::string name;      // the server's name and build
};

struct WallPage {
  uint64_t revision = 0;
  uint16_t total = 0;  // windows open on the server
  uint16_t first = 0;  // index of windows[0]
  std::vector<RvSimWindow> windows;
};

struct TracePage {
  uint32_t total = 0;  // the trace's whole size now
  uint32_t offset = 0;
  std::string text;
};

struct ConfigureAnswer {
  bool applied = false;  // false: the chunk is kept, waiting for the last
  int32_t status = 0;    // applied: 0 taken, -1 refused (the default stands)
  std::string error;     // why it was refused
};

struct StatsAnswer {
  int32_t callCount = 0;
  int32_t badHandleCalls = 0;
  int32_t openWindows = 0;
  bool tracing = true;
  uint64_t revision = 0;
  uint32_t clientConnections = 0;   // TCP connections open now
  uint32_t refusedConnections = 0;  // refused for the connection limit, since start
};

struct ErrorAnswer {
  ErrorCode code = ErrorCode::kMalformed;
  std::string message;
};

struct Answer {
  Kind kind = Kind::kError;  // the request's kind, or kError
  uint32_t tag = 0;
  HelloAnswer hello;
  CallAnswer call;
  WallPage wall;
  TracePage trace;
  ConfigureAnswer configure;
  StatsAnswer stats;
  ErrorAnswer error;
};

// The function index of an NTRV name, or -1.
int FunctionIndex(const char* name);

// Writes the whole frame into `frame` (capacity `capacity`, kMaxFrame is
// always enough for what fits the limits above); returns its size, or 0 when a
// field is out of its limit (a text too long, a function index past 17).
size_t EncodeRequest(const Request& request, uint8_t* frame, size_t capacity);
size_t EncodeAnswer(const Answer& answer, uint8_t* frame, size_t capacity);

// Decodes a payload (the frame without its header). False for anything
// malformed; `request->kind` and `tag` are then still set when the payload was
// long enough to hold them, so that the error answer can name them.
bool DecodeRequest(const uint8_t* payload, size_t size, Request* request);
bool DecodeAnswer(const uint8_t* payload, size_t size, Answer* answer);

// An error answer to `tag`.
Answer ErrorFor(uint32_t tag, ErrorCode code, const std::string& message);

}  // namespace rvproto
