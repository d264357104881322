#include "PageButtons.h"

#include "Resource.h"

namespace {

struct CPageButtonRow {
    int nIDD;
    ctl::CAddedButton button;
};

// Ranges... in a row of its own in the group box of the Time-axis Range list, under the results
// it shows the ranges of.
// clang-format off
const CPageButtonRow kPageButtons[] = {
    // dialog                     command     beside            x    y   cx  cy
    { IDD_RECORDINGCALC_DIALOG, { IDM_RANGES, IDC_TIME_RANGE, { 180, 115, 95, 14 } } },
};
// clang-format on

} // namespace

std::vector<ctl::CAddedButton> GetPageButtons(int nIDD) {
    std::vector<ctl::CAddedButton> buttons;
    for (const CPageButtonRow& row : kPageButtons) {
        if (row.nIDD == nIDD) {
            buttons.push_back(row.button);
        }
    }
    return buttons;
}
