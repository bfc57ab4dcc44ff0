// Calling conventions of the binary interfaces the driver shares with the
// host and with the video library. On 32-bit Windows both use stdcall (the
// callee pops its arguments); everywhere else the platform default applies.
#pragma once

#if defined(_WIN32) && !defined(_WIN64)
#define VPI_STDCALL __stdcall
#else
#define VPI_STDCALL
#endif

#if defined(_WIN32)
#define VPI_EXPORT  // the module definition file names the exports
#else
#define VPI_EXPORT __attribute__((visibility("default")))
#endif
