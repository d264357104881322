#include "DisplayCheck.h"

#include "ui/Calculator.h"

#include <xcb/xcb.h>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <cstring>

namespace {

std::string Environment(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr ? value : "";
}

// The value of a toolkit option given as "-name VALUE", "--name VALUE" or "-name=VALUE".
std::string OptionValue(const std::vector<std::string>& args, const std::string& name) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        for (const std::string& spelling : {"-" + name, "--" + name}) {
            if (args[i] == spelling && i + 1 < args.size()) {
                return args[i + 1];
            }
            if (args[i].rfind(spelling + "=", 0) == 0) {
                return args[i].substr(spelling.size() + 1);
            }
        }
    }
    return {};
}

std::string Lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

// The platforms chosen on the command line or in the environment, or an empty text.
std::string ChosenPlatforms(const std::vector<std::string>& args) {
    const std::string platforms = OptionValue(args, "platform");
    return platforms.empty() ? Environment("QT_QPA_PLATFORM") : platforms;
}

// The platforms the toolkit tries, as it chooses them on a desktop.
std::string PlatformList(const std::vector<std::string>& args) {
    std::string platforms = ChosenPlatforms(args);
    if (!platforms.empty()) {
        return platforms;
    }
    if (DisplayOptionChoosesX11(args)) {
        return "xcb";
    }
    const bool bGnome =
        Lower(Environment("XDG_CURRENT_DESKTOP")).find("gnome") != std::string::npos ||
        Lower(Environment("XDG_SESSION_DESKTOP")).find("gnome") != std::string::npos;
    return Environment("XDG_SESSION_TYPE") == "wayland" && !bGnome ? "wayland;xcb" : "xcb";
}

bool XDisplayAnswers(const std::string& display) {
    xcb_connection_t* pConnection =
        xcb_connect(display.empty() ? nullptr : display.c_str(), nullptr);
    const bool bAnswers = xcb_connection_has_error(pConnection) == 0;
    xcb_disconnect(pConnection);
    return bAnswers;
}

// A Wayland compositor listens on a socket in the runtime directory, or at a path of its own.
bool WaylandDisplayAnswers(const std::string& display) {
    std::string path = display.empty() ? "wayland-0" : display;
    if (path.front() != '/') {
        const std::string runtimeDir = Environment("XDG_RUNTIME_DIR");
        if (runtimeDir.empty()) {
            return false;
        }
        path = runtimeDir + "/" + path;
    }
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (path.size() >= sizeof(address.sun_path)) {
        return false;
    }
    std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
    const int nSocket = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (nSocket < 0) {
        return false;
    }
    const bool bAnswers =
        connect(nSocket, reinterpret_cast<const sockaddr*>(&address), sizeof(address)) == 0;
    close(nSocket);
    return bAnswers;
}

} // namespace

bool DisplayOptionChoosesX11(const std::vector<std::string>& args) {
    return !OptionValue(args, "display").empty() && ChosenPlatforms(args).empty();
}

CDisplayCheck CheckDisplay(const std::vector<std::string>& args) {
    CDisplayCheck check;
    check.bAnswers = false;
    const std::string platforms = PlatformList(args);
    std::string::size_type start = 0;
    while (start <= platforms.size()) {
        const std::string::size_type end = std::min(platforms.find(';', start), platforms.size());
        // A platform may carry options after a colon ("xcb:nograb").
        const std::string entry = platforms.substr(start, end - start);
        const std::string name = entry.substr(0, entry.find(':'));
        start = end + 1;
        if (name == "xcb") {
            std::string display = OptionValue(args, "display");
            if (display.empty()) {
                display = Environment("DISPLAY");
            }
            if (XDisplayAnswers(display)) {
                return CDisplayCheck{};
            }
            if (check.display.empty()) {
                check.display =
                    display.empty() ? "(DISPLAY is not set)" : spanwise::QuoteUserText(display);
            }
        } else if (name.rfind("wayland", 0) == 0) {
            const std::string display = Environment("WAYLAND_DISPLAY");
            if (WaylandDisplayAnswers(display)) {
                return CDisplayCheck{};
            }
            if (check.display.empty()) {
                check.display =
                    "Wayland " +
                    spanwise::QuoteUserText(display.empty() ? std::string("wayland-0") : display);
            }
        } else if (!name.empty()) {
            return CDisplayCheck{};
        }
    }
    return check;
}

bool HasDisplay(const std::vector<std::string>& args) {
    return !Environment("DISPLAY").empty() || !Environment("WAYLAND_DISPLAY").empty() ||
           !Environment("QT_QPA_PLATFORM").empty() || !OptionValue(args, "platform").empty() ||
           !OptionValue(args, "display").empty();
}

std::vector<std::string> WithoutToolkitOptions(const std::vector<std::string>& args) {
    static const char* const kOptionsWithValue[] = {
        "platform",        "platformpluginpath", "platformtheme", "plugin",
        "qwindowgeometry", "qwindowicon",        "qwindowtitle",  "session",
        "style",           "stylesheet",         "display",       "geometry"};
    std::vector<std::string> rest;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        const std::size_t nameStart = arg.find_first_not_of('-');
        const std::size_t equals = arg.find('=');
        const std::string name =
            arg.substr(std::min(nameStart, arg.size()),
                       equals == std::string::npos ? std::string::npos : equals - nameStart);
        if (nameStart == 0 || nameStart > 2 ||
            std::none_of(std::begin(kOptionsWithValue), std::end(kOptionsWithValue),
                         [&name](const char* option) { return name == option; })) {
            rest.push_back(arg);
        } else if (equals == std::string::npos) {
            ++i; // its value
        }
    }
    return rest;
}
