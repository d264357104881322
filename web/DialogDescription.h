#pragma once

#include "controls/DialogLayout.h"

#include <string>

namespace ctl {
class CDialog;
}

// A dialog as the page draws it, handed over as JSON when it opens.

// The CSS font-family list for a face: its names (GetFaceNames), then the faces that stand in for
// it where it is not installed, then macOS's Japanese face and the browser's sans-serif. The
// browser makes bold text in the face it takes.
std::string FontFamilies(const std::string& face);

// Where the marked letter of a caption stands in the caption as shown, as JavaScript counts a
// string's characters (UTF-16 code units, where GetMnemonicPosition counts UTF-8 bytes: they
// differ in any language but English); -1 for none.
int PageMnemonicPosition(const std::string& text);

// The CSS font of the dialog's template: its point size and the families for its face.
std::string DialogFont(const ctl::CDialogTemplate& dlgTemplate);

// {"owner": handle of the dialog it opened over (0 for none), "title", "icon" (the file, "" for
// none), "font" (see DialogFont), "pointSize", "cx", "cy" (the client area in pixels), "menu":
// the window menu's items ({"id", "text", "mnemonic"}, text "" for a separator), "buttons": the
// page's own buttons for some of them, placed as controls are, "controls": one for each
// control in template (tab) order: {"id", "kind", "x", "y", "cx", "cy" (pixels in the client
// area), "lines" (how many lines of the dialog's font its box holds), "group" (index of the
// group box that frames it, -1 for none), "label" (index of the control that names it, -1 for
// none), "classes" (the page's classes for its styles), "icon"}}.
// units: the base units of the dialog's font as the page measures it.
std::string DescribeDialog(ctl::CDialog& dlg, int nOwner, const ctl::CDialogBaseUnits& units);

// The dialog laid out again at other base units: {"cx", "cy", "controls": [{"x", "y", "cx",
// "cy", "lines"}] in template order, "buttons": [{"x", "y", "cx", "cy"}] as DescribeDialog's}.
std::string DescribeLayout(const ctl::CDialog& dlg, const ctl::CDialogBaseUnits& units);
