#pragma once

#include <array>
#include <cstddef>

// The seven condition lists of the calculator, described once: what the dialog, the calculator
// API, the command line and the walks over the reachable states know of each.

namespace spanwise {

// In dialog (tab) order; a pick in one refills only lists after it.
enum class CalcList { Model, Memory, Function, Sampling, Scanner, Channels, TimeRange };
constexpr int kCalcListCount = 7;
extern const CalcList kCalcLists[kCalcListCount];

struct CListFacts {
    const char* name;       // on command lines and in the JSON state
    int nID;                // the list's control
    int nLabelID;           // the caption before it
    bool bDashWhenDisabled; // the Copy report writes "-" while the list is disabled
};

const CListFacts& GetListFacts(CalcList list);
// "model", "memory", "function", "sampling", "scanner", "channels", "range".
const char* GetListName(CalcList list);
int GetListControlID(CalcList list);
// The list whose control is nID; false when nID is no list's.
bool FindListOfControl(int nID, CalcList& list);

// The dialog's selection state as one value: the position of the selected entry in each list.
// The time-axis range is counted from the first range the list offers.
class CSelection {
public:
    int& operator[](CalcList list) { return m_positions[Slot(list)]; }
    int operator[](CalcList list) const { return m_positions[Slot(list)]; }

    bool operator==(const CSelection& other) const { return m_positions == other.m_positions; }
    bool operator!=(const CSelection& other) const { return !(*this == other); }
    bool operator<(const CSelection& other) const { return m_positions < other.m_positions; }

private:
    static std::size_t Slot(CalcList list) { return static_cast<std::size_t>(list); }

    std::array<int, kCalcListCount> m_positions{};
};

} // namespace spanwise
