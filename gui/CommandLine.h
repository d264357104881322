#pragma once

#include <string>
#include <vector>

// The options of the calculator window. Qt's own options (-platform, -style, ...) are taken out
// by QApplication before these are read.
struct CCommandLine {
    bool bHelp = false;
    bool bVersion = false;
    // Not in --help: save a picture of the window to this file and close it (for the docs).
    std::string screenshotFile;
    // Arguments that are none of the above.
    std::vector<std::string> unknown;
    // Set when the arguments cannot be read, for instance an option lacks its value.
    std::string error;
};

// args: the command line without the program name.
CCommandLine ParseCommandLine(const std::vector<std::string>& args);

std::string HelpText(const std::string& program);
std::string VersionText();

// True where a window can be opened: a display is named in the environment, or a Qt platform is
// chosen in the environment or on the command line.
bool HasDisplay(const std::vector<std::string>& args);
