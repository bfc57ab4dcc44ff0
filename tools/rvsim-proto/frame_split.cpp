#include "frame_split.h"

#include "protocol.h"

namespace rvproto {

FrameStatus SplitFrame(const uint8_t* data, size_t size, size_t* payloadSize) {
  if (size < kFrameHeaderSize) return FrameStatus::kNeedMore;
  const uint32_t length = static_cast<uint32_t>(data[0]) | static_cast<uint32_t>(data[1]) << 8 |
                          static_cast<uint32_t>(data[2]) << 16 |
                          static_cast<uint32_t>(data[3]) << 24;
  if (length == 0 || length > kMaxPayload) return FrameStatus::kTooLarge;
  if (size - kFrameHeaderSize < length) return FrameStatus::kNeedMore;
  *payloadSize = length;
  return FrameStatus::kFrame;
}

}  // namespace rvproto
