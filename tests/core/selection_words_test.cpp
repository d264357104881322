// The selections that reopen a state, as the web page keeps them in its address: applied to a
// calculator just opened, they reach every state a user can reach, exactly.

#include "controls/DialogHost.h"
#include "ui/Calculator.h"

#include <gtest/gtest.h>

#include <iterator>

using namespace ctl;

namespace spanwise::test {
namespace {

TEST(SelectionWords, ReopenEveryReachableState) {
    CHeadlessHost host;
    CCalculator calc(host);
    int nFailures = 0;
    for (const CReachedState& state :
         WalkReachableStates(calc, {std::begin(kCalcLists), std::end(kCalcLists)})) {
        calc.RestoreSelection(state.selection);
        CHeadlessHost otherHost;
        CCalculator reopened(otherHost);
        for (const std::string& word : GetSelectionWords(calc)) {
            std::string error;
            ASSERT_TRUE(ApplyPick(reopened, word, error)) << word << ": " << error;
        }
        if (reopened.GetSelection() != state.selection && ++nFailures <= 5) {
            ADD_FAILURE() << "not reopened by "
                          << ::testing::PrintToString(GetSelectionWords(calc));
        }
    }
    EXPECT_EQ(nFailures, 0);
}

} // namespace
} // namespace spanwise::test
