// The name part of an address text: case folding, the copy into the
// block's `address` field, the group membership test and the name the read
// and write slots look up.
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

// The name that the read and write slots look up: the text after the first
// character of `addressText` (the empty text when there is none), compared
// exactly as the host wrote it. It is looked up where the host keeps it,
// without a copy: the lookup reads at most twelve bytes of it, and a text of
// 32 characters or more, like any other text longer than the longest name,
// names nothing the slots serve.
const char* RequestName(const char* addressText);

}  // namespace vpi
