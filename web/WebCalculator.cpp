#include "WebCalculator.h"

#include "PageObjects.h"

#include <utility>

using namespace ctl;

CWebCalculator::CWebCalculator(emscripten::val page, bool bClipboardAvailable)
    : m_host(std::move(page), bClipboardAvailable), m_calc(m_host), m_mirror(m_calc.Dialog()) {
    m_host.SetMainDialog(&m_calc.Dialog());
}

emscripten::val CWebCalculator::GetDialog() {
    m_mirror.TakeChanges();
    return DialogObject(m_calc.Dialog());
}

emscripten::val CWebCalculator::GetControl(int nIndex) {
    const auto& controls = m_calc.Dialog().Controls();
    if (nIndex < 0 || static_cast<std::size_t>(nIndex) >= controls.size()) {
        return emscripten::val::null();
    }
    return ControlObject(m_calc.Dialog(), *controls[static_cast<std::size_t>(nIndex)]);
}

bool CWebCalculator::Pick(int nID, int nIndex) {
    for (const spanwise::CalcList list : spanwise::kCalcLists) {
        if (spanwise::GetListControlID(list) == nID) {
            return m_calc.Pick(list, nIndex);
        }
    }
    return false;
}

bool CWebCalculator::Click(int nID) {
    return Perform({false, static_cast<unsigned>(nID)});
}

bool CWebCalculator::Edit(int nID, const std::string& text) {
    return m_calc.Dialog().OnUserEdit(nID, text);
}

emscripten::val CWebCalculator::GetSystemMenu() {
    emscripten::val items = emscripten::val::array();
    const CMenu* pMenu = m_calc.Dialog().GetSystemMenu(false);
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
    Perform({true, nID});
}

bool CWebCalculator::Perform(const CAction& action) {
    bool bDone = true;
    if (action.bSysCommand) {
        m_calc.Dialog().OnSysCommand(action.nID, 0);
    } else {
        bDone = m_calc.Dialog().OnUserClick(static_cast<int>(action.nID));
    }
    if (const int nIDD = m_host.TakeShownDialog(); nIDD != 0) {
        m_dialogOpenedBy = action;
        m_nDialogIDD = nIDD;
    }
    return bDone;
}

void CWebCalculator::AnswerDialog(const emscripten::val& edits, int nButtonID) {
    if (m_nDialogIDD == 0) {
        return;
    }
    CWebHost::CAnswer answer;
    answer.nIDD = std::exchange(m_nDialogIDD, 0);
    answer.nButtonID = nButtonID;
    const auto nEdits = edits["length"].as<unsigned>();
    for (unsigned i = 0; i < nEdits; ++i) {
        answer.edits.emplace_back(edits[i][0].as<int>(), edits[i][1].as<std::string>());
    }
    m_host.SetAnswer(std::move(answer));
    Perform(m_dialogOpenedBy);
    m_host.ClearAnswer();
}

void CWebCalculator::ClipboardRefused(const std::string& where) {
    m_host.SetClipboardFailure(where == "open" ? CWebHost::ClipboardFailure::Open
                                               : CWebHost::ClipboardFailure::SetText);
    m_calc.Copy();
    m_host.SetClipboardFailure(CWebHost::ClipboardFailure::None);
}
