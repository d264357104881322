#include "ui/Calculator.h"

#include <set>

namespace spanwise {

std::vector<CReachedState> WalkReachableStates(CCalculator& calc,
                                               const std::vector<CalcList>& lists,
                                               const PickVisitor& onPick, long* pnPicks) {
    const CSelection start = calc.GetSelection();
    std::vector<CReachedState> reached{CReachedState{start}};
    std::set<CSelection> seen{start};
    long nPicks = 0;
    // The states are taken in the order they were found: breadth first.
    for (std::size_t nFrom = 0; nFrom < reached.size(); ++nFrom) {
        const CSelection from = reached[nFrom].selection;
        // What each list offers in the state the picks start from; a pick changes it.
        calc.RestoreSelection(from);
        std::vector<int> counts;
        counts.reserve(lists.size());
        for (const CalcList list : lists) {
            counts.push_back(calc.IsEnabled(list) ? static_cast<int>(calc.GetEntries(list).size())
                                                  : 0);
        }
        for (std::size_t i = 0; i < lists.size(); ++i) {
            for (int nPosition = 0; nPosition < counts[i]; ++nPosition) {
                calc.RestoreSelection(from);
                calc.Pick(lists[i], nPosition);
                ++nPicks;
                const CReachedState pick{calc.GetSelection(), static_cast<int>(nFrom), lists[i],
                                         nPosition};
                const bool bNew = seen.insert(pick.selection).second;
                if (bNew) {
                    reached.push_back(pick);
                }
                if (onPick) {
                    onPick(pick, bNew, calc);
                }
            }
        }
    }
    calc.RestoreSelection(start);
    if (pnPicks != nullptr) {
        *pnPicks = nPicks;
    }
    return reached;
}

} // namespace spanwise
