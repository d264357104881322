#include "WebCalculator.h"

#include "DialogDescription.h"
#include "JsonWriter.h"

#include "app/StartPicks.h"
#include "controls/Dialog.h"
#include "controls/Mnemonics.h"
#include "lang/Catalogue.h"
#include "lang/Language.h"
#include "res/Resource.h"
#include "res/StringTable.h"

#include <emscripten/bind.h>

#include <algorithm>

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

void CWebCalculator::ApplyAddress(const emscripten::val& pairs) {
    std::vector<std::string> refused;
    const auto nPairs = pairs["length"].as<unsigned>();
    for (unsigned i = 0; i < nPairs; ++i) {
        const auto list = pairs[i][0].as<std::string>();
        const auto value = pairs[i][1].as<std::string>();
        if (!spanwise::IsListName(list)) {
            continue;
        }
        std::string word = list;
        word.append(1, '=').append(value);
        if (value.find('+') != std::string::npos) {
            std::string blanks = word;
            std::replace(blanks.begin() + static_cast<std::ptrdiff_t>(list.size()), blanks.end(),
                         '+', ' ');
            spanwise::CPickRefusal ignored;
            if (spanwise::TryPick(m_calc, word, ignored) ||
                spanwise::TryPick(m_calc, blanks, ignored)) {
                continue;
            }
        }
        // Applied here, or refused with the message of the value as the address writes it.
        for (std::string& message : ApplyStartPicks(m_calc, {word}, nullptr)) {
            refused.push_back(std::move(message));
        }
    }
    if (const std::string message = RefusedPicksMessage(refused); !message.empty()) {
        m_calc.ShowMessage(message);
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

std::string CWebCalculator::FitText(int nHandle, const emscripten::val& extents) {
    std::vector<CTextExtent> sizes;
    const auto nExtents = extents["length"].as<unsigned>();
    for (unsigned i = 0; i < nExtents; ++i) {
        const emscripten::val extent = extents[i];
        sizes.push_back({extent[0].as<std::size_t>(), extent[1].as<int>(), extent[2].as<int>()});
    }
    return m_host.FitText(nHandle, sizes);
}

void CWebCalculator::Speak(const std::string& code, const emscripten::val& texts) {
    std::vector<std::string> read;
    const auto nTexts = texts["length"].as<unsigned>();
    for (unsigned i = 0; i < nTexts; ++i) {
        read.push_back(texts[i].as<std::string>());
    }
    spanwise::lang::AddCatalogueEntries(code, std::move(read));
    spanwise::lang::SetLanguage(code);
}

std::string CWebCalculator::GetPageTexts() {
    struct CPageText {
        const char* name;
        unsigned nID;
    };
    static const CPageText kTexts[] = {
        {"menu", IDS_PAGE_MENU},
        {"reportCopied", IDS_PAGE_REPORT_COPIED},
        {"linkCopied", IDS_PAGE_LINK_COPIED},
        {"linkNotCopied", IDS_PAGE_LINK_NOT_COPIED},
        {"closed", IDS_PAGE_CLOSED},
        {"reload", IDS_PAGE_RELOAD},
        {"ok", IDS_PAGE_OK},
        {"marked", IDS_PAGE_RANGE_MARKED},
        {"bars", IDS_PAGE_BAR_COLUMN},
    };
    CJsonWriter json;
    json.BeginObject();
    for (const CPageText& text : kTexts) {
        json.Field(text.name, spanwise::lang::Translate(LoadString(text.nID)));
    }
    const std::string copyLink = spanwise::lang::Translate(LoadString(IDS_PAGE_COPY_LINK));
    json.Key("copyLink").BeginObject().Field("text", StripMnemonics(copyLink));
    json.Field("mnemonic", PageMnemonicPosition(copyLink)).EndObject();
    return json.EndObject().Take();
}

// What the page's JavaScript sees of the program: the calculator and nothing else.
EMSCRIPTEN_BINDINGS(spanwise) {
    emscripten::class_<CWebCalculator>("Calculator")
        .constructor<emscripten::val>()
        .function("open", &CWebCalculator::Open)
        .function("applyAddress", &CWebCalculator::ApplyAddress)
        .function("selectionWords", &CWebCalculator::GetSelectionWords)
        .function("pick", &CWebCalculator::Pick)
        .function("click", &CWebCalculator::Click)
        .function("edit", &CWebCalculator::Edit)
        .function("ok", &CWebCalculator::Ok)
        .function("cancel", &CWebCalculator::Cancel)
        .function("sysCommand", &CWebCalculator::SysCommand)
        .function("fitText", &CWebCalculator::FitText)
        .class_function("speak", &CWebCalculator::Speak)
        .class_function("pageTexts", &CWebCalculator::GetPageTexts)
        .function("messageBoxClosed", &CWebCalculator::MessageBoxClosed)
        .function("clipboardRefused", &CWebCalculator::ClipboardRefused)
        .function("takeChanges", &CWebCalculator::TakeChanges);
}
