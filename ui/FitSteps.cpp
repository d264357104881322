// Fit a Recording Time: from the recording time a measurement needs to the range that gives it.

#include "RecordingCalcDlg.h"

#include "FitTimeDlg.h"
#include "calc/DurationParse.h"
#include "calc/FitMessages.h"
#include "lang/Catalogue.h"

#include <memory>

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

std::string CRecordingCalcDlg::PlanFit(const std::string& duration, int& nTimeRange,
                                       double& dSeconds) const {
    std::string error;
    if (!spanwise::ParseDuration(duration, dSeconds, error)) {
        return spanwise::lang::TranslateFormat("Cannot read the recording time: %1.", {error});
    }
    bool bFits = false;
    nTimeRange = GetFittingTimeRange(dSeconds, bFits);
    if (!bFits) {
        return spanwise::NoRangeRecordsMessage(
            duration, FormatRecordingTime(GetRecordingTimeSecondsAt(nTimeRange)),
            m_cbTimeRange.GetLBText(nTimeRange));
    }
    return {};
}

bool CRecordingCalcDlg::FitRecordingTime(const std::string& duration) {
    int nTimeRange = 0;
    double dSeconds = 0;
    const std::string message = PlanFit(duration, nTimeRange, dSeconds);
    if (!message.empty()) {
        MessageBox(message);
        return false;
    }
    return AcceptFit(duration, dSeconds, nTimeRange);
}

bool CRecordingCalcDlg::AcceptFit(const std::string& duration, double dSeconds, int nTimeRange) {
    m_strFittedDuration = duration;
    m_dFittedSeconds = dSeconds;
    return PickForUser(IDC_TIME_RANGE, nTimeRange);
}

void CRecordingCalcDlg::OpenFitTime() {
    auto pFit = std::make_unique<CFitTimeDlg>(
        GetHost(), m_strFitDuration,
        [this](const std::string& duration) {
            m_strFitDuration = duration;
            int nTimeRange = 0;
            double dSeconds = 0;
            return PlanFit(duration, nTimeRange, dSeconds);
        },
        this);
    OpenChild<CFitTimeDlg>(std::move(pFit), [this](CFitTimeDlg& dlgFit, int nResult) {
        int nTimeRange = 0;
        double dSeconds = 0;
        if (nResult == IDOK && PlanFit(dlgFit.GetDuration(), nTimeRange, dSeconds).empty()) {
            AcceptFit(dlgFit.GetDuration(), dSeconds, nTimeRange);
        }
    });
}
