#pragma once

#include "controls/ComboBox.h"
#include "controls/Dialog.h"
#include "controls/Font.h"
#include "controls/ToolTipCtrl.h"
#include "res/Resource.h"
#include "ui/ConditionLists.h"
#include "ui/RangeRows.h"

#include <string>

// The calculator window: seven condition lists, the maximum recording length, the sampling period
// and the maximum recording time, and the Copy and Exit buttons.
//
// m_selection is the selection state, the position of the selected entry in each list; the steps
// read it by the seven m_n names. Every pick in a list runs the refresh steps downstream of it,
// always in the order of the chain (FillMemoryList ... UpdateControlStates); each step reads
// positions that the steps before it have corrected. Which steps a pick runs is one table,
// kRefreshChain (ChangeHandlers.cpp).
class CRecordingCalcDlg : public ctl::CDialog {
public:
    enum { IDD = IDD_RECORDINGCALC_DIALOG };

    explicit CRecordingCalcDlg(ctl::IDialogHost& host, ctl::CDialog* pParent = nullptr);

    const spanwise::CSelection& GetSelection() const { return m_selection; }
    // Brings the open dialog to a selection that user picks reached: the members as given, then
    // the whole chain, as the opening does.
    void RestoreSelection(const spanwise::CSelection& selection);

    // The results as numbers, from the selection state: the recording length, the seconds per
    // division of the selected range and the recording time shown (their product).
    int GetRecordingLengthDivs() const;
    double GetSecondsPerDiv() const;
    double GetRecordingTimeSeconds() const;
    // The same at position nTimeRange of the Time-axis Range list instead of the selected one.
    double GetSecondsPerDivAt(int nTimeRange) const;
    double GetRecordingTimeSecondsAt(int nTimeRange) const;
    // The sampling period of the selected range as the table writes it ("50ns/S").
    std::string GetSamplingPeriod() const;
    std::string GetSamplingPeriodAt(int nTimeRange) const;
    // Every range the Time-axis Range list offers with what the window shows once it is picked.
    std::vector<spanwise::CRangeRow> GetRangeRows() const;

    // The range a recording of dSeconds needs: the position of the finest range the Time-axis
    // Range list offers whose recording time is at least dSeconds, with bFits true; else the
    // position of the longest recording time, with bFits false.
    int GetFittingTimeRange(double dSeconds, bool& bFits) const;
    // The range a recording of duration (as a user writes it, "3d") needs: empty, with
    // nTimeRange its position and dSeconds the duration read, or the message that says why there
    // is none (the duration cannot be read, or no range lasts that long).
    std::string PlanFit(const std::string& duration, int& nTimeRange, double& dSeconds) const;
    // Fit a Recording Time: picks the range a recording of duration needs as a user would pick
    // it; when there is none, says why in a message box and changes nothing. Returns whether a
    // range was picked.
    bool FitRecordingTime(const std::string& duration);
    // A recording time as the dialog shows it ("2d7h33min20s").
    static std::string FormatRecordingTime(double dSeconds);

    // The text Copy puts on the clipboard, read from what the controls show now.
    std::string BuildReport() const;

    bool OnCommand(int nID, int nCode) override;
    void OnSysCommand(unsigned nID, long lParam) override;
    void OnCtlColor(ctl::CDC* pDC, ctl::CWnd* pWnd, unsigned nCtlColor) override;

protected:
    // The sampling period is named for itself, not for the group box it stands in.
    std::string GetFieldName(const ctl::CControlState& control) const override;
    std::string GetFieldValue(const ctl::CControlState& control) const override;

    void DoDataExchange(ctl::CDataExchange* pDX) override;
    bool OnInitDialog() override;

private:
    // What sets the refresh chain going: the opening (and a restore), or a pick in one of the
    // lists, in the order of CalcList.
    static constexpr int kOpening = 0;
    static constexpr int kTriggerCount = 1 + spanwise::kCalcListCount;
    static int PickIn(spanwise::CalcList list) { return 1 + static_cast<int>(list); }

    using RefreshStep = void (CRecordingCalcDlg::*)();
    struct CChainLink {
        RefreshStep pfnStep;
        bool bRunsAfter[kTriggerCount];
    };
    static const CChainLink kRefreshChain[];

    // The message map: which handler serves which notification of which control. A handler is
    // told the control.
    using Handler = void (CRecordingCalcDlg::*)(int nID);
    struct CCommandMapEntry {
        int nID;
        int nCode;
        Handler pfn;
    };
    static const CCommandMapEntry kCommandMap[];

    // Runs the steps of the chain that trigger runs, in chain order.
    void RunRefreshSteps(int nTrigger);

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
    int GetChannelDivisor() const;
    int GetFirstTimeRangeIndex() const;
    int GetLastTimeRangeIndex() const;

    // Handlers
    // A pick in any of the seven lists: the steps downstream of that list.
    void OnSelchangeList(int nID);
    void OnCopy(int nID);
    // The window menu's Fit a Recording Time: asks for a duration until one is accepted or the
    // question is cancelled, then picks its range.
    void OpenFitTime();
    // Picks the range of an accepted duration, which the Ranges box then marks.
    bool AcceptFit(const std::string& duration, double dSeconds, int nTimeRange);
    // The Ranges box over the dialog; the row the user chooses is picked in the range list.
    void OpenRanges();

    static void InitLogFont(ctl::LOGFONT& lf, int height, int weight, const char* faceName);

    // Controls
    ctl::CButton m_btnExit;
    ctl::CButton m_btnCopy;
    ctl::CComboBox m_cbModel;
    ctl::CComboBox m_cbMemory;
    ctl::CComboBox m_cbFunction;
    ctl::CComboBox m_cbSampling;
    ctl::CComboBox m_cbScanner;
    ctl::CComboBox m_cbChannels;
    ctl::CComboBox m_cbTimeRange;
    ctl::CStatic m_stRecordingLength;
    ctl::CStatic m_stSamplingPeriod;
    ctl::CStatic m_stRecordingTime;
    ctl::CStatic m_grpRecordingLength;
    ctl::CStatic m_grpRecordingTime;

    // Selection state
    spanwise::CSelection m_selection;
    int& m_nModel = m_selection[spanwise::CalcList::Model];
    int& m_nMemory = m_selection[spanwise::CalcList::Memory];
    int& m_nFunction = m_selection[spanwise::CalcList::Function];
    int& m_nSampling = m_selection[spanwise::CalcList::Sampling];
    int& m_nScanner = m_selection[spanwise::CalcList::Scanner];
    int& m_nChannels = m_selection[spanwise::CalcList::Channels];
    int& m_nTimeRange = m_selection[spanwise::CalcList::TimeRange]; // from the first range offered

    // The duration last tried in Fit a Recording Time, which it offers when it opens again.
    std::string m_strFitDuration;
    // The duration Fit a Recording Time last accepted, as typed, and in seconds; 0 for none.
    std::string m_strFittedDuration;
    double m_dFittedSeconds = 0;

    ctl::CFont m_fontResult;
    ctl::CToolTipCtrl m_tooltip;
    ctl::HICON m_hIcon;
    ctl::HICON m_hIconSmall;
};
