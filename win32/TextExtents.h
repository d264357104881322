#pragma once

#include "WindowsApi.h"

#include "controls/DialogLayout.h"

#include <string>
#include <vector>

// How much room each control's text takes as the dialog manager draws it, measured with GDI in
// the control's own font, for the core to fit the dialog to (ctl::FitBaseUnits): the width a
// text needs, its control's frame, margins and drop-down button included, and a wrapping static
// text's height at its width. A text fits where its need is at most its control's size.
int TextWidthNeed(HWND hwndControl);  // 0 where the control shows no text of its own
int TextHeightNeed(HWND hwndControl); // 0 but for a static text that wraps

// The extents of controls' texts (template order) that need room.
std::vector<ctl::CTextExtent> MeasureTexts(const std::vector<HWND>& controls);

// The base units the dialog manager lays hwndDialog out at.
ctl::CDialogBaseUnits DialogBaseUnits(HWND hwndDialog);

// The text a window shows (a control's caption, or what was typed into an edit field).
std::wstring WindowText(HWND hwnd);
