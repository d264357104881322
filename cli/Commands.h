#pragma once

#include "ui/Calculator.h"

#include <string>
#include <vector>

namespace CLI {
class App;
}

namespace spanwise {
class CCalculator;
}

namespace spanwise::cli {

// The options of all commands; each command reads those it adds.
struct CCommandOptions {
    bool bCsv = false;
    // fit
    std::string duration; // as written; checked when the command line is read
    bool bAll = false;
    bool bJson = false;
};

// The lists a scenario's selections picked in, in the order picked.
using PickedLists = std::vector<CalcList>;

// How a command lays out its answers, which decides how a run over scenario lines tells them
// apart.
enum class AnswerFormat {
    Text,     // lines of text
    Csv,      // a header line, then rows
    JsonLine, // one JSON object on one line
};

// What one scenario came to: the answer, or why there is none.
struct CAnswer {
    std::string text;  // whole lines
    std::string error; // empty when there is an answer
    int nExitStatus;   // the exit status of a run of this one scenario
};

// A command of spanwise-cli. Every command takes the same selections, or "-" for scenario lines,
// applies them and then answers from the calculator they leave, told which lists they picked in.
struct CCommand {
    const char* name;
    const char* summary; // for --help
    // Adds the command's own options and arguments, which come before the selections.
    void (*addOptions)(CLI::App& subcommand, CCommandOptions& options);
    // The usage error when the argument the command needs is missing; nullptr for none.
    const char* missingArgument;
    AnswerFormat (*format)(const CCommandOptions& options);
    CAnswer (*answer)(CCalculator& calc, const CCommandOptions& options, const PickedLists& picked);
};

// The commands, in the order --help lists them.
const std::vector<CCommand>& Commands();
// The command of that name, or nullptr.
const CCommand* FindCommand(const std::string& name);
// The command that answers selections given without one.
const CCommand& DefaultCommand();
// The commands' names, separated by ", ".
std::string CommandNames();

} // namespace spanwise::cli
