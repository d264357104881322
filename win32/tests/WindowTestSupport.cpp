#include "win32/WindowsApi.h"

#include "WindowTestSupport.h"

#include "res/Resource.h"
#include "win32/TextConversion.h"

#include <gtest/gtest.h>
#include <oleacc.h>

#include <cstring>
#include <map>
#include <memory>

namespace spanwise::test {

namespace {

std::map<UINT_PTR, std::function<void()>> g_soon;

void CALLBACK RunSoon(HWND /*hwnd*/, UINT /*nMessage*/, UINT_PTR nTimer, DWORD /*nTime*/) {
    KillTimer(nullptr, nTimer);
    const auto found = g_soon.find(nTimer);
    if (found != g_soon.end()) {
        const std::function<void()> act = std::move(found->second);
        g_soon.erase(found);
        act();
    }
}

std::vector<CSeenMessageBox> g_seenBoxes;
constexpr int kMessageBoxTextID = 0xFFFF;

BOOL CALLBACK CatchMessageBox(HWND hwnd, LPARAM /*lParam*/) {
    if (ClassName(hwnd) != L"#32770" || IsWindowVisible(hwnd) == FALSE ||
        GetDlgItem(hwnd, kMessageBoxTextID) == nullptr) {
        return TRUE;
    }
    CSeenMessageBox box;
    box.caption = WindowTextUtf8(hwnd);
    box.text = WindowTextUtf8(GetDlgItem(hwnd, kMessageBoxTextID));
    box.bOkOnly = GetDlgItem(hwnd, IDOK) != nullptr && GetDlgItem(hwnd, IDCANCEL) == nullptr &&
                  GetDlgItem(hwnd, IDYES) == nullptr && GetDlgItem(hwnd, IDNO) == nullptr;
    box.hwndOwner = GetWindow(hwnd, GW_OWNER);
    RECT rect{};
    GetWindowRect(hwnd, &rect);
    box.nWidth = rect.right - rect.left;
    g_seenBoxes.push_back(box);
    PostMessageW(hwnd, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    return TRUE;
}

void CALLBACK OnCatchTimer(HWND /*hwnd*/, UINT /*nMessage*/, UINT_PTR /*nTimer*/, DWORD /*nTime*/) {
    EnumThreadWindows(GetCurrentThreadId(), CatchMessageBox, 0);
}

std::wstring ProgramPath() {
    std::wstring path(MAX_PATH, L'\0');
    path.resize(GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size())));
    return path;
}

int RunShown(CWin32DialogHost& host, const std::function<int()>& run, const CShownBody& body,
             const CShownBody& onOther) {
    bool bFirstShown = false;
    const auto pRunning = std::make_shared<bool>(true);
    host.SetShownHandler([&](ctl::CDialog& shown, HWND hwnd) {
        if (bFirstShown) {
            if (onOther) {
                onOther(shown, hwnd);
            }
            return;
        }
        bFirstShown = true;
        body(shown, hwnd);
        // A timer's turn comes once the messages the body posted have been handled.
        Soon([hwnd, pRunning] {
            if (*pRunning && IsWindow(hwnd) != FALSE) {
                EndDialog(hwnd, kLeftOpen);
            }
        });
    });
    const int nResult = run();
    host.SetShownHandler({});
    *pRunning = false;
    return nResult;
}

} // namespace

void Soon(std::function<void()> act) {
    g_soon[SetTimer(nullptr, 0, 0, RunSoon)] = std::move(act);
}

int RunDialog(CWin32DialogHost& host, ctl::CDialog& dlg, const std::function<void(HWND)>& body,
              const CShownBody& onOther) {
    return RunShown(
        host, [&dlg] { return dlg.DoModal(); },
        [&body](ctl::CDialog& /*dlg*/, HWND hwnd) { body(hwnd); }, onOther);
}

int RunDialog(CWin32DialogHost& host, CCalculator& calc, const CShownBody& body,
              const CShownBody& onOther) {
    return RunShown(
        host, [&calc] { return calc.Run(); }, body, onOther);
}

