#pragma once

// What the command line and the standard streams look like differ between
// Linux and Windows; these calls give the rest of the CLI the same view on
// both (console_posix.cpp, console_windows.cpp).

#include <string>
#include <vector>

namespace tivora::cli {

// Makes the standard streams carry the program's bytes unchanged (UTF-8,
// no line-end translation), so output is the same on every system.
void PrepareStandardStreams();

// The program's arguments after its name, in UTF-8.
std::vector<std::string> ProgramArguments(int argc, char** argv);

// Opens a file named in UTF-8 for reading in binary: a descriptor for
// read(), or -1 with errno set. Not inherited by child processes.
int OpenForReading(const std::string& path);

} // namespace tivora::cli
