// The station's initialization file in the current directory: written on
// request, never overwritten unless the user says so.
#pragma once

#include <string>

#include "core/driver_data.h"

namespace vpihost {

constexpr size_t kLongestHostName = static_cast<size_t>(kHostNameSize - 1);

// "darAZO%02d.int" for `station`.
std::string InitFileName(int station);

// The file's text, with comments, naming `hostName`.
std::string InitFileText(int station, const std::string& hostName);

// The value a host name line may carry: 1 to 29 characters, none of them a
// ";", a line break or a NUL. Else false with the reason.
bool CheckHostName(const std::string& hostName, std::string* reason);

enum class InitOutcome { kWritten, kKept, kFailed };

// Writes the file for `station` naming `hostName`, unless it exists and
// `force` is false. `message` says what happened.
InitOutcome WriteInitFile(int station, const std::string& hostName, bool force,
                          std::string* message);

// The host name the driver would read from the file, by its own rule, for
// showing what an existing file names; empty when none is accepted.
std::string HostNameInFile(const std::string& fileName);

}  // namespace vpihost
