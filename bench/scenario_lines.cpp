// Writes scenario lines for `spanwise-cli state -`: one line for each reachable state, the picks
// that first led there from the opening state, round all states again until the count asked for
// is reached.
//
// Usage: spanwise_scenario_lines [COUNT]   (default 50000)

#include "controls/DialogHost.h"
#include "ui/Calculator.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <iostream>
#include <iterator>
#include <string>
#include <vector>

using namespace ctl;
using spanwise::CalcList;
using spanwise::CCalculator;
using spanwise::CReachedState;

namespace {

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
std::string Value(const std::vector<std::string>& entries, int nIndex) {
    const std::string& text = entries[static_cast<std::size_t>(nIndex)];
    const long nSame = std::count_if(entries.begin(), entries.end(),
                                     [&](const std::string& e) { return Lower(e) == Lower(text); });
    if (text.empty() || nSame > 1 || text.find('\'') != std::string::npos) {
        return "#" + std::to_string(nIndex);
    }
    return IsPlainWord(text) ? text : "'" + text + "'";
}

// The pick that led to a state, as a user writes it on a scenario line.
std::string PickText(CCalculator& calc, const std::vector<CReachedState>& states,
                     const CReachedState& state) {
    calc.RestoreSelection(states[static_cast<std::size_t>(state.nFrom)].selection);
    return std::string(spanwise::GetListName(state.list)) + "=" +
           Value(calc.GetEntries(state.list), state.nPosition);
}

} // namespace

int main(int argc, char** argv) {
    const long nCount = argc > 1 ? std::strtol(argv[1], nullptr, 10) : 50000;
    CHeadlessHost host;
    CCalculator calc(host);
    const std::vector<CReachedState> states = spanwise::WalkReachableStates(
        calc, {std::begin(spanwise::kCalcLists), std::end(spanwise::kCalcLists)});
    // A state comes after the one it was reached from, whose line is then already written. The
    // opening state needs a line that changes nothing: its model picked again.
    std::vector<std::string> lines;
    lines.reserve(states.size());
    calc.RestoreSelection(states.front().selection);
    lines.push_back("model=" +
                    Value(calc.GetEntries(CalcList::Model), calc.GetSelected(CalcList::Model)));
    for (std::size_t i = 1; i < states.size(); ++i) {
        const std::size_t nFrom = static_cast<std::size_t>(states[i].nFrom);
        const std::string pick = PickText(calc, states, states[i]);
        lines.push_back(nFrom == 0 ? pick : lines[nFrom] + " " + pick);
    }
    std::ios::sync_with_stdio(false);
    for (long n = 0; n < nCount; ++n) {
        std::cout << lines[static_cast<std::size_t>(n) % lines.size()] << '\n';
    }
    return std::cout.good() ? 0 : 1;
}
