#include "CliHost.h"

#include "controls/Dialog.h"

#include <iostream>

namespace spanwise::cli {

int CCliHost::RunModal(CDialog& dlg) {
    dlg.Create();
    return IDCANCEL;
}

void CCliHost::EndModal(CDialog& /*dlg*/, int /*nResult*/) {}

int CCliHost::MessageBox(CDialog& /*owner*/, const std::string& text, const std::string& caption,
                         unsigned /*nType*/) {
    std::cerr << caption << ": " << text << '\n';
    return IDOK;
}

bool CCliHost::Open() {
    if (m_bOpen) {
        return false;
    }
    m_bOpen = true;
    return true;
}

bool CCliHost::Empty() {
    if (!m_bOpen) {
        return false;
    }
    m_strClipboard.clear();
    return true;
}

bool CCliHost::SetText(const std::string& text) {
    if (!m_bOpen) {
        return false;
    }
    m_strClipboard = text;
    return true;
}

void CCliHost::Close() {
    m_bOpen = false;
}

} // namespace spanwise::cli
