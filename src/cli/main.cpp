#include "cli/cli.h"
#include "cli/console.h"

#include <iostream>

int main(int argc, char** argv) {
    // Large batches write a lot: let the stream buffer instead of syncing
    // with C stdio on every write.
    std::ios::sync_with_stdio(false);
    tivora::cli::PrepareStandardStreams();
    const std::vector<std::string> args = tivora::cli::ProgramArguments(argc, argv);
    return tivora::cli::RunCli(args, std::cin, std::cout, std::cerr);
}
