#pragma once

#include <istream>
#include <ostream>
#include <string>
#include <vector>

namespace tivora::cli {

// Runs one command line (without the program name) and returns the exit
// status: 0 done, 1 the birth data or a file was refused, 2 a usage error.
int RunCli(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
           std::ostream& err);

std::string UsageText();

} // namespace tivora::cli
