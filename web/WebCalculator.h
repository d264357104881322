#pragma once

#include "ControlMirror.h"
#include "WebHost.h"

#include "ui/Calculator.h"

#include <emscripten/val.h>

#include <string>

// The calculator as the page drives it: the calculator opened on the page's host, the user's
// picks and presses handed to it, and what changed handed back for the page to draw.
class CWebCalculator {
public:
    CWebCalculator(emscripten::val page, bool bClipboardAvailable);

    CWebCalculator(const CWebCalculator&) = delete;
    CWebCalculator& operator=(const CWebCalculator&) = delete;

    // The whole dialog (see DialogObject), for drawing it the first time.
    emscripten::val GetDialog();
    // The state of the control at nIndex in template order (see ControlObject).
    emscripten::val GetControl(int nIndex);
    // What changed since the page last drew (see CControlMirror::TakeChanges).
    emscripten::val TakeChanges() { return m_mirror.TakeChanges(); }

    // A user's pick of entry nIndex in list nID; false, and nothing changes, when the calculator
    // does not take it (not a list, a disabled list, no such entry).
    bool Pick(int nID, int nIndex);
    // A user's press of button nID.
    bool Click(int nID);
    // A user's text in edit field nID.
    bool Edit(int nID, const std::string& text);

    // The window menu's items: {id, text, separator}.
    emscripten::val GetSystemMenu();
    void SysCommand(unsigned nID);

    // The user answered the dialog the page shows (see CWebHost): edits holds [control id, text]
    // pairs of its edit fields, nButtonID the button pressed (0 for Escape). The action that
    // opened the dialog is made again, and the dialog takes the answer.
    void AnswerDialog(const emscripten::val& edits, int nButtonID);

    // The browser refused the text the last Copy handed it ("open": it has no clipboard to
    // open; "set": it did not take the text). Copy is pressed again on a clipboard that fails
    // there, so the calculator tells the user as it does when the system clipboard fails.
    void ClipboardRefused(const std::string& where);

private:
    // A user's action that opened a dialog in the page: a window-menu command or a button press.
    struct CAction {
        bool bSysCommand = false;
        unsigned nID = 0;
    };

    bool Perform(const CAction& action);

    CWebHost m_host;
    spanwise::CCalculator m_calc;
    CControlMirror m_mirror;
    CAction m_dialogOpenedBy;
    int m_nDialogIDD = 0; // the dialog the page shows, 0 for none
};
