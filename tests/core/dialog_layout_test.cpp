// Dialog units to pixels: a quarter of the horizontal base unit, an eighth of the vertical one,
// rounded to the nearest pixel with halves going up.

#include "controls/DialogLayout.h"
#include "controls/Messages.h"
#include "res/DialogTemplates.h"
#include "res/Resource.h"

#include <gtest/gtest.h>

using namespace ctl;

namespace {

struct CMappingCase {
    int nBaseX, nBaseY;
    int x, y, cx, cy;
    CRect expected;
};

void PrintTo(const CMappingCase& row, std::ostream* pOut) {
    *pOut << "base " << row.nBaseX << "x" << row.nBaseY << ", " << row.x << "," << row.y << ","
          << row.cx << "," << row.cy;
}

class DialogUnitsTest : public ::testing::TestWithParam<CMappingCase> {};

TEST_P(DialogUnitsTest, MapsEachCoordinateOnItsOwn) {
    const CMappingCase& row = GetParam();
    const CDialogBaseUnits units{row.nBaseX, row.nBaseY};
    EXPECT_EQ(MapDialogRect({row.x, row.y, row.cx, row.cy}, units), row.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rounding, DialogUnitsTest,
    ::testing::Values(
        // The calculator at base units 6 x 12: 289 x 150 units; 433.5 and 225 pixels.
        CMappingCase{6, 12, 0, 0, 289, 150, CRect{0, 0, 434, 225}},
        // At 7 x 13: 505.75 -> 506 and 243.75 -> 244; a label at 10, 22: 17.5 -> 18, 35.75 -> 36.
        CMappingCase{7, 13, 10, 22, 289, 150, CRect{18, 36, 506, 244}},
        // Quarters that round down: 1 unit at base 5 is 1.25 pixels, 3 units at base 9 is 3.375.
        CMappingCase{5, 9, 1, 3, 1, 3, CRect{1, 3, 1, 3}},
        // The Copy button at 8 x 16: 169, 131, 54, 14 -> 338, 262, 108, 28.
        CMappingCase{8, 16, 169, 131, 54, 14, CRect{338, 262, 108, 28}}));

// The values the window passes: dialog units times a base unit over 4 or 8, and the width of the
// 52 letters over 52. Halves round up.
TEST(MulDivTest, RoundsHalvesUp) {
    const int kCases[][4] = {
        {1, 6, 4, 2},    {3, 6, 4, 5},    {289, 7, 4, 506}, {150, 13, 8, 244}, {5, 13, 8, 8},
        {338, 1, 52, 7}, {390, 1, 52, 8}, {389, 1, 52, 7},  {0, 7, 4, 0},      {260, 16, 8, 520},
    };
    for (const auto& c : kCases) {
        EXPECT_EQ(MulDiv(c[0], c[1], c[2]), c[3]) << c[0] << " * " << c[1] << " / " << c[2];
    }
}

std::size_t IndexOf(const CDialogTemplate& dlgTemplate, int nID) {
    for (std::size_t i = 0; i < dlgTemplate.nItems; ++i) {
        if (dlgTemplate.items[i].nID == nID) {
            return i;
        }
    }
    return dlgTemplate.nItems;
}

// The caption that names each list and field, and the group box that frames each control: what
// the front ends label and nest their widgets by.
TEST(DialogLayoutTest, NamesListsByTheirCaptionsAndFieldsByTheirGroups) {
    const CDialogLayout layout = LayOutDialog(kRecordingCalcTemplate, {6, 12});
    const auto label = [&](int nID) {
        const int nLabel = layout.controls[IndexOf(kRecordingCalcTemplate, nID)].nLabel;
        return nLabel < 0 ? 0 : kRecordingCalcTemplate.items[nLabel].nID;
    };
    const auto group = [&](int nID) {
        const int nGroup = layout.controls[IndexOf(kRecordingCalcTemplate, nID)].nGroup;
        return nGroup < 0 ? 0 : kRecordingCalcTemplate.items[nGroup].nID;
    };
    EXPECT_EQ(label(IDC_MODEL), IDC_LBL_MODEL);
    EXPECT_EQ(label(IDC_CHANNELS), IDC_LBL_CHANNELS);
    EXPECT_EQ(label(IDC_TIME_RANGE), IDC_LBL_TIME_RANGE);
    EXPECT_EQ(label(IDC_RECORDING_LENGTH), IDC_GRP_RECORDING_LENGTH);
    EXPECT_EQ(label(IDC_RECORDING_TIME), IDC_GRP_RECORDING_TIME);
    EXPECT_EQ(label(IDC_COPY), 0);
    EXPECT_EQ(label(IDC_LBL_MODEL), 0);
    EXPECT_EQ(group(IDC_MODEL), IDC_STATIC);
    EXPECT_EQ(group(IDC_TIME_RANGE), IDC_GRP_RECORDING_TIME);
    EXPECT_EQ(group(IDC_COPY), 0);
    EXPECT_EQ(layout.cx, 434);
    EXPECT_EQ(layout.cy, 225);
}

} // namespace
