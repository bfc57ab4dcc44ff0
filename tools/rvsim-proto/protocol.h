// The simulator's network protocol: constants, message kinds and error codes.
// Frames, fields and rules are described in README.md beside this file.
#pragma once

#include <cstddef>
#include <cstdint>

namespace rvproto {

// The server's TCP port unless told otherwise.
constexpr uint16_t kDefaultPort = 47470;

// The versions this codec speaks; the hello settles on one.
constexpr uint16_t kVersion = 1;

// "RVSP", first four bytes of a hello.
constexpr uint8_t kMagic[4] = {'R', 'V', 'S', 'P'};

// A frame: u32 little-endian payload length, then the payload.
constexpr size_t kFrameHeaderSize = 4;
constexpr size_t kMaxPayload = 4096;
constexpr size_t kMaxFrame = kFrameHeaderSize + kMaxPayload;

// Texts of the library calls (host names, captions) and of the controls.
constexpr size_t kMaxCallText = 1024;
constexpr size_t kMaxNameText = 100;    // function names, client and server names
constexpr size_t kMaxChunkText = 3900;  // a configuration chunk, a trace page
// A configuration sent in chunks is refused beyond this size.
constexpr size_t kMaxConfigText = 1 << 20;
// Windows in one page of the wall.
constexpr int kWallPageWindows = 16;

// Every payload starts with its kind (u8) and the request's tag (u32), which
// the answer repeats. An answer's kind is its request's kind | kAnswerBit.
enum class Kind : uint8_t {
  kHello = 0x01,
  kCall = 0x02,
  kWall = 0x03,
  kTrace = 0x04,
  kClearTrace = 0x05,
  kAddFault = 0x06,
  kClearFaults = 0x07,
  kConfigure = 0x08,
  kStats = 0x09,
  kSetTracing = 0x0A,
  kError = 0xFF,
};
constexpr uint8_t kAnswerBit = 0x80;

enum class ErrorCode : uint16_t {
  kMalformed = 1,       // fields missing, left over or out of range; connection stays
  kUnknownKind = 2,     // connection stays
  kVersion = 3,         // no common version; the server closes
  kNoHello = 4,         // a request before the hello, or a second hello; the server closes
  kTooLarge = 5,        // a frame over kMaxPayload; the server closes
  kBusy = 6,            // the server's connection limit; the server closes
  kConfigTooLarge = 7,  // chunks past kMaxConfigText; the chunks so far are dropped
  kTimeout = 8,         // a frame left half sent; the server closes
};

}  // namespace rvproto
