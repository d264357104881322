#pragma once

#include "WindowsApi.h"

#include "controls/ControlState.h"

#include <string>

// The face to use for a face the core asks for (ctl::ResolveFace), else the system's dialog face.
std::wstring ResolveFontFace(const std::string& face);

// The font a control asks for, at the window's dots per inch (the request is in pixels at 96), in
// the face the core resolves for it; bold text in a face with a bold style of its own.
HFONT CreateRequestedFont(const ctl::CFontRequest& request, UINT nDpi);

// hFont in bold (nullptr: the system's GUI font), in the face the core resolves for bold text in
// face, the dialog's.
HFONT CreateBoldFont(HFONT hFont, const std::string& face);

// The dots per inch of the window's monitor.
UINT GetWindowDpi(HWND hwnd);
