// Dialog units to pixels: a quarter of the horizontal base unit, an eighth of the vertical one,
// rounded to the nearest pixel with halves going up.

#include "controls/DialogLayout.h"
#include "controls/Messages.h"
#include "res/DialogTemplates.h"
#include "res/PageButtons.h"
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

bool Overlap(const CRect& a, const CRect& b) {
    return a.x < b.x + b.cx && b.x < a.x + a.cx && a.y < b.y + b.cy && b.y < a.y + a.cy;
}

bool Holds(const CRect& outer, const CRect& inner) {
    return inner.x >= outer.x && inner.y >= outer.y && inner.x + inner.cx <= outer.x + outer.cx &&
           inner.y + inner.cy <= outer.y + outer.cy;
}

// The buttons the web page adds take rows of their own: in every dialog, no control covers
// another (a list as high as it is closed), each lies in its group box and the dialog.
TEST(DialogLayoutTest, AddedButtonsCoverNothing) {
    const CDialogBaseUnits units{6, 12};
    for (const CDialogTemplate* pTemplate :
         {&kRecordingCalcTemplate, &kAboutBoxTemplate, &kFitTimeTemplate, &kRangesTemplate}) {
        const std::vector<CAddedButton> added = GetPageButtons(pTemplate->nIDD);
        const CDialogLayout layout = LayOutDialog(*pTemplate, units, added);
        std::vector<CControlPlace> places = layout.controls;
        for (std::size_t i = 0; i < places.size(); ++i) {
            if (pTemplate->items[i].kind == ControlKind::ComboBox) {
                places[i].rect.cy = MapDialogRect({0, 0, 0, 14}, units).cy;
            }
        }
        places.insert(places.end(), layout.added.begin(), layout.added.end());
        const CRect dialog{0, 0, layout.cx, layout.cy};
        for (std::size_t i = 0; i < places.size(); ++i) {
            const bool bGroup =
                i < pTemplate->nItems && pTemplate->items[i].kind == ControlKind::GroupBox;
            EXPECT_TRUE(Holds(dialog, places[i].rect)) << pTemplate->nIDD << " #" << i;
            if (places[i].nGroup >= 0) {
                EXPECT_TRUE(Holds(places[places[i].nGroup].rect, places[i].rect))
                    << pTemplate->nIDD << " #" << i;
            }
            for (std::size_t j = i + 1; j < places.size() && !bGroup; ++j) {
                const bool bOtherGroup =
                    j < pTemplate->nItems && pTemplate->items[j].kind == ControlKind::GroupBox;
                EXPECT_FALSE(!bOtherGroup && Overlap(places[i].rect, places[j].rect))
                    << pTemplate->nIDD << " #" << i << " and #" << j;
            }
        }
    }
    // The calculator's Ranges... button: beside the Time-axis Range list, in its group box.
    const CDialogLayout layout =
        LayOutDialog(kRecordingCalcTemplate, units, GetPageButtons(IDD_RECORDINGCALC_DIALOG));
    ASSERT_EQ(layout.added.size(), 1U);
    EXPECT_EQ(layout.added[0].nGroup,
              static_cast<int>(IndexOf(kRecordingCalcTemplate, IDC_GRP_RECORDING_TIME)));
    EXPECT_GT(layout.cy, 225);
}

struct CFitCase {
    const char* what;
    std::vector<CTextExtent> extents;
    CDialogBaseUnits expected;
};

// The dialog grows as a whole by the least that makes every box hold its text.
TEST(DialogLayoutTest, FitsBaseUnitsToTheTexts) {
    const CDialogTemplate& calc = kRecordingCalcTemplate;
    const std::size_t nSampling = IndexOf(calc, IDC_SAMPLING);       // 80 x 95 units, a list
    const std::size_t nLabel = IndexOf(calc, IDC_LBL_TIME_RANGE);    // 32 x 20 units
    const std::size_t nLength = IndexOf(calc, IDC_RECORDING_LENGTH); // 95 x 12 units
    const CFitCase cases[] = {
        {"every text fits", {{nSampling, 120, 0}, {nLabel, 48, 30}, {nLength, 142, 18}}, {6, 12}},
        // 80 units are 120 pixels at 6, 140 at 7.
        {"a list's widest entry one pixel more", {{nSampling, 121, 0}}, {7, 12}},
        {"a list's entry twice as wide", {{nSampling, 240, 0}}, {12, 12}},
        // 20 units are 30 pixels at 12; 3 lines of 15 need 45, at 18.
        {"a caption that wraps once more", {{nLabel, 0, 45}}, {6, 18}},
        {"a list as high as it is dropped down", {{nSampling, 0, 400}}, {6, 12}},
        {"the widest of several", {{nSampling, 130, 0}, {nLength, 200, 0}}, {9, 12}},
        {"no such control", {{calc.nItems, 5000, 5000}}, {6, 12}},
    };
    for (const CFitCase& row : cases) {
        const CDialogBaseUnits units = FitBaseUnits(calc, {6, 12}, row.extents);
        EXPECT_EQ(units.nX, row.expected.nX) << row.what;
        EXPECT_EQ(units.nY, row.expected.nY) << row.what;
    }
}

} // namespace
