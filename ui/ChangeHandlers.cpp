// What a pick in each list refreshes: the steps downstream of that list, in chain order.

#include "RecordingCalcDlg.h"

namespace {

constexpr bool X = true;
constexpr bool o = false;

} // namespace

// The refresh chain. A step runs after a trigger when a change there can change what it shows:
// the opening, a restore and a model pick run the whole chain; Internal Memory and Channels share
// one handler.
// clang-format off
const CRecordingCalcDlg::CChainLink CRecordingCalcDlg::kRefreshChain[] = {
    // step                                   opening model memory function sampling scanner range
    { &CRecordingCalcDlg::FillMemoryList,      { X,     X,    o,     o,       o,       o,      o } },
    { &CRecordingCalcDlg::SelectFunction,      { X,     X,    o,     o,       o,       o,      o } },
    { &CRecordingCalcDlg::SelectSampling,      { X,     X,    o,     o,       o,       o,      o } },
    { &CRecordingCalcDlg::FillScannerList,     { X,     X,    o,     X,       X,       o,      o } },
    { &CRecordingCalcDlg::FillChannelList,     { X,     X,    o,     X,       X,       X,      o } },
    { &CRecordingCalcDlg::ShowRecordingLength, { X,     X,    X,     X,       X,       X,      o } },
    { &CRecordingCalcDlg::FillTimeRangeList,   { X,     X,    o,     X,       X,       X,      o } },
    { &CRecordingCalcDlg::ShowSamplingPeriod,  { X,     X,    o,     X,       X,       X,      X } },
    { &CRecordingCalcDlg::ShowRecordingTime,   { X,     X,    X,     X,       X,       X,      X } },
    { &CRecordingCalcDlg::UpdateControlStates, { X,     X,    o,     X,       o,       o,      o } },
};
// clang-format on

void CRecordingCalcDlg::RunRefreshSteps(Trigger trigger) {
    for (const CChainLink& link : kRefreshChain) {
        if (link.bRunsAfter[trigger]) {
            (this->*link.pfnStep)();
        }
    }
}

void CRecordingCalcDlg::OnSelchangeModel() {
    UpdateData(true);
    RunRefreshSteps(kModelPick);
}

void CRecordingCalcDlg::OnSelchangeMemory() {
    UpdateData(true);
    RunRefreshSteps(kMemoryPick);
}

void CRecordingCalcDlg::OnSelchangeFunction() {
    UpdateData(true);
    RunRefreshSteps(kFunctionPick);
}

void CRecordingCalcDlg::OnSelchangeSampling() {
    UpdateData(true);
    RunRefreshSteps(kSamplingPick);
}

void CRecordingCalcDlg::OnSelchangeScanner() {
    UpdateData(true);
    RunRefreshSteps(kScannerPick);
}

void CRecordingCalcDlg::OnSelchangeTimeRange() {
    UpdateData(true);
    RunRefreshSteps(kTimeRangePick);
}

CSelection CRecordingCalcDlg::GetSelection() const {
    return {m_nModel, m_nMemory, m_nFunction, m_nSampling, m_nScanner, m_nChannels, m_nTimeRange};
}

void CRecordingCalcDlg::RestoreSelection(const CSelection& selection) {
    m_nModel = selection.nModel;
    m_nMemory = selection.nMemory;
    m_nFunction = selection.nFunction;
    m_nSampling = selection.nSampling;
    m_nScanner = selection.nScanner;
    m_nChannels = selection.nChannels;
    m_nTimeRange = selection.nTimeRange;
    // The Model Number list is never refilled and no step selects in it.
    m_cbModel.SetCurSel(m_nModel);
    RunRefreshSteps(kOpening);
}
