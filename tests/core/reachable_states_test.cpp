// A walk over every state a user can reach from the opening state by picking any entry of any
// enabled list, checking on each that the dialog is consistent and reads no empty table cell.

#include "calc/RecordingLength.h"
#include "calc/TimeAxisTable.h"
#include "conditions/ModelCatalogue.h"
#include "controls/DialogHost.h"
#include "ui/Calculator.h"

#include <gtest/gtest.h>

#include <iostream>
#include <map>

using namespace ctl;

namespace spanwise::test {
namespace {

// What the user sees of the calculator: every list, the three result texts and the selection.
struct CShown {
    std::vector<std::vector<std::string>> entries;
    std::vector<int> selected;
    std::vector<bool> enabled;
    std::string length, period, time;
    bool bPeriodShown = false;
    CSelection selection;

    bool operator==(const CShown& o) const {
        return entries == o.entries && selected == o.selected && enabled == o.enabled &&
               length == o.length && period == o.period && time == o.time &&
               bPeriodShown == o.bPeriodShown && selection == o.selection;
    }
};

CShown ShownBy(const CCalculator& calc) {
    CShown shown;
    for (const CalcList list : kCalcLists) {
        shown.entries.push_back(calc.GetEntries(list));
        shown.selected.push_back(calc.GetSelected(list));
        shown.enabled.push_back(calc.IsEnabled(list));
    }
    shown.length = calc.GetRecordingLengthText();
    shown.period = calc.GetSamplingPeriodText();
    shown.time = calc.GetRecordingTimeText();
    shown.bPeriodShown = calc.IsSamplingPeriodShown();
    shown.selection = calc.GetSelection();
    return shown;
}

// Reads on the selected state only what the lists offered, never an empty cell or a zero.
void ExpectConsistent(const CCalculator& calc) {
    const CSelection& s = calc.GetSelection();
    for (const CalcList list : kCalcLists) {
        ASSERT_GE(s[list], 0) << GetListName(list);
        ASSERT_LT(s[list], static_cast<int>(calc.GetEntries(list).size())) << GetListName(list);
        ASSERT_EQ(calc.GetSelected(list), s[list]) << GetListName(list);
    }
    const int nModel = s[CalcList::Model];
    const int nFunction = s[CalcList::Function];
    const CTimeAxisCell& cell = GetTimeAxisCell(
        TimeAxisRow(nModel),
        GetFirstTimeRangeIndex(nModel, nFunction, s[CalcList::Sampling], s[CalcList::Scanner]) +
            s[CalcList::TimeRange]);
    EXPECT_STRNE(cell.label, "");
    EXPECT_STRNE(cell.period, "");
    EXPECT_GT(cell.secondsPerDiv, 0.0);
    EXPECT_EQ(calc.GetSelectedText(CalcList::TimeRange), cell.label);

    // The channel divisor is read under MEM by every model but Gum and Juniper.
    if (nFunction == kFunctionMem && nModel != kGum && nModel != kJuniper) {
        EXPECT_GT(GetChannelDivisor(nModel, s[CalcList::Channels]), 0);
    }
    EXPECT_GT(calc.GetRecordingLengthDivs(), 0);
    EXPECT_EQ(calc.GetRecordingLengthText(),
              std::to_string(calc.GetRecordingLengthDivs()) + " div");
    const std::string time = calc.GetRecordingTimeText();
    EXPECT_FALSE(time.empty());
    EXPECT_LE(time.size(), 20U) << time;
}

TEST(ReachableStates, EveryStateIsConsistent) {
    CHeadlessHost host;
    CCalculator calc(host);
    std::map<CSelection, CShown> seen{{calc.GetSelection(), ShownBy(calc)}};
    long nPicks = 0;
    const std::vector<CReachedState> states = WalkReachableStates(
        calc, {std::begin(kCalcLists), std::end(kCalcLists)},
        [&](const CReachedState& pick, bool bNew, const CCalculator& picked) {
            ExpectConsistent(picked);
            if (::testing::Test::HasFailure()) {
                FAIL() << "after picking #" << pick.nPosition << " of " << GetListName(pick.list);
            }
            const CShown shown = ShownBy(picked);
            if (bNew) {
                seen.emplace(pick.selection, shown);
            } else {
                ASSERT_EQ(seen.at(pick.selection), shown) << "one selection state shown two ways";
            }
        },
        &nPicks);
    ASSERT_FALSE(::testing::Test::HasFailure());
    for (const CReachedState& state : states) {
        calc.RestoreSelection(state.selection);
        ASSERT_EQ(ShownBy(calc), seen.at(state.selection)) << "restoring a state gave another one";
    }
    std::cout << "[ walk     ] " << states.size() << " reachable states, " << nPicks << " picks\n";
    ::testing::Test::RecordProperty("reachable_states", static_cast<int>(states.size()));
    EXPECT_EQ(states.size(), seen.size());
    EXPECT_GT(states.size(), 1000U);
}

} // namespace
} // namespace spanwise::test
