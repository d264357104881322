// The command line of spanwise-cli: its commands, options and help, and the two ways of answering
// (the selections of the command line, or scenario lines read one by one).

#include "CommandLine.h"

#include "Output.h"
#include "Scenario.h"
#include "ShellWords.h"
#include "res/Version.h"

#include <CLI/CLI.hpp>

#include <algorithm>
#include <istream>
#include <ostream>
#include <string>
#include <vector>

namespace spanwise::cli {

namespace {

constexpr int kExitFailedLines = 1;
constexpr int kExitUsage = 2;

const char* const kFooter = R"(Selections:
  Each selection is LIST=VALUE and acts as a user's pick in that list of the
  calculator window, applied in the order given, from the opening state.
  LIST is one of: model, memory, function, sampling, scanner, channels, range.
  VALUE is an entry's text as the list shows it at that moment (any case), or
  #N for the N-th entry counted from #0 (for empty or repeated texts).
  A pick in a list the window disables (for the model or the function) is an
  error. A lone - reads one scenario per line from standard input, split into
  words as a shell would; blank lines and lines starting with # are skipped.

Examples:
  spanwise-cli report model=Cedar function=REC
  spanwise-cli state model=Alder/Alder-W memory=1GW range=5min/div
  spanwise-cli table model=Juniper --csv
  printf 'model=Hazel\nmodel=Ivy channels=4ch\n' | spanwise-cli state -)";

bool IsSkipped(const std::string& line) {
    const std::size_t first = line.find_first_not_of(" \t\r");
    return first == std::string::npos || line[first] == '#';
}

int RunSingle(const CScenarioOptions& options, const std::vector<std::string>& selections,
              std::ostream& out, std::ostream& err) {
    std::string answer;
    std::string error;
    if (!RunScenario(options, selections, answer, error)) {
        err << "spanwise-cli: " << error << '\n';
        return kExitUsage;
    }
    out << answer;
    return 0;
}

// Answers every scenario line read from in; a failing line is reported and the rest still
// answered.
int RunLines(const CScenarioOptions& options, std::istream& in, std::ostream& out,
             std::ostream& err) {
    bool bAnyFailed = false;
    bool bFirstAnswer = true;
    std::string line;
    std::vector<std::string> selections;
    std::string answer;
    std::string error;
    for (long nLine = 1; std::getline(in, line); ++nLine) {
        if (IsSkipped(line)) {
            continue;
        }
        bool bOk = SplitShellWords(line, selections, error);
        if (bOk) {
            bOk = RunScenario(options, selections, answer, error);
        }
        if (!bOk) {
            bAnyFailed = true;
            const std::string message = "line " + std::to_string(nLine) + ": " + error;
            if (options.command == Command::State) {
                out << ErrorJson(message) << '\n';
            } else {
                out.flush();
                err << "spanwise-cli: " << message << '\n';
            }
            continue;
        }
        // Multi-line answers are kept apart by a blank line; JSON Lines need none.
        if (options.command != Command::State && !bFirstAnswer) {
            out << '\n';
        }
        bFirstAnswer = false;
        out << answer;
    }
    out.flush();
    return bAnyFailed ? kExitFailedLines : 0;
}

} // namespace

int RunCommandLine(int argc, const char* const* argv, std::istream& in, std::ostream& out,
                   std::ostream& err) {
    CLI::App app{"Spanwise: maximum recording length and time of memory recorders, without a "
                 "window.\nWith no command, prints the report of the opening conditions.",
                 "spanwise-cli"};
    app.set_version_flag("--version", std::string("Spanwise ") + spanwise::kFileVersion);
    app.footer(kFooter);
    app.require_subcommand(0, 1);

    std::vector<std::string> selections;
    bool bCsv = false;
    const char* const selectionsHelp = "LIST=VALUE picks, in order; or - to read scenario lines";
    auto* report = app.add_subcommand("report", "Print the Copy report after the selections");
    report->add_option("selections", selections, selectionsHelp);
    auto* state = app.add_subcommand("state", "Print the whole dialog as one JSON object");
    state->add_option("selections", selections, selectionsHelp);
    auto* table = app.add_subcommand(
        "table", "Print the sampling period and recording time at every offered range");
    table->add_option("selections", selections, selectionsHelp);
    table->add_flag("--csv", bCsv, "Write comma-separated values with a header line");

    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& e) {
        const int nCode = app.exit(e, out, err);
        return nCode == 0 ? 0 : kExitUsage;
    }

    CScenarioOptions options;
    options.bCsv = bCsv;
    if (state->parsed()) {
        options.command = Command::State;
    } else if (table->parsed()) {
        options.command = Command::Table;
    }

    const bool bReadLines =
        std::find(selections.begin(), selections.end(), "-") != selections.end();
    if (bReadLines && selections.size() > 1) {
        err << "spanwise-cli: - reads the selections from standard input and takes no "
               "others\n";
        return kExitUsage;
    }
    return bReadLines ? RunLines(options, in, out, err) : RunSingle(options, selections, out, err);
}

} // namespace spanwise::cli
