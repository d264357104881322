#pragma once

#include <string>
#include <vector>

namespace spanwise::test {

// Everything a user can see of one control, in the core's dialog or in a window's widget: its text
// (a caption, a shown text, or a list's shown entry), a list's entries and selected position, and
// whether it is enabled and shown.
struct CControlSnapshot {
    std::string text;
    std::vector<std::string> entries;
    int nCurSel = -1;
    bool bEnabled = true;
    bool bVisible = true;

    bool operator==(const CControlSnapshot& other) const {
        return text == other.text && entries == other.entries && nCurSel == other.nCurSel &&
               bEnabled == other.bEnabled && bVisible == other.bVisible;
    }
};

} // namespace spanwise::test
