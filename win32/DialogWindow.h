#pragma once

#include "WindowsApi.h"

#include "controls/ControlView.h"
#include "controls/DialogLayout.h"
#include "controls/DialogTemplate.h"

#include <functional>
#include <string>
#include <vector>

namespace ctl {
class CDialog;
}

// The real window of one CDialog while it runs modally: the Windows dialog manager builds it from
// the template, with one real control for each control of the dialog. The window holds no state
// of its own. Every change the dialog makes to a control shows in the real control; a user's pick
// in a list (CBN_SELCHANGE), a press of a button and the user's typing in an edit field go to the
// dialog, and so do Enter, Escape, the close box and the commands the dialog added to the window
// menu. The dialog's own changes never come back to it as the user's. Once detached (the dialog
// ended or went away) the window only closes.
class CWin32DialogWindow final : public ctl::CControlView {
public:
    // dlg must have been created (CDialog::Create). hInstance holds the icons; onShown is called
    // inside the modal loop once the window is on screen.
    CWin32DialogWindow(ctl::CDialog& dlg, HINSTANCE hInstance, std::function<void()> onShown);
    ~CWin32DialogWindow() override;

    // Shows the dialog owned by hwndOwner until the window closes; returns the code it closed
    // with, or -1 when the window could not be made.
    INT_PTR RunModal(HWND hwndOwner);
    // Lets go of the dialog at once and ends the modal loop with nResult.
    void End(int nResult);

    HWND GetHwnd() const { return m_hwnd; }
    // What screen readers were last to say at the end of a user's action; empty for nothing yet.
    const std::string& GetLastAnnouncement() const { return m_strLastAnnouncement; }

protected:
    void ShowText(const ctl::CControlState& control) override;
    void ShowEntries(const ctl::CControlState& control) override;
    void ShowSelection(const ctl::CControlState& control) override;
    void ShowEnabled(const ctl::CControlState& control) override;
    void ShowVisible(const ctl::CControlState& control) override;
    void ShowFont(const ctl::CControlState& control) override;
    void ShowToolTip(const ctl::CControlState& control) override;
    void ShowFocus(const ctl::CControlState& control) override;
    void ShowAccessibleName(const ctl::CControlState& control, const std::string& name) override;
    void ShowTextColour(const ctl::CControlState& control, ctl::COLORREF colour) override;
    // Raised as an alert screen readers speak, and kept (GetLastAnnouncement).
    void Announce(const std::string& text) override;

private:
    static INT_PTR CALLBACK DialogProc(HWND hwnd, UINT nMessage, WPARAM wParam, LPARAM lParam);
    INT_PTR HandleMessage(UINT nMessage, WPARAM wParam, LPARAM lParam);

    void OnInitDialog();
    // Lays the dialog out again, larger, where a text it shows does not fit its box.
    void FitTexts();
    void AddSystemMenuItems(ctl::CDialog& dlg);
    void SetIcons(const ctl::CDialog& dlg);
    void CentreOverOwner();
    bool OnCommand(WPARAM wParam, LPARAM lParam);
    INT_PTR OnNotify(const NMHDR& header);
    // A table's font in bold, for its current row.
    HFONT BoldFontOf(const ctl::CControlState& control);
    void RefitTables();
    INT_PTR OnCtlColor(UINT nMessage, WPARAM wParam, LPARAM lParam);
    void OnDestroy();

    // What screen readers call the real control hwndControl: the dialog's name for its control.
    static std::wstring AccessibleNameOf(HWND hwndControl);
    // The control whose real control is hwnd, or nullptr.
    const ctl::CControlState* ControlOf(HWND hwnd) const;

    const ctl::CDialogTemplate* m_pTemplate;
    HINSTANCE m_hInstance;
    std::function<void()> m_onShown;
    HWND m_hwnd = nullptr;
    // By control index, in template order: the real control, the font made for it (nullptr: the
    // dialog's font), and the name and text colour the dialog gave it, which Windows asks for
    // later (WM_GETOBJECT, WM_CTLCOLORSTATIC).
    std::vector<HWND> m_controls;
    ctl::CDialogBaseUnits m_units;     // at which the dialog is laid out
    ctl::CDialogBaseUnits m_fontUnits; // of the dialog's font, as the dialog manager lays it out
    std::vector<HFONT> m_fonts;
    std::vector<std::wstring> m_names;
    std::vector<ctl::COLORREF> m_colours;
    std::string m_strLastAnnouncement;
    HFONT m_hBoldFont = nullptr;
    HWND m_hwndToolTip = nullptr;
    bool m_bSettingText = false; // an edit field's change notice is the dialog's own
    HICON m_hIconBig = nullptr;
    HICON m_hIconSmall = nullptr;
};
