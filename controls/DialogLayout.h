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

// A button a window system adds to a dialog for a command of its window menu, beside the control
// the command serves (the web page's Ranges... under the Time-axis Range list). It takes a row of
// its own at rect (dialog units) in the group box around that control: what lies at or below the
// row in the group box's column moves down by the row, and the group boxes it lies in and the
// dialog grow by it, so that it covers nothing.
struct CAddedButton {
    unsigned nCommand;
    int nBeside; // control id
    CRect rect;
};

// What an added row takes besides its button: the gap to the control below it.
constexpr int kAddedRowGap = 4;

struct CDialogLayout {
    int cx = 0; // client area, pixels
    int cy = 0;
    std::vector<CControlPlace> controls; // template order
    // For each added button in order, where it is drawn and its group box (nLabel -1); a button
    // whose control the template lacks is not drawn (an empty rect, nGroup -1).
    std::vector<CControlPlace> added;
};

CDialogLayout LayOutDialog(const CDialogTemplate& dlgTemplate, const CDialogBaseUnits& units,
                           const std::vector<CAddedButton>& added = {});

// How much room the text of template item nItem takes as a window system draws it, in pixels: a
// list's widest entry with the list's frame and button, a group box's caption with the gap before
// it, a static text's lines as they wrap in its box. 0 where it has nothing to say.
struct CTextExtent {
    std::size_t nItem;
    int cx;
    int cy;
};

// The base units for a dialog whose texts take extents: units where every item's box holds its
// text, else the least larger ones that make every box hold it; the dialog then grows as a whole,
// so that its proportions and alignments stay those of the template.
CDialogBaseUnits FitBaseUnits(const CDialogTemplate& dlgTemplate, const CDialogBaseUnits& units,
                              const std::vector<CTextExtent>& extents);

// The same relations without a layout: the group box that frames item nItem, and the control
// whose text names it; -1 for none.
int GetEnclosingGroup(const CDialogTemplate& dlgTemplate, std::size_t nItem);
int GetNamingControl(const CDialogTemplate& dlgTemplate, std::size_t nItem);

} // namespace ctl
