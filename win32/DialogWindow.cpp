#include "WindowsApi.h"

#include "DialogWindow.h"

#include "AccessibleName.h"
#include "DialogTemplateBuilder.h"
#include "Fonts.h"
#include "TableView.h"
#include "TextConversion.h"
#include "TextExtents.h"

#include "controls/Dialog.h"

#include <algorithm>
#include <utility>

using ctl::CControlState;
using ctl::ControlKind;

namespace {

// Posted once the dialog has opened: by then the dialog manager shows it.
constexpr UINT kMsgShown = WM_APP + 1;
// Posted when the dialog has moved to a screen of another DPI: by then the dialog manager has
// scaled the controls and their fonts.
constexpr UINT kMsgScaled = WM_APP + 2;

// The commands Windows itself puts into the window menu start here; those below are the
// dialog's own.
constexpr WPARAM kFirstSystemCommand = SC_SIZE;

// In high contrast the system's colours are the user's: a text colour of the dialog's own could
// not be read on them.
bool IsHighContrast() {
    HIGHCONTRASTW contrast{};
    contrast.cbSize = sizeof contrast;
    return SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof contrast, &contrast, 0) != FALSE &&
           (contrast.dwFlags & HCF_HIGHCONTRASTON) != 0;
}

} // namespace

CWin32DialogWindow::CWin32DialogWindow(ctl::CDialog& dlg, HINSTANCE hInstance,
                                       std::function<void()> onShown)
    : CControlView(dlg), m_pTemplate(&dlg.Template()), m_hInstance(hInstance),
      m_onShown(std::move(onShown)) {
    const std::size_t nControls = dlg.Controls().size();
    m_controls.assign(nControls, nullptr);
    m_fonts.assign(nControls, nullptr);
    m_names.resize(nControls);
    m_colours.assign(nControls, ctl::kNoColour);
}

CWin32DialogWindow::~CWin32DialogWindow() {
    // The window is gone by now: the modal loop destroys it before it returns.
    for (HFONT hFont : m_fonts) {
        if (hFont != nullptr) {
            DeleteObject(hFont);
        }
    }
    if (m_hBoldFont != nullptr) {
        DeleteObject(m_hBoldFont);
    }
    for (HICON hIcon : {m_hIconBig, m_hIconSmall}) {
        if (hIcon != nullptr) {
            DestroyIcon(hIcon);
        }
    }
}

INT_PTR CWin32DialogWindow::RunModal(HWND hwndOwner) {
    const ctl::CDialogTemplate& dlgTemplate = GetDialog()->Template();
    const CWin32DialogTemplate win32Template(dlgTemplate, ResolveFontFace(dlgTemplate.fontFace));
    return DialogBoxIndirectParamW(m_hInstance, win32Template.Get(), hwndOwner, DialogProc,
                                   reinterpret_cast<LPARAM>(this));
}

void CWin32DialogWindow::End(int nResult) {
    Detach();
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
        // The dialog has given the focus itself.
        return FALSE;
    }
    auto* pWindow = reinterpret_cast<CWin32DialogWindow*>(GetWindowLongPtrW(hwnd, DWLP_USER));
    return pWindow != nullptr ? pWindow->HandleMessage(nMessage, wParam, lParam) : FALSE;
}

