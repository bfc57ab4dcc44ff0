// Slot 16: lets a user pick an address from the browse dialog and writes it,
// with its "!", into the host's address buffer.
#include "address/browse_address.h"

#include <cstring>

#include "address/browse_dialog.h"
#include "address/browse_resource.h"
#include "address/host_version.h"
#include "core/bounded_text.h"

namespace vpi {

std::atomic<int32_t> browseActive{0};
char browseSelection[kBrowseSelectionSize] = {};

namespace {

platform::WindowHandle DialogOwner(const VpiRequest& request) {
  const uint16_t version = QueryHostVersion();
  return version >= kFirstOwningHostVersion ? request.ownerWindow : nullptr;
}

// "!" and the picked name into the first 20 bytes of `buffer`, the rest of
// them zero. A name that would not fit leaves the buffer untouched.
bool WritePickedAddress(char* buffer) {
  const size_t length = BoundedLength(browseSelection, kBrowseSelectionSize);
  if (length == 0 || length + 2 > kBrowseAddressBufferSize) return false;
  std::memset(buffer, 0, kBrowseAddressBufferSize);
  buffer[0] = '!';
  return CopySpanIfFits(buffer + 1, kBrowseAddressBufferSize - 1, browseSelection, length);
}

}  // namespace

int32_t BrowseAddress(VpiCall* call) {
  VpiRequest* request = call != nullptr ? static_cast<VpiRequest*>(call->request) : nullptr;
  // Nothing to write into: no dialog, and the one dialog of the process is
  // kept for a call that can use it.
  if (request == nullptr || request->addressText == nullptr) return VPI_CANCELLED;
  if (browseActive.exchange(1) != 0) return VPI_CANCELLED;

  const platform::ModuleHandle module = platform::DriverModule();
  const platform::WindowHandle owner = DialogOwner(*request);
  const intptr_t answer = platform::RunModalDialog(module, IDD_BROWSE, owner, &BrowseDialogProc, 0);
  if (answer != platform::kIdOk) return VPI_CANCELLED;
  return WritePickedAddress(request->addressText) ? VPI_OK : VPI_CANCELLED;
}

}  // namespace vpi
