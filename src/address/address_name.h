// The name part of an address text: case folding, the copy into the
// block's `address` field and the group membership test.
#pragma once

#include "address/vocabulary.h"
#include "core/driver_data.h"
#include "core/vpi_records.h"

namespace vpi {

// Lower-case letters (and the bytes 0x7B to 0x7F) to upper case; the byte is
// taken as signed, so 0x80 to 0xFF stay as they are.
char FoldAddressChar(char byte);

// Checks that `text` is "!" followed by at most 30 characters and stores the
// folded name in `data->address`. False (and `address` untouched) for an
// empty text, one that does not begin with "!", or one of 32 characters or
// more; at most 32 bytes of `text` are read to decide.
bool ExtractAddressName(DriverData* data, const char* text);

// True when `data->address` equals one of the group's names exactly.
bool NameInGroup(const DriverData* data, const NameGroup& group);

}  // namespace vpi
