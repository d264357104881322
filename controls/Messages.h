#pragma once

// Notification codes, command ids and show states of the control layer. The values are those the
// dialog's message map and the templates are written in, and those of the Windows headers: where
// a file includes those first, their macros stand in for these names with the same values.

namespace ctl {

#ifndef IDOK
constexpr int IDOK = 1;
#endif
#ifndef IDCANCEL
constexpr int IDCANCEL = 2;
#endif
#ifndef IDC_STATIC
constexpr int IDC_STATIC = -1;
#endif

// Notification codes carried with a command from a control.
#ifndef BN_CLICKED
constexpr int BN_CLICKED = 0;
#endif
#ifndef CBN_SELCHANGE
constexpr int CBN_SELCHANGE = 1;
#endif

// A user chose a row of a table (Enter on it, or a click).
#ifndef LVN_ITEMACTIVATE
constexpr int LVN_ITEMACTIVATE = -114;
#endif

// What a list answers when it has no selection or the index is out of range.
#ifndef CB_ERR
constexpr int CB_ERR = -1;
#endif

#ifndef SW_HIDE
constexpr int SW_HIDE = 0;
#endif
#ifndef SW_SHOW
constexpr int SW_SHOW = 5;
#endif

#ifndef MB_OK
constexpr unsigned MB_OK = 0x0000;
#endif

// A text colour as 0x00BBGGRR; kNoColour means "leave the control's own colour".
using COLORREF = unsigned;
#ifndef RGB
constexpr COLORREF RGB(unsigned r, unsigned g, unsigned b) {
    return r | (g << 8) | (b << 16);
}
#endif
constexpr COLORREF kNoColour = 0xFFFFFFFF;

} // namespace ctl
