#include "cli/console.h"

#include <fcntl.h>

namespace tivora::cli {

void PrepareStandardStreams() {}

std::vector<std::string> ProgramArguments(int argc, char** argv) {
    // Any bytes at all: a file name need not be UTF-8.
    return std::vector<std::string>(argv + 1, argv + argc);
}

int OpenForReading(const std::string& path) {
    return ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
}

} // namespace tivora::cli
