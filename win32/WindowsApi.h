#pragma once

// The Windows headers, for this folder only. Include this before any header of the control layer:
// the control layer then takes the Windows headers' macros for its constants of the same names
// and values (IDOK, CBN_SELCHANGE, RGB, ...). Its classes also have members named like functions
// that the Windows headers turn into macros for their A and W forms; those macros are removed
// here, and this folder calls the W functions by their full names.

#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef _WIN32_WINNT
#define _WIN32_WINNT 0x0A00 // Windows 10
#endif

#include <windows.h>

#include <commctrl.h>

#undef AppendMenu
#undef CreateFontIndirect
#undef GetWindowText
#undef LoadString
#undef MessageBox
#undef SetWindowText
