#pragma once

#include "DialogTemplate.h"

#include <vector>

namespace ctl {

// Dialog templates are laid out in dialog units: a quarter of the dialog font's average letter
// width horizontally and an eighth of its height vertically. Every window system maps them to
// pixels here, from the measures its toolkit takes of the dialog's font.

struct CRect {
    int x = 0;
    int y = 0;
    int cx = 0;
    int cy = 0;

    bool operator==(const CRect& other) const {
        return x == other.x && y == other.y && cx == other.cx && cy == other.cy;
    }
};

struct CDialogBaseUnits {
    int nX = 0; // average width of kBaseUnitLetters, rounded
    int nY = 0; // height of the font
};

// The letters whose average width is the horizontal base unit.
extern const char kBaseUnitLetters[];

// The base units of a font in which kBaseUnitLetters are nLettersWidth pixels wide and a line is
// nFontHeight pixels high.
CDialogBaseUnits GetDialogBaseUnits(int nLettersWidth, int nFontHeight);

// a * b / c, rounded half away from zero, computed in integers; -1 when c is 0.
int MulDiv(int a, int b, int c);

CRect MapDialogRect(const CRect& rect, const CDialogBaseUnits& units);

// An icon control takes the size of its icon, the standard icon size in pixels.
constexpr int kStandardIconSize = 32;

// Where one control of a template is drawn, and what frames and names it.
struct CControlPlace {
    CRect rect;      // pixels in the dialog's client area
    int nGroup = -1; // index of the group box that frames it (the smallest holding its top edge)
    // Index of the control whose text names it for the user and for screen readers: the static
    // text right before a list, an edit field or a table in tab order, or the group box around a
    // field the dialog writes (a static text without a caption of its own). -1 for none.
    int nLabel = -1;
};

struct CDialogLayout {
    int cx = 0; // client area, pixels
    int cy = 0;
    std::vector<CControlPlace> controls; // template order
};

CDialogLayout LayOutDialog(const CDialogTemplate& dlgTemplate, const CDialogBaseUnits& units);

// The same relations without a layout: the group box that frames item nItem, and the control
// whose text names it; -1 for none.
int GetEnclosingGroup(const CDialogTemplate& dlgTemplate, std::size_t nItem);
int GetNamingControl(const CDialogTemplate& dlgTemplate, std::size_t nItem);

} // namespace ctl
