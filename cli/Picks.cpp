#include "Picks.h"

#include "ui/Calculator.h"

#include <cctype>
#include <charconv>
#include <iterator>
#include <limits>

namespace spanwise::cli {

namespace {

bool EqualsIgnoringCase(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(a[i])) !=
            std::tolower(static_cast<unsigned char>(b[i]))) {
            return false;
        }
    }
    return true;
}

std::string Quoted(const std::string& text) {
    return "\"" + text + "\"";
}

std::string EntriesOf(const std::vector<std::string>& entries) {
    std::string text;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        text += (i == 0 ? "" : ", ") + Quoted(entries[i]);
    }
    return text;
}

// "#N" with N a decimal position; false, with nPosition untouched, for anything else ("#2x" is
// text, not position 2). A number too large for an int is still a position, one that no list has.
bool ParsePosition(const std::string& value, int& nPosition) {
    if (value.size() < 2 || value[0] != '#') {
        return false;
    }
    const char* first = value.data() + 1;
    const char* last = value.data() + value.size();
    int nParsed = 0;
    const auto [ptr, ec] = std::from_chars(first, last, nParsed);
    if (ptr != last) {
        return false;
    }
    if (ec == std::errc::result_out_of_range) {
        nPosition =
            value[1] == '-' ? std::numeric_limits<int>::min() : std::numeric_limits<int>::max();
        return true;
    }
    if (ec != std::errc()) {
        return false;
    }
    nPosition = nParsed;
    return true;
}

} // namespace

std::string ListNames() {
    std::string names;
    for (const CalcList list : kCalcLists) {
        names += (names.empty() ? "" : ", ") + std::string(GetListName(list));
    }
    return names;
}

bool ApplyPick(CCalculator& calc, const std::string& selection, std::string& error) {
    const std::size_t equals = selection.find('=');
    if (equals == std::string::npos) {
        error =
            Quoted(selection) + " is not a selection: write LIST=VALUE, for example model=Cedar";
        return false;
    }
    const std::string listName = selection.substr(0, equals);
    const std::string value = selection.substr(equals + 1);

    const CalcList* pList = nullptr;
    for (const CalcList& candidate : kCalcLists) {
        if (EqualsIgnoringCase(listName, GetListName(candidate))) {
            pList = &candidate;
        }
    }
    if (pList == nullptr) {
        error = "unknown list " + Quoted(listName) + ": the lists are " + ListNames();
        return false;
    }
    const CalcList list = *pList;
    const std::string name = GetListName(list);

    if (!calc.IsEnabled(list)) {
        error = "cannot pick in the " + name + " list: it is disabled because " +
                calc.GetDisabledReason(list);
        return false;
    }
    const std::vector<std::string>& entries = calc.GetEntries(list);
    const int nCount = static_cast<int>(entries.size());
    int nIndex = -1;
    if (ParsePosition(value, nIndex)) {
        if (nIndex < 0 || nIndex >= nCount) {
            error = value + " is not a position of the " + name + " list, which has " +
                    std::to_string(nCount) + " entries (#0 to #" + std::to_string(nCount - 1) + ")";
            return false;
        }
    } else {
        for (int i = 0; i < nCount; ++i) {
            if (EqualsIgnoringCase(value, entries[static_cast<std::size_t>(i)])) {
                nIndex = i;
                break;
            }
        }
        if (nIndex < 0) {
            error = Quoted(value) + " is not an entry of the " + name +
                    " list; its entries are now " + EntriesOf(entries) +
                    " (or #N for the N-th, from #0)";
            return false;
        }
    }

    calc.Pick(list, nIndex);
    return true;
}

} // namespace spanwise::cli
