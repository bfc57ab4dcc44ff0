#include "request_handler.h"

#include <algorithm>
#include <cstring>

#include "core/bounded_text.h"
#include "core/video_library.h"
#include "ntrv_calls.h"
#include "sim_controls.h"

namespace rvsimd {
namespace {

using rvproto::Answer;
using rvproto::CallRequest;
using rvproto::ErrorCode;
using rvproto::Kind;
using rvproto::Request;
using rvsim::Owner;
using rvsim::Simulator;

const char* const kServerName = "rvsimd";

bool IsRequestKind(Kind kind) {
  return kind >= Kind::kHello && kind <= Kind::kSetTracing;
}

const char* ControlName(Kind kind) {
  switch (kind) {
    case Kind::kHello:
      return "hello";
    case Kind::kWall:
      return "wall";
    case Kind::kTrace:
      return "trace";
    case Kind::kClearTrace:
      return "clear trace";
    case Kind::kAddFault:
      return "add fault";
    case Kind::kClearFaults:
      return "clear faults";
    case Kind::kConfigure:
      return "configure";
    case Kind::kStats:
      return "stats";
    case Kind::kSetTracing:
      return "set tracing";
    default:
      return "?";
  }
}

int32_t Dispatch(Simulator& sim, Owner owner, const CallRequest& call, rvproto::CallAnswer* out) {
  const int32_t h = call.handle;
  const char* text = call.hasText ? call.text.c_str() : nullptr;
  const int16_t* r = call.rect;
  switch (call.function) {
    case 0:
      return rvsim::CallOpen(sim, owner, text);
    case 1:
      return rvsim::CallClose(sim, owner, h);
    case 2:
      return rvsim::CallGetNumSources(sim, owner, h, call.hasOut ? &out->count : nullptr);
    case 3: {
      VideoSourceInfo info{};
      const int32_t result =
          rvsim::CallGetSourceInfo(sim, owner, h, call.byte, call.hasOut ? &info : nullptr);
      out->sourceId = info.id;
      out->sourceName.assign(info.name, vpi::BoundedLength(info.name, sizeof info.name - 1));
      return result;
    }
    case 4:
      return rvsim::CallSelectSource(sim, owner, h, call.value);
    case 5:
      return rvsim::CallMotion(sim, owner, h);
    case 6:
      return rvsim::CallStill(sim, owner, h);
    case 7:
      return rvsim::CallHide(sim, owner, h);
    case 8:
      return rvsim::CallSetPosition(sim, owner, h, r[0], r[1], r[2], r[3]);
    case 9:
      return rvsim::CallSetZOrder(sim, owner, h, call.value);
    case 10:
      return rvsim::CallSetCaption(sim, owner, h, text);
    case 11:
      return rvsim::CallSetZoom(sim, owner, h, r[0], r[1], r[2], r[3]);
    case 12:
      return rvsim::CallSetBrightness(sim, owner, h, call.byte);
    case 13:
      return rvsim::CallSetContrast(sim, owner, h, call.byte);
    case 14:
      return rvsim::CallSetSaturation(sim, owner, h, call.byte);
    case 15:
      return rvsim::CallSetHue(sim, owner, h, call.byte);
    case 16:
      return rvsim::CallColorKey(sim, owner, h, call.value);
    default:
      return rvsim::CallInsertionMode(sim, owner, h, call.byte);
  }
}

void Hello(const SessionState& session, Answer* answer) {
  answer->hello.version = rvproto::kVersion;
  answer->hello.session = session.id;
  answer->hello.name = kServerName;
}

void Wall(Simulator& sim, uint32_t first, Answer* answer) {
  const std::vector<RvSimWindow> windows = rvsim::WallSnapshot(sim, &answer->wall.revision);
  const size_t start = std::min<size_t>(first, windows.size());
  const size_t end = std::min(windows.size(), start + rvproto::kWallPageWindows);
  answer->wall.total = static_cast<uint16_t>(std::min<size_t>(windows.size(), UINT16_MAX));
  answer->wall.first = static_cast<uint16_t>(std::min<size_t>(start, UINT16_MAX));
  answer->wall.windows.assign(windows.begin() + static_cast<std::ptrdiff_t>(start),
                              windows.begin() + static_cast<std::ptrdiff_t>(end));
}

void Trace(Simulator& sim, uint32_t offset, Answer* answer) {
  size_t total = 0;
  answer->trace.text = rvsim::TraceSlice(sim, offset, rvproto::kMaxChunkText, &total);
  answer->trace.total = static_cast<uint32_t>(total);
  answer->trace.offset = offset;
}

// Keeps chunks until the last, then applies the whole text.
bool Configure(Simulator& sim, SessionState& session, const Request& request, Answer* answer) {
  if (session.pendingConfig.size() + request.text.size() > rvproto::kMaxConfigText) {
    session.pendingConfig.clear();
    return false;
  }
  session.pendingConfig += request.text;
  answer->configure.applied = request.flag;
  if (!request.flag) return true;
  std::string error;
  const bool ok = rvsim::ConfigureLocked(sim, session.pendingConfig.c_str(), &error);
  session.pendingConfig.clear();
  answer->configure.status = ok ? 0 : -1;
  answer->configure.error = error.substr(0, rvproto::kMaxCallText);
  return true;
}

void Stats(Simulator& sim, const ServerCounters& counters, Answer* answer) {
  const rvsim::SimStats stats = rvsim::Stats(sim);
  answer->stats.callCount = stats.callCount;
  answer->stats.badHandleCalls = stats.badHandleCalls;
  answer->stats.openWindows = stats.openWindows;
  answer->stats.tracing = stats.tracing;
  answer->stats.revision = stats.revision;
  answer->stats.clientConnections = counters.clientConnections;
  answer->stats.refusedConnections = counters.refusedConnections;
}

// A decoded request after the hello.
void Serve(Simulator& sim, SessionState& session, const ServerCounters& counters,
           const Request& request, Answer* answer) {
  switch (request.kind) {
    case Kind::kCall:
      answer->call.function = request.call.function;
      answer->call.result = Dispatch(sim, session.id, request.call, &answer->call);
      break;
    case Kind::kWall:
      Wall(sim, request.offset, answer);
      break;
    case Kind::kTrace:
      Trace(sim, request.offset, answer);
      break;
    case Kind::kClearTrace:
      rvsim::ClearTrace(sim);
      break;
    case Kind::kAddFault:
      rvsim::AddFault(sim, {request.fault.function, request.fault.from, request.fault.count,
                            request.fault.result});
      break;
    case Kind::kClearFaults:
      rvsim::ClearFaults(sim);
      break;
    case Kind::kConfigure:
      if (!Configure(sim, session, request, answer)) {
        *answer =
            rvproto::ErrorFor(request.tag, ErrorCode::kConfigTooLarge, "configuration over 1 MiB");
      }
      break;
    case Kind::kStats:
      Stats(sim, counters, answer);
      break;
    case Kind::kSetTracing:
      rvsim::SetTracing(sim, request.flag);
      break;
    default:
      break;
  }
}

}  // namespace

Outcome HandleRequest(Simulator& sim, SessionState& session, const ServerCounters& counters,
                      const uint8_t* payload, size_t size, Answer* answer) {
  Request request;
  const bool decoded = rvproto::DecodeRequest(payload, size, &request);
  ++session.callsServed;
  if (!session.greeted || request.kind == Kind::kHello) {
    if (request.kind != Kind::kHello || session.greeted || !decoded) {
      session.lastCall = "hello";
      const char* why = session.greeted ? "second hello"
                        : decoded       ? "hello expected first"
                                        : "malformed hello";
      *answer = rvproto::ErrorFor(request.tag, ErrorCode::kNoHello, why);
      return Outcome::kClose;
    }
    if (request.hello.lowestVersion > rvproto::kVersion ||
        request.hello.highestVersion < rvproto::kVersion) {
      *answer = rvproto::ErrorFor(request.tag, ErrorCode::kVersion, "this server speaks version 1");
      return Outcome::kClose;
    }
  }
  if (!IsRequestKind(request.kind)) {
    *answer = rvproto::ErrorFor(request.tag, ErrorCode::kUnknownKind, "unknown request kind");
    return Outcome::kContinue;
  }
  if (!decoded) {
    *answer = rvproto::ErrorFor(request.tag, ErrorCode::kMalformed, "malformed request");
    return Outcome::kContinue;
  }
  answer->kind = request.kind;
  answer->tag = request.tag;
  if (request.kind == Kind::kHello) {
    session.greeted = true;
    session.lastCall = "hello";
    Hello(session, answer);
    return Outcome::kContinue;
  }
  session.lastCall = request.kind == Kind::kCall ? kVideoFunctionNames[request.call.function]
                                                 : ControlName(request.kind);
  Serve(sim, session, counters, request, answer);
  return Outcome::kContinue;
}

}  // namespace rvsimd
