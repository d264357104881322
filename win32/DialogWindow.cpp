#include "WindowsApi.h"

#include "DialogWindow.h"

#include "DialogTemplateBuilder.h"
#include "Fonts.h"
#include "TextConversion.h"
#include "Win32DialogHost.h"

#include "controls/DC.h"
#include "controls/Dialog.h"

#include <algorithm>

using ctl::ControlChange;
using ctl::ControlKind;

namespace {

// Posted once the dialog has opened: by then the dialog manager shows it.
constexpr UINT kMsgShown = WM_APP + 1;

// The commands Windows itself puts into the window menu start here; those below are the
// dialog's own.
constexpr WPARAM kFirstSystemCommand = SC_SIZE;

std::wstring WindowText(HWND hwnd) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(hwnd)) + 1, L'\0');
    text.resize(
        static_cast<std::size_t>(GetWindowTextW(hwnd, text.data(), static_cast<int>(text.size()))));
    return text;
}

// In high contrast the system's colours are the user's: a text colour of the dialog's own could
// not be read on them.
bool IsHighContrast() {
    HIGHCONTRASTW contrast{};
    contrast.cbSize = sizeof contrast;
    return SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof contrast, &contrast, 0) != FALSE &&
           (contrast.dwFlags & HCF_HIGHCONTRASTON) != 0;
}

} // namespace

CWin32DialogWindow::CWin32DialogWindow(ctl::CDialog& dlg, CWin32DialogHost& host)
    : m_dlg(dlg), m_host(host) {
    const auto& controls = dlg.Controls();
    for (std::size_t i = 0; i < controls.size(); ++i) {
        m_indexOf[controls[i].get()] = i;
    }
    m_controls.assign(controls.size(), nullptr);
    m_shownEntries.resize(controls.size());
    m_fonts.assign(controls.size(), nullptr);
}

CWin32DialogWindow::~CWin32DialogWindow() {
    if (m_hwnd != nullptr) {
        DestroyWindow(m_hwnd);
    }
    for (HFONT hFont : m_fonts) {
        if (hFont != nullptr) {
            DeleteObject(hFont);
        }
    }
    for (HICON hIcon : {m_hIconBig, m_hIconSmall}) {
        if (hIcon != nullptr) {
            DestroyIcon(hIcon);
        }
    }
}

INT_PTR CWin32DialogWindow::RunModal(HWND hwndOwner) {
    const ctl::CDialogTemplate& dlgTemplate = m_dlg.Template();
    const CWin32DialogTemplate win32Template(dlgTemplate, ResolveFontFace(dlgTemplate.fontFace));
    return DialogBoxIndirectParamW(m_host.Instance(), win32Template.Get(), hwndOwner, DialogProc,
                                   reinterpret_cast<LPARAM>(this));
}

void CWin32DialogWindow::End(int nResult) {
    if (m_hwnd != nullptr) {
        EndDialog(m_hwnd, nResult);
    }
}

INT_PTR CALLBACK CWin32DialogWindow::DialogProc(HWND hwnd, UINT nMessage, WPARAM wParam,
                                                LPARAM lParam) {
    if (nMessage == WM_INITDIALOG) {
        auto* pWindow = reinterpret_cast<CWin32DialogWindow*>(lParam);
        SetWindowLongPtrW(hwnd, DWLP_USER, lParam);
        pWindow->m_hwnd = hwnd;
        pWindow->OnInitDialog();
        // The focus goes to the first tab stop.
        return TRUE;
    }
    auto* pWindow = reinterpret_cast<CWin32DialogWindow*>(GetWindowLongPtrW(hwnd, DWLP_USER));
    return pWindow != nullptr ? pWindow->HandleMessage(nMessage, wParam, lParam) : FALSE;
}

INT_PTR CWin32DialogWindow::HandleMessage(UINT nMessage, WPARAM wParam, LPARAM lParam) {
    switch (nMessage) {
    case WM_COMMAND:
        return OnCommand(wParam, lParam) ? TRUE : FALSE;
    case WM_SYSCOMMAND:
        if ((wParam & 0xFFF0U) < kFirstSystemCommand) {
            m_dlg.OnSysCommand(static_cast<unsigned>(wParam), static_cast<long>(lParam));
            SetWindowLongPtrW(m_hwnd, DWLP_MSGRESULT, 0);
            return TRUE;
        }
        return FALSE;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
        return OnCtlColor(nMessage, wParam, lParam);
    case WM_DPICHANGED:
        OnDpiChanged();
        return FALSE; // the dialog manager moves and scales the dialog
    case kMsgShown:
        m_host.OnWindowShown(*this);
        return TRUE;
    case WM_DESTROY:
        OnDestroy();
        return FALSE;
    default:
        return FALSE;
    }
}

