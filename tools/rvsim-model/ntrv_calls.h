// The eighteen library calls as plain functions on a simulator: each passes
// the gate (count, fault, trace) and does its work on the server for the
// connection's owner. Each takes the simulator's lock itself. The in-process
// library's exports and the network server both serve calls through these.
#pragma once

#include <cstdint>

#include "core/video_library.h"
#include "simulator.h"

namespace rvsim {

int32_t CallOpen(Simulator& sim, Owner owner, const char* hostName);
int32_t CallClose(Simulator& sim, Owner owner, int32_t handle);
int32_t CallGetNumSources(Simulator& sim, Owner owner, int32_t handle, uint8_t* count);
int32_t CallGetSourceInfo(Simulator& sim, Owner owner, int32_t handle, uint8_t index,
                          VideoSourceInfo* info);
int32_t CallSelectSource(Simulator& sim, Owner owner, int32_t handle, int32_t sourceId);
int32_t CallMotion(Simulator& sim, Owner owner, int32_t handle);
int32_t CallStill(Simulator& sim, Owner owner, int32_t handle);
int32_t CallHide(Simulator& sim, Owner owner, int32_t handle);
int32_t CallSetPosition(Simulator& sim, Owner owner, int32_t handle, int16_t x, int16_t y,
                        int16_t width, int16_t height);
int32_t CallSetZOrder(Simulator& sim, Owner owner, int32_t handle, int32_t zOrder);
int32_t CallSetCaption(Simulator& sim, Owner owner, int32_t handle, const char* caption);
int32_t CallSetZoom(Simulator& sim, Owner owner, int32_t handle, int16_t x, int16_t y,
                    int16_t width, int16_t height);
int32_t CallSetBrightness(Simulator& sim, Owner owner, int32_t handle, uint8_t value);
int32_t CallSetContrast(Simulator& sim, Owner owner, int32_t handle, uint8_t value);
int32_t CallSetSaturation(Simulator& sim, Owner owner, int32_t handle, uint8_t value);
int32_t CallSetHue(Simulator& sim, Owner owner, int32_t handle, uint8_t value);
int32_t CallColorKey(Simulator& sim, Owner owner, int32_t handle, int32_t color);
int32_t CallInsertionMode(Simulator& sim, Owner owner, int32_t handle, uint8_t mode);

// Frees every window `owner` holds, as when its network connection drops;
// returns how many. Not a library call: neither counted nor traced.
int CloseOwner(Simulator& sim, Owner owner);

}  // namespace rvsim