void PressKeys(const std::vector<std::vector<WORD>>& chords) {
    std::vector<INPUT> inputs;
    const auto add = [&inputs](WORD nKey, DWORD dwFlags) {
        INPUT input{};
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = nKey;
        input.ki.dwFlags = dwFlags;
        inputs.push_back(input);
    };
    for (const std::vector<WORD>& chord : chords) {
        for (const WORD nKey : chord) {
            add(nKey, 0);
        }
        for (auto key = chord.rbegin(); key != chord.rend(); ++key) {
            add(*key, KEYEVENTF_KEYUP);
        }
    }
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

bool PumpUntil(const std::function<bool()>& done) {
    const ULONGLONG nEnd = GetTickCount64() + 10000;
    MSG msg{};
    while (!done() && GetTickCount64() < nEnd) {
        if (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE) == FALSE) {
            Sleep(5);
            continue;
        }
        HWND hwndDialog = msg.hwnd != nullptr ? GetAncestor(msg.hwnd, GA_ROOT) : nullptr;
        if (hwndDialog == nullptr || IsDialogMessageW(hwndDialog, &msg) == FALSE) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
    }
    return done();
}

std::string AccessibleName(HWND hwnd) {
    IAccessible* pAccessible = nullptr;
    if (FAILED(AccessibleObjectFromWindow(hwnd, static_cast<DWORD>(OBJID_CLIENT),
                                          __uuidof(IAccessible),
                                          reinterpret_cast<void**>(&pAccessible)))) {
        return "<no accessible object>";
    }
    VARIANT self{};
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    BSTR name = nullptr;
    const bool bNamed = pAccessible->get_accName(self, &name) == S_OK && name != nullptr;
    std::string result = bNamed ? Narrow(name) : std::string();
    SysFreeString(name);
    pAccessible->Release();
    return result;
}

std::vector<std::string> ListViewColumns(HWND hwndList) {
    HWND hwndHeader = reinterpret_cast<HWND>(SendMessageW(hwndList, LVM_GETHEADER, 0, 0));
    std::vector<std::string> titles;
    const auto nColumns = static_cast<int>(SendMessageW(hwndHeader, HDM_GETITEMCOUNT, 0, 0));
    for (int nColumn = 0; nColumn < nColumns; ++nColumn) {
        wchar_t text[128] = {};
        LVCOLUMNW column{};
        column.mask = LVCF_TEXT;
        column.pszText = text;
        column.cchTextMax = 128;
        SendMessageW(hwndList, LVM_GETCOLUMNW, nColumn, reinterpret_cast<LPARAM>(&column));
        titles.push_back(Narrow(text));
    }
    return titles;
}

std::vector<std::vector<std::string>> ListViewRows(HWND hwndList) {
    const std::size_t nColumns = ListViewColumns(hwndList).size();
    std::vector<std::vector<std::string>> rows;
    const auto nRows = static_cast<int>(SendMessageW(hwndList, LVM_GETITEMCOUNT, 0, 0));
    for (int nRow = 0; nRow < nRows; ++nRow) {
        std::vector<std::string>& cells = rows.emplace_back();
        for (std::size_t nColumn = 0; nColumn < nColumns; ++nColumn) {
            wchar_t text[128] = {};
            LVITEMW item{};
            item.iSubItem = static_cast<int>(nColumn);
            item.pszText = text;
            item.cchTextMax = 128;
            SendMessageW(hwndList, LVM_GETITEMTEXTW, nRow, reinterpret_cast<LPARAM>(&item));
            cells.push_back(Narrow(text));
        }
    }
    return rows;
}

std::vector<HWND> ChildrenInOrder(HWND hwndDialog) {
    std::vector<HWND> children;
    for (HWND hwnd = GetWindow(hwndDialog, GW_CHILD); hwnd != nullptr;
         hwnd = GetWindow(hwnd, GW_HWNDNEXT)) {
        children.push_back(hwnd);
    }
    return children;
}

