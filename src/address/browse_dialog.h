// The address browse dialog (slot 16): its process-wide state and its
// dialog procedure. One dialog per loaded library, for whichever station
// asks first.
#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>

#include "platform/dialog.h"

namespace vpi {

constexpr size_t kBrowseSelectionSize = 50;
// Bytes of the host's address buffer that slot 16 may write.
constexpr size_t kBrowseAddressBufferSize = 20;
// Hosts from this version on get the dialog owned by their window.
constexpr uint16_t kFirstOwningHostVersion = 820;

// Set by the first BrowseAddress call of the process; never cleared. Tested
// and set in one step, so that two threads cannot both pass it.
extern std::atomic<int32_t> browseActive;
// The name last picked in either list, NUL-terminated.
extern char browseSelection[kBrowseSelectionSize];

intptr_t VPI_STDCALL BrowseDialogProc(platform::WindowHandle dialog, uint32_t message,
                                      uintptr_t wParam, intptr_t lParam);

}  // namespace vpi
