#include "WebHost.h"

#include "PageObjects.h"

#include "controls/Dialog.h"

#include <utility>

using namespace ctl;

CWebHost::CWebHost(emscripten::val page, bool bClipboardAvailable)
    : m_page(std::move(page)), m_bClipboardAvailable(bClipboardAvailable) {}

int CWebHost::RunModal(CDialog& dlg) {
    dlg.Create();
    m_page.call<void>("showDialog", DialogObject(dlg));
    return IDOK;
}

void CWebHost::EndModal(CDialog& dlg, int nResult) {
    if (&dlg == m_pMainDialog) {
        m_page.call<void>("dialogEnded", nResult);
    }
}

int CWebHost::MessageBox(CDialog& /*owner*/, const std::string& text, const std::string& caption,
                         unsigned nType) {
    m_page.call<void>("messageBox", text, caption, nType);
    return IDOK;
}

bool CWebHost::Open() {
    m_bTextPending = false;
    m_strPending.clear();
    return m_bClipboardAvailable && m_failure != ClipboardFailure::Open;
}

bool CWebHost::Empty() {
    // The browser's clipboard is replaced as a whole when the text is written.
    return true;
}

bool CWebHost::SetText(const std::string& text) {
    if (m_failure == ClipboardFailure::SetText) {
        return false;
    }
    m_strPending = text;
    m_bTextPending = true;
    return true;
}

void CWebHost::Close() {
    if (m_bTextPending) {
        m_bTextPending = false;
        m_page.call<void>("writeClipboard", m_strPending);
    }
}