INT_PTR CWin32DialogWindow::HandleMessage(UINT nMessage, WPARAM wParam, LPARAM lParam) {
    ctl::CDialog* pDlg = GetDialog();
    switch (nMessage) {
    case WM_COMMAND:
        return OnCommand(wParam, lParam) ? TRUE : FALSE;
    case WM_NOTIFY:
        return OnNotify(*reinterpret_cast<const NMHDR*>(lParam));
    case WM_SYSCOMMAND:
        if ((wParam & 0xFFF0U) < kFirstSystemCommand) {
            if (pDlg != nullptr) {
                pDlg->OnUserSysCommand(static_cast<unsigned>(wParam));
            }
            SetWindowLongPtrW(m_hwnd, DWLP_MSGRESULT, 0);
            return TRUE;
        }
        return FALSE;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
        return OnCtlColor(nMessage, wParam, lParam);
    case WM_DPICHANGED:
        // The dialog manager scales the dialog's own font; the fonts made here are made again.
        if (m_hBoldFont != nullptr) {
            DeleteObject(m_hBoldFont);
            m_hBoldFont = nullptr;
        }
        for (std::size_t i = 0; pDlg != nullptr && i < m_fonts.size(); ++i) {
            if (m_fonts[i] != nullptr) {
                ShowFont(*pDlg->Controls()[i]);
            }
        }
        PostMessageW(m_hwnd, kMsgScaled, 0, 0);
        return FALSE; // the dialog manager moves and scales the dialog
    case kMsgScaled:
        RefitTables();
        return TRUE;
    case kMsgShown:
        if (m_onShown) {
            m_onShown();
        }
        return TRUE;
    case WM_DESTROY:
        OnDestroy();
        return FALSE;
    default:
        return FALSE;
    }
}

void CWin32DialogWindow::OnInitDialog() {
    // The dialog manager makes the controls in template order, each behind the ones before it.
    std::size_t i = 0;
    for (HWND hwndChild = GetWindow(m_hwnd, GW_CHILD);
         hwndChild != nullptr && i < m_controls.size();
         hwndChild = GetWindow(hwndChild, GW_HWNDNEXT)) {
        m_controls[i++] = hwndChild;
        SetAccessibleNameSource(hwndChild, AccessibleNameOf);
    }
    m_units = m_fontUnits = DialogBaseUnits(m_hwnd);
    Attach();
    FitTexts();
    AddSystemMenuItems(*GetDialog());
    SetIcons(*GetDialog());
    CentreOverOwner();
    PostMessageW(m_hwnd, kMsgShown, 0, 0);
}

