// Speed of the calculator's core: each change handler, the two calculations behind the results,
// the Copy report and a walk over every state a user can reach.

#include "calc/DurationFormat.h"
#include "calc/RecordingLength.h"
#include "calc/TimeAxisTable.h"
#include "conditions/ModelCatalogue.h"
#include "controls/DialogHost.h"
#include "ui/Calculator.h"
#include "ui/RecordingCalcDlg.h"

#include <benchmark/benchmark.h>

#include <cstdint>
#include <set>
#include <string>
#include <vector>

using namespace ctl;

namespace {

using spanwise::CalcList;
using spanwise::CSelection;

const std::vector<CalcList> kEveryList(std::begin(spanwise::kCalcLists),
                                       std::end(spanwise::kCalcLists));

// How the dialog writes the maximum recording time: to the microsecond, four digits after the
// point at most, in 20 characters.
constexpr double kTimeResolution = 0.000001;
constexpr int kTimePrecision = 4;
constexpr int kTimeMaxLength = 20;

// Every reachable selection, walked once for the whole program.
const std::vector<CSelection>& ReachableSelections() {
    static const std::vector<CSelection> selections = [] {
        CHeadlessHost host;
        spanwise::CCalculator calc(host);
        std::vector<CSelection> found;
        for (const spanwise::CReachedState& state :
             spanwise::WalkReachableStates(calc, kEveryList)) {
            found.push_back(state.selection);
        }
        return found;
    }();
    return selections;
}

int RecordingLengthDivs(const CSelection& s) {
    return spanwise::GetRecordingLengthDivs(s[CalcList::Model], s[CalcList::Memory],
                                            s[CalcList::Function], s[CalcList::Sampling],
                                            s[CalcList::Scanner], s[CalcList::Channels]);
}

double RecordingSeconds(const CSelection& s) {
    const int nFirst = spanwise::GetFirstTimeRangeIndex(
        s[CalcList::Model], s[CalcList::Function], s[CalcList::Sampling], s[CalcList::Scanner]);
    const spanwise::CTimeAxisCell& cell = spanwise::GetTimeAxisCell(
        spanwise::TimeAxisRow(s[CalcList::Model]), nFirst + s[CalcList::TimeRange]);
    return static_cast<double>(RecordingLengthDivs(s)) * cell.secondsPerDiv;
}

// The maximum recording times the dialog shows, each once: the recording length of every
// reachable state times the length of a division at its range.
const std::vector<double>& ShownDurations() {
    static const std::vector<double> durations = [] {
        std::set<double> distinct;
        for (const CSelection& s : ReachableSelections()) {
            distinct.insert(RecordingSeconds(s));
        }
        return std::vector<double>(distinct.begin(), distinct.end());
    }();
    return durations;
}

// Wider: every reachable recording length times every division length of the table, each
// product once, whether or not one state pairs the two.
const std::vector<double>& AllProducts() {
    static const std::vector<double> durations = [] {
        std::set<int> lengths;
        for (const CSelection& s : ReachableSelections()) {
            lengths.insert(RecordingLengthDivs(s));
        }
        std::set<double> divisions;
        for (const spanwise::CTimeAxisRow& row : spanwise::TimeAxisTable) {
            for (int nColumn = 0; nColumn < row.nCells; ++nColumn) {
                const spanwise::CTimeAxisCell& cell = row.cells[nColumn];
                if (cell.secondsPerDiv > 0.0) {
                    divisions.insert(cell.secondsPerDiv);
                }
            }
        }
        std::set<double> distinct;
        for (const int nDivs : lengths) {
            for (const double dDiv : divisions) {
                distinct.insert(static_cast<double>(nDivs) * dDiv);
            }
        }
        return std::vector<double>(distinct.begin(), distinct.end());
    }();
    return durations;
}

// Opening the dialog: its controls, the template's entries and the opening chain. spanwise-cli
// does this once for every scenario.
void BM_OpenDialog(benchmark::State& state) {
    for (auto _ : state) {
        CHeadlessHost host;
        CRecordingCalcDlg dlg{host};
        dlg.Create();
        benchmark::DoNotOptimize(dlg.GetSelection()[CalcList::TimeRange]);
    }
}
BENCHMARK(BM_OpenDialog);

// The change handler of one list, reached through the dialog's command map as the list's
// notification reaches it, run after its list's selection has moved to the next entry, round the
// list: each iteration is a real change. The dialog first shows nModel with the function nFunction,
// so that the list is enabled and has more than one entry.
void RunHandler(benchmark::State& state, int nListID, int nModel, int nFunction) {
    CHeadlessHost host;
    CRecordingCalcDlg dlg{host};
    dlg.Create();
    dlg.OnUserPick(IDC_MODEL, nModel);
    dlg.OnUserPick(IDC_FUNCTION, nFunction);
    CComboBox list;
    list.Attach(dlg.FindControl(nListID));
    const int nCount = list.GetCount();
    if (dlg.GetSelection()[CalcList::Model] != nModel ||
        dlg.GetSelection()[CalcList::Function] != nFunction || nCount < 2 ||
        !list.IsWindowEnabled()) {
        state.SkipWithError("the list does not offer a choice in this state");
        return;
    }
    int nIndex = list.GetCurSel();
    for (auto _ : state) {
        nIndex = nIndex + 1 < nCount ? nIndex + 1 : 0;
        list.SetCurSel(nIndex);
        dlg.OnCommand(nListID, CBN_SELCHANGE);
        benchmark::DoNotOptimize(dlg.GetSelection()[CalcList::TimeRange]);
    }
    state.SetLabel(std::to_string(nCount) + " entries");
}

using namespace spanwise;

// The full chain, round every model.
BENCHMARK_CAPTURE(RunHandler, Model, IDC_MODEL, kAlder, kFunctionMem);
BENCHMARK_CAPTURE(RunHandler, Memory, IDC_MEMORY, kAlder, kFunctionMem);
BENCHMARK_CAPTURE(RunHandler, Channels, IDC_CHANNELS, kAlder, kFunctionMem);
BENCHMARK_CAPTURE(RunHandler, Function, IDC_FUNCTION, kCedar, kFunctionMem);
BENCHMARK_CAPTURE(RunHandler, Sampling, IDC_SAMPLING, kAlder, kFunctionMem);
BENCHMARK_CAPTURE(RunHandler, Scanner, IDC_SCANNER, kAlder, kFunctionMem);
BENCHMARK_CAPTURE(RunHandler, TimeRange, IDC_TIME_RANGE, kAlder, kFunctionMem);

// A user's pick as the window delivers it: the list's lookup, the selection and the command
// dispatch to the change handler.
void BM_UserPickModel(benchmark::State& state) {
    CHeadlessHost host;
    CRecordingCalcDlg dlg{host};
    dlg.Create();
    int nIndex = 0;
    for (auto _ : state) {
        nIndex = nIndex + 1 < kModelCount ? nIndex + 1 : 0;
        benchmark::DoNotOptimize(dlg.OnUserPick(IDC_MODEL, nIndex));
    }
}
BENCHMARK(BM_UserPickModel);

// The recording length of every reachable selection; the time is per call.
void BM_GetRecordingLengthDivs(benchmark::State& state) {
    const std::vector<CSelection>& selections = ReachableSelections();
    for (auto _ : state) {
        for (const CSelection& s : selections) {
            benchmark::DoNotOptimize(RecordingLengthDivs(s));
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(selections.size()));
    state.counters["selections"] = static_cast<double>(selections.size());
}
BENCHMARK(BM_GetRecordingLengthDivs);

// Durations written as the dialog writes the maximum recording time; the time is per call.
void BM_FormatDuration(benchmark::State& state, const std::vector<double>& (*durationsOf)()) {
    const std::vector<double>& durations = durationsOf();
    for (auto _ : state) {
        for (const double dSeconds : durations) {
            benchmark::DoNotOptimize(
                FormatDuration(dSeconds, kTimeResolution, kTimePrecision, kTimeMaxLength));
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(durations.size()));
    state.counters["durations"] = static_cast<double>(durations.size());
}
BENCHMARK_CAPTURE(BM_FormatDuration, Shown, &ShownDurations);
BENCHMARK_CAPTURE(BM_FormatDuration, AllProducts, &AllProducts);

// The Copy report, with every list enabled (Alder under MEM) and with four of them shown as "-"
// (Cedar under REC).
void BM_BuildReport(benchmark::State& state, int nModel, int nFunction) {
    CHeadlessHost host;
    CRecordingCalcDlg dlg{host};
    dlg.Create();
    dlg.OnUserPick(IDC_MODEL, nModel);
    dlg.OnUserPick(IDC_FUNCTION, nFunction);
    for (auto _ : state) {
        benchmark::DoNotOptimize(dlg.BuildReport());
    }
}
BENCHMARK_CAPTURE(BM_BuildReport, AlderMem, kAlder, kFunctionMem);
BENCHMARK_CAPTURE(BM_BuildReport, CedarRec, kCedar, kFunctionRec);

// From the opening state, every pick in every enabled list of every reachable state, each from a
// dialog restored to the state it starts from. items_per_second counts picks.
void BM_WalkReachableStates(benchmark::State& state) {
    CHeadlessHost host;
    spanwise::CCalculator calc(host);
    long nPicks = 0;
    std::size_t nStates = 0;
    for (auto _ : state) {
        nStates = spanwise::WalkReachableStates(calc, kEveryList, {}, &nPicks).size();
    }
    state.SetItemsProcessed(state.iterations() * nPicks);
    state.counters["states"] = static_cast<double>(nStates);
    state.counters["picks"] = static_cast<double>(nPicks);
}
BENCHMARK(BM_WalkReachableStates)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
