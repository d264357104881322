// What a pick in each list refreshes: the steps downstream of that list, in chain order.

#include "RecordingCalcDlg.h"

using spanwise::CalcList;

namespace {

constexpr bool X = true;
constexpr bool o = false;

} // namespace

// The refresh chain. A step runs after a trigger when a change there can change what it shows:
// the opening, a restore and a model pick run the whole chain; a pick in Internal Memory and one
// in Channels run the same steps.
// clang-format off
const CRecordingCalcDlg::CChainLink CRecordingCalcDlg::kRefreshChain[] = {
    // step                                   opening model memory function sampling scanner channels range
    { &CRecordingCalcDlg::FillMemoryList,      { X,     X,    o,     o,       o,       o,      o,       o } },
    { &CRecordingCalcDlg::SelectFunction,      { X,     X,    o,     o,       o,       o,      o,       o } },
    { &CRecordingCalcDlg::SelectSampling,      { X,     X,    o,     o,       o,       o,      o,       o } },
    { &CRecordingCalcDlg::FillScannerList,     { X,     X,    o,     X,       X,       o,      o,       o } },
    { &CRecordingCalcDlg::FillChannelList,     { X,     X,    o,     X,       X,       X,      o,       o } },
    { &CRecordingCalcDlg::ShowRecordingLength, { X,     X,    X,     X,       X,       X,      X,       o } },
    { &CRecordingCalcDlg::FillTimeRangeList,   { X,     X,    o,     X,       X,       X,      o,       o } },
    { &CRecordingCalcDlg::ShowSamplingPeriod,  { X,     X,    o,     X,       X,       X,      o,       X } },
    { &CRecordingCalcDlg::ShowRecordingTime,   { X,     X,    X,     X,       X,       X,      X,       X } },
    { &CRecordingCalcDlg::UpdateControlStates, { X,     X,    o,     X,       o,       o,      o,       o } },
};
// clang-format on

void CRecordingCalcDlg::RunRefreshSteps(int nTrigger) {
    for (const CChainLink& link : kRefreshChain) {
        if (link.bRunsAfter[nTrigger]) {
            (this->*link.pfnStep)();
        }
    }
}

void CRecordingCalcDlg::OnSelchangeList(int nID) {
    CalcList list = CalcList::Model;
    if (!spanwise::FindListOfControl(nID, list)) {
        return;
    }
    UpdateData(true);
    RunRefreshSteps(PickIn(list));
}

void CRecordingCalcDlg::RestoreSelection(const spanwise::CSelection& selection) {
    m_selection = selection;
    // The Model Number list is never refilled and no step selects in it.
    m_cbModel.SetCurSel(m_nModel);
    RunRefreshSteps(kOpening);
}
