#include "WebCalculator.h"

#include "PageObjects.h"

#include "controls/DialogHost.h"

#include <utility>

namespace {

// The dialog opened on host, as the application opens it.
CRecordingCalcDlg& Open(CRecordingCalcDlg& dlg, IDialogHost& host) {
    AfxSetDialogHost(&host);
    dlg.Create();
    return dlg;
}

} // namespace

CWebCalculator::CWebCalculator(emscripten::val page, bool bClipboardAvailable)
    : m_host(std::move(page), bClipboardAvailable), m_mirror(Open(m_dlg, m_host)) {
    m_host.SetMainDialog(&m_dlg);
}

CWebCalculator::~CWebCalculator() {
    AfxSetDialogHost(nullptr);
}

emscripten::val CWebCalculator::GetDialog() {
    m_mirror.TakeChanges();
    return DialogObject(m_dlg);
}

emscripten::val CWebCalculator::GetControl(int nIndex) {
    const auto& controls = m_dlg.Controls();
    if (nIndex < 0 || static_cast<std::size_t>(nIndex) >= controls.size()) {
        return emscripten::val::null();
    }
    return ControlObject(m_dlg, *controls[static_cast<std::size_t>(nIndex)]);
}

bool CWebCalculator::Pick(int nID, int nIndex) {
    return m_dlg.OnUserPick(nID, nIndex);
}

bool CWebCalculator::Click(int nID) {
    return m_dlg.OnUserClick(nID);
}

emscripten::val CWebCalculator::GetSystemMenu() {
    emscripten::val items = emscripten::val::array();
    const CMenu* pMenu = m_dlg.GetSystemMenu(false);
    if (pMenu == nullptr) {
        return items;
    }
    for (const CMenu::CItem& item : pMenu->Items()) {
        emscripten::val object = emscripten::val::object();
        object.set("id", item.nID);
        object.set("text", item.text);
        object.set("separator", (item.nFlags & MF_SEPARATOR) != 0);
        items.call<void>("push", object);
    }
    return items;
}

void CWebCalculator::SysCommand(unsigned nID) {
    m_dlg.OnSysCommand(nID, 0);
}

void CWebCalculator::ClipboardRefused(const std::string& where) {
    m_host.SetClipboardFailure(where == "open" ? CWebHost::ClipboardFailure::Open
                                               : CWebHost::ClipboardFailure::SetText);
    m_dlg.OnUserClick(IDC_COPY);
    m_host.SetClipboardFailure(CWebHost::ClipboardFailure::None);
}
