#pragma once

#include <ostream>
#include <string>

namespace tivora::cli {

constexpr int kDone = 0;
constexpr int kRefused = 1;
constexpr int kUsage = 2;

inline int Usage(std::ostream& err, const std::string& problem) {
    err << "tivora-cli: " << problem << "\n"
        << "Try 'tivora-cli --help'.\n";
    return kUsage;
}

inline int Refuse(std::ostream& err, const std::string& message) {
    err << "tivora-cli: " << message << "\n";
    return kRefused;
}

// Said once, whichever command's output could not be written.
constexpr const char* kCouldNotWriteOutput = "could not write the output";

// The name as saved (trimmed) is at most this many UTF-16 units, as the
// Name box counts them, so every name the tool takes fits the box and the
// file.
constexpr int kMaxNameLength = 100;
constexpr const char* kNameTooLong = "longer than 100 characters";
bool NameTooLong(const std::string& name);

} // namespace tivora::cli
