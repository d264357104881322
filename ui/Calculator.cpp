#include "ui/Calculator.h"

#include "conditions/ListEnabling.h"

#include <cctype>

using namespace ctl;

namespace spanwise {

namespace {

struct CListFacts {
    const char* name;
    int nID;
};

// Indexed by CalcList.
// clang-format off
const CListFacts kListFacts[kCalcListCount] = {
    { "model",    IDC_MODEL },
    { "memory",   IDC_MEMORY },
    { "function", IDC_FUNCTION },
    { "sampling", IDC_SAMPLING },
    { "scanner",  IDC_SCANNER },
    { "channels", IDC_CHANNELS },
    { "range",    IDC_TIME_RANGE },
};
// clang-format on

const CListFacts& FactsOf(CalcList list) {
    return kListFacts[static_cast<int>(list)];
}

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

DisabledBecause ReasonFor(const CListEnabling& enabling, CalcList list) {
    switch (list) {
    case CalcList::Memory:
        return enabling.memory;
    case CalcList::Function:
        return enabling.function;
    case CalcList::Sampling:
        return enabling.sampling;
    case CalcList::Scanner:
        return enabling.scanner;
    case CalcList::Channels:
        return enabling.channels;
    case CalcList::Model:
    case CalcList::TimeRange:
        break;
    }
    return DisabledBecause::Nothing;
}

} // namespace

const CalcList kCalcLists[kCalcListCount] = {
    CalcList::Model,   CalcList::Memory,   CalcList::Function,  CalcList::Sampling,
    CalcList::Scanner, CalcList::Channels, CalcList::TimeRange,
};

const char* GetListName(CalcList list) {
    return FactsOf(list).name;
}

int GetListControlID(CalcList list) {
    return FactsOf(list).nID;
}

CCalculator::CCalculator(IDialogHost& host) : m_dlg(host) {
    m_dlg.Create();
}

const CControlState& CCalculator::Control(int nID) const {
    // Every id asked for is one of the template's controls, which Create() made.
    return *m_dlg.FindControl(nID);
}

bool CCalculator::Pick(CalcList list, int nPosition) {
    return m_dlg.OnUserPick(GetListControlID(list), nPosition);
}

bool CCalculator::PickText(CalcList list, const std::string& text) {
    const std::vector<std::string>& entries = GetEntries(list);
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (EqualsIgnoringCase(entries[i], text)) {
            return Pick(list, static_cast<int>(i));
        }
    }
    return false;
}

const std::vector<std::string>& CCalculator::GetEntries(CalcList list) const {
    return Control(GetListControlID(list)).m_entries;
}

int CCalculator::GetSelected(CalcList list) const {
    return Control(GetListControlID(list)).m_nCurSel;
}

std::string CCalculator::GetSelectedText(CalcList list) const {
    return m_dlg.GetDlgItem(GetListControlID(list)).GetWindowText();
}

bool CCalculator::IsEnabled(CalcList list) const {
    return Control(GetListControlID(list)).m_bEnabled;
}

std::string CCalculator::GetDisabledReason(CalcList list) const {
    if (IsEnabled(list)) {
        return {};
    }
    const CSelection selection = m_dlg.GetSelection();
    const DisabledBecause reason =
        ReasonFor(GetListEnabling(selection.nModel, selection.nFunction), list);
    const std::string model = "model \"" + GetSelectedText(CalcList::Model) + "\"";
    switch (reason) {
    case DisabledBecause::NoMemoryChoice:
        return model + " has no choice of internal memory";
    case DisabledBecause::MemOnly:
        return model + " records with MEM only";
    case DisabledBecause::SingleAxisOnly:
        return model + " samples on a single axis only";
    case DisabledBecause::NoScannerUnit:
        return model + " takes no Sable scanner unit";
    case DisabledBecause::FixedChannels:
        return model + " has a fixed channel configuration";
    case DisabledBecause::NotUnderRec:
        return list == CalcList::Sampling ? "the sampling mode does not apply under REC"
                                          : "the channel configuration does not apply under REC";
    case DisabledBecause::Nothing:
        break;
    }
    return "the list is disabled";
}

std::string CCalculator::GetRecordingLengthText() const {
    return Control(IDC_RECORDING_LENGTH).m_strText;
}

std::string CCalculator::GetSamplingPeriodText() const {
    return Control(IDC_SAMPLING_PERIOD).m_strText;
}

std::string CCalculator::GetSamplingPeriod() const {
    return m_dlg.GetSamplingPeriod();
}

bool CCalculator::IsSamplingPeriodShown() const {
    return Control(IDC_SAMPLING_PERIOD).m_bVisible;
}

std::string CCalculator::GetRecordingTimeText() const {
    return Control(IDC_RECORDING_TIME).m_strText;
}

int CCalculator::GetRecordingLengthDivs() const {
    return m_dlg.GetRecordingLengthDivs();
}

double CCalculator::GetSecondsPerDiv() const {
    return m_dlg.GetSecondsPerDiv();
}

double CCalculator::GetRecordingTimeSeconds() const {
    return m_dlg.GetRecordingTimeSeconds();
}

CCalculator::CFit CCalculator::FindFit(double dSeconds) const {
    CFit fit{false, 0};
    fit.nTimeRange = m_dlg.GetFittingTimeRange(dSeconds, fit.bFits);
    return fit;
}

bool CCalculator::FitRecordingTime(const std::string& duration) {
    return m_dlg.FitRecordingTime(duration);
}

std::string CCalculator::GetReport() const {
    return m_dlg.BuildReport();
}

void CCalculator::Copy() {
    m_dlg.OnUserClick(IDC_COPY);
}

CSelection CCalculator::GetSelection() const {
    return m_dlg.GetSelection();
}

void CCalculator::RestoreSelection(const CSelection& selection) {
    m_dlg.RestoreSelection(selection);
}

} // namespace spanwise
