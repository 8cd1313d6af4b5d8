#include "cli/cli_main.h"

#include <exception>
#include <iostream>
#include <string_view>
#include <vector>

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    std::vector<std::string_view> args;
    for (int i = 1; i < argc; ++i) {
        args.emplace_back(argv[i]);
    }
    // Nothing in ravelo2-cli throws on purpose; running out of memory is the one way left, and
    // it must end in a message and a failure status rather than an abort.
    try {
        return RunCli(args, std::cin, std::cout, std::cerr);
    } catch (const std::exception& e) {
        std::cerr << "ravelo2-cli: " << e.what() << '\n';
        return 1;
    }
}
