#pragma once

#include "controls/ControlState.h"
#include "controls/DialogTemplate.h"

#include <emscripten/val.h>

namespace ctl {
class CDialog;
}

// The dialogs as the page reads them: plain JavaScript objects built from the templates and the
// control states, so that the page draws any dialog of the program without knowing its controls.

// The template: title, size in dialog units, font, and each control's kind, caption, rectangle
// and styles, in template (tab) order.
emscripten::val TemplateObject(const ctl::CDialogTemplate& dlgTemplate);

// What control shows now: text, list entries and selection, enabled, visible, font, tooltip and
// the text colour the dialog gives it while it is drawn ("" for the page's own).
emscripten::val ControlObject(ctl::CDialog& dlg, ctl::CControlState& control);

// A created dialog as a whole: its template, icon and every control's state.
emscripten::val DialogObject(ctl::CDialog& dlg);

// The file the page shows for an icon resource; "" for none.
const char* IconFile(int nResource);
