#pragma once

#include "WindowsApi.h"

#include <string>

// A message box wraps its text only between words: a run without a blank wider than the screen (a
// long typed text, a path) would make the box grow off the screen. The text for a message box over
// hwndOwner (or on the main monitor), with a line break wherever a run without a blank grows wider
// than half the monitor's work area in the message box's font.
std::wstring BreakLongRuns(const std::wstring& text, HWND hwndOwner);
