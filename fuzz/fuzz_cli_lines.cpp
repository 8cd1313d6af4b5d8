// ravelo2-cli analyse and value on arbitrary standard input. The first byte picks one of four
// quick commands; the rest is the input. Whatever it holds, the program answers every line with one
// line, or the lines before the one that its message names, and stops there with status 2.
#include "cli/cli_main.h"
#include "fuzz_check.h"

#include <sstream>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    const std::string_view commands[][5] = {{"analyse", "--level", "1", "--seed", "1"},
                                            {"analyse", "--level", "2", "--seed", "2"},
                                            {"value", "--depth", "1", "--to-move", "user"},
                                            {"value", "--depth", "3", "--to-move", "computer"}};
    const std::string input(reinterpret_cast<const char*>(data) + 1, size - 1);
    std::istringstream in(input);
    std::ostringstream out, err;
    const int nStatus = RunCli(commands[data[0] % 4], in, out, err);
    const std::string said = err.str();
    const long nAnswers = std::ranges::count(out.str(), '\n');
    // A last line without a newline is a line too.
    const long nLines = std::ranges::count(input, '\n') + !(input.empty() || input.ends_with('\n'));
    REQUIRE(
        nStatus == 0
            ? said.empty() && nAnswers == nLines
            : nStatus == 2 && nAnswers < nLines &&
                  said.starts_with("ravelo2-cli: line " + std::to_string(nAnswers + 1) + ": ") &&
                  said.ends_with('\n') && IsPrintable(said.substr(0, said.size() - 1)));
    return 0;
}
