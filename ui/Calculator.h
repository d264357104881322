#pragma once

#include "ConditionLists.h"
#include "RangeRows.h"

#include "controls/DialogHost.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

class CRecordingCalcDlg;

// The calculator as every front end uses it: one calculator dialog opened on a host the front end
// hands in, its seven lists picked in as a user picks, and what it shows read back as texts and
// as the numbers behind them. A window front end shows it on its host (Show, Run) and draws the
// dialogs the host is given; a front end without a window reads everything here.

namespace spanwise {

class CCalculator {
public:
    // Opens the calculator dialog on host as the window does: controls made, opening chain run.
    // It is not shown until Show or Run.
    explicit CCalculator(ctl::IDialogHost& host);
    ~CCalculator();

    CCalculator(const CCalculator&) = delete;
    CCalculator& operator=(const CCalculator&) = delete;

    // Shows the calculator on its host and returns; onEnded is called when it closes (Exit,
    // Escape, the close box).
    void Show(ctl::DialogEnded onEnded = {});
    // Shows it and returns once it has closed, with the code it closed with.
    int Run();

    // A user's pick of entry nPosition: false, and nothing changes, when the list is disabled or
    // has no such entry.
    bool Pick(CalcList list, int nPosition);

    const std::vector<std::string>& GetEntries(CalcList list) const;
    int GetSelected(CalcList list) const; // -1 when nothing is selected
    std::string GetSelectedText(CalcList list) const;
    bool IsEnabled(CalcList list) const;
    // Why a disabled list is disabled, by the rule the enabling step applies, as a phrase that
    // follows "disabled because" ("model \"Gum/Gum-2\" has no choice of internal memory", or
    // without bNameModel, where the model is in view, "this model has no choice of internal
    // memory"); empty for an enabled list.
    std::string GetDisabledReason(CalcList list, bool bNameModel = true) const;
    // The caption a window shows before the list ("Internal Memory").
    std::string GetListCaption(CalcList list) const;

    // The shown texts: "320000 div", "( 50ns/S )", "1.6s".
    std::string GetRecordingLengthText() const;
    std::string GetSamplingPeriodText() const;
    // The sampling period itself, as the label writes it between its brackets ("50ns/S").
    std::string GetSamplingPeriod() const;
    bool IsSamplingPeriodShown() const;
    std::string GetRecordingTimeText() const;

    // The numbers behind them: the recording length, the seconds per division of the selected
    // range, and the recording time the shown text was formatted from (their product).
    int GetRecordingLengthDivs() const;
    double GetSecondsPerDiv() const;
    double GetRecordingTimeSeconds() const;

    // The range a recording of dSeconds needs: the finest the Time-axis Range list offers (the
    // first in its order) whose recording time is at least dSeconds. When none is, bFits is false
    // and nTimeRange names the range with the longest recording time.
    struct CFit {
        bool bFits;
        int nTimeRange;
    };
    CFit FindFit(double dSeconds) const;
    // Fit a Recording Time with duration as a user writes it ("3d"): the fitting range is picked,
    // or a message box says why none is, as the window's question does. Returns whether one was.
    bool FitRecordingTime(const std::string& duration);

    // Every range the Time-axis Range list offers, in its order, with what the calculator shows
    // once it is picked; the selection does not change.
    std::vector<CRangeRow> GetRangeRows() const;

    // The Copy report as the clipboard gets it (CR LF line ends), without touching the clipboard.
    std::string GetReport() const;
    // Presses Copy: the report goes to the host's clipboard, or a message box says why not.
    void Copy();
    // A message box over the calculator, captioned with the program's name as its own are;
    // returns at once. One asked for before the calculator is on screen shows once it is.
    void ShowMessage(const std::string& text);

    const CSelection& GetSelection() const;
    // Brings the dialog to a selection the user's picks reached, as if picked again.
    void RestoreSelection(const CSelection& selection);

private:
    const std::string& ControlText(int nID) const;

