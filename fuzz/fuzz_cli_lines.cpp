// ravelo2-cli analyse and value on arbitrary standard input. The first byte picks one of four
// quick commands; the rest is the input. Whatever it holds, the program answers every line with one
// line, or the lines before the one that its message names, and stops there with status 2.
#include "cli/cli_main.h"
#include "fuzz_check.h"

#include <sstream>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    const std::string input(reinterpret_cast<const char*>(data) + 1, size - 1);
    const std::vector<std::string_view> commands[] = {
        {"analyse", "--level", "1", "--seed", "1"},
        {"analyse", "--level", "2", "--seed", "2"},
        {"value", "--depth", "1", "--to-move", "user"},
        {"value", "--depth", "3", "--to-move", "computer"}};
    const std::vector<std::string_view>& args = commands[data[0] % 4];
    std::istringstream in(input);
    std::ostringstream out;
    std::ostringstream err;
    const int nStatus = RunCli(args, in, out, err);

    const std::string answers = out.str();
    const std::string said = err.str();
    const long nAnswers = std::count(answers.begin(), answers.end(), '\n');
    // A last line without a newline is a line too.
    const long nLines = std::count(input.begin(), input.end(), '\n') +
                        (input.empty() || input.ends_with('\n') ? 0 : 1);
    Require(answers.empty() || answers.ends_with('\n'), answers);
    Require(nStatus == 0 ? said.empty() && nAnswers == nLines
                         : nStatus == 2 && nAnswers < nLines &&
                               said.starts_with("ravelo2-cli: line " +
                                                std::to_string(nAnswers + 1) + ": ") &&
                               said.find('\n') == said.size() - 1 &&
                               IsPrintable(said.substr(0, said.size() - 1)),
            said);
    return 0;
}
