#pragma once

#include "ControlState.h"

#include <string>

namespace ctl {

// The fields of a logical font that the dialogs fill in; the window system maps the rest.
struct LOGFONT {
    int lfHeight = 0;
    int lfWidth = 0;
    int lfEscapement = 0;
    int lfOrientation = 0;
    int lfWeight = 0;
    unsigned char lfItalic = 0;
    unsigned char lfUnderline = 0;
    unsigned char lfStrikeOut = 0;
    unsigned char lfCharSet = 0;
    unsigned char lfOutPrecision = 0;
    unsigned char lfClipPrecision = 0;
    unsigned char lfQuality = 0;
    unsigned char lfPitchAndFamily = 0;
    std::string lfFaceName;
};

#ifndef FW_BOLD
constexpr int FW_BOLD = 700;
#endif
#ifndef DEFAULT_CHARSET
constexpr unsigned char DEFAULT_CHARSET = 1;
#endif
#ifndef OUT_DEFAULT_PRECIS
constexpr unsigned char OUT_DEFAULT_PRECIS = 0;
#endif
#ifndef CLIP_STROKE_PRECIS
constexpr unsigned char CLIP_STROKE_PRECIS = 2;
#endif
#ifndef DRAFT_QUALITY
constexpr unsigned char DRAFT_QUALITY = 1;
#endif
#ifndef FF_MODERN
constexpr unsigned char FF_MODERN = 0x30;
#endif
#ifndef VARIABLE_PITCH
constexpr unsigned char VARIABLE_PITCH = 0x02;
#endif

// A font object of a dialog: holds no font until created from a LOGFONT.
class CFont {
public:
    bool CreateFontIndirect(const LOGFONT& lf);
    bool IsCreated() const { return m_bCreated; }
    const CFontRequest& GetRequest() const { return m_request; }

private:
    bool m_bCreated = false;
    CFontRequest m_request;
};

} // namespace ctl