// Entry n of a drop-down list; its text, unlike the list's window text, is read from any process.
std::string ListEntry(HWND hwndList, int n) {
    const LRESULT nLength = SendMessageW(hwndList, CB_GETLBTEXTLEN, n, 0);
    if (nLength < 0) {
        return {};
    }
    std::wstring entry(static_cast<std::size_t>(nLength) + 1, L'\0');
    entry.resize(static_cast<std::size_t>(
        SendMessageW(hwndList, CB_GETLBTEXT, n, reinterpret_cast<LPARAM>(entry.data()))));
    return Narrow(entry);
}

// Every real control shows what the dialog's control holds.
void ExpectWindowShowsDialog(const ctl::CDialog& dlg, HWND hwndDialog) {
    const std::vector<HWND> children = ChildrenInOrder(hwndDialog);
    ASSERT_EQ(children.size(), dlg.Controls().size());
    for (std::size_t i = 0; i < children.size(); ++i) {
        const ctl::CControlState& state = *dlg.Controls()[i];
        HWND hwnd = children[i];
        SCOPED_TRACE("control " + std::to_string(state.GetID()));
        EXPECT_EQ(IsWindowEnabled(hwnd) != FALSE, state.m_bEnabled);
        EXPECT_EQ((GetWindowLongW(hwnd, GWL_STYLE) & WS_VISIBLE) != 0, state.m_bVisible);
        EXPECT_EQ(AccessibleName(hwnd), dlg.GetAccessibleName(state));
        if (state.GetKind() == ctl::ControlKind::Table) {
            EXPECT_EQ(ListViewColumns(hwnd), state.m_entries);
            std::vector<std::vector<std::string>> rows;
            for (const ctl::CTableRow& row : state.m_rows) {
                rows.push_back(row.cells);
            }
            EXPECT_EQ(ListViewRows(hwnd), rows);
            EXPECT_EQ(SendMessageW(hwnd, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED),
                      state.m_nCurSel);
            continue;
        }
        if (state.GetKind() == ctl::ControlKind::Icon) {
            continue; // it shows its image
        }
        if (state.GetKind() != ctl::ControlKind::ComboBox) {
            EXPECT_EQ(WindowTextUtf8(hwnd), state.m_strText);
            continue;
        }
        std::vector<std::string> entries;
        const auto nCount = static_cast<int>(SendMessageW(hwnd, CB_GETCOUNT, 0, 0));
        for (int n = 0; n < nCount; ++n) {
            entries.push_back(ListEntry(hwnd, n));
        }
        EXPECT_EQ(entries, state.m_entries);
        EXPECT_EQ(SendMessageW(hwnd, CB_GETCURSEL, 0, 0), state.m_nCurSel);
    }
}

std::wstring WindowText(HWND hwnd) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(hwnd)) + 1, L'\0');
    text.resize(
        static_cast<std::size_t>(GetWindowTextW(hwnd, text.data(), static_cast<int>(text.size()))));
    return text;
}

std::string WindowTextUtf8(HWND hwnd) {
    return Narrow(WindowText(hwnd));
}

std::wstring ClassName(HWND hwnd) {
    wchar_t name[64] = {};
    GetClassNameW(hwnd, name, 64);
    return name;
}

std::string ReportFromWindow(HWND hwndDialog) {
    const struct {
        int nLabel;
        int nList;
        bool bDashWhenDisabled;
    } lines[] = {
        {IDC_LBL_MODEL, IDC_MODEL, false},           {IDC_LBL_MEMORY, IDC_MEMORY, true},
        {IDC_LBL_FUNCTION, IDC_FUNCTION, true},      {IDC_LBL_SAMPLING, IDC_SAMPLING, true},
        {IDC_LBL_SCANNER, IDC_SCANNER, true},        {IDC_LBL_CHANNELS, IDC_CHANNELS, true},
        {IDC_LBL_TIME_RANGE, IDC_TIME_RANGE, false},
    };
    std::string report;
    for (const auto& line : lines) {
        HWND hwndList = GetDlgItem(hwndDialog, line.nList);
        const bool bDash = line.bDashWhenDisabled && IsWindowEnabled(hwndList) == FALSE;
        report +=
            WindowTextUtf8(GetDlgItem(hwndDialog, line.nLabel)) + " " +
            (bDash ? std::string("-")
                   : ListEntry(hwndList,
                               static_cast<int>(SendMessageW(hwndList, CB_GETCURSEL, 0, 0)))) +
            "\r\n";
    }
    report += "\r\n";
    for (const auto& result : {std::pair{IDC_GRP_RECORDING_LENGTH, IDC_RECORDING_LENGTH},
                               std::pair{IDC_GRP_RECORDING_TIME, IDC_RECORDING_TIME}}) {
        report += WindowTextUtf8(GetDlgItem(hwndDialog, result.first)) + " " +
                  WindowTextUtf8(GetDlgItem(hwndDialog, result.second)) + "\r\n";
    }
    return report;
}

