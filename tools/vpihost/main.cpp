// vpihost: a host console for the driver.
#include <iostream>

#include "console_platform.h"
#include "console_run.h"

int main(int argc, char** argv) {
  vpihost::RunOptions options;
  std::string error;
  if (!vpihost::ParseRunOptions(argc, argv, &options, &error)) {
    std::cerr << "vpihost: " << error << "\n" << vpihost::UsageText();
    return vpihost::kExitCannotStart;
  }
  vpihost::PrepareTerminalOutput();
  return vpihost::RunConsole(options, std::cin, vpihost::InputIsTerminal(), std::cout, std::cerr);
}
