// Refresh steps of the condition lists: Internal Memory, Function, Sampling, scanner unit and
// Channels. Each corrects its position (clamp to the list, then force where the model allows
// only one choice) and selects it; what survives a refill is the position, not the label.

#include "RecordingCalcDlg.h"

#include "conditions/ChannelTables.h"
#include "conditions/ModelCatalogue.h"
#include "res/StringTable.h"

using namespace spanwise;
using namespace ctl;

namespace {

// Lowers a position that lies beyond a list of nCount entries to its last entry.
void ClampToCount(int& nIndex, int nCount) {
    if (nIndex >= nCount) {
        nIndex = nCount - 1;
    }
}

} // namespace

void CRecordingCalcDlg::FillMemoryList() {
    const CModelRow& model = GetModelRow(m_nModel);
    const int nCount = model.memory.nOffered;
    m_cbMemory.ResetContent();
    for (int i = 0; i < nCount; ++i) {
        m_cbMemory.InsertString(-1, model.memory.labels[i]);
    }
    ClampToCount(m_nMemory, nCount);
    if (!HasMemoryChoice(m_nModel)) {
        m_nMemory = 0;
    }
    m_cbMemory.SetCurSel(m_nMemory);
}

void CRecordingCalcDlg::SelectFunction() {
    if (!HasRecFunction(m_nModel)) {
        m_nFunction = kFunctionMem;
    }
    m_cbFunction.SetCurSel(m_nFunction);
}

void CRecordingCalcDlg::SelectSampling() {
    if (!HasDualAxisSampling(m_nModel)) {
        m_nSampling = 0;
    }
    m_cbSampling.SetCurSel(m_nSampling);
}

void CRecordingCalcDlg::FillScannerList() {
    const unsigned* row = kScannerIdTable[GetScannerRow(m_nFunction, m_nSampling)];
    m_cbScanner.ResetContent();
    for (int i = 0; i < 2; ++i) {
        m_cbScanner.InsertString(-1, LoadString(row[i]));
    }
    if (!TakesScannerUnit(m_nModel)) {
        m_nScanner = 0;
    }
    m_cbScanner.SetCurSel(m_nScanner);
}

void CRecordingCalcDlg::FillChannelList() {
    const CChannelRow& row = GetChannelRow(m_nModel, m_nSampling, m_nScanner);
    m_cbChannels.ResetContent();
    for (int i = 0; i < row.nOffered; ++i) {
        m_cbChannels.InsertString(-1, row.labels[i]);
    }
    ClampToCount(m_nChannels, row.nOffered);
    if (GetModelRow(m_nModel).channels == ChannelChoice::FirstOnly) {
        m_nChannels = 0;
    }
    m_cbChannels.SetCurSel(m_nChannels);
}
