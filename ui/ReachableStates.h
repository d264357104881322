#pragma once

#include "ui/ConditionLists.h"

#include <functional>
#include <vector>

namespace spanwise {

class CCalculator;

// A state a walk reached, and the pick that first led to it.
struct CReachedState {
    CSelection selection;
    int nFrom = -1; // index of the state the pick was made in; -1 for the state the walk began in
    CalcList list = CalcList::Model; // the list picked in and the entry picked
    int nPosition = 0;
};

// Called after each pick of a walk, with the calculator showing the state the pick reached, which
// is reached.back() when bNew.
using PickVisitor =
    std::function<void(const CReachedState& pick, bool bNew, const CCalculator& calc)>;

// Every state a user reaches from the calculator's state by picking any entry of any enabled list
// among lists, in breadth-first order, so that a state comes after the one it was reached from.
// The calculator is left in the state the walk began in. pnPicks, when given, receives the number
// of picks made.
std::vector<CReachedState> WalkReachableStates(CCalculator& calc,
                                               const std::vector<CalcList>& lists,
                                               const PickVisitor& onPick = {},
                                               long* pnPicks = nullptr);

} // namespace spanwise
