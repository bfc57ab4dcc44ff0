// Writes that only stage values in the instance block for a later command:
// the sixteen numeric parameters, the caption and the colour.
#pragma once

#include <cstddef>
#include <cstdint>

#include "core/host_limits.h"
#include "core/vpi_records.h"

namespace vpi {

// When the request carries VPI_TYPE_INT16, stores the cell's value16 in the
// field of the parameter at `position` (0 to 15, WINDOW to MODE; WINDOW and
// SOURCE less one). True when it stored.
bool WriteParameter(VpiCall* call, const void* cell, int position);

// CAPTION: VPI_INVALID, nothing stored, for a text over 29 characters.
int32_t WriteCaption(DriverData* data, const char* text);

// COLOR "(r,g,b)": packs the low 16 bits of each component as
// r | g << 8 | b << 16. VPI_INVALID, colour unchanged, for a text over 49
// characters, without "(" or ")", with fewer than three fields, a component
// over 19 characters or a list that ends before its field closes.
int32_t WriteColor(DriverData* data, const char* text);

}  // namespace vpi