    std::unique_ptr<CRecordingCalcDlg> m_pDlg;
};

// A state a walk reached, and the pick that first led to it.
struct CReachedState {
    CSelection selection;
    int nFrom = -1; // index of the state the pick was made in; -1 for the state the walk began in
    CalcList list = CalcList::Model; // the list picked in and the entry picked
    int nPosition = 0;
};

// Called after each pick of a walk, with the calculator showing the state the pick reached, which
// is reached.back() when bNew.
using PickVisitor =
    std::function<void(const CReachedState& pick, bool bNew, const CCalculator& calc)>;

// Every state a user reaches from the calculator's state by picking any entry of any enabled list
// among lists, in breadth-first order, so that a state comes after the one it was reached from.
// The calculator is left in the state the walk began in. pnPicks, when given, receives the number
// of picks made.
std::vector<CReachedState> WalkReachableStates(CCalculator& calc,
                                               const std::vector<CalcList>& lists,
                                               const PickVisitor& onPick = {},
                                               long* pnPicks = nullptr);

// Selections as users write them: "LIST=VALUE", where LIST is a list's name in any case and VALUE
// names an entry of the list as it is now:
// - "#N", N decimal digits without a sign, is the entry at 0-based position N;
// - otherwise the first entry whose text is VALUE, compared without regard to case;
// - failing that, the one entry whose text begins with VALUE (not empty), without regard to case.

// The names of the lists, in dialog order, separated by ", ".
std::string ListNames();
// Whether word is the name of a list, in any case.
bool IsListName(const std::string& word);
// Applies one selection as a user's pick. Returns false with a message, and changes nothing, when
// the selection is malformed, names no list, no entry or more than one entry, or when the list is
// disabled. pList, when given, receives the list picked in.
bool ApplyPick(CCalculator& calc, const std::string& selection, std::string& error,
               CalcList* pList = nullptr);
// Why a selection cannot be applied, found before anything changed, with what its message needs.
struct CPickRefusal {
    enum class Reason {
        NotASelection,  // no "="
        DurationUnit,   // no "=", and a duration's unit ("90 min" unquoted)
        UnknownList,    // typed names no list
        Disabled,       // the list is disabled
        SignedPosition, // "#-1"
        NoSuchPosition, // "#N" past the last entry
        NoSuchEntry,    // typed names no entry
        Ambiguous,      // typed begins more than one entry (beginnings)
    };
    Reason reason = Reason::NotASelection;
    std::string typed; // the selection, the list's name or the value, as typed
    CalcList list = CalcList::Model;
    std::string caption;              // the list's caption in the window
    std::vector<std::string> entries; // the list's entries then
    std::vector<int> beginnings;
    std::string disabledBecause; // GetDisabledReason(list)
    std::string disabledHere;    // GetDisabledReason(list, false)
};
// ApplyPick with why not, unworded.
bool TryPick(CCalculator& calc, const std::string& selection, CPickRefusal& refusal,
             CalcList* pList = nullptr);
// Why not, as spanwise-cli says it: "\"9G\" is not an entry of the memory list; its entries are
// now \"32MW\", ... (or #N for the N-th, from #0)".
std::string CommandLineWords(const CPickRefusal& refusal);
// Why not, as a window says it: a sentence, the list by its caption, no notation the user did not
// write, and the entries whole, one to a line ("Cannot pick \"9G\" in the Internal Memory list,
// which has no such entry. Its entries are now:\n32MW\n...").
std::string WindowWords(const CPickRefusal& refusal);
// The selection of list as it stands, written so that ApplyPick picks that entry again.
std::string SelectionWord(const CCalculator& calc, CalcList list);
// The selections that bring a calculator just opened to this calculator's state when applied in
// their order, each list picked while it is enabled; none for the opening state.
std::vector<std::string> GetSelectionWords(const CCalculator& calc);

// Text a user gave (a word of the command line, a variable of the environment) as every message
// shows it: between double quotes, what does not print escaped ("\x1b"), shortened past 60
// characters.
std::string QuoteUserText(const std::string& text);

} // namespace spanwise
