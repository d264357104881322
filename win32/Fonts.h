#pragma once

#include "WindowsApi.h"

#include "controls/ControlState.h"

#include <string>

// The face to use for a face the core asks for: the first of its names and then of the core's
// stand-in faces that the system has, else the system's dialog face.
std::wstring ResolveFontFace(const std::string& face);

// The font a control asks for, at the window's dots per inch (the request is in pixels at 96).
HFONT CreateRequestedFont(const ctl::CFontRequest& request, UINT nDpi);

// hFont in bold (nullptr: the system's GUI font).
HFONT CreateBoldFont(HFONT hFont);

// The dots per inch of the window's monitor.
UINT GetWindowDpi(HWND hwnd);
