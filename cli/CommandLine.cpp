// The command line of spanwise-cli: the commands and their help, usage errors, and the two ways of
// answering (the selections of the command line, or scenario lines read one by one).

#include "CommandLine.h"

#include "Commands.h"
#include "DescriptorBuffer.h"
#include "ExitStatus.h"
#include "Output.h"
#include "Scenario.h"
#include "ScenarioLines.h"
#include "calc/DurationUnits.h"
#include "calc/ShownText.h"
#include "lang/Catalogue.h"
#include "lang/Language.h"
#include "res/Version.h"
#include "ui/Calculator.h"

#include <CLI/CLI.hpp>

#include <algorithm>
#include <istream>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

namespace spanwise::cli {

namespace {

const char* const kSelectionsName = "selections";
const char* const kSelectionsUsage = "[LIST=VALUE ... | -]";
// The label of the units a duration may not be written in, in --help.
const char* const kRefusedUnits = N_("refused");

const char* const kSelectionsHelp = N_(R"(Selections:
  Each selection is LIST=VALUE and acts as a user's pick in that list of the
  calculator window, applied in the order given, from the opening state.
  LIST is one of: model, memory, function, sampling, scanner, channels, range.
  VALUE names an entry of the list as it is at that moment: its text in any
  case, else the beginning of just one entry (model=alder, range=5min), or #N
  for the entry at position N counted from #0 (for empty or repeated texts).
  A pick in a list the window disables is an error. Selections without a
  command mean report. A -- before them ends the options.

Durations (fit):
  DURATION is written in pieces from the longest unit down, each a number
  with its unit, together or apart, a comma after a unit if you like:
  3d, 2d12h, 1h30min, 1.5h, 500ms, "90 min", "1 hour, 30 minutes"; a number
  alone is seconds. A clock time may stand alone or end it: MM:SS, H:MM:SS,
  D:HH:MM:SS, "1d 02:00:00". A comma right after a digit is the decimal
  point, once in a duration (1,5h); 1,000h is refused as ambiguous. fit --all
  holds each of the memory, function, sampling, scanner and channels lists
  picked on the line at its entry and tries every combination of the others:
  those that fit come first, the finest range first, then the others, the
  longest recording time first.

)");

const char* const kAfterUnitsHelp =
    N_(R"(  Months and years vary in length: write days. M is months; minutes are m
  or min.

Scenario lines:
  A lone - reads one scenario per line from standard input (LF, CR LF or CR
  ends a line), each from the opening state, split into words as a POSIX
  shell would: '...' and "..." quote, a backslash escapes the next character
  or joins the next line to its own, a word starting with # starts a comment.
  Each answer names its line: report, table and fit head it "line N:", table
  --csv and fit --csv add a first column "line", state and fit --json write
  one JSON line per scenario (fit --all --json an array) and
  {"error": "line N: ..."} for one that fails. Other failing lines are named
  on standard error; the rest are still answered.

Exit status:
  0 answered; 1 some scenario lines failed; 2 a usage error (a bad DURATION
  included) or a selection that cannot be applied; 3 fit found no range that
  records DURATION (with --all under no combination; reading scenario lines,
  for at least one); 4 standard input could not be read or standard output
  could not be written.

Examples:
  spanwise-cli model=Cedar function=REC
  spanwise-cli report model=Cedar function=REC
  spanwise-cli state model=alder memory=1GW range=5min
  spanwise-cli table model=Juniper --csv
  spanwise-cli fit 3d model=Cedar
  spanwise-cli fit "90 min" --all model=alder memory=1g
  printf 'model=Cedar\nmodel=Hazel\n' | spanwise-cli fit 3d --csv -
  printf 'model=Hazel\nmodel=Ivy channels=4ch\n' | spanwise-cli state -)");

// The units of durations, one line each, from the reader's table: "  hours  h, hr, hrs, hour,
// hours", the units it refuses on a line of their own.
std::string UnitsHelp() {
    std::size_t nWidth = TerminalWidth(lang::Translate(kRefusedUnits));
    for (std::size_t i = 0; i < kDurationUnitCount; ++i) {
        if (kDurationUnits[i].bFixedLength) {
            nWidth = std::max(nWidth, TerminalWidth(lang::Translate(kDurationUnits[i].plural)));
        }
    }
    std::string help = lang::Translate("Units (in any case):");
    help += '\n';
    std::string refused;
    for (std::size_t i = 0; i < kDurationUnitCount; ++i) {
        const CDurationUnitInfo& info = kDurationUnits[i];
        const std::string spellings = ListSpellings(info.unit);
        if (info.bFixedLength) {
            const std::string label = lang::Translate(info.plural);
            help.append("  ").append(label).append(nWidth + 2 - TerminalWidth(label), ' ');
            help.append(spellings).append("\n");
        } else {
            refused.append(refused.empty() ? "" : ", ").append(spellings);
        }
    }
    const std::string label = lang::Translate(kRefusedUnits);
    return help + "  " + label + std::string(nWidth + 2 - TerminalWidth(label), ' ') + refused +
           '\n';
}

// Help that writes the selections as LIST=VALUE rather than by the name of their argument.
class CHelpFormatter final : public CLI::Formatter {
public:
    std::string make_usage(const CLI::App* app, std::string /*name*/) const override {
        const std::string usageLabel = lang::Translate("Usage:");
        if (app->get_parent() == nullptr) {
            return usageLabel + " spanwise-cli " + lang::Translate("[COMMAND]") + ' ' +
                   kSelectionsUsage + '\n' + std::string(TerminalWidth(usageLabel) + 1, ' ') +
                   "spanwise-cli " + lang::Translate("COMMAND") + " --help\n";
        }
        std::string usage =
            usageLabel + " spanwise-cli " + app->get_name() + ' ' + lang::Translate("[OPTIONS]");
        for (const CLI::Option* option : app->get_options()) {
            if (option->get_positional()) {
                usage += ' ' + make_option_usage(option);
            }
        }
        return usage + '\n';
    }

