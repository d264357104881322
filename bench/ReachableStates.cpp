#include "ReachableStates.h"

#include <iterator>
#include <set>

using namespace ctl;

namespace spanwise::bench {

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
