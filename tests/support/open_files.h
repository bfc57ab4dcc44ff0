// Whether a file is still held open by the process, told two ways: the
// number of open files where the system lists them, and whether the file can
// be renamed and deleted (Windows refuses both while it is open).
#pragma once

#include <string>

namespace vpitest {

// Number of files the process holds open (the entries of /proc/self/fd), or
// -1 where the system does not list them.
int OpenFileCount();

// Renames `path`, renames it back and deletes it; true when all three
// succeed. The file is gone afterwards.
bool RenameAndDelete(const std::string& path);

}  // namespace vpitest
