#include "DialogHost.h"

#include "Dialog.h"

#include <algorithm>
#include <utility>

namespace ctl {

namespace {

std::string g_appName = "spanwise";

} // namespace

void CHeadlessHost::OpenDialog(CDialog& dlg, DialogEnded onEnded) {
    m_open.push_back({&dlg, std::move(onEnded)});
    dlg.OnWindowShown();
}

void CHeadlessHost::CloseDialog(CDialog& dlg, int nResult) {
    const auto found = std::find_if(m_open.begin(), m_open.end(),
                                    [&dlg](const COpenDialog& open) { return open.pDlg == &dlg; });
    if (found == m_open.end()) {
        return;
    }
    const DialogEnded onEnded = std::move(found->onEnded);
    m_open.erase(found);
    if (onEnded) {
        onEnded(nResult);
    }
}

void CHeadlessHost::ShowMessageBox(CDialog& /*owner*/, const std::string& text,
                                   const std::string& caption, unsigned /*nType*/,
                                   DialogEnded onClosed) {
    m_messages.push_back({caption, text});
    if (onClosed) {
        onClosed(IDOK);
    }
}

void CHeadlessHost::RunUntilEnded(CDialog& dlg) {
    CloseDialog(dlg, IDCANCEL);
}

std::vector<CDialog*> CHeadlessHost::OpenDialogs() const {
    std::vector<CDialog*> dialogs;
    dialogs.reserve(m_open.size());
    for (const COpenDialog& open : m_open) {
        dialogs.push_back(open.pDlg);
    }
    return dialogs;
}

// Like the platform's clipboard, it can be opened by one holder at a time.
bool CHeadlessHost::Open() {
    if (m_bOpen) {
        return false;
    }
    m_bOpen = true;
    return true;
}

bool CHeadlessHost::Empty() {
    if (!m_bOpen) {
        return false;
    }
    m_strClipboard.clear();
    return true;
}

bool CHeadlessHost::SetText(const std::string& text) {
    if (!m_bOpen) {
        return false;
    }
    m_strClipboard = text;
    return true;
}

void CHeadlessHost::Close() {
    m_bOpen = false;
}

const std::string& AfxGetAppName() {
    return g_appName;
}

void AfxSetAppName(const std::string& name) {
    g_appName = name;
}

} // namespace ctl
