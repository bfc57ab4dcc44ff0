// A whole console run: options applied, libraries loaded, then commands from
// a script, from piped input or from the terminal. Returns the exit status.
#pragma once

#include <istream>
#include <ostream>

#include "run_options.h"

namespace vpihost {

enum ExitStatus : int { kExitOk = 0, kExitChecksFailed = 1, kExitCannotStart = 2 };

// `input` is read when no script is named and it is not a terminal.
int RunConsole(const RunOptions& options, std::istream& input, std::ostream& out,
               std::ostream& err);

}  // namespace vpihost
