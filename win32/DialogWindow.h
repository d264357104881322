#pragma once

#include "WindowsApi.h"

#include "controls/ControlState.h"

#include <string>
#include <unordered_map>
#include <vector>

namespace ctl {
class CDialog;
}
class CWin32DialogHost;

// The real window of one CDialog while it runs modally: the Windows dialog manager builds it from
// the template, with one real control for each control of the dialog. The window holds no state
// of its own. Every change the dialog makes to a control shows in the real control through the
// observer; a user's pick in a list (CBN_SELCHANGE), a press of a button and the user's typing in
// an edit field go to the dialog, and so do Enter, Escape, the close box and the commands the
// dialog added to the window menu. The dialog's own changes never come back to it as the user's.
class CWin32DialogWindow final : public ctl::IControlObserver {
public:
    // dlg must have been created (CDialog::Create).
    CWin32DialogWindow(ctl::CDialog& dlg, CWin32DialogHost& host);
    ~CWin32DialogWindow();

    CWin32DialogWindow(const CWin32DialogWindow&) = delete;
    CWin32DialogWindow& operator=(const CWin32DialogWindow&) = delete;

    // Shows the dialog owned by hwndOwner until it ends; returns the code it ended with, or -1
    // when the window could not be made.
    INT_PTR RunModal(HWND hwndOwner);
    // Ends the modal loop with nResult.
    void End(int nResult);

    ctl::CDialog& Dialog() const { return m_dlg; }
    HWND GetHwnd() const { return m_hwnd; }

    void OnControlChanged(const ctl::CControlState& control, ctl::ControlChange change) override;

private:
    static INT_PTR CALLBACK DialogProc(HWND hwnd, UINT nMessage, WPARAM wParam, LPARAM lParam);
    INT_PTR HandleMessage(UINT nMessage, WPARAM wParam, LPARAM lParam);

    void OnInitDialog();
    void BindControls();
    void AddSystemMenuItems();
    void SetIcons();
    void CentreOverOwner();
    bool OnCommand(WPARAM wParam, LPARAM lParam);
    INT_PTR OnCtlColor(UINT nMessage, WPARAM wParam, LPARAM lParam);
    void OnDpiChanged();
    void OnDestroy();

    void ApplyChange(std::size_t nIndex, ctl::ControlChange change);
    void ApplyText(std::size_t nIndex);
    void ApplyEntries(std::size_t nIndex);
    void ApplySelection(std::size_t nIndex);
    void ApplyFont(std::size_t nIndex);
    void ApplyToolTip(std::size_t nIndex);

    ctl::CDialog& m_dlg;
    CWin32DialogHost& m_host;
    HWND m_hwnd = nullptr;
    // By control index, in template order: the real control, the entries its list shows now
    // and the font made for it (nullptr: the dialog's font).
    std::vector<HWND> m_controls;
    std::vector<std::vector<std::string>> m_shownEntries;
    std::vector<HFONT> m_fonts;
    std::unordered_map<const ctl::CControlState*, std::size_t> m_indexOf;
    std::unordered_map<HWND, std::size_t> m_indexOfWindow;
    HWND m_hwndToolTip = nullptr;
    bool m_bSettingText = false; // an edit field's change notice is the dialog's own
    HICON m_hIconBig = nullptr;
    HICON m_hIconSmall = nullptr;
};
