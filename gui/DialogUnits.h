#pragma once

#include <QRect>
#include <QSize>

class QFont;

// Dialog templates are laid out in dialog units: a quarter of the dialog font's average letter
// width horizontally and an eighth of its height vertically. These map them to pixels the way the
// templates were drawn for.
struct CDialogBaseUnits {
    int nX = 0; // average width of "A".."Z" and "a".."z", rounded
    int nY = 0; // height of the font

    // The base units of a dialog written in font.
    static CDialogBaseUnits FromFont(const QFont& font);
};

// a * b / c, rounded half away from zero, computed in integers.
int MulDiv(int a, int b, int c);

int DialogUnitsToPixelsX(int x, const CDialogBaseUnits& units);
int DialogUnitsToPixelsY(int y, const CDialogBaseUnits& units);
QRect MapDialogRect(int x, int y, int cx, int cy, const CDialogBaseUnits& units);
QSize MapDialogSize(int cx, int cy, const CDialogBaseUnits& units);
