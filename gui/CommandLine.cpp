#include "CommandLine.h"

#include "res/Version.h"

#include <cstdlib>

namespace {

bool IsSet(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr && *value != '\0';
}

constexpr const char* kScreenshotOption = "--screenshot";

} // namespace

CCommandLine ParseCommandLine(const std::vector<std::string>& args) {
    CCommandLine result;
    const std::string screenshotPrefix = std::string(kScreenshotOption) + "=";
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "-h" || arg == "--help") {
            result.bHelp = true;
        } else if (arg == "--version") {
            result.bVersion = true;
        } else if (arg == kScreenshotOption) {
            if (i + 1 >= args.size()) {
                result.error = std::string(kScreenshotOption) + " needs a file name";
            } else {
                result.screenshotFile = args[++i];
            }
        } else if (arg.compare(0, screenshotPrefix.size(), screenshotPrefix) == 0) {
            result.screenshotFile = arg.substr(screenshotPrefix.size());
        } else {
            result.unknown.push_back(arg);
        }
    }
    if (result.error.empty() && !result.unknown.empty()) {
        result.error = "unknown argument '" + result.unknown.front() + "'";
    }
    return result;
}

std::string HelpText(const std::string& program) {
    return "Usage: " + program +
           " [options]\n"
           "Spanwise: maximum recording length and time of memory recorders.\n"
           "Opens the calculator window. Pick the model and the recording conditions in the\n"
           "lists; Copy puts the conditions and the results on the clipboard. Right-click the\n"
           "window (or press the Menu key or Shift+F10) for About and for Fit a Recording\n"
           "Time, which picks the finest time-axis range that records as long as you type\n"
           "(3d, 1h30min, 90 min, 2 hours).\n"
           "\n"
           "Options:\n"
           "  -h, --help     Print this help and exit.\n"
           "  --version      Print the version and exit.\n"
           "\n"
           "Qt's own options, such as -platform NAME, are accepted as well.\n"
           "Without a display (neither DISPLAY nor WAYLAND_DISPLAY set and no Qt platform\n"
           "chosen) the report of the opening conditions is printed instead of the window.\n"
           "spanwise-cli calculates any conditions without a window.\n";
}

std::string VersionText() {
    return std::string("Spanwise ") + spanwise::kFileVersion + "\n";
}

bool HasDisplay(const std::vector<std::string>& args) {
    if (IsSet("DISPLAY") || IsSet("WAYLAND_DISPLAY") || IsSet("QT_QPA_PLATFORM")) {
        return true;
    }
    for (const std::string& arg : args) {
        if (arg == "-platform" || arg == "--platform" || arg.rfind("-platform=", 0) == 0 ||
            arg.rfind("--platform=", 0) == 0) {
            return true;
        }
    }
    return false;
}
