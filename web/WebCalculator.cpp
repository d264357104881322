#include "WebCalculator.h"

#include "controls/Dialog.h"

#include <emscripten/bind.h>

using namespace ctl;

namespace {

// Hands act the open dialog nHandle and the id of its control at nIndex (-1 for none); nothing
// once the dialog has ended.
template <class TAct> void WithDialog(const CWebHost& host, int nHandle, int nIndex, TAct act) {
    if (const CWebHost::COpenDialog* pOpen = host.Find(nHandle); pOpen != nullptr) {
        const auto& controls = pOpen->pDlg->Controls();
        const auto nAt = static_cast<std::size_t>(nIndex);
        act(*pOpen, nIndex >= 0 && nAt < controls.size() ? controls[nAt]->GetID() : -1);
    }
}

} // namespace

CWebCalculator::CWebCalculator(emscripten::val page) : m_host(std::move(page)), m_calc(m_host) {
    m_host.SetClipboardFallback([this] { return m_calc.GetReport(); });
}

void CWebCalculator::ApplyPicks(const emscripten::val& words) {
    std::string messages;
    const auto nWords = words["length"].as<unsigned>();
    for (unsigned i = 0; i < nWords; ++i) {
        spanwise::CPickRefusal refusal;
        if (!spanwise::TryPick(m_calc, words[i].as<std::string>(), refusal)) {
            messages += (messages.empty() ? "" : "\n\n") + spanwise::WindowWords(refusal);
        }
    }
    if (CDialog* pDlg = m_host.GetMainDialog(); pDlg != nullptr && !messages.empty()) {
        pDlg->MessageBox(messages);
    }
}

emscripten::val CWebCalculator::GetSelectionWords() const {
    emscripten::val words = emscripten::val::array();
    for (const std::string& word : spanwise::GetSelectionWords(m_calc)) {
        words.call<void>("push", word);
    }
    return words;
}

void CWebCalculator::Pick(int nHandle, int nIndex, int nPosition) {
    WithDialog(m_host, nHandle, nIndex, [nPosition](const CWebHost::COpenDialog& open, int nID) {
        open.pDlg->OnUserPick(nID, nPosition);
    });
}

void CWebCalculator::Click(int nHandle, int nIndex) {
    WithDialog(m_host, nHandle, nIndex,
               [](const CWebHost::COpenDialog& open, int nID) { open.pDlg->OnUserClick(nID); });
}

void CWebCalculator::Edit(int nHandle, int nIndex, const std::string& text) {
    WithDialog(m_host, nHandle, nIndex, [&text](const CWebHost::COpenDialog& open, int nID) {
        open.pDlg->OnUserEdit(nID, text);
    });
}

void CWebCalculator::Ok(int nHandle) {
    WithDialog(m_host, nHandle, -1,
               [](const CWebHost::COpenDialog& open, int) { open.pDlg->OnOK(); });
}

void CWebCalculator::Cancel(int nHandle) {
    WithDialog(m_host, nHandle, -1,
               [](const CWebHost::COpenDialog& open, int) { open.pDlg->OnCancel(); });
}

void CWebCalculator::SysCommand(int nHandle, int nID) {
    WithDialog(m_host, nHandle, -1, [nID](const CWebHost::COpenDialog& open, int) {
        open.pDlg->OnUserSysCommand(static_cast<unsigned>(nID));
    });
}

// What the page's JavaScript sees of the program: the calculator and nothing else.
EMSCRIPTEN_BINDINGS(spanwise) {
    emscripten::class_<CWebCalculator>("Calculator")
        .constructor<emscripten::val>()
        .function("open", &CWebCalculator::Open)
        .function("applyPicks", &CWebCalculator::ApplyPicks)
        .function("selectionWords", &CWebCalculator::GetSelectionWords)
        .function("pick", &CWebCalculator::Pick)
        .function("click", &CWebCalculator::Click)
        .function("edit", &CWebCalculator::Edit)
        .function("ok", &CWebCalculator::Ok)
        .function("cancel", &CWebCalculator::Cancel)
        .function("sysCommand", &CWebCalculator::SysCommand)
        .function("messageBoxClosed", &CWebCalculator::MessageBoxClosed)
        .function("clipboardRefused", &CWebCalculator::ClipboardRefused)
        .function("takeChanges", &CWebCalculator::TakeChanges);
}
