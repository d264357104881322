#pragma once

#include "WindowsApi.h"

#include "controls/ControlState.h"

#include <string>

// The face to use for a face the core asks for: that face when the system has it, else the
// nearest of the Japanese interface faces Windows ships, else the system's dialog face.
std::wstring ResolveFontFace(const std::string& face);

// The font a control asks for, at the window's dots per inch (the request is in pixels at 96).
HFONT CreateRequestedFont(const ctl::CFontRequest& request, UINT nDpi);

// The dots per inch of the window's monitor.
UINT GetWindowDpi(HWND hwnd);
