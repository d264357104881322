#pragma once

#include "WindowsApi.h"

#include <string>

// Screen readers ask a control for its name through Microsoft Active Accessibility (WM_GETOBJECT).
// The system's answer names a list by the static text before it, and a static text by what it
// shows, so a result field would be heard as "1.6s" alone. A control given a name source answers
// with the system's own object for it under the name the source gives when asked (none where it
// gives an empty one), so that the name follows what the control shows.
using AccessibleNameSource = std::wstring (*)(HWND hwndControl);
void SetAccessibleNameSource(HWND hwndControl, AccessibleNameSource source);

// An announcement (what changed after the user's action, as the dialog words it) raised as an
// alert screen readers speak: EVENT_SYSTEM_ALERT from an object of hwndWindow's whose name is text.
void RaiseAnnouncement(HWND hwndWindow, const std::wstring& text);