void CWin32DialogWindow::OnInitDialog() {
    BindControls();
    for (std::size_t i = 0; i < m_controls.size(); ++i) {
        for (const ControlChange change :
             {ControlChange::Text, ControlChange::Entries, ControlChange::Enabled,
              ControlChange::Visible, ControlChange::Font, ControlChange::ToolTip}) {
            ApplyChange(i, change);
        }
        m_dlg.Controls()[i]->SetObserver(this);
    }
    AddSystemMenuItems();
    SetIcons();
    CentreOverOwner();
    m_host.OnWindowOpened(*this);
    PostMessageW(m_hwnd, kMsgShown, 0, 0);
}

void CWin32DialogWindow::BindControls() {
    // The dialog manager makes the controls in template order, each behind the ones before it.
    const auto& controls = m_dlg.Controls();
    std::size_t i = 0;
    for (HWND hwndChild = GetWindow(m_hwnd, GW_CHILD); hwndChild != nullptr && i < controls.size();
         hwndChild = GetWindow(hwndChild, GW_HWNDNEXT), ++i) {
        // An id of -1 may come back as its low word.
        const int nChildID = GetDlgCtrlID(hwndChild);
        const int nID = controls[i]->GetID();
        if (nChildID != nID && nChildID != static_cast<WORD>(nID)) {
            break;
        }
        m_controls[i] = hwndChild;
    }
    if (i != controls.size()) {
        // Not in template order after all: find each by its id.
        for (i = 0; i < controls.size(); ++i) {
            m_controls[i] = GetDlgItem(m_hwnd, controls[i]->GetID());
        }
    }
    for (i = 0; i < m_controls.size(); ++i) {
        if (m_controls[i] != nullptr) {
            m_indexOfWindow[m_controls[i]] = i;
        }
    }
}

void CWin32DialogWindow::AddSystemMenuItems() {
    const ctl::CMenu* pItems = m_dlg.GetSystemMenu(false);
    HMENU hSystemMenu = GetSystemMenu(m_hwnd, FALSE);
    if (pItems == nullptr || hSystemMenu == nullptr) {
        return;
    }
    for (const ctl::CMenu::CItem& item : pItems->Items()) {
        if ((item.nFlags & MF_SEPARATOR) != 0) {
            AppendMenuW(hSystemMenu, MF_SEPARATOR, 0, nullptr);
        } else {
            AppendMenuW(hSystemMenu, MF_STRING, item.nID, Widen(item.text).c_str());
        }
    }
}

void CWin32DialogWindow::SetIcons() {
    const UINT nDpi = GetWindowDpi(m_hwnd);
    const struct {
        bool bBig;
        HICON* phIcon;
    } icons[] = {{true, &m_hIconBig}, {false, &m_hIconSmall}};
    for (const auto& icon : icons) {
        const ctl::HICON request = m_dlg.GetIcon(icon.bBig);
        if (request.IsNull()) {
            continue;
        }
        const int nSize = MulDiv(request.nSize, static_cast<int>(nDpi), USER_DEFAULT_SCREEN_DPI);
        *icon.phIcon =
            static_cast<HICON>(LoadImageW(m_host.Instance(), MAKEINTRESOURCEW(request.nResource),
                                          IMAGE_ICON, nSize, nSize, LR_DEFAULTCOLOR));
        if (*icon.phIcon != nullptr) {
            SendMessageW(m_hwnd, WM_SETICON, icon.bBig ? ICON_BIG : ICON_SMALL,
                         reinterpret_cast<LPARAM>(*icon.phIcon));
        }
    }
}

