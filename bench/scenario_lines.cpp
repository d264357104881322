// Writes scenario lines for `spanwise-cli state -`: one line for each reachable state, the picks
// that first led there from the opening state, round all states again until the count asked for
// is reached.
//
// Usage: spanwise_scenario_lines [COUNT]   (default 50000)

#include "ReachableStates.h"

#include "controls/DialogHost.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <iostream>
#include <iterator>
#include <string>
#include <vector>

using namespace ctl;

namespace {

// The names spanwise-cli knows the lists by, in the order of bench::kLists.
constexpr const char* kListNames[] = {"model",   "memory",   "function", "sampling",
                                      "scanner", "channels", "range"};

std::string Lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

bool IsPlainWord(const std::string& text) {
    return std::all_of(text.begin(), text.end(), [](unsigned char c) {
        return std::isalnum(c) != 0 || c == '/' || c == '.' || c == '-' || c == '_';
    });
}

// The entry as a user would write it: its text, quoted when it holds blanks or other characters
// a shell treats specially, or #N when the text is empty, repeated or holds a quote.
std::string Value(const CControlState& list, int nIndex) {
    const std::string& text = list.m_entries[static_cast<std::size_t>(nIndex)];
    const long nSame = std::count_if(list.m_entries.begin(), list.m_entries.end(),
                                     [&](const std::string& e) { return Lower(e) == Lower(text); });
    if (text.empty() || nSame > 1 || text.find('\'') != std::string::npos) {
        return "#" + std::to_string(nIndex);
    }
    return IsPlainWord(text) ? text : "'" + text + "'";
}

// The pick that led to a state, as a user writes it on a scenario line.
std::string PickText(CRecordingCalcDlg& dlg,
                     const std::vector<spanwise::bench::CReachedState>& states,
                     const spanwise::bench::CReachedState& state) {
    const auto* const pName = std::find(std::begin(spanwise::bench::kLists),
                                        std::end(spanwise::bench::kLists), state.nListID);
    const std::size_t nList = static_cast<std::size_t>(pName - std::begin(spanwise::bench::kLists));
    spanwise::bench::Restore(dlg, states[static_cast<std::size_t>(state.nFrom)].selection);
    return std::string(kListNames[nList]) + "=" +
           Value(*dlg.FindControl(state.nListID), state.nIndex);
}

} // namespace

int main(int argc, char** argv) {
    const long nCount = argc > 1 ? std::strtol(argv[1], nullptr, 10) : 50000;
    CHeadlessHost host;
    CRecordingCalcDlg dlg{host};
    dlg.Create();
    const std::vector<spanwise::bench::CReachedState> states =
        spanwise::bench::WalkReachableStates(dlg);
    // A state comes after the one it was reached from, whose line is then already written. The
    // opening state needs a line that changes nothing: its model picked again.
    std::vector<std::string> lines;
    lines.reserve(states.size());
    spanwise::bench::Restore(dlg, states.front().selection);
    lines.push_back("model=" + Value(*dlg.FindControl(IDC_MODEL), dlg.GetSelection().nModel));
    for (std::size_t i = 1; i < states.size(); ++i) {
        const std::size_t nFrom = static_cast<std::size_t>(states[i].nFrom);
        const std::string pick = PickText(dlg, states, states[i]);
        lines.push_back(nFrom == 0 ? pick : lines[nFrom] + " " + pick);
    }
    std::ios::sync_with_stdio(false);
    for (long n = 0; n < nCount; ++n) {
        std::cout << lines[static_cast<std::size_t>(n) % lines.size()] << '\n';
    }
    return std::cout.good() ? 0 : 1;
}
