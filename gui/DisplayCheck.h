#pragma once

#include <string>
#include <vector>

// Whether the display the window would open on answers, found out before the toolkit starts: the
// toolkit ends the program with an abort when no platform it tries can reach its display.
struct CDisplayCheck {
    bool bAnswers = true;
    // The display that did not answer, as messages name it: its name quoted and escaped as every
    // text a user gave ("\":55\"", "Wayland \"wayland-0\""), or "(DISPLAY is not set)".
    std::string display;
};

// args: the command line without the program name, the toolkit's options still in it. Checks the
// platforms the toolkit will try, in its order: -platform, else QT_QPA_PLATFORM, else X11 (with
// Wayland first in a Wayland session other than GNOME's). A platform other than X11 and Wayland
// (offscreen, vnc, ...) is taken to answer.
CDisplayCheck CheckDisplay(const std::vector<std::string>& args);

// True where a window can be opened: a display is named in the environment or by -display, or a
// Qt platform is chosen in the environment or on the command line (args, the toolkit's options
// still in it).
bool HasDisplay(const std::vector<std::string>& args);

// True when -display names an X display and no Qt platform is chosen: the window then opens on
// X11 there, even in a Wayland session (where the toolkit would try Wayland first).
bool DisplayOptionChoosesX11(const std::vector<std::string>& args);

// args without Qt's options that take a value and their values (-platform NAME, -style NAME,
// -display NAME, ...): the command line as the program reads it before Qt has taken them out.
std::vector<std::string> WithoutToolkitOptions(const std::vector<std::string>& args);