    std::string make_option_name(const CLI::Option* option, bool bPositional) const override {
        return option->get_name() == kSelectionsName
                   ? "LIST=VALUE ..."
                   : CLI::Formatter::make_option_name(option, bPositional);
    }

    std::string make_option_opts(const CLI::Option* option) const override {
        return option->get_name() == kSelectionsName ? std::string()
                                                     : CLI::Formatter::make_option_opts(option);
    }

    std::string make_option_usage(const CLI::Option* option) const override {
        return option->get_name() == kSelectionsName ? kSelectionsUsage
                                                     : CLI::Formatter::make_option_usage(option);
    }
};

void ReportUsageError(std::ostream& err, const std::string& message) {
    err << "spanwise-cli: " << message << '\n'
        << lang::Translate("Try 'spanwise-cli --help' for more information.") << '\n';
}

using ParsedCommands = std::vector<std::pair<const CCommand*, CLI::App*>>;

// The message of a parse error, with every argument it repeats shown safely.
std::string DescribeParseError(const CLI::ParseError& error, const CLI::App& app,
                               const ParsedCommands& subcommands) {
    if (dynamic_cast<const CLI::RequiredError*>(&error) != nullptr) {
        for (const auto& [command, subcommand] : subcommands) {
            if (subcommand->parsed() && command->missingArgument != nullptr) {
                return lang::Translate(command->missingArgument);
            }
        }
    }
    if (dynamic_cast<const CLI::ExtrasError*>(&error) != nullptr) {
        std::string message;
        for (const std::string& arg : app.remaining(true)) {
            const bool bOption = arg.size() > 1 && arg[0] == '-';
            message +=
                (message.empty() ? "" : "; ") +
                lang::TranslateFormat(bOption ? "unknown option %1" : "unexpected argument %1",
                                      {QuoteTyped(arg)});
        }
        if (!message.empty()) {
            return message;
        }
    }
    const std::string message = error.what();
    const std::string flagOverride = " was given a disallowed flag override";
    const std::size_t flagEnd = message.size() - std::min(message.size(), flagOverride.size());
    if (message.size() > flagOverride.size() &&
        message.compare(flagEnd, std::string::npos, flagOverride) == 0) {
        return lang::TranslateFormat("%1 takes no value",
                                     {"--" + EscapeNonPrinting(message.substr(0, flagEnd))});
    }
    return EscapeNonPrinting(message);
}

// Writes out what is still buffered; false, with the write error reported, when any write failed.
bool FinishOutput(std::ostream& out, std::ostream& err) {
    out.flush();
    if (out) {
        return true;
    }
    err << "spanwise-cli: " << lang::TranslateFormat("write error: %1", {DescribeFailure(out)})
        << '\n';
    return false;
}

int AnswerSelections(const CCommand& command, const CCommandOptions& options,
                     const std::vector<std::string>& selections, std::ostream& out,
                     std::ostream& err) {
    const CAnswer answer = RunScenario(command, options, selections);
    if (!answer.error.empty()) {
        ReportUsageError(err, answer.error);
        return answer.nExitStatus;
    }
    out << answer.text;
    return answer.nExitStatus;
}

// Whether the parser takes arg for an option, "--all", "-x" or "--3d": a dash or two, then a
// character that may begin an option's name, but not a digit after one dash ("-3d" is negative).
bool IsOptionLike(const std::string& arg) {
    const auto beginsName = [](char c) { return c != '-' && c != '!' && c != ' ' && c != '\n'; };
    if (arg.size() > 2 && arg.compare(0, 2, "--") == 0) {
        return beginsName(arg[2]);
    }
    return arg.size() > 1 && arg[0] == '-' && beginsName(arg[1]) &&
           !(arg[1] >= '0' && arg[1] <= '9');
}

// The options among the command's arguments that it does not have, up to "--", as the message
// names them. Left to the parser, "fit --3d model=Cedar" would say that "model=Cedar" is no
// duration, the arguments around an unknown option being read first.
std::string FindUnknownOptions(const CLI::App& command, const std::vector<std::string>& args) {
    std::string message;
    for (std::size_t i = 1; i < args.size() && args[i] != "--"; ++i) {
        const std::string& arg = args[i];
        if (!IsOptionLike(arg)) {
            continue;
        }
        const std::string name = arg[1] == '-' ? arg.substr(0, arg.find('=')) : arg.substr(0, 2);
        if (command.get_option_no_throw(name) == nullptr) {
            message += (message.empty() ? "" : "; ") +
                       lang::TranslateFormat("unknown option %1", {QuoteTyped(arg)});
        }
    }
    return message;
}

// Selections without a command are the default command's: the arguments with its name put in
// front. False, with a message, for a first argument that is neither a command, a selection, "-"
// nor an option.
bool SupplyCommand(std::vector<std::string>& args, std::string& error) {
    if (args.empty() || FindCommand(args.front()) != nullptr) {
        return true;
    }
    const std::string& first = args.front();
    if (first.size() > 1 && first[0] == '-' && first != "--") {
        return true; // an option of the program itself
    }
    if (first == "--") {
        args.insert(args.begin(), DefaultCommand().name);
        return true;
    }
    // A list's name alone is a selection that lacks its "=VALUE", and is reported as such.
    if (first != "-" && first.find('=') == std::string::npos && !IsListName(first)) {
        error = lang::TranslateFormat(
            "unknown command %1: the commands are %2, and a selection is LIST=VALUE",
            {QuoteTyped(first), CommandNames()});
        return false;
    }
    args.insert(args.begin(), DefaultCommand().name);
    return true;
}

// Takes --lang LANGUAGE or --lang=LANGUAGE out of the arguments before "--", wherever it stands,
// and speaks that language, so that the help and every message are in it. False, with a message
// in the language spoken till then (the locale's), for a language without a catalogue.
bool TakeLanguageOption(std::vector<std::string>& args, std::string& error) {
    // A copy: SetLanguage changes what GetLanguage refers to.
    // NOLINTNEXTLINE(performance-unnecessary-copy-initialization)
    const std::string spoken = lang::GetLanguage();
    const std::string option = "--lang";
    for (std::size_t i = 0; i < args.size() && args[i] != "--";) {
        const std::string& arg = args[i];
        std::string code;
        std::size_t nTaken = 1;
        if (arg == option) {
            if (i + 1 == args.size()) {
                error =
                    lang::TranslateFormat("--lang needs a language: %1", {lang::LanguageCodes()});
                return false;
            }
            code = args[i + 1];
            nTaken = 2;
        } else if (arg.compare(0, option.size() + 1, option + "=") == 0) {
            code = arg.substr(option.size() + 1);
        } else {
            ++i;
            continue;
        }
        if (code.empty() || !lang::SetLanguage(code)) {
            lang::SetLanguage(spoken);
            error = lang::TranslateFormat("unknown language %1: the languages are %2",
                                          {QuoteTyped(code), lang::LanguageCodes()});
            return false;
        }
        args.erase(args.begin() + static_cast<std::ptrdiff_t>(i),
                   args.begin() + static_cast<std::ptrdiff_t>(i + nTaken));
    }
    return true;
}

} // namespace

int RunCommandLine(int argc, const char* const* argv, std::istream& in, std::ostream& out,
                   std::ostream& err) {
    lang::AddCoreCatalogues();
    lang::AddCommandLineCatalogues();
    std::vector<std::string> args(argv + std::min(argc, 1), argv + argc);
    // --lang speaks its language for this run only.
    struct CRestoreLanguage {
        std::string code;
        ~CRestoreLanguage() { lang::SetLanguage(code); }
    } restore{lang::GetLanguage()};
    std::string error;
    if (!TakeLanguageOption(args, error) || !SupplyCommand(args, error)) {
        ReportUsageError(err, error);
        return kExitUsage;
    }

    std::string language; // taken out already (TakeLanguageOption); listed for the help
    CLI::App app{lang::Translate("Spanwise: maximum recording length and time of memory recorders, "
                                 "without a window.\nWith no command and no selections, prints "
                                 "the report of the opening conditions."),
                 "spanwise-cli"};
    auto formatter = std::make_shared<CHelpFormatter>();
    formatter->label("Positionals", lang::Translate("Arguments"));
    formatter->label("Excludes", lang::Translate("Excludes"));
    formatter->label("REQUIRED", lang::Translate("REQUIRED"));
    app.formatter(formatter);
    app.option_defaults()->group(lang::Translate("Options"));
    app.set_help_flag("-h,--help", lang::Translate("Print this help message and exit"));
    app.set_version_flag("--version", std::string("Spanwise ") + spanwise::kFileVersion,
                         lang::Translate("Display program version information and exit"));
    app.add_option("--lang", language,
                   lang::TranslateFormat("The language of the help and the messages: %1 (by "
                                         "default the locale's, LC_ALL, LC_MESSAGES or LANG; on "
                                         "Windows the display language)",
                                         {lang::LanguageCodes()}))
        ->type_name("LANGUAGE");
    app.footer(lang::Translate(kSelectionsHelp) + UnitsHelp() + lang::Translate(kAfterUnitsHelp));
    app.require_subcommand(0, 1);

    CCommandOptions options;
    std::vector<std::string> selections;
    ParsedCommands subcommands;
    for (const CCommand& command : Commands()) {
        CLI::App* subcommand = app.add_subcommand(command.name, lang::Translate(command.summary));
        subcommand->group(lang::Translate("Commands"));
        subcommand->set_help_flag("-h,--help", lang::Translate("Print this help message and exit"));
        command.addOptions(*subcommand, options);
        subcommand->add_option(kSelectionsName, selections,
                               lang::Translate("LIST=VALUE picks, in order; or - to read scenario "
                                               "lines"));
        subcommands.emplace_back(&command, subcommand);
    }

    for (const auto& [candidate, subcommand] : subcommands) {
        if (!args.empty() && args.front() == candidate->name) {
            const std::string unknown = FindUnknownOptions(*subcommand, args);
            if (!unknown.empty()) {
                ReportUsageError(err, unknown);
                return kExitUsage;
            }
        }
    }

    std::reverse(args.begin(), args.end()); // CLI11 takes the arguments last first
    try {
        app.parse(args);
    } catch (const CLI::ParseError& e) {
        if (e.get_exit_code() != 0) {
            ReportUsageError(err, DescribeParseError(e, app, subcommands));
            return kExitUsage;
        }
        app.exit(e, out, err); // help or the version
        return FinishOutput(out, err) ? kExitAnswered : kExitIo;
    }

    const CCommand* command = &DefaultCommand();
    for (const auto& [candidate, subcommand] : subcommands) {
        if (subcommand->parsed()) {
            command = candidate;
        }
    }
    int nExit = 0;
    if (std::find(selections.begin(), selections.end(), "-") == selections.end()) {
        nExit = AnswerSelections(*command, options, selections, out, err);
    } else if (selections.size() > 1) {
        ReportUsageError(
            err, lang::Translate("- reads the selections from standard input and takes no others"));
        return kExitUsage;
    } else {
        nExit = AnswerScenarioLines(*command, options, in, out, err);
    }
    return FinishOutput(out, err) ? nExit : kExitIo;
}

} // namespace spanwise::cli