void CWin32DialogWindow::FitTexts() {
    if (m_hwnd == nullptr) {
        return;
    }
    // On a screen of another DPI the dialog manager has scaled the dialog and its font: the fit
    // starts again from the font's units there.
    if (const ctl::CDialogBaseUnits fontUnits = DialogBaseUnits(m_hwnd);
        fontUnits.nX != m_fontUnits.nX || fontUnits.nY != m_fontUnits.nY) {
        m_units = m_fontUnits = fontUnits;
    }
    const ctl::CDialogBaseUnits units =
        ctl::FitBaseUnits(*m_pTemplate, m_units, MeasureTexts(m_controls));
    if (units.nX == m_units.nX && units.nY == m_units.nY) {
        return;
    }
    // The core decides how the dialog grows: as a whole, at the least larger base units at which
    // every box holds its text. It never shrinks while open.
    m_units = units;
    const ctl::CDialogLayout layout = ctl::LayOutDialog(*m_pTemplate, m_units);
    for (std::size_t i = 0; i < m_controls.size() && i < layout.controls.size(); ++i) {
        const ctl::CRect& rect = layout.controls[i].rect;
        if (m_controls[i] != nullptr) {
            MoveWindow(m_controls[i], rect.x, rect.y, rect.cx, rect.cy, TRUE);
        }
    }
    RECT frame{0, 0, layout.cx, layout.cy};
    AdjustWindowRectEx(&frame, static_cast<DWORD>(GetWindowLongW(m_hwnd, GWL_STYLE)), FALSE,
                       static_cast<DWORD>(GetWindowLongW(m_hwnd, GWL_EXSTYLE)));
    SetWindowPos(m_hwnd, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    InvalidateRect(m_hwnd, nullptr, TRUE);
}

void CWin32DialogWindow::AddSystemMenuItems(ctl::CDialog& dlg) {
    const ctl::CMenu* pItems = dlg.GetSystemMenu(false);
    HMENU hSystemMenu = GetSystemMenu(m_hwnd, FALSE);
    if (pItems == nullptr || hSystemMenu == nullptr) {
        return;
    }
    // As Windows gives a dialog only Move and Close, what the window cannot do stays out of its
    // menu (Wine shows it disabled), leaving its letters (&Restore) to the dialog's items.
    const auto style = static_cast<DWORD>(GetWindowLongW(m_hwnd, GWL_STYLE));
    for (const auto& [dwStyle, nCommand] : {std::pair<DWORD, UINT>{WS_THICKFRAME, SC_SIZE},
                                            {WS_MINIMIZEBOX, SC_MINIMIZE},
                                            {WS_MAXIMIZEBOX, SC_MAXIMIZE},
                                            {WS_MINIMIZEBOX | WS_MAXIMIZEBOX, SC_RESTORE}}) {
        if ((style & dwStyle) == 0) {
            DeleteMenu(hSystemMenu, nCommand, MF_BYCOMMAND);
        }
    }
    for (const ctl::CMenu::CItem& item : pItems->Items()) {
        if ((item.nFlags & MF_SEPARATOR) != 0) {
            AppendMenuW(hSystemMenu, MF_SEPARATOR, 0, nullptr);
        } else {
            AppendMenuW(hSystemMenu, MF_STRING, item.nID, Widen(Shown(item.text)).c_str());
        }
    }
}

void CWin32DialogWindow::SetIcons(const ctl::CDialog& dlg) {
    const UINT nDpi = GetWindowDpi(m_hwnd);
    for (const bool bBig : {true, false}) {
        const ctl::HICON request = dlg.GetIcon(bBig);
        if (request.IsNull()) {
            continue;
        }
        const int nSize = MulDiv(request.nSize, static_cast<int>(nDpi), USER_DEFAULT_SCREEN_DPI);
        HICON& hIcon = bBig ? m_hIconBig : m_hIconSmall;
        hIcon = static_cast<HICON>(LoadImageW(m_hInstance, MAKEINTRESOURCEW(request.nResource),
                                              IMAGE_ICON, nSize, nSize, LR_DEFAULTCOLOR));
        if (hIcon != nullptr) {
            SendMessageW(m_hwnd, WM_SETICON, bBig ? ICON_BIG : ICON_SMALL,
                         reinterpret_cast<LPARAM>(hIcon));
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

std::wstring CWin32DialogWindow::AccessibleNameOf(HWND hwndControl) {
    const auto* pWindow = reinterpret_cast<const CWin32DialogWindow*>(
        GetWindowLongPtrW(GetParent(hwndControl), DWLP_USER));
    const CControlState* pControl = pWindow != nullptr ? pWindow->ControlOf(hwndControl) : nullptr;
    return pControl != nullptr ? pWindow->m_names[pControl->GetIndex()] : std::wstring();
}

const CControlState* CWin32DialogWindow::ControlOf(HWND hwnd) const {
    const auto found = std::find(m_controls.begin(), m_controls.end(), hwnd);
    if (GetDialog() == nullptr || hwnd == nullptr || found == m_controls.end()) {
        return nullptr;
    }
    return GetDialog()->Controls()[static_cast<std::size_t>(found - m_controls.begin())].get();
}

bool CWin32DialogWindow::OnCommand(WPARAM wParam, LPARAM lParam) {
    ctl::CDialog* pDlg = GetDialog();
    const int nID = static_cast<short>(LOWORD(wParam));
    const int nCode = HIWORD(wParam);
    const auto hwndControl = reinterpret_cast<HWND>(lParam);
    const CControlState* pControl = ControlOf(hwndControl);
    if (pControl == nullptr) {
        // Enter, Escape and the close box come as commands of the two standard ids.
        if (pDlg == nullptr || hwndControl != nullptr || (nID != IDOK && nID != IDCANCEL)) {
            return false;
        }
        if (nID == IDOK) {
            // Enter on a table chooses the row the keyboard is on.
            const CControlState* pFocused = ControlOf(GetFocus());
            if (pFocused == nullptr || pFocused->GetKind() != ControlKind::Table ||
                !pDlg->OnUserPick(pFocused->GetID(), GetFocusedRow(GetFocus()))) {
                pDlg->OnOK();
            }
        } else {
            pDlg->OnCancel();
        }
        return true;
    }
    switch (pControl->GetKind()) {
    case ControlKind::ComboBox:
        if (nCode != CBN_SELCHANGE) {
            return false;
        }
        pDlg->OnUserPick(pControl->GetID(),
                         static_cast<int>(SendMessageW(hwndControl, CB_GETCURSEL, 0, 0)));
        return true;
    case ControlKind::PushButton:
    case ControlKind::DefPushButton:
        return nCode == BN_CLICKED && pDlg->OnUserClick(pControl->GetID());
    case ControlKind::Edit:
        // The field tells of every change of its text, the dialog's own ones too; only the
        // user's go to the dialog.
        return nCode == EN_CHANGE && !m_bSettingText &&
               pDlg->OnUserEdit(pControl->GetID(), Narrow(WindowText(hwndControl)));
    default:
        return false;
    }
}

INT_PTR CWin32DialogWindow::OnNotify(const NMHDR& header) {
    const CControlState* pControl = ControlOf(header.hwndFrom);
    if (pControl == nullptr || pControl->GetKind() != ControlKind::Table) {
        return FALSE;
    }
    if (header.code == LVN_ITEMACTIVATE) { // a double click on a row
        GetDialog()->OnUserPick(pControl->GetID(),
                                reinterpret_cast<const NMITEMACTIVATE&>(header).iItem);
        return TRUE;
    }
    if (header.code != NM_CUSTOMDRAW) {
        return FALSE;
    }
    SetWindowLongPtrW(m_hwnd, DWLP_MSGRESULT,
                      DrawTableRow(reinterpret_cast<const NMLVCUSTOMDRAW&>(header), *pControl,
                                   BoldFontOf(*pControl)));
    return TRUE;
}

void CWin32DialogWindow::RefitTables() {
    // A table's columns are as wide as its texts in the font it had: measured again in the scaled
    // one, the row the keyboard was on kept.
    ctl::CDialog* pDlg = GetDialog();
    for (std::size_t i = 0; pDlg != nullptr && i < m_controls.size(); ++i) {
        const CControlState& control = *pDlg->Controls()[i];
        if (control.GetKind() == ControlKind::Table) {
            const int nFocused = GetFocusedRow(m_controls[i]);
            FillListView(m_controls[i], control, BoldFontOf(control));
            SelectListViewRow(m_controls[i], nFocused >= 0 ? nFocused : control.m_nCurSel);
        }
    }
}

HFONT CWin32DialogWindow::BoldFontOf(const CControlState& control) {
    if (m_hBoldFont == nullptr) {
        m_hBoldFont = CreateBoldFont(
            reinterpret_cast<HFONT>(SendMessageW(m_controls[control.GetIndex()], WM_GETFONT, 0, 0)),
            m_pTemplate->fontFace);
    }
    return m_hBoldFont;
}

INT_PTR CWin32DialogWindow::OnCtlColor(UINT nMessage, WPARAM wParam, LPARAM lParam) {
    const CControlState* pControl = ControlOf(reinterpret_cast<HWND>(lParam));
    if (pControl == nullptr) {
        return FALSE;
    }
    const ctl::COLORREF colour = m_colours[pControl->GetIndex()];
    if (colour == ctl::kNoColour || IsHighContrast()) {
        return FALSE;
    }
    // The usual colours and brush, with the dialog's text colour.
    const LRESULT brush = DefWindowProcW(m_hwnd, nMessage, wParam, lParam);
    SetTextColor(reinterpret_cast<HDC>(wParam), colour);
    return static_cast<INT_PTR>(brush);
}

void CWin32DialogWindow::OnDestroy() {
    Detach();
    SetWindowLongPtrW(m_hwnd, DWLP_USER, 0);
    m_hwnd = nullptr;
    m_hwndToolTip = nullptr; // destroyed with the dialog, which owns it
    m_controls.assign(m_controls.size(), nullptr);
}

void CWin32DialogWindow::ShowText(const CControlState& control) {
    // A list shows its selected entry; an icon shows its image.
    if (control.GetKind() == ControlKind::ComboBox || control.GetKind() == ControlKind::Icon) {
        return;
    }
    m_bSettingText = true;
    SetWindowTextW(m_controls[control.GetIndex()], Widen(TextShown(control)).c_str());
    m_bSettingText = false;
    FitTexts();
}

void CWin32DialogWindow::ShowEntries(const CControlState& control) {
    if (control.GetKind() == ControlKind::Table) {
        FillListView(m_controls[control.GetIndex()], control, BoldFontOf(control));
    } else if (control.GetKind() == ControlKind::ComboBox) {
        HWND hwndList = m_controls[control.GetIndex()];
        SendMessageW(hwndList, CB_RESETCONTENT, 0, 0);
        for (const std::string& entry : EntriesShown(control)) {
            SendMessageW(hwndList, CB_INSERTSTRING, static_cast<WPARAM>(-1),
                         reinterpret_cast<LPARAM>(Widen(entry).c_str()));
        }
        FitTexts();
    }
}

void CWin32DialogWindow::ShowSelection(const CControlState& control) {
    if (control.GetKind() == ControlKind::ComboBox) {
        SendMessageW(m_controls[control.GetIndex()], CB_SETCURSEL,
                     static_cast<WPARAM>(control.m_nCurSel), 0);
    } else if (control.GetKind() == ControlKind::Table) {
        SelectListViewRow(m_controls[control.GetIndex()], control.m_nCurSel);
    }
}

void CWin32DialogWindow::ShowEnabled(const CControlState& control) {
    EnableWindow(m_controls[control.GetIndex()], control.m_bEnabled ? TRUE : FALSE);
}

void CWin32DialogWindow::ShowVisible(const CControlState& control) {
    ShowWindow(m_controls[control.GetIndex()], control.m_bVisible ? SW_SHOW : SW_HIDE);
}

void CWin32DialogWindow::ShowFont(const CControlState& control) {
    if (!control.m_bHasFont) {
        return;
    }
    HFONT hFont = CreateRequestedFont(control.m_font, GetWindowDpi(m_hwnd));
    if (hFont == nullptr) {
        return;
    }
    HFONT& hShown = m_fonts[control.GetIndex()];
    SendMessageW(m_controls[control.GetIndex()], WM_SETFONT, reinterpret_cast<WPARAM>(hFont), TRUE);
    if (hShown != nullptr) {
        DeleteObject(hShown);
    }
    hShown = hFont;
    FitTexts();
}

void CWin32DialogWindow::ShowToolTip(const CControlState& control) {
    const std::string toolTip = ToolTipShown(control);
    const bool bShown = !toolTip.empty();
    if (!bShown && m_hwndToolTip == nullptr) {
        return;
    }
    if (m_hwndToolTip == nullptr) {
        m_hwndToolTip = CreateWindowExW(
            WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP, CW_USEDEFAULT,
            CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, m_hwnd, nullptr, m_hInstance, nullptr);
        if (m_hwndToolTip == nullptr) {
            return; // the dialog works without its tooltip
        }
        SendMessageW(m_hwndToolTip, TTM_ACTIVATE, TRUE, 0);
    }
    std::wstring text = Widen(toolTip);
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = m_hwnd;
    tool.uId = reinterpret_cast<UINT_PTR>(m_controls[control.GetIndex()]);
    tool.lpszText = text.data();
    SendMessageW(m_hwndToolTip, TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    if (bShown) {
        SendMessageW(m_hwndToolTip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    }
}

void CWin32DialogWindow::ShowFocus(const CControlState& control) {
    // As the dialog manager moves the focus: an edit field's text is selected, and the default
    // button follows.
    SendMessageW(m_hwnd, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(m_controls[control.GetIndex()]),
                 TRUE);
}

void CWin32DialogWindow::ShowAccessibleName(const CControlState& control, const std::string& name) {
    m_names[control.GetIndex()] = Widen(name);
}

void CWin32DialogWindow::ShowTextColour(const CControlState& control, ctl::COLORREF colour) {
    // Windows asks for it when it draws the control (WM_CTLCOLORSTATIC).
    m_colours[control.GetIndex()] = colour;
    InvalidateRect(m_controls[control.GetIndex()], nullptr, TRUE);
}

void CWin32DialogWindow::Announce(const std::string& text) {
    // Text that is not the focused control's own reaches screen readers as an alert.
    m_strLastAnnouncement = text;
    RaiseAnnouncement(m_hwnd, Widen(text));
}
