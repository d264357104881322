#include "WebHost.h"

#include "DialogDescription.h"

#include "controls/Dialog.h"

#include <algorithm>

using namespace ctl;

CWebHost::CWebHost(emscripten::val page) : m_page(std::move(page)) {
    m_changes.BeginArray();
}

const CWebHost::COpenDialog* CWebHost::Find(int nHandle) const {
    for (const COpenDialog& open : m_open) {
        if (open.nHandle == nHandle) {
            return &open;
        }
    }
    return nullptr;
}

std::vector<CWebHost::COpenDialog>::iterator CWebHost::FindOpen(const CDialog& dlg) {
    return std::find_if(m_open.begin(), m_open.end(),
                        [&dlg](const COpenDialog& open) { return open.pDlg == &dlg; });
}

std::string CWebHost::TakeChanges() {
    std::string announcement;
    for (const COpenDialog& open : m_open) {
        const std::string said = open.pView->TakeAnnouncement();
        announcement += (announcement.empty() || said.empty() ? "" : ", ") + said;
    }
    if (!announcement.empty()) {
        m_changes.BeginArray().Value(0).Value(-1).Value("announce").Value(announcement).EndArray();
    }
    std::string changes = m_changes.EndArray().Take();
    m_changes.BeginArray();
    return changes;
}

void CWebHost::OpenDialog(CDialog& dlg, DialogEnded onEnded) {
    const int nHandle = ++m_nLastHandle;
    const auto owner = dlg.GetParent() != nullptr ? FindOpen(*dlg.GetParent()) : m_open.end();
    const auto size = m_page.call<emscripten::val>("measureFont", DialogFont(dlg.Template()),
                                                   std::string(kBaseUnitLetters));
    const CDialogBaseUnits units = GetDialogBaseUnits(size[0].as<int>(), size[1].as<int>());
    const int nOwner = owner != m_open.end() ? owner->nHandle : 0;
    m_page.call<void>("showDialog", nHandle, DescribeDialog(dlg, nOwner, units));
    m_open.push_back({nHandle, &dlg, std::make_unique<CPageView>(dlg, nHandle, m_changes),
                      std::move(onEnded), units});
    dlg.OnWindowShown();
}

std::string CWebHost::FitText(int nHandle, const std::vector<CTextExtent>& extents) {
    const auto found =
        std::find_if(m_open.begin(), m_open.end(),
                     [nHandle](const COpenDialog& open) { return open.nHandle == nHandle; });
    if (found == m_open.end()) {
        return {};
    }
    const CDialogBaseUnits units = FitBaseUnits(found->pDlg->Template(), found->units, extents);
    if (units.nX == found->units.nX && units.nY == found->units.nY) {
        return {};
    }
    found->units = units;
    return DescribeLayout(*found->pDlg, units);
}

void CWebHost::CloseDialog(CDialog& dlg, int nResult) {
    const auto found = FindOpen(dlg);
    if (found == m_open.end()) {
        return;
    }
    const COpenDialog open = std::move(*found);
    m_open.erase(found);
    open.pView->Detach();
    m_page.call<void>("closeDialog", open.nHandle);
    if (open.onEnded) {
        open.onEnded(nResult);
    }
}

void CWebHost::ShowMessageBox(CDialog& owner, const std::string& text, const std::string& caption,
                              unsigned /*nType*/, DialogEnded onClosed) {
    const auto found = FindOpen(owner);
    if (found == m_open.end()) {
        return;
    }
    m_messageBoxes[++m_nLastToken] = std::move(onClosed);
    const std::string report = m_bClipboardFailed && m_report ? m_report() : std::string();
    m_bClipboardFailed = false;
    m_page.call<void>("messageBox", found->nHandle, text, caption, m_nLastToken, report);
}

void CWebHost::MessageBoxClosed(int nToken) {
    const auto box = m_messageBoxes.extract(nToken);
    if (!box.empty() && box.mapped()) {
        box.mapped()(IDOK);
    }
}

bool CWebHost::Open() {
    m_bClipboardFailed = !m_page.call<bool>("canWriteClipboard");
    return !m_bClipboardFailed;
}

bool CWebHost::SetText(const std::string& text) {
    m_page.call<void>("writeClipboard", text);
    return true;
}

void CWebHost::ClipboardRefused() {
    if (m_onRefused) {
        m_bClipboardFailed = true;
        m_onRefused();
    }
}
