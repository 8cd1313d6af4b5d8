#include "cli/cli_main.h"

#include "cli/analyse.h"
#include "cli/cli_options.h"
#include "cli/match.h"

#include <istream>
#include <ostream>

int RunCli(std::span<const std::string_view> args, std::istream& in, std::ostream& out,
           std::ostream& err) {
    if (args.empty()) {
        err << UsageText();
        return kExitBadInput;
    }
    const CliParse parse = ParseCommandLine(args);
    if (!parse.bOk) {
        err << "ravelo2-cli: " << parse.error << "\n(ravelo2-cli --help shows the usage)\n";
        return kExitBadInput;
    }
    switch (parse.options.mode) {
    case CliMode::Analyse:
        return RunAnalyse(parse.options, in, out, err);
    case CliMode::Value:
        return RunValue(parse.options, in, out, err);
    case CliMode::Play:
        return RunPlay(parse.options, out, err);
    case CliMode::Help:
        break;
    }
    out << UsageText() << std::flush;
    if (!out) {
        err << "ravelo2-cli: the usage could not be written\n";
        return kExitFault;
    }
    return kExitOk;
}
