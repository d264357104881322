// What screen readers are told of the calculator's controls: each list by its caption, each
// result by what it is and what it shows, as the results change.

#include "Picking.h"
#include "controls/DialogHost.h"

#include <gtest/gtest.h>

using namespace ctl;

namespace spanwise::test {
namespace {

TEST(AccessibleNames, NameListsByCaptionAndResultsByWhatTheyShow) {
    CHeadlessHost host;
    CRecordingCalcDlg dlg{host};
    dlg.Create();
    const auto name = [&dlg](int nID) { return dlg.GetAccessibleName(*dlg.FindControl(nID)); };
    const std::pair<int, const char*> kNames[] = {
        {IDC_MODEL, "Model Number"},
        {IDC_MEMORY, "Internal Memory"},
        {IDC_SCANNER, "Sable Scanner Unit"},
        {IDC_TIME_RANGE, "Time-axis Range"},
        {IDC_GRP_RECORDING_TIME, "Maximum Recording Time"},
        {IDC_RECORDING_LENGTH, "Maximum Recording Length: 320000 div"},
        {IDC_SAMPLING_PERIOD, "Sampling Period: 50ns/S"},
        {IDC_RECORDING_TIME, "Maximum Recording Time: 1.6s"},
        {IDC_COPY, "Copy"},
        {IDOK, "Exit"},
    };
    for (const auto& [nID, expected] : kNames) {
        EXPECT_EQ(name(nID), expected) << nID;
    }

    Pick(dlg, IDC_TIME_RANGE, "10us/div");
    EXPECT_EQ(name(IDC_RECORDING_TIME), "Maximum Recording Time: 3.2s");
    EXPECT_EQ(dlg.GetAnnouncement(*dlg.FindControl(IDC_RECORDING_TIME)),
              "Maximum Recording Time 3.2s");
    EXPECT_TRUE(CDialog::IsLiveField(*dlg.FindControl(IDC_SAMPLING_PERIOD)));
    EXPECT_FALSE(CDialog::IsLiveField(*dlg.FindControl(IDC_LBL_MODEL)));
}

TEST(AccessibleNames, AFieldOutsideAnyGroupBoxIsNamedByWhatItShows) {
    CHeadlessHost host;
    CRecordingCalcDlg dlg{host};
    dlg.Create();
    dlg.OnUserSysCommand(IDM_RANGES);
    ASSERT_EQ(host.OpenDialogs().size(), 1U);
    CDialog& box = *host.OpenDialogs().back();
    const std::string note = "Marked: the ranges that record \"3d\"; the finest is 1s/div.";
    box.GetDlgItem(IDC_RANGES_FIT).SetWindowText(note);
    const CControlState& field = *box.FindControl(IDC_RANGES_FIT);
    ASSERT_TRUE(CDialog::IsLiveField(field));
    EXPECT_EQ(box.GetAccessibleName(field), note);
    EXPECT_EQ(box.GetAnnouncement(field), note);
}

} // namespace
} // namespace spanwise::test