void CWin32DialogWindow::CentreOverOwner() {
    // The template centres every dialog on its monitor; one opened from another window (the About
    // box) goes over that window instead, inside the monitor's work area.
    HWND hwndOwner = GetWindow(m_hwnd, GW_OWNER);
    if (hwndOwner == nullptr) {
        return;
    }
    RECT owner{};
    RECT self{};
    GetWindowRect(hwndOwner, &owner);
    GetWindowRect(m_hwnd, &self);
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromWindow(hwndOwner, MONITOR_DEFAULTTONEAREST), &monitor);
    const RECT& work = monitor.rcWork;
    const LONG nWidth = self.right - self.left;
    const LONG nHeight = self.bottom - self.top;
    LONG x = owner.left + (owner.right - owner.left - nWidth) / 2;
    LONG y = owner.top + (owner.bottom - owner.top - nHeight) / 2;
    x = std::max(work.left, std::min(x, work.right - nWidth));
    y = std::max(work.top, std::min(y, work.bottom - nHeight));
    SetWindowPos(m_hwnd, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

bool CWin32DialogWindow::OnCommand(WPARAM wParam, LPARAM lParam) {
    const int nID = static_cast<short>(LOWORD(wParam));
    const int nCode = HIWORD(wParam);
    const auto hwndControl = reinterpret_cast<HWND>(lParam);
    const auto found = m_indexOfWindow.find(hwndControl);
    if (found == m_indexOfWindow.end()) {
        // Enter, Escape and the close box come as commands of the two standard ids.
        if (hwndControl == nullptr && (nID == IDOK || nID == IDCANCEL)) {
            m_dlg.OnCommand(nID, BN_CLICKED);
            return true;
        }
        return false;
    }
    const std::size_t nIndex = found->second;
    const ctl::CControlState& state = *m_dlg.Controls()[nIndex];
    switch (state.GetKind()) {
    case ControlKind::ComboBox:
        if (nCode == CBN_SELCHANGE) {
            const auto nPicked = static_cast<int>(SendMessageW(hwndControl, CB_GETCURSEL, 0, 0));
            if (!m_dlg.OnUserPick(state.GetID(), nPicked)) {
                // The dialog refused the pick: show its selection again.
                ApplySelection(nIndex);
            }
            return true;
        }
        return false;
    case ControlKind::PushButton:
    case ControlKind::DefPushButton:
        if (nCode == BN_CLICKED) {
            m_dlg.OnUserClick(state.GetID());
            return true;
        }
        return false;
    case ControlKind::Edit:
        // The field tells of every change of its text, the dialog's own ones too; only the
        // user's go to the dialog.
        if (nCode == EN_CHANGE && !m_bSettingText) {
            m_dlg.OnUserEdit(state.GetID(), Narrow(WindowText(hwndControl)));
            return true;
        }
        return false;
    default:
        return false;
    }
}

INT_PTR CWin32DialogWindow::OnCtlColor(UINT nMessage, WPARAM wParam, LPARAM lParam) {
    const auto found = m_indexOfWindow.find(reinterpret_cast<HWND>(lParam));
    if (found == m_indexOfWindow.end()) {
        return FALSE;
    }
    ctl::CDC dc;
    ctl::CWnd wnd(m_dlg.Controls()[found->second].get());
    m_dlg.OnCtlColor(&dc, &wnd, CTLCOLOR_STATIC);
    if (dc.GetTextColor() == ctl::kNoColour || IsHighContrast()) {
        return FALSE;
    }
    // The usual colours and brush, with the dialog's text colour.
    const LRESULT brush = DefWindowProcW(m_hwnd, nMessage, wParam, lParam);
    SetTextColor(reinterpret_cast<HDC>(wParam), dc.GetTextColor());
    return static_cast<INT_PTR>(brush);
}

void CWin32DialogWindow::OnDpiChanged() {
    // The dialog manager scales the dialog's own font; the fonts made here are made again.
    for (std::size_t i = 0; i < m_controls.size(); ++i) {
        if (m_fonts[i] != nullptr) {
            ApplyFont(i);
        }
    }
}

void CWin32DialogWindow::OnDestroy() {
    for (const auto& pControl : m_dlg.Controls()) {
        pControl->SetObserver(nullptr);
    }
    m_host.OnWindowClosed(*this);
    SetWindowLongPtrW(m_hwnd, DWLP_USER, 0);
    m_hwnd = nullptr;
    m_hwndToolTip = nullptr; // destroyed with the dialog, which owns it
    m_controls.assign(m_controls.size(), nullptr);
    m_indexOfWindow.clear();
}

void CWin32DialogWindow::OnControlChanged(const ctl::CControlState& control, ControlChange change) {
    const auto found = m_indexOf.find(&control);
    if (found != m_indexOf.end() && m_hwnd != nullptr) {
        ApplyChange(found->second, change);
    }
}

void CWin32DialogWindow::ApplyChange(std::size_t nIndex, ControlChange change) {
    if (m_controls[nIndex] == nullptr) {
        return;
    }
    const ctl::CControlState& state = *m_dlg.Controls()[nIndex];
    switch (change) {
    case ControlChange::Text:
        ApplyText(nIndex);
        break;
    case ControlChange::Entries:
        ApplyEntries(nIndex);
        break;
    case ControlChange::Selection:
        ApplySelection(nIndex);
        break;
    case ControlChange::Enabled:
        EnableWindow(m_controls[nIndex], state.m_bEnabled ? TRUE : FALSE);
        break;
    case ControlChange::Visible:
        ShowWindow(m_controls[nIndex], state.m_bVisible ? SW_SHOW : SW_HIDE);
        break;
    case ControlChange::Font:
        ApplyFont(nIndex);
        break;
    case ControlChange::ToolTip:
        ApplyToolTip(nIndex);
        break;
    }
}

void CWin32DialogWindow::ApplyText(std::size_t nIndex) {
    const ctl::CControlState& state = *m_dlg.Controls()[nIndex];
    // A list shows its selected entry; an icon shows its image.
    if (state.GetKind() == ControlKind::ComboBox || state.GetKind() == ControlKind::Icon) {
        return;
    }
    const std::wstring text = Widen(state.m_strText);
    // An edit field that shows the text already keeps its caret where the user left it.
    if (WindowText(m_controls[nIndex]) != text) {
        m_bSettingText = true;
        SetWindowTextW(m_controls[nIndex], text.c_str());
        m_bSettingText = false;
    }
}

void CWin32DialogWindow::ApplyEntries(std::size_t nIndex) {
    const ctl::CControlState& state = *m_dlg.Controls()[nIndex];
    if (state.GetKind() != ControlKind::ComboBox) {
        return;
    }
    // The dialog refills a list by emptying it and appending one entry after another: append
    // what the list lacks, and start afresh only when its entries differ.
    HWND hwndList = m_controls[nIndex];
    std::vector<std::string>& shown = m_shownEntries[nIndex];
    const std::vector<std::string>& entries = state.m_entries;
    const bool bPrefix =
        shown.size() <= entries.size() && std::equal(shown.begin(), shown.end(), entries.begin());
    if (!bPrefix) {
        SendMessageW(hwndList, CB_RESETCONTENT, 0, 0);
        shown.clear();
    }
    for (std::size_t i = shown.size(); i < entries.size(); ++i) {
        SendMessageW(hwndList, CB_INSERTSTRING, static_cast<WPARAM>(-1),
                     reinterpret_cast<LPARAM>(Widen(entries[i]).c_str()));
        shown.push_back(entries[i]);
    }
    ApplySelection(nIndex);
}

void CWin32DialogWindow::ApplySelection(std::size_t nIndex) {
    const ctl::CControlState& state = *m_dlg.Controls()[nIndex];
    if (state.GetKind() == ControlKind::ComboBox) {
        SendMessageW(m_controls[nIndex], CB_SETCURSEL, static_cast<WPARAM>(state.m_nCurSel), 0);
    }
}

void CWin32DialogWindow::ApplyFont(std::size_t nIndex) {
    const ctl::CControlState& state = *m_dlg.Controls()[nIndex];
    if (!state.m_bHasFont) {
        return;
    }
    HFONT hFont = CreateRequestedFont(state.m_font, GetWindowDpi(m_hwnd));
    if (hFont == nullptr) {
        return;
    }
    SendMessageW(m_controls[nIndex], WM_SETFONT, reinterpret_cast<WPARAM>(hFont), TRUE);
    if (m_fonts[nIndex] != nullptr) {
        DeleteObject(m_fonts[nIndex]);
    }
    m_fonts[nIndex] = hFont;
}

void CWin32DialogWindow::ApplyToolTip(std::size_t nIndex) {
    const ctl::CControlState& state = *m_dlg.Controls()[nIndex];
    const bool bShown = state.m_bToolTipActive && !state.m_strToolTip.empty();
    if (!bShown && m_hwndToolTip == nullptr) {
        return;
    }
    if (m_hwndToolTip == nullptr) {
        m_hwndToolTip =
            CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP,
                            CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, m_hwnd,
                            nullptr, m_host.Instance(), nullptr);
        if (m_hwndToolTip == nullptr) {
            return; // the dialog works without its tooltip
        }
        SendMessageW(m_hwndToolTip, TTM_ACTIVATE, TRUE, 0);
    }
    std::wstring text = Widen(state.m_strToolTip);
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = m_hwnd;
    tool.uId = reinterpret_cast<UINT_PTR>(m_controls[nIndex]);
    tool.lpszText = text.data();
    SendMessageW(m_hwndToolTip, TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    if (bShown) {
        SendMessageW(m_hwndToolTip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    }
}
