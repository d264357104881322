#pragma once

#include "controls/ComboBox.h"
#include "controls/Dialog.h"
#include "controls/Font.h"
#include "controls/ToolTipCtrl.h"
#include "res/Resource.h"

#include <string>

// The calculator window: seven condition lists, the maximum recording length, the sampling period
// and the maximum recording time, and the Copy and Exit buttons.
//
// The seven m_n members are the selection state: the position of the selected entry in each list.
// Every change of a list runs the refresh steps downstream of it, always in the order
// FillMemoryList, SelectFunction, SelectSampling, FillScannerList, FillChannelList,
// ShowRecordingLength, FillTimeRangeList, ShowSamplingPeriod, ShowRecordingTime,
// UpdateControlStates; each step reads positions that the steps before it have corrected.
class CRecordingCalcDlg : public CDialog {
public:
    enum { IDD = IDD_RECORDINGCALC_DIALOG };

    explicit CRecordingCalcDlg(CDialog* pParent = nullptr);

    // Controls
    CButton m_btnExit;
    CButton m_btnCopy;
    CComboBox m_cbModel;
    CComboBox m_cbMemory;
    CComboBox m_cbFunction;
    CComboBox m_cbSampling;
    CComboBox m_cbScanner;
    CComboBox m_cbChannels;
    CComboBox m_cbTimeRange;
    CStatic m_stRecordingLength;
    CStatic m_stSamplingPeriod;
    CStatic m_stRecordingTime;

    // Selection state
    int m_nModel = 0;
    int m_nMemory = 0;
    int m_nFunction = 0;
    int m_nSampling = 0;
    int m_nScanner = 0;
    int m_nChannels = 0;
    int m_nTimeRange = 0; // counted from the first range the list offers

    CStatic m_grpRecordingLength;
    CStatic m_grpRecordingTime;
    CFont m_fontResult;
    CToolTipCtrl m_tooltip;
    HICON m_hIcon;
    HICON m_hIconSmall;

    // Refresh steps
    void FillMemoryList();
    void SelectFunction();
    void SelectSampling();
    void FillScannerList();
    void FillChannelList();
    void ShowRecordingLength();
    void FillTimeRangeList();
    void ShowSamplingPeriod();
    void ShowRecordingTime();
    void UpdateControlStates();

    // Queries on the selection state
    int GetRecordingLengthDivs() const;
    int GetChannelDivisor() const;
    int GetFirstTimeRangeIndex() const;
    int GetLastTimeRangeIndex() const;

    // Handlers
    void OnSelchangeModel();
    void OnSelchangeMemory(); // Internal Memory and Channels
    void OnSelchangeFunction();
    void OnSelchangeSampling();
    void OnSelchangeScanner();
    void OnSelchangeTimeRange();
    void OnCopy();

    // The text Copy puts on the clipboard, read from what the controls show now.
    std::string BuildReport() const;

    bool OnCommand(int nID, int nCode) override;
    void OnSysCommand(unsigned nID, long lParam) override;
    void OnCtlColor(CDC* pDC, CWnd* pWnd, unsigned nCtlColor) override;

    static void InitLogFont(LOGFONT& lf, int height, int weight, const char* faceName);

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    bool OnInitDialog() override;

private:
    void RunFullChain();
};
