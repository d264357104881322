#include "ReachableStates.h"

#include <iterator>
#include <set>

namespace spanwise::bench {

Selection SelectionOf(const CRecordingCalcDlg& dlg) {
    return {dlg.m_nModel,   dlg.m_nMemory,   dlg.m_nFunction, dlg.m_nSampling,
            dlg.m_nScanner, dlg.m_nChannels, dlg.m_nTimeRange};
}

void Restore(CRecordingCalcDlg& dlg, const Selection& selection) {
    dlg.m_nModel = selection[0];
    dlg.m_nMemory = selection[1];
    dlg.m_nFunction = selection[2];
    dlg.m_nSampling = selection[3];
    dlg.m_nScanner = selection[4];
    dlg.m_nChannels = selection[5];
    dlg.m_nTimeRange = selection[6];
    dlg.m_cbModel.SetCurSel(dlg.m_nModel);
    dlg.FillMemoryList();
    dlg.SelectFunction();
    dlg.SelectSampling();
    dlg.FillScannerList();
    dlg.FillChannelList();
    dlg.ShowRecordingLength();
    dlg.FillTimeRangeList();
    dlg.ShowSamplingPeriod();
    dlg.ShowRecordingTime();
    dlg.UpdateControlStates();
}

std::vector<CReachedState> WalkReachableStates(CRecordingCalcDlg& dlg, long* pnPicks) {
    Restore(dlg, Selection{});
    std::vector<CReachedState> reached{CReachedState{SelectionOf(dlg)}};
    std::set<Selection> seen{reached.front().selection};
    long nPicks = 0;
    // The states are taken in the order they were found: breadth first.
    for (std::size_t nFrom = 0; nFrom < reached.size(); ++nFrom) {
        const Selection from = reached[nFrom].selection;
        // What each list offers in the state the picks start from; a pick changes it.
        Restore(dlg, from);
        std::array<int, std::size(kLists)> counts{};
        for (std::size_t i = 0; i < std::size(kLists); ++i) {
            const CControlState& list = *dlg.FindControl(kLists[i]);
            counts[i] = list.m_bEnabled ? static_cast<int>(list.m_entries.size()) : 0;
        }
        for (std::size_t i = 0; i < std::size(kLists); ++i) {
            for (int nIndex = 0; nIndex < counts[i]; ++nIndex) {
                Restore(dlg, from);
                dlg.OnUserPick(kLists[i], nIndex);
                ++nPicks;
                const Selection to = SelectionOf(dlg);
                if (seen.insert(to).second) {
                    reached.push_back({to, static_cast<int>(nFrom), kLists[i], nIndex});
                }
            }
        }
    }
    if (pnPicks != nullptr) {
        *pnPicks = nPicks;
    }
    return reached;
}

} // namespace spanwise::bench
