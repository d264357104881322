// Greys out the lists that do not apply to the model and function, and hides the sampling
// period under REC. Selections and entries stay as they are.

#include "RecordingCalcDlg.h"

#include "conditions/ListEnabling.h"

using namespace spanwise;
using namespace ctl;

void CRecordingCalcDlg::UpdateControlStates() {
    const CListEnabling enabling = GetListEnabling(m_nModel, m_nFunction);
    m_cbMemory.EnableWindow(enabling.memory == DisabledBecause::Nothing);
    m_cbFunction.EnableWindow(enabling.function == DisabledBecause::Nothing);
    m_cbSampling.EnableWindow(enabling.sampling == DisabledBecause::Nothing);
    m_cbScanner.EnableWindow(enabling.scanner == DisabledBecause::Nothing);
    m_cbChannels.EnableWindow(enabling.channels == DisabledBecause::Nothing);
    m_stSamplingPeriod.ShowWindow(enabling.bSamplingPeriodShown ? SW_SHOW : SW_HIDE);
}
