// libFuzzer entry for the saved reading file's reader; built with
// -DTIVORA_FUZZ=ON and clang. Any broken rule aborts with its name.
#include "report/reading_file_checks.h"

#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size > static_cast<std::size_t>(tivora::kMaxReadingFileSize))
        return 0; // refused before reading
    const QByteArray content(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    std::string broken = tivora::test::CheckReadingFileContent(content);
    if (broken.empty())
        broken = tivora::test::CheckNameRoundTrip(content);
    if (!broken.empty()) {
        std::fprintf(stderr, "reading file rule broken: %s\n", broken.c_str());
        std::abort();
    }
    return 0;
}
