#pragma once

#include "Messages.h"

namespace ctl {

// What a dialog may set while a control is drawn: only its text colour.
class CDC {
public:
    COLORREF SetTextColor(COLORREF colour) {
        const COLORREF previous = m_textColour;
        m_textColour = colour;
        return previous;
    }
    COLORREF GetTextColor() const { return m_textColour; }

private:
    COLORREF m_textColour = kNoColour;
};

#ifndef CTLCOLOR_STATIC
constexpr unsigned CTLCOLOR_STATIC = 6;
#endif

} // namespace ctl
