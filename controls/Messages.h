#pragma once

// Notification codes, command ids and show states of the control layer. The values are those the
// dialog's message map and the templates are written in.

constexpr int IDOK = 1;
constexpr int IDCANCEL = 2;
constexpr int IDC_STATIC = -1;

// Notification codes carried with a command from a control.
constexpr int BN_CLICKED = 0;
constexpr int CBN_SELCHANGE = 1;

// What a list answers when it has no selection or the index is out of range.
constexpr int CB_ERR = -1;

constexpr int SW_HIDE = 0;
constexpr int SW_SHOW = 5;

constexpr unsigned MB_OK = 0x0000;

// A text colour as 0x00BBGGRR; kNoColour means "leave the control's own colour".
using COLORREF = unsigned;
constexpr COLORREF RGB(unsigned r, unsigned g, unsigned b) {
    return r | (g << 8) | (b << 16);
}
constexpr COLORREF kNoColour = 0xFFFFFFFF;
