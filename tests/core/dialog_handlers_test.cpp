// Sequences of user picks through the dialog's handlers, as a user makes them in the window.

#include "DialogSnapshot.h"
#include "Picking.h"
#include "controls/DC.h"
#include "controls/DialogHost.h"

#include <gtest/gtest.h>

#include <set>

using namespace ctl;

namespace spanwise::test {
namespace {

using Entries = std::vector<std::string>;

class DialogHandlers : public ::testing::Test {
protected:
    void SetUp() override { dlg.Create(); }

    // Every control whose shown state differs between two snapshots.
    static std::set<int> Changed(const CDialogSnapshot& before, const CDialogSnapshot& after) {
        std::set<int> ids;
        for (const auto& [nID, control] : after.controls) {
            if (!(before.controls.at(nID) == control)) {
                ids.insert(nID);
            }
        }
        return ids;
    }

    CHeadlessHost host;

    CRecordingCalcDlg dlg{host};
};

TEST_F(DialogHandlers, OpeningShowsFirstEntriesAndTheirResults) {
    EXPECT_EQ(Shown(dlg, IDC_MODEL), "Alder/Alder-W");
    EXPECT_EQ(EntriesOf(dlg, IDC_MEMORY), (Entries{"32MW", "128MW", "512MW", "1GW"}));
    EXPECT_EQ(Shown(dlg, IDC_FUNCTION), "MEM");
    EXPECT_EQ(Shown(dlg, IDC_SAMPLING), "Single-axis Sampling");
    EXPECT_EQ(EntriesOf(dlg, IDC_SCANNER),
              (Entries{"Sable Not Installed", "Only Sable Installed"}));
    EXPECT_EQ(EntriesOf(dlg, IDC_CHANNELS),
              (Entries{"1ch", "2ch", "4ch", "8ch", "16ch", "16ch+logic"}));
    EXPECT_EQ(Shown(dlg, IDC_CHANNELS), "1ch");
    EXPECT_EQ(ListOf(dlg, IDC_TIME_RANGE).GetCount(), 26);
    EXPECT_EQ(Shown(dlg, IDC_TIME_RANGE), "5us/div");
    EXPECT_EQ(Shown(dlg, IDC_RECORDING_LENGTH), "320000 div");
    EXPECT_EQ(Shown(dlg, IDC_SAMPLING_PERIOD), "( 50ns/S )");
    EXPECT_EQ(Shown(dlg, IDC_RECORDING_TIME), "1.6s");
    EXPECT_EQ(dlg.GetSelection(), CSelection{});
    for (int nID :
         {IDC_MODEL, IDC_MEMORY, IDC_SAMPLING, IDC_SCANNER, IDC_CHANNELS, IDC_TIME_RANGE}) {
        EXPECT_TRUE(dlg.GetDlgItem(nID).IsWindowEnabled()) << nID;
    }
    EXPECT_TRUE(dlg.GetDlgItem(IDC_SAMPLING_PERIOD).IsWindowVisible());
}

// A user on Cedar with "32MW", MEM, "2ch" and "5us/div" picks REC.
TEST_F(DialogHandlers, RoadOfOneEvent) {
    Pick(dlg, IDC_MODEL, "Cedar");
    ASSERT_EQ(Shown(dlg, IDC_CHANNELS), "2ch");
    ASSERT_EQ(Shown(dlg, IDC_TIME_RANGE), "5us/div");

    Pick(dlg, IDC_FUNCTION, "REC");

    EXPECT_EQ(dlg.GetSelection()[CalcList::Function], 1);
    EXPECT_EQ(EntriesOf(dlg, IDC_SCANNER), (Entries{"Sable Not Installed", "Sable Installed"}));
    EXPECT_EQ(dlg.GetSelection()[CalcList::Scanner], 0);
    EXPECT_EQ(EntriesOf(dlg, IDC_CHANNELS), (Entries{"2ch", "4ch", "8ch"}));
    EXPECT_EQ(dlg.GetSelection()[CalcList::Channels], 0);
    EXPECT_EQ(Shown(dlg, IDC_RECORDING_LENGTH), "20000 div");
    EXPECT_EQ(ListOf(dlg, IDC_TIME_RANGE).GetCount(), 17);
    EXPECT_EQ(ListOf(dlg, IDC_TIME_RANGE).GetLBText(0), "10ms/div");
    EXPECT_EQ(ListOf(dlg, IDC_TIME_RANGE).GetLBText(16), "1hour/div");
    EXPECT_EQ(Shown(dlg, IDC_TIME_RANGE), "10ms/div");
    EXPECT_EQ(Shown(dlg, IDC_SAMPLING_PERIOD), "( 100us/S )");
    EXPECT_EQ(Shown(dlg, IDC_RECORDING_TIME), "3min20s");
    EXPECT_FALSE(ListOf(dlg, IDC_SAMPLING).IsWindowEnabled());
    EXPECT_FALSE(ListOf(dlg, IDC_CHANNELS).IsWindowEnabled());
    EXPECT_FALSE(ListOf(dlg, IDC_SCANNER).IsWindowEnabled());
    EXPECT_FALSE(dlg.GetDlgItem(IDC_SAMPLING_PERIOD).IsWindowVisible());
}

struct CSequence {
    const char* name;
    std::vector<std::pair<int, std::string>> picks;
    int nCheckedList;
    std::string expected;
    int nExpectedPosition;
};

void PrintTo(const CSequence& param, std::ostream* os) {
    *os << param.name;
}

class PickSequences : public DialogHandlers, public ::testing::WithParamInterface<CSequence> {};

TEST_P(PickSequences, LeaveTheListOnTheExpectedEntry) {
    for (const auto& [nID, text] : GetParam().picks) {
        Pick(dlg, nID, text);
    }
    EXPECT_EQ(Shown(dlg, GetParam().nCheckedList), GetParam().expected);
    EXPECT_EQ(dlg.GetDlgItem(GetParam().nCheckedList).GetState()->m_nCurSel,
              GetParam().nExpectedPosition);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(, PickSequences, ::testing::Values(
    // The position, not the label, carries across a change of model.
    CSequence{"MemoryPositionCarriesToBirch", {{IDC_MEMORY, "512MW"}, {IDC_MODEL, "Birch/Birch-W"}}, IDC_MEMORY, "1GW", 2},
    CSequence{"MemoryClampedOnCedar", {{IDC_MEMORY, "1GW"}, {IDC_MODEL, "Cedar"}}, IDC_MEMORY, "512MW", 2},
    CSequence{"MemoryClampedOnDamson", {{IDC_MEMORY, "1GW"}, {IDC_MODEL, "Cedar"}, {IDC_MODEL, "Damson"}}, IDC_MEMORY, "4MW", 0},
    CSequence{"MemoryNotRestored", {{IDC_MEMORY, "1GW"}, {IDC_MODEL, "Damson"}, {IDC_MODEL, "Alder/Alder-W"}}, IDC_MEMORY, "32MW", 0},
    // Clamps are not undone when the list grows again.
    CSequence{"ChannelsClampedByDualAxis", {{IDC_CHANNELS, "16ch+logic"}, {IDC_SAMPLING, "Dual-axis Sampling"}}, IDC_CHANNELS, "16+8ch", 4},
    CSequence{"ChannelsClampNotRestored", {{IDC_CHANNELS, "16ch+logic"}, {IDC_SAMPLING, "Dual-axis Sampling"}, {IDC_SAMPLING, "Single-axis Sampling"}}, IDC_CHANNELS, "16ch", 4},
    CSequence{"ChannelsFollowScanner", {{IDC_CHANNELS, "4ch"}, {IDC_SCANNER, "Only Sable Installed"}}, IDC_CHANNELS, "4*8ch", 2},
    CSequence{"ChannelsFollowScannerAndSampling", {{IDC_CHANNELS, "4ch"}, {IDC_SCANNER, "Only Sable Installed"}, {IDC_SAMPLING, "Dual-axis Sampling"}}, IDC_CHANNELS, "4+4*8ch", 2},
    CSequence{"BirchChannelsToCedar", {{IDC_MODEL, "Birch/Birch-W"}, {IDC_CHANNELS, "32ch+logic"}, {IDC_MODEL, "Cedar"}}, IDC_CHANNELS, "8ch", 2},
    CSequence{"BirchChannelsToJuniper", {{IDC_MODEL, "Birch/Birch-W"}, {IDC_CHANNELS, "32ch+logic"}, {IDC_MODEL, "Juniper"}}, IDC_CHANNELS, "2ch", 0},
    CSequence{"HazelClampsChannels", {{IDC_CHANNELS, "8ch"}, {IDC_MODEL, "Hazel"}}, IDC_CHANNELS, "2ch", 1},
    // Models that allow one choice force it.
    CSequence{"GumForcesChannels", {{IDC_CHANNELS, "2ch"}, {IDC_MODEL, "Gum/Gum-2"}}, IDC_CHANNELS, "1ch/2ch", 0},
    CSequence{"GumForcesMemory", {{IDC_MEMORY, "128MW"}, {IDC_MODEL, "Gum/Gum-2"}}, IDC_MEMORY, "-", 0},
    CSequence{"HazelForcesMemory", {{IDC_MEMORY, "1GW"}, {IDC_MODEL, "Hazel"}}, IDC_MEMORY, "-", 0},
    CSequence{"IvyForcesMemory", {{IDC_MEMORY, "512MW"}, {IDC_MODEL, "Ivy"}}, IDC_MEMORY, "-", 0},
    CSequence{"GumForcesMem", {{IDC_FUNCTION, "REC"}, {IDC_MODEL, "Gum/Gum-2"}}, IDC_FUNCTION, "MEM", 0},
    CSequence{"JuniperForcesMem", {{IDC_FUNCTION, "REC"}, {IDC_MODEL, "Juniper"}}, IDC_FUNCTION, "MEM", 0},
    CSequence{"HazelKeepsRec", {{IDC_FUNCTION, "REC"}, {IDC_MODEL, "Hazel"}}, IDC_FUNCTION, "REC", 1},
    CSequence{"ForcedSamplingNotRestored", {{IDC_SAMPLING, "Dual-axis Sampling"}, {IDC_SCANNER, "Sable Installed"}, {IDC_MODEL, "Cedar"}, {IDC_MODEL, "Alder/Alder-W"}}, IDC_SAMPLING, "Single-axis Sampling", 0},
    CSequence{"ForcedScannerNotRestored", {{IDC_SAMPLING, "Dual-axis Sampling"}, {IDC_SCANNER, "Sable Installed"}, {IDC_MODEL, "Cedar"}, {IDC_MODEL, "Alder/Alder-W"}}, IDC_SCANNER, "Sable Not Installed", 0},
    CSequence{"DualAxisSurvivesRec", {{IDC_SAMPLING, "Dual-axis Sampling"}, {IDC_FUNCTION, "REC"}, {IDC_FUNCTION, "MEM"}}, IDC_SAMPLING, "Dual-axis Sampling", 1},
    // The scanner row swaps its texts and keeps the position.
    CSequence{"ScannerTextUnderRec", {{IDC_MODEL, "Birch/Birch-W"}, {IDC_SCANNER, "Only Sable Installed"}, {IDC_FUNCTION, "REC"}}, IDC_SCANNER, "Sable Installed", 1},
    CSequence{"ScannerTextBackUnderMem", {{IDC_MODEL, "Birch/Birch-W"}, {IDC_SCANNER, "Only Sable Installed"}, {IDC_FUNCTION, "REC"}, {IDC_FUNCTION, "MEM"}}, IDC_SCANNER, "Only Sable Installed", 1},
    CSequence{"ScannerTextUnderDualAxis", {{IDC_SCANNER, "Only Sable Installed"}, {IDC_SAMPLING, "Dual-axis Sampling"}}, IDC_SCANNER, "Sable Installed", 1},
    // The time-axis position survives while the window allows it.
    CSequence{"RangePositionNamesAnotherRange", {{IDC_MODEL, "Cedar"}, {IDC_FUNCTION, "REC"}}, IDC_TIME_RANGE, "10ms/div", 0},
    CSequence{"RangeClampedToWindow", {{IDC_MODEL, "Cedar"}, {IDC_TIME_RANGE, "5min/div"}, {IDC_FUNCTION, "REC"}}, IDC_TIME_RANGE, "1hour/div", 16},
    CSequence{"RangeClampNotRestored", {{IDC_MODEL, "Cedar"}, {IDC_TIME_RANGE, "5min/div"}, {IDC_FUNCTION, "REC"}, {IDC_FUNCTION, "MEM"}}, IDC_TIME_RANGE, "1s/div", 16},
    CSequence{"RangeStartsLaterWithOnlySable", {{IDC_SCANNER, "Only Sable Installed"}}, IDC_TIME_RANGE, "1ms/div", 0}
), [](const auto& info) { return std::string(info.param.name); });
// clang-format on

struct CDownstream {
    const char* name;
    int nPickedList;
    std::string entry;
    std::set<int> refreshed; // lists refilled and texts rewritten by the pick
    bool bEnabling;          // whether the pick runs the enabling step
    int nSentinelList;       // a list the enabling step would enable after this pick
};

void PrintTo(const CDownstream& param, std::ostream* os) {
    *os << param.name;
}

class PickRefreshes : public DialogHandlers, public ::testing::WithParamInterface<CDownstream> {};

// Every step leaves a mark when it runs, even where it shows what was already shown: before the
// pick each list but the picked one gets an extra entry that only a refill removes, each result
// field a text that only its step replaces, and the sentinel list is disabled, which only the
// enabling step undoes. A step that runs when it should not, or not when it should, is seen.
TEST_P(PickRefreshes, ExactlyTheStepsDownstream) {
    const CDownstream& param = GetParam();
    Pick(dlg, IDC_MEMORY, "128MW");
    Pick(dlg, IDC_CHANNELS, "2ch");
    Pick(dlg, IDC_TIME_RANGE, "1ms/div");
    const std::string kStale = "stale";
    for (const int nID : ListControlIDs()) {
        if (nID != param.nPickedList) {
            ListOf(dlg, nID).InsertString(-1, kStale);
        }
    }
    for (const int nID : {IDC_RECORDING_LENGTH, IDC_SAMPLING_PERIOD, IDC_RECORDING_TIME}) {
        dlg.GetDlgItem(nID).SetWindowText(kStale);
    }
    ListOf(dlg, param.nSentinelList).EnableWindow(false);

    Pick(dlg, param.nPickedList, param.entry);

    std::set<int> refreshed;
    for (const int nID : ListControlIDs()) {
        const std::vector<std::string>& entries = EntriesOf(dlg, nID);
        if (nID != param.nPickedList && (entries.empty() || entries.back() != kStale)) {
            refreshed.insert(nID);
        }
    }
    for (const int nID : {IDC_RECORDING_LENGTH, IDC_SAMPLING_PERIOD, IDC_RECORDING_TIME}) {
        if (dlg.GetDlgItem(nID).GetWindowText() != kStale) {
            refreshed.insert(nID);
        }
    }
    EXPECT_EQ(refreshed, param.refreshed);
    EXPECT_EQ(ListOf(dlg, param.nSentinelList).IsWindowEnabled(), param.bEnabling);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(, PickRefreshes, ::testing::Values(
    CDownstream{"Memory", IDC_MEMORY, "1GW", {IDC_RECORDING_LENGTH, IDC_RECORDING_TIME}, false, IDC_SCANNER},
    CDownstream{"Channels", IDC_CHANNELS, "8ch", {IDC_RECORDING_LENGTH, IDC_RECORDING_TIME}, false, IDC_SCANNER},
    CDownstream{"TimeRange", IDC_TIME_RANGE, "5min/div", {IDC_SAMPLING_PERIOD, IDC_RECORDING_TIME}, false, IDC_SCANNER},
    CDownstream{"Scanner", IDC_SCANNER, "Only Sable Installed", {IDC_CHANNELS, IDC_RECORDING_LENGTH, IDC_TIME_RANGE, IDC_SAMPLING_PERIOD, IDC_RECORDING_TIME}, false, IDC_MEMORY},
    CDownstream{"Sampling", IDC_SAMPLING, "Dual-axis Sampling", {IDC_SCANNER, IDC_CHANNELS, IDC_RECORDING_LENGTH, IDC_TIME_RANGE, IDC_SAMPLING_PERIOD, IDC_RECORDING_TIME}, false, IDC_MEMORY},
    CDownstream{"Function", IDC_FUNCTION, "REC", {IDC_SCANNER, IDC_CHANNELS, IDC_RECORDING_LENGTH, IDC_TIME_RANGE, IDC_SAMPLING_PERIOD, IDC_RECORDING_TIME}, true, IDC_MEMORY},
    CDownstream{"Model", IDC_MODEL, "Hazel", {IDC_MEMORY, IDC_SCANNER, IDC_CHANNELS, IDC_RECORDING_LENGTH, IDC_TIME_RANGE, IDC_SAMPLING_PERIOD, IDC_RECORDING_TIME}, true, IDC_FUNCTION}
), [](const auto& info) { return std::string(info.param.name); });
// clang-format on

TEST_F(DialogHandlers, MemoryAndChannelsShareOneHandler) {
    // A selection changed without its notification is picked up by the next notification of
    // either list, since the handler reads every list.
    ListOf(dlg, IDC_MEMORY).SetCurSel(3);
    dlg.OnCommand(IDC_CHANNELS, CBN_SELCHANGE);
    EXPECT_EQ(Shown(dlg, IDC_RECORDING_LENGTH), "10240000 div");
    ListOf(dlg, IDC_CHANNELS).SetCurSel(1);
    dlg.OnCommand(IDC_MEMORY, CBN_SELCHANGE);
    EXPECT_EQ(Shown(dlg, IDC_RECORDING_LENGTH), "5120000 div");
}

TEST_F(DialogHandlers, ProgramSelectionRaisesNoNotification) {
    ListOf(dlg, IDC_MODEL).SetCurSel(9);
    EXPECT_EQ(dlg.GetSelection()[CalcList::Model], 0);
    EXPECT_EQ(Shown(dlg, IDC_RECORDING_LENGTH), "320000 div");
}

TEST_F(DialogHandlers, DisabledListsRefuseUserPicks) {
    Pick(dlg, IDC_MODEL, "Juniper");
    const CDialogSnapshot before = TakeSnapshot(dlg);
    for (int nID : {IDC_MEMORY, IDC_FUNCTION, IDC_SAMPLING, IDC_SCANNER, IDC_CHANNELS}) {
        EXPECT_FALSE(dlg.OnUserPick(nID, 0)) << nID;
    }
    EXPECT_FALSE(dlg.OnUserPick(IDC_TIME_RANGE, 20)); // beyond the list
    EXPECT_FALSE(dlg.OnUserPick(IDC_RECORDING_TIME, 0));
    EXPECT_EQ(TakeSnapshot(dlg), before);
}

struct CEnabling {
    const char* model;
    const char* function;
    bool bMemory, bFunction, bSampling, bScanner, bChannels, bPeriodShown;
};

void PrintTo(const CEnabling& param, std::ostream* os) {
    *os << param.model << ' ' << param.function;
}

class Enabling : public DialogHandlers, public ::testing::WithParamInterface<CEnabling> {};

TEST_P(Enabling, FollowsModelAndFunction) {
    const CEnabling& row = GetParam();
    Pick(dlg, IDC_MODEL, row.model);
    if (ListOf(dlg, IDC_FUNCTION).IsWindowEnabled()) {
        Pick(dlg, IDC_FUNCTION, row.function);
    }
    EXPECT_EQ(ListOf(dlg, IDC_MEMORY).IsWindowEnabled(), row.bMemory);
    EXPECT_EQ(ListOf(dlg, IDC_FUNCTION).IsWindowEnabled(), row.bFunction);
    EXPECT_EQ(ListOf(dlg, IDC_SAMPLING).IsWindowEnabled(), row.bSampling);
    EXPECT_EQ(ListOf(dlg, IDC_SCANNER).IsWindowEnabled(), row.bScanner);
    EXPECT_EQ(ListOf(dlg, IDC_CHANNELS).IsWindowEnabled(), row.bChannels);
    EXPECT_EQ(dlg.GetDlgItem(IDC_SAMPLING_PERIOD).IsWindowVisible(), row.bPeriodShown);
    EXPECT_TRUE(ListOf(dlg, IDC_MODEL).IsWindowEnabled());
    EXPECT_TRUE(ListOf(dlg, IDC_TIME_RANGE).IsWindowEnabled());
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(, Enabling, ::testing::Values(
    //        model             function  memory function sampling scanner channels period
    CEnabling{"Alder/Alder-W", "MEM",     true,  true,    true,    true,   true,    true},
    CEnabling{"Alder/Alder-W", "REC",     true,  true,    false,   true,   false,   false},
    CEnabling{"Birch/Birch-W", "MEM",     true,  true,    true,    true,   true,    true},
    CEnabling{"Birch/Birch-W", "REC",     true,  true,    false,   true,   false,   false},
    CEnabling{"Cedar",         "MEM",     true,  true,    false,   false,  true,    true},
    CEnabling{"Cedar",         "REC",     true,  true,    false,   false,  false,   false},
    CEnabling{"Damson",        "MEM",     true,  true,    false,   false,  true,    true},
    CEnabling{"Damson",        "REC",     true,  true,    false,   false,  false,   false},
    CEnabling{"Elm/Elm-2",     "MEM",     true,  true,    false,   false,  true,    true},
    CEnabling{"Elm/Elm-2",     "REC",     true,  true,    false,   false,  false,   false},
    CEnabling{"Fir",           "MEM",     true,  true,    false,   false,  true,    true},
    CEnabling{"Fir",           "REC",     true,  true,    false,   false,  false,   false},
    CEnabling{"Gum/Gum-2",     "MEM",     false, false,   false,   false,  false,   true},
    CEnabling{"Hazel",         "MEM",     false, true,    false,   false,  true,    true},
    CEnabling{"Hazel",         "REC",     false, true,    false,   false,  false,   false},
    CEnabling{"Ivy",           "MEM",     false, true,    false,   false,  true,    true},
    CEnabling{"Ivy",           "REC",     false, true,    false,   false,  false,   false},
    CEnabling{"Juniper",       "MEM",     false, false,   false,   false,  false,   true},
    CEnabling{"Kauri",         "MEM",     true,  true,    false,   false,  true,    true},
    CEnabling{"Kauri",         "REC",     true,  true,    false,   false,  false,   false}
));
// clang-format on

// The enabling step would enable the Internal Memory list again: it stays as it was left.
TEST_F(DialogHandlers, SamplingAndScannerPicksLeaveEnablingAlone) {
    ListOf(dlg, IDC_MEMORY).EnableWindow(false);
    Pick(dlg, IDC_SAMPLING, "Dual-axis Sampling");
    Pick(dlg, IDC_SCANNER, "Sable Installed");
    EXPECT_FALSE(ListOf(dlg, IDC_MEMORY).IsWindowEnabled());
}

struct CFigures {
    const char* name;
    std::vector<std::pair<int, std::string>> picks;
    const char* length;
    const char* period;
    const char* time;
};

void PrintTo(const CFigures& param, std::ostream* os) {
    *os << param.name;
}

class Figures : public DialogHandlers, public ::testing::WithParamInterface<CFigures> {};

TEST_P(Figures, ShownForTheConditions) {
    for (const auto& [nID, text] : GetParam().picks) {
        Pick(dlg, nID, text);
    }
    EXPECT_EQ(Shown(dlg, IDC_RECORDING_LENGTH), GetParam().length);
    EXPECT_EQ(Shown(dlg, IDC_SAMPLING_PERIOD), GetParam().period);
    EXPECT_EQ(Shown(dlg, IDC_RECORDING_TIME), GetParam().time);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(, Figures, ::testing::Values(
    CFigures{"AlderLargestAtFiveMinutes", {{IDC_MEMORY, "1GW"}, {IDC_TIME_RANGE, "5min/div"}}, "10240000 div", "( 3s/S )", "35555d13h20min"},
    CFigures{"GumFirstRange", {{IDC_MODEL, "Gum/Gum-2"}}, "500 div", "( 1us/S )", "50ms"},
    CFigures{"JuniperAtOneMillisecond", {{IDC_MODEL, "Juniper"}, {IDC_TIME_RANGE, "1ms/div"}}, "20000 div", "( 10us/S )", "20s"},
    CFigures{"JuniperAtFiveMinutes", {{IDC_MODEL, "Juniper"}, {IDC_TIME_RANGE, "5min/div"}}, "20000 div", "( 3s/S )", "69d10h40min"},
    CFigures{"HazelFirstRange", {{IDC_MODEL, "Hazel"}}, "3200 div", "( 2.5us/S )", "640ms"},
    CFigures{"IvyAtFourHundredMicroseconds", {{IDC_MODEL, "Ivy"}, {IDC_CHANNELS, "4ch"}, {IDC_TIME_RANGE, "400us/div"}}, "800 div", "( 5us/S )", "320ms"},
    CFigures{"IvyRecLastRange", {{IDC_MODEL, "Ivy"}, {IDC_FUNCTION, "REC"}, {IDC_TIME_RANGE, "1hour/div"}}, "400 div", "( 45s/S )", "16d16h"},
    CFigures{"AlderSnapOnlySable", {{IDC_SCANNER, "Only Sable Installed"}, {IDC_CHANNELS, "8*8ch+logic"}}, "2000 div", "( 10us/S )", "2s"},
    CFigures{"AlderSnapDualSable", {{IDC_SAMPLING, "Dual-axis Sampling"}, {IDC_SCANNER, "Sable Installed"}, {IDC_CHANNELS, "16+8*8ch"}}, "1000 div", "( 50ns/S )", "5ms"},
    CFigures{"AlderRecSable", {{IDC_FUNCTION, "REC"}, {IDC_SCANNER, "Sable Installed"}}, "1000 div", "( 500us/S )", "50s"},
    CFigures{"AlderRecNoSable", {{IDC_FUNCTION, "REC"}}, "5000 div", "( 100us/S )", "50s"},
    CFigures{"BirchSamePositionsAsAlder", {{IDC_MODEL, "Birch/Birch-W"}}, "320000 div", "( 50ns/S )", "1.6s"},
    CFigures{"KauriRecRow", {{IDC_MODEL, "Kauri"}, {IDC_FUNCTION, "REC"}, {IDC_TIME_RANGE, "50s/div"}}, "20000 div", "( 500ms/S )", "11d13h46min40s"}
), [](const auto& info) { return std::string(info.param.name); });
// clang-format on

TEST_F(DialogHandlers, RecIgnoresChannelsAndSamplingButNotScanner) {
    Pick(dlg, IDC_SAMPLING, "Dual-axis Sampling");
    Pick(dlg, IDC_CHANNELS, "8+8ch");
    Pick(dlg, IDC_FUNCTION, "REC");
    EXPECT_EQ(Shown(dlg, IDC_RECORDING_LENGTH), "5000 div");
    Pick(dlg, IDC_SCANNER, "Sable Installed");
    EXPECT_EQ(Shown(dlg, IDC_RECORDING_LENGTH), "1000 div");
}

TEST_F(DialogHandlers, SystemMenuEndsInAboutFitAndRangesItems) {
    const auto& items = dlg.GetSystemMenu(false)->Items();
    ASSERT_EQ(items.size(), 4U);
    EXPECT_EQ(items[0].nFlags, MF_SEPARATOR);
    EXPECT_EQ(items[1].text, "&About...");
    EXPECT_EQ(items[1].nID, IDM_ABOUTBOX);
    EXPECT_EQ(items[2].text, "&Fit a Recording Time...");
    EXPECT_EQ(items[2].nID, IDM_FIT_TIME);
    EXPECT_EQ(items[3].text, "&Ranges...");
    EXPECT_EQ(items[3].nID, IDM_RANGES);
}

TEST_F(DialogHandlers, OnlyResultFieldsGetTheResultFontAndBlue) {
    for (const auto& pControl : dlg.Controls()) {
        const bool bResult =
            pControl->GetID() == IDC_RECORDING_LENGTH || pControl->GetID() == IDC_RECORDING_TIME;
        EXPECT_EQ(pControl->m_bHasFont, bResult) << pControl->GetID();
        CDC dc;
        CWnd wnd(pControl.get());
        dlg.OnCtlColor(&dc, &wnd, CTLCOLOR_STATIC);
        EXPECT_EQ(dc.GetTextColor(), bResult ? RGB(0, 0, 255) : kNoColour) << pControl->GetID();
    }
    const CFontRequest& font = dlg.FindControl(IDC_RECORDING_TIME)->m_font;
    EXPECT_EQ(font.nHeight, 12);
    EXPECT_EQ(font.nWeight, 700);
    EXPECT_EQ(font.faceName, "MS UI Gothic");
    EXPECT_EQ(dlg.GetDlgItem(IDC_COPY).GetState()->m_strToolTip,
              "The calculation result is copied to the clipboard.");
}

} // namespace
} // namespace spanwise::test
