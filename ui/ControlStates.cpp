// Greys out the lists that do not apply to the model and function, and hides the sampling
// period under REC. Selections and entries stay as they are.

#include "RecordingCalcDlg.h"

#include "conditions/ModelCatalogue.h"

using namespace spanwise;

void CRecordingCalcDlg::UpdateControlStates() {
    const bool bMem = m_nFunction == kFunctionMem;
    const bool bFixedModel = m_nModel == kGum || m_nModel == kJuniper;

    m_cbMemory.EnableWindow(HasMemoryChoice(m_nModel));
    m_cbFunction.EnableWindow(!bFixedModel);
    m_cbSampling.EnableWindow(bMem && HasDualAxisSampling(m_nModel));
    m_cbScanner.EnableWindow(TakesScannerUnit(m_nModel));
    m_cbChannels.EnableWindow(bMem && !bFixedModel);
    m_stSamplingPeriod.ShowWindow(bMem ? SW_SHOW : SW_HIDE);
}
