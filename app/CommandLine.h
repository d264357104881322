#pragma once

#include <string>
#include <vector>

// The command line of the calculator window: its options, and the picks it opens with. A window
// system's own options (Qt's -platform, ...) are taken out before these are read.
struct CCommandLine {
    bool bHelp = false;
    bool bVersion = false;
    // Not in --help: save a picture of the window to this file and close it (for the docs).
    std::string screenshotFile;
    // LIST=VALUE, as spanwise-cli reads them, in their order: every argument not an option.
    std::vector<std::string> picks;
    // Set when the arguments cannot be read: an unknown option, an option that lacks its value.
    std::string error;
};

// args: the command line without the program name. --lang CODE (--lang=CODE) makes the program
// speak that language from then on; an unknown one is an error, and the program speaks English.
CCommandLine ParseCommandLine(const std::vector<std::string>& args);

// The help of program. menuHint says how the window menu opens ("right-click the window");
// notes end the help with what the front end adds (its window system's options, what happens
// without a display).
std::string HelpText(const std::string& program, const std::string& menuHint,
                     const std::string& notes);
