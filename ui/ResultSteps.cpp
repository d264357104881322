// Refresh steps of the results: the maximum recording length, the Time-axis Range list with its
// sampling period, and the maximum recording time.

#include "RecordingCalcDlg.h"

#include "calc/DurationFormat.h"
#include "calc/RecordingLength.h"
#include "calc/TimeAxisTable.h"

#include <string>

namespace {

// The recording time is shown to the microsecond, four digits after the point at most, in a
// field that holds 20 characters.
constexpr double kTimeResolution = 0.000001;
constexpr int kTimePrecision = 4;
constexpr int kTimeMaxLength = 20;

} // namespace

int CRecordingCalcDlg::GetRecordingLengthDivs() const {
    return spanwise::GetRecordingLengthDivs(m_nModel, m_nMemory, m_nFunction, m_nSampling,
                                            m_nScanner, m_nChannels);
}

double CRecordingCalcDlg::GetSecondsPerDiv() const {
    return GetSecondsPerDivAt(m_nTimeRange);
}

double CRecordingCalcDlg::GetRecordingTimeSeconds() const {
    return GetRecordingTimeSecondsAt(m_nTimeRange);
}

double CRecordingCalcDlg::GetSecondsPerDivAt(int nTimeRange) const {
    return spanwise::GetTimeAxisCell(spanwise::TimeAxisRow(m_nModel),
                                     GetFirstTimeRangeIndex() + nTimeRange)
        .secondsPerDiv;
}

double CRecordingCalcDlg::GetRecordingTimeSecondsAt(int nTimeRange) const {
    return static_cast<double>(GetRecordingLengthDivs()) * GetSecondsPerDivAt(nTimeRange);
}

std::string CRecordingCalcDlg::FormatRecordingTime(double dSeconds) {
    return spanwise::FormatDuration(dSeconds, kTimeResolution, kTimePrecision, kTimeMaxLength);
}

int CRecordingCalcDlg::GetChannelDivisor() const {
    return spanwise::GetChannelDivisor(m_nModel, m_nChannels);
}

int CRecordingCalcDlg::GetFirstTimeRangeIndex() const {
    return spanwise::GetFirstTimeRangeIndex(m_nModel, m_nFunction, m_nSampling, m_nScanner);
}

int CRecordingCalcDlg::GetLastTimeRangeIndex() const {
    return spanwise::GetLastTimeRangeIndex(m_nModel, m_nFunction);
}

void CRecordingCalcDlg::ShowRecordingLength() {
    m_stRecordingLength.SetWindowText(std::to_string(GetRecordingLengthDivs()) + " div");
}

void CRecordingCalcDlg::FillTimeRangeList() {
    const int nLast = GetLastTimeRangeIndex();
    const int nFirst = GetFirstTimeRangeIndex();
    const int nRow = spanwise::TimeAxisRow(m_nModel);
    m_cbTimeRange.ResetContent();
    for (int nColumn = nFirst; nColumn <= nLast; ++nColumn) {
        m_cbTimeRange.InsertString(-1, spanwise::GetTimeAxisCell(nRow, nColumn).label);
    }
    if (nFirst + m_nTimeRange > nLast) {
        m_nTimeRange = nLast - nFirst;
    }
    m_cbTimeRange.SetCurSel(m_nTimeRange);
}

std::string CRecordingCalcDlg::GetSamplingPeriod() const {
    return GetSamplingPeriodAt(m_nTimeRange);
}

std::string CRecordingCalcDlg::GetSamplingPeriodAt(int nTimeRange) const {
    return spanwise::GetTimeAxisCell(spanwise::TimeAxisRow(m_nModel),
                                     GetFirstTimeRangeIndex() + nTimeRange)
        .period;
}

void CRecordingCalcDlg::ShowSamplingPeriod() {
    m_stSamplingPeriod.SetWindowText("( " + GetSamplingPeriod() + " )");
}

void CRecordingCalcDlg::ShowRecordingTime() {
    m_stRecordingTime.SetWindowText(FormatRecordingTime(GetRecordingTimeSeconds()));
}
