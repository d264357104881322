#include "CommandLine.h"

#include "lang/Catalogue.h"
#include "lang/Language.h"
#include "ui/Calculator.h"

namespace {

constexpr const char* kScreenshotOption = "--screenshot";

} // namespace

namespace {

constexpr const char* kLanguageOption = "--lang";

// Speaks the language of --lang CODE or --lang=CODE, wherever it stands, before anything else is
// read, so that the help and every message are in it. False, with the message in the language
// spoken till then (the locale's), for a language without a catalogue.
bool SpeakLanguageOption(const std::vector<std::string>& args, std::string& error) {
    // A copy: SetLanguage changes what GetLanguage refers to.
    // NOLINTNEXTLINE(performance-unnecessary-copy-initialization)
    const std::string spoken = spanwise::lang::GetLanguage();
    const std::string prefix = std::string(kLanguageOption) + "=";
    for (std::size_t i = 0; i < args.size(); ++i) {
        std::string code;
        if (args[i] == kLanguageOption) {
            if (i + 1 == args.size()) {
                error = spanwise::lang::TranslateFormat("--lang needs a language: %1",
                                                        {spanwise::lang::LanguageCodes()});
                return false;
            }
            code = args[i + 1];
        } else if (args[i].compare(0, prefix.size(), prefix) == 0) {
            code = args[i].substr(prefix.size());
        } else {
            continue;
        }
        if (code.empty() || !spanwise::lang::SetLanguage(code)) {
            spanwise::lang::SetLanguage(spoken);
            error = spanwise::lang::TranslateFormat(
                "unknown language %1: the languages are %2",
                {spanwise::QuoteUserText(code), spanwise::lang::LanguageCodes()});
            return false;
        }
    }
    return true;
}

} // namespace

CCommandLine ParseCommandLine(const std::vector<std::string>& args) {
    CCommandLine result;
    SpeakLanguageOption(args, result.error);
    const std::string screenshotPrefix = std::string(kScreenshotOption) + "=";
    const std::string languagePrefix = std::string(kLanguageOption) + "=";
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == kLanguageOption) {
            ++i; // its code, spoken already
        } else if (arg.compare(0, languagePrefix.size(), languagePrefix) == 0) {
            continue;
        } else if (arg == "-h" || arg == "--help") {
            result.bHelp = true;
        } else if (arg == "--version") {
            result.bVersion = true;
        } else if (arg == kScreenshotOption) {
            if (i + 1 >= args.size()) {
                result.error =
                    spanwise::lang::TranslateFormat("%1 needs a file name", {kScreenshotOption});
            } else {
                result.screenshotFile = args[++i];
            }
        } else if (arg.compare(0, screenshotPrefix.size(), screenshotPrefix) == 0) {
            result.screenshotFile = arg.substr(screenshotPrefix.size());
        } else if (arg.size() > 1 && arg[0] == '-') {
            if (result.error.empty()) {
                // Quoted as typed text: an escape sequence in it must not reach a terminal raw.
                result.error = spanwise::lang::TranslateFormat("unknown option %1",
                                                               {spanwise::QuoteUserText(arg)});
            }
        } else {
            result.picks.push_back(arg);
        }
    }
    return result;
}

std::string HelpText(const std::string& program, const std::string& menuHint,
                     const std::string& notes) {
    return spanwise::lang::TranslateFormat(
               "Usage: %1 [options] [LIST=VALUE ...]\n"
               "Spanwise: maximum recording length and time of memory recorders.\n"
               "Opens the calculator window. Pick the model and the recording conditions in the\n"
               "lists; Copy puts the conditions and the results on the clipboard.\n"
               "The window menu (%2)\n"
               "has About; Fit a Recording Time, which picks the finest time-axis range that\n"
               "records as long as you type (3d, 1h30min, 90 min, 2 hours); and Ranges, every\n"
               "time-axis range with its recording time and a bar for it: click a row, or\n"
               "press Enter on it, to pick that range.\n"
               "\n"
               "Picks:\n"
               "  LIST=VALUE opens the window with that entry picked, as spanwise-cli reads it.\n"
               "  LIST is one of: %3.\n"
               "  VALUE names an entry of the list as it is at that moment: its text in any\n"
               "  case, else the beginning of just one entry (model=alder), or #N for the entry\n"
               "  at position N counted from #0. Picks apply in the order given; one that\n"
               "  cannot be applied is reported on standard error and in a message box, and\n"
               "  the window opens with the others.\n"
               "\n"
               "Options:\n"
               "  -h, --help     Print this help and exit.\n"
               "  --version      Print the version and exit.\n"
               "  --lang CODE    The language of the window and the help: %4 (by default the\n"
               "                 desktop's).\n"
               "\n",
               {program, menuHint, spanwise::ListNames(), spanwise::lang::LanguageCodes()}) +
           notes;
}
