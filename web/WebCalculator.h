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
    // The picks of the page's address, [[key, value], ...] as its query holds them (percent-
    // decoded, a '+' left as it is), applied as the window applies its command line's
    // (ApplyStartPicks): the messages of those that fail in one message box, as a window words
    // them. A key that names no list is someone else's (utm_source, fbclid) and passed over. A '+'
    // is itself ("channels=16ch+logic"); where that names no entry, it is the blank form encoders
    // write ("sampling=Dual-axis+Sampling").
    void ApplyAddress(const emscripten::val& pairs);
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

    // How much room the texts of dialog nHandle take, as drawn: [[control index, width, height],
    // ...] in pixels (see CWebHost::FitText).
    std::string FitText(int nHandle, const emscripten::val& extents);
    // Speaks code ("ja") from now on, with the core's texts in it as the page fetched them:
    // [English, translation, English, translation, ...]. Called before the calculator is made.
    static void Speak(const std::string& code, const emscripten::val& texts);
    // The page's own texts, in the language spoken, by name (JSON): its window menu's button
    // ("menu") and Copy Link item
    // ("copyLink": {text, mnemonic}), what it says after Copy ("reportCopied") and Copy Link
    // ("linkCopied", "linkNotCopied"), after Exit ("closed", where "%1" stands for the link
    // "reload"), a message box's button ("ok"), what a check mark on a range row says ("marked")
    // and the title of a table's column of bars ("bars"), which only screen readers read.
    static std::string GetPageTexts();

    void MessageBoxClosed(int nToken) { m_host.MessageBoxClosed(nToken); }
    void ClipboardRefused() { m_host.ClipboardRefused(); }
    // What changed since the page last drew (see CWebHost::TakeChanges).
    std::string TakeChanges() { return m_host.TakeChanges(); }

private:
    CWebHost m_host;
    spanwise::CCalculator m_calc;
};
