#include "cli/cli.h"

#include <iostream>

int main(int argc, char** argv) {
    // Large batches write a lot: let the stream buffer instead of syncing
    // with C stdio on every write.
    std::ios::sync_with_stdio(false);
    std::vector<std::string> args(argv + 1, argv + argc);
    return tivora::cli::RunCli(args, std::cin, std::cout, std::cerr);
}
