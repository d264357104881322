#include "Picks.h"

#include "conditions/ModelCatalogue.h"
#include "ui/RecordingCalcDlg.h"

#include <cctype>
#include <charconv>
#include <iterator>
#include <limits>

namespace spanwise::cli {

// clang-format off
const CListName kListNames[kListCount] = {
    { "model",    IDC_MODEL },
    { "memory",   IDC_MEMORY },
    { "function", IDC_FUNCTION },
    { "sampling", IDC_SAMPLING },
    { "scanner",  IDC_SCANNER },
    { "channels", IDC_CHANNELS },
    { "range",    IDC_TIME_RANGE },
};
// clang-format on

namespace {

bool EqualsIgnoringCase(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(a[i])) !=
            std::tolower(static_cast<unsigned char>(b[i]))) {
            return false;
        }
    }
    return true;
}

std::string Quoted(const std::string& text) {
    return "\"" + text + "\"";
}

std::string EntriesOf(const CComboBox& list) {
    std::string text;
    for (int i = 0; i < list.GetCount(); ++i) {
        text += (i == 0 ? "" : ", ") + Quoted(list.GetLBText(i));
    }
    return text;
}

// Why a list cannot be picked in: the model or the function that disables it.
std::string DisabledReason(const CRecordingCalcDlg& dlg, int nID) {
    const std::string model = "model " + Quoted(dlg.m_cbModel.GetWindowText());
    const bool bRec = dlg.m_nFunction == kFunctionRec;
    switch (nID) {
    case IDC_MEMORY:
        return model + " has no choice of internal memory";
    case IDC_FUNCTION:
        return model + " records with MEM only";
    case IDC_SAMPLING:
        if (HasDualAxisSampling(dlg.m_nModel) && bRec) {
            return "the sampling mode does not apply under REC";
        }
        return model + " samples on a single axis only";
    case IDC_SCANNER:
        return model + " takes no Sable scanner unit";
    case IDC_CHANNELS:
        if (bRec && dlg.m_nModel != kGum && dlg.m_nModel != kJuniper) {
            return "the channel configuration does not apply under REC";
        }
        return model + " has a fixed channel configuration";
    default:
        return "the list is disabled";
    }
}

// "#N" with N a decimal position; false, with nPosition untouched, for anything else ("#2x" is
// text, not position 2). A number too large for an int is still a position, one that no list has.
bool ParsePosition(const std::string& value, int& nPosition) {
    if (value.size() < 2 || value[0] != '#') {
        return false;
    }
    const char* first = value.data() + 1;
    const char* last = value.data() + value.size();
    int nParsed = 0;
    const auto [ptr, ec] = std::from_chars(first, last, nParsed);
    if (ptr != last) {
        return false;
    }
    if (ec == std::errc::result_out_of_range) {
        nPosition =
            value[1] == '-' ? std::numeric_limits<int>::min() : std::numeric_limits<int>::max();
        return true;
    }
    if (ec != std::errc()) {
        return false;
    }
    nPosition = nParsed;
    return true;
}

} // namespace

const char* ListNames() {
    return "model, memory, function, sampling, scanner, channels, range";
}

bool ApplyPick(CRecordingCalcDlg& dlg, const std::string& selection, std::string& error) {
    const std::size_t equals = selection.find('=');
    if (equals == std::string::npos) {
        error =
            Quoted(selection) + " is not a selection: write LIST=VALUE, for example model=Cedar";
        return false;
    }
    const std::string listName = selection.substr(0, equals);
    const std::string value = selection.substr(equals + 1);

    const CListName* pList = nullptr;
    for (const CListName& candidate : kListNames) {
        if (EqualsIgnoringCase(listName, candidate.name)) {
            pList = &candidate;
        }
    }
    if (pList == nullptr) {
        error = "unknown list " + Quoted(listName) + ": the lists are " + ListNames();
        return false;
    }

    CComboBox list;
    list.Attach(dlg.FindControl(pList->nID));
    if (!list.IsWindowEnabled()) {
        error = "cannot pick in the " + std::string(pList->name) +
                " list: it is disabled because " + DisabledReason(dlg, pList->nID);
        return false;
    }
    int nIndex = -1;
    if (ParsePosition(value, nIndex)) {
        if (nIndex < 0 || nIndex >= list.GetCount()) {
            error = value + " is not a position of the " + pList->name + " list, which has " +
                    std::to_string(list.GetCount()) + " entries (#0 to #" +
                    std::to_string(list.GetCount() - 1) + ")";
            return false;
        }
    } else {
        for (int i = 0; i < list.GetCount(); ++i) {
            if (EqualsIgnoringCase(value, list.GetLBText(i))) {
                nIndex = i;
                break;
            }
        }
        if (nIndex < 0) {
            error = Quoted(value) + " is not an entry of the " + pList->name +
                    " list; its entries are now " + EntriesOf(list) +
                    " (or #N for the N-th, from #0)";
            return false;
        }
    }

    dlg.OnUserPick(pList->nID, nIndex);
    return true;
}

} // namespace spanwise::cli
