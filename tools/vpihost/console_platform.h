// What the console needs from the operating system: loading a library by
// path, the dialog model where there are no dialogs, where the program itself lives, whether input
// comes from a terminal, and line input with editing and history. One implementation per side.
#pragma once

#include <string>

namespace vpihost {

using LibraryHandle = void*;
struct DialogModelControls;

// File names of the libraries the console loads, as built on this platform.
struct LibraryFileNames {
  const char* driver;     // the driver a host loads
  const char* standin;    // the host library stand-in
  const char* simulator;  // the video server simulator
};
const LibraryFileNames& PlatformLibraryNames();

// Loads the library at `path`; null on failure, with the system's reason.
LibraryHandle LoadLibraryAt(const std::string& path, std::string* reason);
void* FindSymbol(LibraryHandle library, const char* name);

// Fills `model` with the dialog model the console lends the driver where the
// system has no dialogs; false where the driver shows a real dialog.
bool PlatformDialogModel(DialogModelControls* model);

// Folder of the running program, with a trailing separator.
std::string ExecutableDirectory();

bool InputIsTerminal();
// Makes the terminal show UTF-8 text (box characters of the wall picture).
void PrepareTerminalOutput();

// Reads one line after showing `prompt`, with editing and history where the
// platform offers them; false at end of input.
bool ReadEditedLine(const std::string& prompt, std::string* line);
void RememberLine(const std::string& line);

}  // namespace vpihost
