#include "WebHost.h"

#include "PageObjects.h"

#include "controls/Dialog.h"

#include <utility>

using namespace ctl;

CWebHost::CWebHost(emscripten::val page, bool bClipboardAvailable)
    : m_page(std::move(page)), m_bClipboardAvailable(bClipboardAvailable) {}

int CWebHost::RunModal(CDialog& dlg) {
    dlg.Create();
    if (m_answer.nIDD != 0 && m_answer.nIDD == dlg.Template().nIDD) {
        const CAnswer answer = std::exchange(m_answer, CAnswer());
        for (const auto& [nID, text] : answer.edits) {
            dlg.OnUserEdit(nID, text);
        }
        if (answer.nButtonID == 0) {
            dlg.OnCancel();
        } else {
            dlg.OnUserClick(answer.nButtonID);
        }
        if (dlg.GetModalResult() != 0) {
            return dlg.GetModalResult();
        }
        // The dialog did not end with that button: the user goes on with it in the page.
    }
    m_nShownIDD = dlg.Template().nIDD;
    m_page.call<void>("showDialog", DialogObject(dlg));
    return IDCANCEL;
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
