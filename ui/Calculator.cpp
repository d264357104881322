#include "ui/Calculator.h"

#include "conditions/ListEnabling.h"
#include "lang/Catalogue.h"
#include "ui/RecordingCalcDlg.h"

using namespace ctl;

namespace spanwise {

namespace {

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

const CControlState& ListState(const CRecordingCalcDlg& dlg, CalcList list) {
    // Every list is one of the template's controls, which the constructor made.
    return *dlg.FindControl(GetListControlID(list));
}

} // namespace

CCalculator::CCalculator(IDialogHost& host) : m_pDlg(std::make_unique<CRecordingCalcDlg>(host)) {
    m_pDlg->Create();
}

CCalculator::~CCalculator() = default;

void CCalculator::Show(DialogEnded onEnded) {
    m_pDlg->Open(std::move(onEnded));
}

int CCalculator::Run() {
    return m_pDlg->DoModal();
}

const std::string& CCalculator::ControlText(int nID) const {
    return m_pDlg->FindControl(nID)->m_strText;
}

bool CCalculator::Pick(CalcList list, int nPosition) {
    return m_pDlg->PickFromOutside(GetListControlID(list), nPosition);
}

const std::vector<std::string>& CCalculator::GetEntries(CalcList list) const {
    return ListState(*m_pDlg, list).m_entries;
}

int CCalculator::GetSelected(CalcList list) const {
    return ListState(*m_pDlg, list).m_nCurSel;
}

std::string CCalculator::GetSelectedText(CalcList list) const {
    return m_pDlg->GetDlgItem(GetListControlID(list)).GetWindowText();
}

bool CCalculator::IsEnabled(CalcList list) const {
    return ListState(*m_pDlg, list).m_bEnabled;
}

namespace {

// Why a list is disabled, as a clause that follows "disabled because": where the model is named
// and where it is in view. Each is a whole clause, translated as one.
struct CDisabledClause {
    DisabledBecause reason;
    const char* named; // %1: the model
    const char* here;
};

// clang-format off
const CDisabledClause kDisabledClauses[] = {
    { DisabledBecause::NoMemoryChoice, N_("model \"%1\" has no choice of internal memory"),   N_("this model has no choice of internal memory") },
    { DisabledBecause::MemOnly,        N_("model \"%1\" records with MEM only"),              N_("this model records with MEM only") },
    { DisabledBecause::SingleAxisOnly, N_("model \"%1\" samples on a single axis only"),      N_("this model samples on a single axis only") },
    { DisabledBecause::NoScannerUnit,  N_("model \"%1\" takes no Sable scanner unit"),        N_("this model takes no Sable scanner unit") },
    { DisabledBecause::FixedChannels,  N_("model \"%1\" has a fixed channel configuration"),  N_("this model has a fixed channel configuration") },
};
// clang-format on

} // namespace

std::string CCalculator::GetDisabledReason(CalcList list, bool bNameModel) const {
    if (IsEnabled(list)) {
        return {};
    }
    const CSelection& selection = m_pDlg->GetSelection();
    const DisabledBecause reason =
        ReasonFor(GetListEnabling(selection[CalcList::Model], selection[CalcList::Function]), list);
    if (reason == DisabledBecause::NotUnderRec) {
        return list == CalcList::Sampling
                   ? lang::Translate("the sampling mode does not apply under REC")
                   : lang::Translate("the channel configuration does not apply under REC");
    }
    for (const CDisabledClause& clause : kDisabledClauses) {
        if (clause.reason == reason) {
            return bNameModel
                       ? lang::TranslateFormat(clause.named, {GetSelectedText(CalcList::Model)})
                       : lang::Translate(clause.here);
        }
    }
    return lang::Translate("the list is disabled");
}

std::string CCalculator::GetListCaption(CalcList list) const {
    return m_pDlg->GetAccessibleName(ListState(*m_pDlg, list));
}

std::string CCalculator::GetRecordingLengthText() const {
    return ControlText(IDC_RECORDING_LENGTH);
}

std::string CCalculator::GetSamplingPeriodText() const {
    return ControlText(IDC_SAMPLING_PERIOD);
}

std::string CCalculator::GetSamplingPeriod() const {
    return m_pDlg->GetSamplingPeriod();
}

bool CCalculator::IsSamplingPeriodShown() const {
    return m_pDlg->FindControl(IDC_SAMPLING_PERIOD)->m_bVisible;
}

std::string CCalculator::GetRecordingTimeText() const {
    return ControlText(IDC_RECORDING_TIME);
}

int CCalculator::GetRecordingLengthDivs() const {
    return m_pDlg->GetRecordingLengthDivs();
}

double CCalculator::GetSecondsPerDiv() const {
    return m_pDlg->GetSecondsPerDiv();
}

double CCalculator::GetRecordingTimeSeconds() const {
    return m_pDlg->GetRecordingTimeSeconds();
}

CCalculator::CFit CCalculator::FindFit(double dSeconds) const {
    CFit fit{false, 0};
    fit.nTimeRange = m_pDlg->GetFittingTimeRange(dSeconds, fit.bFits);
    return fit;
}

bool CCalculator::FitRecordingTime(const std::string& duration) {
    return m_pDlg->FitRecordingTime(duration);
}

std::vector<CRangeRow> CCalculator::GetRangeRows() const {
    return m_pDlg->GetRangeRows();
}

std::string CCalculator::GetReport() const {
    return m_pDlg->BuildReport();
}

void CCalculator::Copy() {
    m_pDlg->OnUserClick(IDC_COPY);
}

void CCalculator::ShowMessage(const std::string& text) {
    m_pDlg->MessageBox(text);
}

const CSelection& CCalculator::GetSelection() const {
    return m_pDlg->GetSelection();
}

void CCalculator::RestoreSelection(const CSelection& selection) {
    m_pDlg->RestoreSelection(selection);
}

} // namespace spanwise
