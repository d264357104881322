#include "DialogHost.h"

#include "Dialog.h"

namespace ctl {

namespace {

std::string g_appName = "spanwise";

} // namespace

int CHeadlessHost::RunModal(CDialog& dlg) {
    dlg.Create();
    return IDCANCEL;
}

void CHeadlessHost::EndModal(CDialog& /*dlg*/, int /*nResult*/) {}

int CHeadlessHost::MessageBox(CDialog& /*owner*/, const std::string& text,
                              const std::string& caption, unsigned /*nType*/) {
    m_messages.push_back({caption, text});
    return IDOK;
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
