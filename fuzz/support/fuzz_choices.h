// Decisions the fuzz targets share: which simulated server to run against,
// which address to name, and checking that aborts so the fuzzer reports it.
#pragma once

#include <cstdint>
#include <string>

#include "fuzz_input.h"

namespace vpifuzz {

// A simulator configuration picked by one byte: the built-in six cameras,
// no source, three, twelve (more than the block's ten records and the six
// windows), names of 79 bytes, names twice over or with brackets and commas,
// or room for eight connections only. Returns the text (null: built-in).
const char* ChooseServer(uint8_t choice);

// Configures the simulator with ChooseServer(choice); aborts when refused.
void ConfigureServer(uint8_t choice);

// An address text: "!" and one of the 43 names, or (for the codes past
// them) the next line of the input; bit 6 folds it to lower case, bit 7
// appends a blank.
std::string ChooseAddress(FuzzInput& input);

// A data type code: 1, 5, 6, 7 mostly, sometimes another value.
int32_t ChooseType(uint8_t choice);

// Prints what broke and where, then aborts, when `broken` is not empty.
void RequireNothingBroken(const std::string& broken, const std::string& where);

}  // namespace vpifuzz
