// A whole console run: options applied, libraries loaded, then commands from
// a script, from piped input or from the terminal. Returns the exit status.
#pragma once

#include <istream>
#include <ostream>

#include "run_options.h"

namespace vpihost {

enum ExitStatus : int { kExitOk = 0, kExitChecksFailed = 1, kExitCannotStart = 2 };

// Without a script the commands come from `input`, line by line, or, when
// `inputIsTerminal`, from the platform's line editor with prompt and history.
int RunConsole(const RunOptions& options, std::istream& input, bool inputIsTerminal,
               std::ostream& out, std::ostream& err);

}  // namespace vpihost
