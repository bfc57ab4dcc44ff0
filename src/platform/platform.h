// The small platform layer: loading a library by name, the host services,
// the calling thread's id. One Windows and one POSIX implementation.
#pragma once

#include <cstdint>

#include "platform/abi.h"

namespace vpi::platform {

using LibraryHandle = void*;

// Loads a library by bare file name through the system's search order.
// Returns null on failure and stores the system's error code.
LibraryHandle OpenLibrary(const char* fileName, uint32_t* systemError);
// Looks up an exported symbol by its exact name; null when missing.
void* LibrarySymbol(LibraryHandle library, const char* name);
// File name of the vendor's video library on this platform.
const char* VideoLibraryFileName();
uint32_t CurrentThreadId();

// The host library's services.
using ErrFn = int (*)(int level, const char* format, ...);
using MkClientFn = uint16_t(VPI_STDCALL*)(const char* name, int32_t one, int32_t zero,
                                          uint8_t* client);
using GetVersionFn = uint16_t(VPI_STDCALL*)(int32_t client, uint16_t* version, char* buffer100);
using RmClientFn = int32_t(VPI_STDCALL*)(int32_t client);

struct HostServiceTable {
  ErrFn err;
  MkClientFn mkClient;
  GetVersionFn getVersion;
  RmClientFn rmClient;
};

const HostServiceTable& HostServices();

}  // namespace vpi::platform
