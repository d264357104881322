// The commands of spanwise-cli: a new command is one more row in the table, with its options and
// its answer.

#include "Commands.h"

#include "ExitStatus.h"
#include "Fit.h"
#include "Output.h"
#include "lang/Catalogue.h"
#include "ui/Calculator.h"

#include <CLI/CLI.hpp>

namespace spanwise::cli {

namespace {

void NoOptions(CLI::App& /*subcommand*/, CCommandOptions& /*options*/) {}

void AddCsvOption(CLI::App& subcommand, CCommandOptions& options) {
    subcommand
        .add_flag("--csv", options.bCsv,
                  lang::Translate("Write comma-separated values with a header line"))
        ->disable_flag_override();
}

AnswerFormat TextFormat(const CCommandOptions& /*options*/) {
    return AnswerFormat::Text;
}

AnswerFormat JsonLineFormat(const CCommandOptions& /*options*/) {
    return AnswerFormat::JsonLine;
}

AnswerFormat TableFormat(const CCommandOptions& options) {
    return options.bCsv ? AnswerFormat::Csv : AnswerFormat::Text;
}

CAnswer Answered(std::string text) {
    return {std::move(text), {}, kExitAnswered};
}

CAnswer AnswerReport(CCalculator& calc, const CCommandOptions& /*options*/,
                     const PickedLists& /*picked*/) {
    return Answered(ToTerminalLines(calc.GetReport()));
}

CAnswer AnswerState(CCalculator& calc, const CCommandOptions& /*options*/,
                    const PickedLists& /*picked*/) {
    return Answered(StateJson(calc, calc.GetReport()) + '\n');
}

CAnswer AnswerTable(CCalculator& calc, const CCommandOptions& options,
                    const PickedLists& /*picked*/) {
    return Answered(RangeTable(calc, options.bCsv));
}

} // namespace

const std::vector<CCommand>& Commands() {
    static const std::vector<CCommand> commands = {
        {"report", N_("Print the Copy report after the selections (the default)"), NoOptions,
         nullptr, TextFormat, AnswerReport},
        {"state", N_("Print the whole dialog as one JSON object"), NoOptions, nullptr,
         JsonLineFormat, AnswerState},
        {"table", N_("Print the sampling period and recording time at every offered range"),
         AddCsvOption, nullptr, TableFormat, AnswerTable},
        {"fit", N_("Print the finest range whose recording time is at least DURATION"),
         AddFitOptions, kFitDurationMissing, FitFormat, AnswerFit},
    };
    return commands;
}

const CCommand* FindCommand(const std::string& name) {
    for (const CCommand& command : Commands()) {
        if (name == command.name) {
            return &command;
        }
    }
    return nullptr;
}

const CCommand& DefaultCommand() {
    return Commands().front();
}

std::string CommandNames() {
    std::string names;
    for (const CCommand& command : Commands()) {
        names += (names.empty() ? "" : ", ") + std::string(command.name);
    }
    return names;
}

} // namespace spanwise::cli
