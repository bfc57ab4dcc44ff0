// Result codes and data type codes by name, both ways.
#pragma once

#include <cstdint>
#include <string>

namespace vpihost {

// "VPI_OK", "VPI_INVALID", "VPI_FAILED", "VPI_CANCELLED", else the number.
std::string ResultName(int32_t code);
// Accepts those names (any case) or a decimal number.
bool ParseResultCode(const std::string& text, int32_t* code);

// "INT16", "INT32", "FLAG", "TEXT", else the number.
std::string TypeName(int32_t type);
// Accepts a decimal number or one of the names above (any case, with or
// without the "VPI_TYPE_" prefix).
bool ParseTypeCode(const std::string& text, int32_t* type);

// A whole decimal or 0x-hexadecimal integer, optionally signed, within
// [low, high].
bool ParseInteger(const std::string& text, long long low, long long high, long long* value);

}  // namespace vpihost
