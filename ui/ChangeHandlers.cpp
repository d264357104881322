// What a pick in each list refreshes: the steps downstream of that list, in chain order.

#include "RecordingCalcDlg.h"

void CRecordingCalcDlg::OnSelchangeModel() {
    UpdateData(true);
    RunFullChain();
}

void CRecordingCalcDlg::OnSelchangeMemory() {
    UpdateData(true);
    ShowRecordingLength();
    ShowRecordingTime();
}

void CRecordingCalcDlg::OnSelchangeFunction() {
    UpdateData(true);
    FillScannerList();
    FillChannelList();
    ShowRecordingLength();
    FillTimeRangeList();
    ShowSamplingPeriod();
    ShowRecordingTime();
    UpdateControlStates();
}

void CRecordingCalcDlg::OnSelchangeSampling() {
    UpdateData(true);
    FillScannerList();
    FillChannelList();
    ShowRecordingLength();
    FillTimeRangeList();
    ShowSamplingPeriod();
    ShowRecordingTime();
}

void CRecordingCalcDlg::OnSelchangeScanner() {
    UpdateData(true);
    FillChannelList();
    ShowRecordingLength();
    FillTimeRangeList();
    ShowSamplingPeriod();
    ShowRecordingTime();
}

void CRecordingCalcDlg::OnSelchangeTimeRange() {
    UpdateData(true);
    ShowSamplingPeriod();
    ShowRecordingTime();
}
