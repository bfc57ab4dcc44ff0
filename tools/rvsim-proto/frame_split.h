// Finding frames in a byte stream: the only place that reads a frame header.
#pragma once

#include <cstddef>
#include <cstdint>

namespace rvproto {

enum class FrameStatus { kNeedMore, kFrame, kTooLarge };

// Looks at the start of `data`: kFrame when a whole frame is there (its
// payload is data + kFrameHeaderSize, `payloadSize` bytes long), kNeedMore
// when it is not yet, kTooLarge when its header announces more than
// kMaxPayload (or an empty payload, which has no kind).
FrameStatus SplitFrame(const uint8_t* data, size_t size, size_t* payloadSize);

}  // namespace rvproto
