#include "messages.h"

#include <algorithm>
#include <cstring>

#include "core/video_library.h"
#include "wire_bytes.h"

namespace rvproto {
namespace {

// What a call carries besides its function index, by function.
enum class Shape : uint8_t {
  kText,
  kHandle,
  kCountOut,
  kSourceOut,
  kValue,
  kRect,
  kCaption,
  kByte
};

constexpr Shape kShapes[kVideoFunctionCount] = {
    Shape::kText,    Shape::kHandle, Shape::kCountOut, Shape::kSourceOut, Shape::kValue,
    Shape::kHandle,  Shape::kHandle, Shape::kHandle,   Shape::kRect,      Shape::kValue,
    Shape::kCaption, Shape::kRect,   Shape::kByte,     Shape::kByte,      Shape::kByte,
    Shape::kByte,    Shape::kValue,  Shape::kByte,
};

constexpr size_t kWindowTextMax = sizeof(RvSimWindow{}.caption) - 1;

bool Flag(ByteReader& in) {
  const uint8_t value = in.U8();
  if (value > 1) in.Fail();
  return value == 1;
}

void CallText(ByteWriter& out, bool present, const std::string& text) {
  if (present) {
    out.Text(text, kMaxCallText);
  } else {
    out.NullText();
  }
}

void WriteCall(ByteWriter& out, const CallRequest& call) {
  if (call.function >= kVideoFunctionCount) {
    out.Fail();
    return;
  }
  out.U8(call.function);
  const Shape shape = kShapes[call.function];
  if (shape == Shape::kText) {
    CallText(out, call.hasText, call.text);
    return;
  }
  out.I32(call.handle);
  switch (shape) {
    case Shape::kCountOut:
      out.U8(call.hasOut ? 1 : 0);
      break;
    case Shape::kSourceOut:
      out.U8(call.byte);
      out.U8(call.hasOut ? 1 : 0);
      break;
    case Shape::kValue:
      out.I32(call.value);
      break;
    case Shape::kRect:
      for (int16_t coordinate : call.rect) out.I16(coordinate);
      break;
    case Shape::kCaption:
      CallText(out, call.hasText, call.text);
      break;
    case Shape::kByte:
      out.U8(call.byte);
      break;
    case Shape::kText:
    case Shape::kHandle:
      break;
  }
}

void ReadCall(ByteReader& in, CallRequest* call) {
  call->function = in.U8();
  if (!in.Ok() || call->function >= kVideoFunctionCount) {
    in.Fail();
    return;
  }
  const Shape shape = kShapes[call->function];
  bool isNull = false;
  if (shape == Shape::kText) {
    call->text = in.Text(kMaxCallText, &isNull);
    call->hasText = !isNull;
    return;
  }
  call->handle = in.I32();
  switch (shape) {
    case Shape::kCountOut:
      call->hasOut = Flag(in);
      break;
    case Shape::kSourceOut:
      call->byte = in.U8();
      call->hasOut = Flag(in);
      break;
    case Shape::kValue:
      call->value = in.I32();
      break;
    case Shape::kRect:
      for (int16_t& coordinate : call->rect) coordinate = in.I16();
      break;
    case Shape::kCaption:
      call->text = in.Text(kMaxCallText, &isNull);
      call->hasText = !isNull;
      break;
    case Shape::kByte:
      call->byte = in.U8();
      break;
    case Shape::kText:
    case Shape::kHandle:
      break;
  }
}

void WriteCallAnswer(ByteWriter& out, const CallAnswer& call) {
  if (call.function >= kVideoFunctionCount) {
    out.Fail();
    return;
  }
  out.U8(call.function);
  out.I32(call.result);
  const Shape shape = kShapes[call.function];
  if (shape == Shape::kCountOut) out.U8(call.count);
  if (shape == Shape::kSourceOut) {
    out.I32(call.sourceId);
    out.Text(call.sourceName, kWindowTextMax);
  }
}

void ReadCallAnswer(ByteReader& in, CallAnswer* call) {
  call->function = in.U8();
  if (!in.Ok() || call->function >= kVideoFunctionCount) {
    in.Fail();
    return;
  }
  call->result = in.I32();
  const Shape shape = kShapes[call->function];
  if (shape == Shape::kCountOut) call->count = in.U8();
  if (shape == Shape::kSourceOut) {
    call->sourceId = in.I32();
    call->sourceName = in.Text(kWindowTextMax);
  }
}

void WriteWindowText(ByteWriter& out, const char (&text)[80]) {
  const char* end = std::find(text, text + kWindowTextMax, '\0');
  out.Text(std::string(text, end), kWindowTextMax);
}

void ReadWindowText(ByteReader& in, char (&text)[80]) {
  const std::string value = in.Text(kWindowTextMax);
  std::memset(text, 0, sizeof text);
  std::memcpy(text, value.data(), value.size());
}

void WriteWindow(ByteWriter& out, const RvSimWindow& window) {
  out.I32(window.handle);
  out.I32(window.sourceId);
  WriteWindowText(out, window.sourceName);
  for (int16_t value : {window.x, window.y, window.width, window.height, window.zoomX, window.zoomY,
                        window.zoomWidth, window.zoomHeight}) {
    out.I16(value);
  }
  out.I32(window.zOrder);
  WriteWindowText(out, window.caption);
  out.I32(window.colorKey);
  for (uint8_t value :
       {window.insertionMode, window.brightness, window.contrast, window.saturation, window.hue}) {
    out.U8(value);
  }
  out.U8(static_cast<uint8_t>(window.state));
}

RvSimWindow ReadWindow(ByteReader& in) {
  RvSimWindow window;
  std::memset(&window, 0, sizeof window);
  window.handle = in.I32();
  window.sourceId = in.I32();
  ReadWindowText(in, window.sourceName);
  for (int16_t* value : {&window.x, &window.y, &window.width, &window.height, &window.zoomX,
                         &window.zoomY, &window.zoomWidth, &window.zoomHeight}) {
    *value = in.I16();
  }
  window.zOrder = in.I32();
  ReadWindowText(in, window.caption);
  window.colorKey = in.I32();
  for (uint8_t* value : {&window.insertionMode, &window.brightness, &window.contrast,
                         &window.saturation, &window.hue}) {
    *value = in.U8();
  }
  window.state = in.U8();
  if (window.state > RVSIM_STILL) in.Fail();
  return window;
}

void WriteRequestBody(ByteWriter& out, const Request& request) {
  switch (request.kind) {
    case Kind::kHello:
      for (uint8_t byte : kMagic) out.U8(byte);
      out.U16(request.hello.lowestVersion);
      out.U16(request.hello.highestVersion);
      out.Text(request.hello.name, kMaxNameText);
      break;
    case Kind::kCall:
      WriteCall(out, request.call);
      break;
    case Kind::kWall:
    case Kind::kTrace:
      out.U32(request.offset);
      break;
    case Kind::kAddFault:
      out.Text(request.fault.function, kMaxNameText);
      out.I32(request.fault.from);
      out.I32(request.fault.count);
      out.I32(request.fault.result);
      break;
    case Kind::kConfigure:
      out.U8(request.flag ? 1 : 0);
      out.Text(request.text, kMaxChunkText);
      break;
    case Kind::kSetTracing:
      out.U8(request.flag ? 1 : 0);
      break;
    case Kind::kClearTrace:
    case Kind::kClearFaults:
    case Kind::kStats:
      break;
    default:
      out.Fail();  // no such request
  }
}

void ReadRequestBody(ByteReader& in, Request* request) {
  switch (request->kind) {
    case Kind::kHello:
      for (uint8_t byte : kMagic) {
        if (in.U8() != byte) in.Fail();
      }
      request->hello.lowestVersion = in.U16();
      request->hello.highestVersion = in.U16();
      request->hello.name = in.Text(kMaxNameText);
      break;
    case Kind::kCall:
      ReadCall(in, &request->call);
      break;
    case Kind::kWall:
    case Kind::kTrace:
      request->offset = in.U32();
      break;
    case Kind::kAddFault:
      request->fault.function = in.Text(kMaxNameText);
      request->fault.from = in.I32();
      request->fault.count = in.I32();
      request->fault.result = in.I32();
      break;
    case Kind::kConfigure:
      request->flag = Flag(in);
      request->text = in.Text(kMaxChunkText);
      break;
    case Kind::kSetTracing:
      request->flag = Flag(in);
      break;
    case Kind::kClearTrace:
    case Kind::kClearFaults:
    case Kind::kStats:
      break;
    default:
      in.Fail();
  }
}

void WriteAnswerBody(ByteWriter& out, const Answer& answer) {
  switch (answer.kind) {
    case Kind::kHello:
      out.U16(answer.hello.version);
      out.U32(answer.hello.maxPayload);
      out.U32(answer.hello.session);
      out.Text(answer.hello.name, kMaxNameText);
      break;
    case Kind::kCall:
      WriteCallAnswer(out, answer.call);
      break;
    case Kind::kWall:
      if (answer.wall.windows.size() > static_cast<size_t>(kWallPageWindows)) out.Fail();
      out.U64(answer.wall.revision);
      out.U16(answer.wall.total);
      out.U16(answer.wall.first);
      out.U8(static_cast<uint8_t>(answer.wall.windows.size()));
      for (const RvSimWindow& window : answer.wall.windows) WriteWindow(out, window);
      break;
    case Kind::kTrace:
      out.U32(answer.trace.total);
      out.U32(answer.trace.offset);
      out.Text(answer.trace.text, kMaxChunkText);
      break;
    case Kind::kConfigure:
      out.U8(answer.configure.applied ? 1 : 0);
      out.I32(answer.configure.status);
      out.Text(answer.configure.error, kMaxCallText);
      break;
    case Kind::kStats:
      out.I32(answer.stats.callCount);
      out.I32(answer.stats.badHandleCalls);
      out.I32(answer.stats.openWindows);
      out.U8(answer.stats.tracing ? 1 : 0);
      out.U64(answer.stats.revision);
      out.U32(answer.stats.clientConnections);
      out.U32(answer.stats.refusedConnections);
      break;
    case Kind::kError:
      out.U16(static_cast<uint16_t>(answer.error.code));
      out.Text(answer.error.message, kMaxCallText);
      break;
    case Kind::kClearTrace:
    case Kind::kAddFault:
    case Kind::kClearFaults:
    case Kind::kSetTracing:
      break;
    default:
      out.Fail();
  }
}

void ReadAnswerBody(ByteReader& in, Answer* answer) {
  switch (answer->kind) {
    case Kind::kHello:
      answer->hello.version = in.U16();
      answer->hello.maxPayload = in.U32();
      answer->hello.session = in.U32();
      answer->hello.name = in.Text(kMaxNameText);
      break;
    case Kind::kCall:
      ReadCallAnswer(in, &answer->call);
      break;
    case Kind::kWall: {
      answer->wall.revision = in.U64();
      answer->wall.total = in.U16();
      answer->wall.first = in.U16();
      const uint8_t count = in.U8();
      if (count > kWallPageWindows) in.Fail();
      answer->wall.windows.clear();
      for (uint8_t i = 0; i < count && in.Ok(); ++i) answer->wall.windows.push_back(ReadWindow(in));
      break;
    }
    case Kind::kTrace:
      answer->trace.total = in.U32();
      answer->trace.offset = in.U32();
      answer->trace.text = in.Text(kMaxChunkText);
      break;
    case Kind::kConfigure:
      answer->configure.applied = Flag(in);
      answer->configure.status = in.I32();
      answer->configure.error = in.Text(kMaxCallText);
      break;
    case Kind::kStats:
      answer->stats.callCount = in.I32();
      answer->stats.badHandleCalls = in.I32();
      answer->stats.openWindows = in.I32();
      answer->stats.tracing = Flag(in);
      answer->stats.revision = in.U64();
      answer->stats.clientConnections = in.U32();
      answer->stats.refusedConnections = in.U32();
      break;
    case Kind::kError:
      answer->error.code = static_cast<ErrorCode>(in.U16());
      answer->error.message = in.Text(kMaxCallText);
      break;
    case Kind::kClearTrace:
    case Kind::kAddFault:
    case Kind::kClearFaults:
    case Kind::kSetTracing:
      break;
    default:
      in.Fail();
  }
}

// Header, kind and tag, the body, then the payload length filled in.
template <typename Body>
size_t EncodeFrame(uint8_t kind, uint32_t tag, uint8_t* frame, size_t capacity, Body body) {
  ByteWriter out(frame, capacity < kMaxFrame ? capacity : kMaxFrame);
  out.U32(0);
  out.U8(kind);
  out.U32(tag);
  body(out);
  out.PatchU32(0, static_cast<uint32_t>(out.Size() - kFrameHeaderSize));
  return out.Ok() ? out.Size() : 0;
}

}  // namespace

int FunctionIndex(const char* name) {
  for (int i = 0; i < kVideoFunctionCount && name != nullptr; ++i) {
    if (std::strcmp(name, kVideoFunctionNames[i]) == 0) return i;
  }
  return -1;
}

size_t EncodeRequest(const Request& request, uint8_t* frame, size_t capacity) {
  return EncodeFrame(static_cast<uint8_t>(request.kind), request.tag, frame, capacity,
                     [&](ByteWriter& out) { WriteRequestBody(out, request); });
}

size_t EncodeAnswer(const Answer& answer, uint8_t* frame, size_t capacity) {
  const uint8_t kind = answer.kind == Kind::kError
                           ? static_cast<uint8_t>(Kind::kError)
                           : static_cast<uint8_t>(static_cast<uint8_t>(answer.kind) | kAnswerBit);
  return EncodeFrame(kind, answer.tag, frame, capacity,
                     [&](ByteWriter& out) { WriteAnswerBody(out, answer); });
}

bool DecodeRequest(const uint8_t* payload, size_t size, Request* request) {
  ByteReader in(payload, size);
  request->kind = static_cast<Kind>(in.U8());
  request->tag = in.U32();
  if (!in.Ok()) return false;
  ReadRequestBody(in, request);
  return in.Finished();
}

bool DecodeAnswer(const uint8_t* payload, size_t size, Answer* answer) {
  ByteReader in(payload, size);
  const uint8_t kind = in.U8();
  answer->tag = in.U32();
  if (!in.Ok()) return false;
  if (kind != static_cast<uint8_t>(Kind::kError) && (kind & kAnswerBit) == 0) return false;
  answer->kind = kind == static_cast<uint8_t>(Kind::kError)
                     ? Kind::kError
                     : static_cast<Kind>(static_cast<uint8_t>(kind & ~kAnswerBit));
  ReadAnswerBody(in, answer);
  return in.Finished();
}

Answer ErrorFor(uint32_t tag, ErrorCode code, const std::string& message) {
  Answer answer;
  answer.kind = Kind::kError;
  answer.tag = tag;
  answer.error.code = code;
  answer.error.message = message.substr(0, kMaxCallText);
  return answer;
}

}  // namespace rvproto