CMessageBoxCatcher::CMessageBoxCatcher() : m_nTimer(SetTimer(nullptr, 0, 50, OnCatchTimer)) {
    g_seenBoxes.clear();
}

CMessageBoxCatcher::~CMessageBoxCatcher() {
    KillTimer(nullptr, m_nTimer);
}

const std::vector<CSeenMessageBox>& CMessageBoxCatcher::Seen() const {
    return g_seenBoxes;
}

CClipboardHolder::CClipboardHolder() {
    const std::wstring suffix = std::to_wstring(GetCurrentProcessId());
    const std::wstring ready = L"spanwise-test-clipboard-ready-" + suffix;
    const std::wstring release = L"spanwise-test-clipboard-release-" + suffix;
    m_hReady = CreateEventW(nullptr, TRUE, FALSE, ready.c_str());
    m_hRelease = CreateEventW(nullptr, TRUE, FALSE, release.c_str());
    std::wstring commandLine =
        L"\"" + ProgramPath() + L"\" --hold-clipboard " + ready + L" " + release;
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    if (CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                       &startup, &m_process) != FALSE) {
        const HANDLE waitFor[] = {m_hReady, m_process.hProcess};
        m_bHolding = WaitForMultipleObjects(2, waitFor, FALSE, 30000) == WAIT_OBJECT_0;
    }
}

CClipboardHolder::~CClipboardHolder() {
    SetEvent(m_hRelease);
    if (m_process.hProcess != nullptr) {
        WaitForSingleObject(m_process.hProcess, 30000);
        CloseHandle(m_process.hProcess);
        CloseHandle(m_process.hThread);
    }
    CloseHandle(m_hReady);
    CloseHandle(m_hRelease);
}

int HoldClipboard(const char* readyEvent, const char* releaseEvent) {
    HANDLE hReady = OpenEventW(EVENT_MODIFY_STATE, FALSE, Widen(readyEvent).c_str());
    HANDLE hRelease = OpenEventW(SYNCHRONIZE, FALSE, Widen(releaseEvent).c_str());
    if (hReady == nullptr || hRelease == nullptr || OpenClipboard(nullptr) == FALSE) {
        return 1;
    }
    SetEvent(hReady);
    WaitForSingleObject(hRelease, 60000);
    CloseClipboard();
    return 0;
}

std::string ClipboardTextBlock() {
    std::string block;
    if (OpenClipboard(nullptr) == FALSE) {
        return block;
    }
    if (HANDLE hData = GetClipboardData(CF_TEXT); hData != nullptr) {
        if (const void* pData = GlobalLock(hData); pData != nullptr) {
            block.assign(static_cast<const char*>(pData), GlobalSize(hData));
            GlobalUnlock(hData);
        }
    }
    CloseClipboard();
    return block;
}

bool PutClipboardText(const std::string& text) {
    if (OpenClipboard(nullptr) == FALSE) {
        return false;
    }
    EmptyClipboard();
    HGLOBAL hBlock = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
    bool bPut = false;
    if (void* pBlock = hBlock != nullptr ? GlobalLock(hBlock) : nullptr; pBlock != nullptr) {
        std::memcpy(pBlock, text.c_str(), text.size() + 1);
        GlobalUnlock(hBlock);
        bPut = SetClipboardData(CF_TEXT, hBlock) != nullptr;
    }
    CloseClipboard();
    return bPut;
}

} // namespace spanwise::test
