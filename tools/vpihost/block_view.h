// A station's instance block decoded field by field, for the "block" command.
#pragma once

#include <string>

#include "core/driver_data.h"

namespace vpihost {

std::string DescribeBlock(const DriverData& data);

// A fixed text field shown up to its NUL or its end, whichever comes first,
// with bytes outside printable ASCII as \xNN.
std::string FieldText(const char* field, size_t capacity);

}  // namespace vpihost
