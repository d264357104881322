#pragma once

#include "win32/WindowsApi.h"

#include "ui/Calculator.h"
#include "ui/RecordingCalcDlg.h"
#include "win32/Win32DialogHost.h"

#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace spanwise::test {

// The calculator dialog, counting the commands that reach it.
class CCountingDlg : public CRecordingCalcDlg {
public:
    using CRecordingCalcDlg::CRecordingCalcDlg;

    bool OnCommand(int nID, int nCode) override {
        m_commands.emplace_back(nID, nCode);
        return CRecordingCalcDlg::OnCommand(nID, nCode);
    }

    std::vector<std::pair<int, int>> m_commands; // (control id, notification code)
};

// What RunDialog returns when the dialog was still open after the test's body: the body's posted
// messages have been handled by then.
constexpr int kLeftOpen = 0x7E57;

// What a test does inside a dialog's modal loop once its window is on screen.
using CShownBody = std::function<void(ctl::CDialog& dlg, HWND hwnd)>;

// Runs dlg, or the calculator, modally on host; body runs inside the modal loop once the window
// is on screen. Dialogs opened from it meanwhile (the About box) go to onOther, if given.
int RunDialog(CWin32DialogHost& host, ctl::CDialog& dlg, const std::function<void(HWND)>& body,
              const CShownBody& onOther = {});
int RunDialog(CWin32DialogHost& host, CCalculator& calc, const CShownBody& body,
              const CShownBody& onOther = {});

// Runs act once the messages posted so far have been handled, inside whichever modal loop runs.
void Soon(std::function<void()> act);

// Presses each chord of keys in turn, as the keyboard does (SendInput): its keys down in order,
// then up in reverse. The window in front gets them.
void PressKeys(const std::vector<std::vector<WORD>>& chords);
// Handles this thread's messages, as a dialog's modal loop does, until done() or 10 s have
// passed; returns done().
bool PumpUntil(const std::function<bool()>& done);

// What Active Accessibility calls a control (AccessibleObjectFromWindow, get_accName); empty when
// it gives no name.
std::string AccessibleName(HWND hwnd);

// The texts of a list view's column titles, and of its rows' cells.
std::vector<std::string> ListViewColumns(HWND hwndList);
std::vector<std::vector<std::string>> ListViewRows(HWND hwndList);

// The dialog's controls in the order the dialog manager made them.
std::vector<HWND> ChildrenInOrder(HWND hwndDialog);
// Every real control shows what the dialog's control holds: text, entries (a table's columns and
// rows), selection, enabled and visible; and screen readers hear it by the dialog's name for it.
void ExpectWindowShowsDialog(const ctl::CDialog& dlg, HWND hwndDialog);

std::wstring WindowText(HWND hwnd);
std::string WindowTextUtf8(HWND hwnd);
std::wstring ClassName(HWND hwnd);

// The Copy report as the real controls show it: labels, selected entries ("-" for a disabled
// list from Internal Memory to Channels) and results, in the clipboard's CR LF lines.
std::string ReportFromWindow(HWND hwndDialog);

// A message box a test saw: its caption, text, whether it has only an OK button, its owner and
// its width.
struct CSeenMessageBox {
    std::string caption;
    std::string text;
    bool bOkOnly = false;
    HWND hwndOwner = nullptr;
    LONG nWidth = 0;
};

// While it lives, message boxes of this thread are read and closed with OK as they appear.
class CMessageBoxCatcher {
public:
    CMessageBoxCatcher();
    ~CMessageBoxCatcher();
    CMessageBoxCatcher(const CMessageBoxCatcher&) = delete;
    CMessageBoxCatcher& operator=(const CMessageBoxCatcher&) = delete;

    const std::vector<CSeenMessageBox>& Seen() const;

private:
    UINT_PTR m_nTimer;
};

// Another program holding the clipboard open, until the object goes.
class CClipboardHolder {
public:
    CClipboardHolder();
    ~CClipboardHolder();
    CClipboardHolder(const CClipboardHolder&) = delete;
    CClipboardHolder& operator=(const CClipboardHolder&) = delete;

    bool IsHolding() const { return m_bHolding; }

private:
    HANDLE m_hReady = nullptr;
    HANDLE m_hRelease = nullptr;
    PROCESS_INFORMATION m_process{};
    bool m_bHolding = false;
};

// The other program's part: open the clipboard, tell, hold it until told. Run from main.
int HoldClipboard(const char* readyEvent, const char* releaseEvent);

// The clipboard's CF_TEXT block, every byte of it; empty when there is none.
std::string ClipboardTextBlock();
// Puts text on the clipboard as CF_TEXT.
bool PutClipboardText(const std::string& text);

} // namespace spanwise::test
