#pragma once

#include "WebHost.h"

#include "ui/Calculator.h"

#include <emscripten/val.h>

#include <string>
#include <utility>

// The calculator as the page drives it: opened on the page's host, the user's actions in any open
// dialog handed to that dialog, and what they changed handed back for the page to draw. The page
// names a dialog by the handle it was shown with and a control by its index in template order;
// an action in a dialog that has ended meanwhile does nothing.
class CWebCalculator {
public:
    // page: the page's host functions (see CWebHost).
    explicit CWebCalculator(emscripten::val page);

    // Shows the calculator; the page draws it in showDialog and from the first TakeChanges.
    void Open() { m_calc.Show(); }
    // Picks as spanwise-cli's LIST=VALUE words do (the page's address), in order; the messages of
    // those that fail are shown in one message box, as a window words them.
    void ApplyPicks(const emscripten::val& words);
    // The words that reopen the calculator's state (see spanwise::GetSelectionWords).
    emscripten::val GetSelectionWords() const;

    // A pick of entry nPosition in a list; of a refused one, the dialog sends the selection
    // again.
    void Pick(int nHandle, int nIndex, int nPosition);
    void Click(int nHandle, int nIndex);
    // The user changed an edit field's text.
    void Edit(int nHandle, int nIndex, const std::string& text);
    // Enter, and Escape.
    void Ok(int nHandle);
    void Cancel(int nHandle);
    // An item of the dialog's window menu.
    void SysCommand(int nHandle, int nID);

    void MessageBoxClosed(int nToken) { m_host.MessageBoxClosed(nToken); }
    void ClipboardRefused() { m_host.ClipboardRefused(); }
    // What changed since the page last drew (see CWebHost::TakeChanges).
    std::string TakeChanges() { return m_host.TakeChanges(); }

private:
    CWebHost m_host;
    spanwise::CCalculator m_calc;
};
