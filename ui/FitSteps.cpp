// Fit a Recording Time: from the recording time a measurement needs to the range that gives it.

#include "RecordingCalcDlg.h"

#include "calc/DurationParse.h"

using namespace ctl;

// The list offers its ranges shortest first, so the first that lasts long enough samples finest.
int CRecordingCalcDlg::GetFittingTimeRange(double dSeconds, bool& bFits) const {
    const int nCount = m_cbTimeRange.GetCount();
    int nLongest = 0;
    for (int i = 0; i < nCount; ++i) {
        const double dTime = GetRecordingTimeSecondsAt(i);
        if (dTime >= dSeconds) {
            bFits = true;
            return i;
        }
        if (dTime > GetRecordingTimeSecondsAt(nLongest)) {
            nLongest = i;
        }
    }
    bFits = false;
    return nLongest;
}

bool CRecordingCalcDlg::FitRecordingTime(const std::string& duration) {
    double dSeconds = 0;
    std::string error;
    if (!spanwise::ParseDuration(duration, dSeconds, error)) {
        MessageBox("Cannot read the recording time: " + error + ".");
        return false;
    }
    bool bFits = false;
    const int nTimeRange = GetFittingTimeRange(dSeconds, bFits);
    if (!bFits) {
        MessageBox("No time-axis range records " + FormatRecordingTime(dSeconds) +
                   " under these conditions: the longest recording time is " +
                   FormatRecordingTime(GetRecordingTimeSecondsAt(nTimeRange)) + ", at " +
                   m_cbTimeRange.GetLBText(nTimeRange) + ".");
        return false;
    }
    m_strFittedDuration = duration;
    m_dFittedSeconds = dSeconds;
    return OnUserPick(IDC_TIME_RANGE, nTimeRange);
}
