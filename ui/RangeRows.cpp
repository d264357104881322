#include "ui/RangeRows.h"

#include "RecordingCalcDlg.h"
#include "lang/Catalogue.h"

#include <algorithm>
#include <cmath>

namespace spanwise {

// clang-format off
const CRangeColumn kRangeColumns[3] = {
    { "range",           N_("Time-axis Range") },
    { "sampling_period", N_("Sampling Period") },
    { "recording_time",  N_("Maximum Recording Time") },
};
// clang-format on

double RecordingTimeBar(double dSeconds) {
    constexpr double kShortestDecade = -2; // 10 ms
    constexpr double kLongestDecade = 10;  // 10^10 s
    constexpr double kLeast = 0.02;
    if (!(dSeconds > 0)) {
        return kLeast;
    }
    const double dBar =
        (std::log10(dSeconds) - kShortestDecade) / (kLongestDecade - kShortestDecade);
    return std::clamp(dBar, kLeast, 1.0);
}

} // namespace spanwise

// What each range would show, read from the tables without picking it: the same texts the
// window shows once it is picked.
std::vector<spanwise::CRangeRow> CRecordingCalcDlg::GetRangeRows() const {
    std::vector<spanwise::CRangeRow> rows;
    const int nCount = m_cbTimeRange.GetCount();
    const bool bPeriodShown = m_stSamplingPeriod.IsWindowVisible();
    for (int i = 0; i < nCount; ++i) {
        spanwise::CRangeRow row;
        row.range = m_cbTimeRange.GetLBText(i);
        row.samplingPeriod = bPeriodShown ? GetSamplingPeriodAt(i) : "-";
        row.dRecordingTime = GetRecordingTimeSecondsAt(i);
        row.recordingTime = FormatRecordingTime(row.dRecordingTime);
        rows.push_back(std::move(row));
    }
    return rows;
}
