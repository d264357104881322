// The Ranges box: its rows are the ranges the list offers with what the window shows at each, and
// choosing a row picks that range as the list would.

#include "DialogSnapshot.h"
#include "Picking.h"
#include "controls/DialogHost.h"
#include "ui/RangeRows.h"

#include <gtest/gtest.h>

using namespace ctl;

namespace spanwise::test {
namespace {

class RangesBox : public ::testing::Test {
protected:
    void SetUp() override { dlg.Create(); }

    // Opens the box from the window menu; the box the host holds open.
    CDialog& Open() {
        dlg.OnUserSysCommand(IDM_RANGES);
        EXPECT_EQ(host.OpenDialogs().size(), 1U);
        return *host.OpenDialogs().back();
    }

    CHeadlessHost host;
    CRecordingCalcDlg dlg{host};
};

TEST_F(RangesBox, RowsAreWhatTheWindowShowsAtEachRange) {
    for (const char* model : {"Alder/Alder-W", "Cedar", "Hazel"}) {
        for (const char* function : {"MEM", "REC"}) {
            Pick(dlg, IDC_MODEL, model);
            if (dlg.GetDlgItem(IDC_FUNCTION).IsWindowEnabled()) {
                Pick(dlg, IDC_FUNCTION, function);
            }
            CDialog& box = Open();
            const CControlState& table = *box.FindControl(IDC_RANGES);
            const int nSelected = dlg.GetSelection()[CalcList::TimeRange];
            ASSERT_EQ(table.m_rows.size(), EntriesOf(dlg, IDC_TIME_RANGE).size());
            EXPECT_EQ(table.m_nCurSel, nSelected);
            for (std::size_t i = 0; i < table.m_rows.size(); ++i) {
                const CTableRow& row = table.m_rows[i];
                EXPECT_EQ(row.bCurrent, static_cast<int>(i) == nSelected);
                ASSERT_EQ(row.cells.size(), 3U);
                CHeadlessHost otherHost;
                CRecordingCalcDlg shown{otherHost};
                shown.Create();
                shown.RestoreSelection(dlg.GetSelection());
                Pick(shown, IDC_TIME_RANGE, row.cells[0]);
                const bool bPeriod = shown.GetDlgItem(IDC_SAMPLING_PERIOD).IsWindowVisible();
                EXPECT_EQ(row.cells[1], bPeriod ? shown.GetSamplingPeriod() : "-");
                EXPECT_EQ(row.cells[2], Shown(shown, IDC_RECORDING_TIME));
                EXPECT_GT(row.dBar, 0.0);
                EXPECT_LE(row.dBar, 1.0);
                if (i > 0) {
                    EXPECT_GE(row.dBar, table.m_rows[i - 1].dBar) << "longer ranges, longer bars";
                }
            }
            box.OnCancel();
        }
    }
}

TEST_F(RangesBox, ChoosingARowPicksItsRangeAsTheListWould) {
    Pick(dlg, IDC_MODEL, "Cedar");
    CHeadlessHost otherHost;
    CRecordingCalcDlg listPicked{otherHost};
    listPicked.Create();
    listPicked.RestoreSelection(dlg.GetSelection());
    Pick(listPicked, IDC_TIME_RANGE, "1s/div");

    CDialog& box = Open();
    const std::vector<CTableRow>& rows = box.FindControl(IDC_RANGES)->m_rows;
    int nRow = 0;
    while (rows[static_cast<std::size_t>(nRow)].cells[0] != "1s/div") {
        ++nRow;
    }
    EXPECT_TRUE(box.OnUserPick(IDC_RANGES, nRow));
    EXPECT_TRUE(host.OpenDialogs().empty());
    EXPECT_EQ(TakeSnapshot(dlg), TakeSnapshot(listPicked));

    // Escape picks nothing.
    CDialog& again = Open();
    again.OnCancel();
    EXPECT_EQ(TakeSnapshot(dlg), TakeSnapshot(listPicked));
}

TEST_F(RangesBox, MarksTheRangesThatRecordTheFittedDuration) {
    ASSERT_TRUE(dlg.FitRecordingTime("1min"));
    CDialog& box = Open();
    const std::vector<CTableRow>& rows = box.FindControl(IDC_RANGES)->m_rows;
    const std::vector<CRangeRow> ranges = dlg.GetRangeRows();
    for (std::size_t i = 0; i < rows.size(); ++i) {
        EXPECT_EQ(rows[i].bMarked, ranges[i].dRecordingTime >= 60.0) << ranges[i].range;
    }
    EXPECT_EQ(box.GetDlgItem(IDC_RANGES_FIT).GetWindowText(),
              "Marked: the ranges that record \"1min\"; the finest is 200us/div.");
}

} // namespace
} // namespace spanwise::test
