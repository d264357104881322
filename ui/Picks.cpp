// Selections as users write them, "LIST=VALUE": on command lines, scenario lines, the window's
// command line and the web page's address.

#include "ui/Calculator.h"

#include "calc/DurationParse.h"
#include "calc/ShownText.h"
#include "controls/DialogHost.h"
#include "lang/Catalogue.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <limits>
#include <vector>

namespace spanwise {

namespace {

char Lower(char c) {
    return static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
}

// Whether text begins with prefix, without regard to (ASCII) case; equal texts included.
bool BeginsIgnoringCase(const std::string& text, const std::string& prefix) {
    if (prefix.size() > text.size()) {
        return false;
    }
    for (std::size_t i = 0; i < prefix.size(); ++i) {
        if (Lower(text[i]) != Lower(prefix[i])) {
            return false;
        }
    }
    return true;
}

bool EqualsIgnoringCase(const std::string& a, const std::string& b) {
    return a.size() == b.size() && BeginsIgnoringCase(a, b);
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Entries are the program's own texts; they are quoted only to set them apart.
std::string EntriesOf(const std::vector<std::string>& entries, const std::vector<int>& positions) {
    std::string text;
    for (const int nPosition : positions) {
        text += (text.empty() ? "\"" : ", \"") + entries[static_cast<std::size_t>(nPosition)] + '"';
    }
    return text;
}

std::string AllEntriesOf(const std::vector<std::string>& entries) {
    std::vector<int> positions(entries.size());
    for (std::size_t i = 0; i < entries.size(); ++i) {
        positions[i] = static_cast<int>(i);
    }
    return EntriesOf(entries, positions);
}

std::string PositionRange(int nCount) {
    return "#0 to #" + std::to_string(nCount - 1);
}

// The position "#N" names: N is decimal digits and nothing else. A number too large for an int
// is still a position, one that no list has.
int ParsePosition(const std::string& value) {
    int nPosition = 0;
    const auto [ptr, ec] =
        std::from_chars(value.data() + 1, value.data() + value.size(), nPosition);
    return ec == std::errc() ? nPosition : std::numeric_limits<int>::max();
}

// The entry VALUE names in a list of entries, as ApplyPick describes; -1 with a message when
// there is none or more than one.
int FindEntry(const std::vector<std::string>& entries, const std::string& value,
              const std::string& listName, std::string& error) {
    const int nCount = static_cast<int>(entries.size());
    const bool bSigned = value.size() > 2 && (value[1] == '-' || value[1] == '+');
    const std::size_t digitsStart = bSigned ? 2 : 1;
    bool bPosition = value.size() > digitsStart && value[0] == '#';
    for (std::size_t i = digitsStart; bPosition && i < value.size(); ++i) {
        bPosition = IsDigit(value[i]);
    }
    if (bPosition && bSigned) {
        error = QuoteTyped(value) + " is not a position of the " + listName +
                " list: write #N without a sign, " + PositionRange(nCount);
        return -1;
    }
    if (bPosition) {
        const int nPosition = ParsePosition(value);
        if (nPosition >= nCount) {
            error = QuoteTyped(value) + " is not a position of the " + listName +
                    " list, which has " + std::to_string(nCount) + " entries (" +
                    PositionRange(nCount) + ")";
            return -1;
        }
        return nPosition;
    }

    std::vector<int> beginnings;
    for (int i = 0; i < nCount; ++i) {
        // An entry is named by its English text and by its translations, in every language, so
        // that a line or an address means the same to everyone.
        const std::vector<std::string> names =
            lang::GetEveryTranslation(entries[static_cast<std::size_t>(i)].c_str());
        bool bBegins = false;
        for (const std::string& name : names) {
            if (EqualsIgnoringCase(name, value)) {
                return i;
            }
            bBegins = bBegins || (!value.empty() && BeginsIgnoringCase(name, value));
        }
        if (bBegins) {
            beginnings.push_back(i);
        }
    }
    if (beginnings.size() == 1) {
        return beginnings.front();
    }
    if (beginnings.empty()) {
        error = QuoteTyped(value) + " is not an entry of the " + listName +
                " list; its entries are now " + AllEntriesOf(entries) +
                " (or #N for the N-th, from #0)";
    } else {
        error = QuoteTyped(value) + " is the beginning of more than one entry of the " + listName +
                " list: " + EntriesOf(entries, beginnings) + "; write more of it";
    }
    return -1;
}

} // namespace

std::string ListNames() {
    std::string names;
    for (const CalcList list : kCalcLists) {
        names += (names.empty() ? "" : ", ") + std::string(GetListName(list));
    }
    return names;
}

bool IsListName(const std::string& word) {
    for (const CalcList list : kCalcLists) {
        if (EqualsIgnoringCase(word, GetListName(list))) {
            return true;
        }
    }
    return false;
}

bool ApplyPick(CCalculator& calc, const std::string& selection, std::string& error,
               CalcList* pList) {
    const std::size_t equals = selection.find('=');
    if (equals == std::string::npos) {
        // "fit 90 min" unquoted leaves the unit behind as a word of its own.
        error = QuoteTyped(selection) +
                (IsDurationUnit(selection)
                     ? " is not a selection: quote a duration written with a blank (\"90 min\")"
                     : " is not a selection: write LIST=VALUE, for example model=Cedar");
        return false;
    }
    const std::string listName = selection.substr(0, equals);
    const std::string value = selection.substr(equals + 1);

    const CalcList* pNamed = nullptr;
    for (const CalcList& candidate : kCalcLists) {
        if (EqualsIgnoringCase(listName, GetListName(candidate))) {
            pNamed = &candidate;
        }
    }
    if (pNamed == nullptr) {
        error = "unknown list " + QuoteTyped(listName) + ": the lists are " + ListNames();
        return false;
    }
    const CalcList list = *pNamed;
    const std::string name = GetListName(list);

    if (!calc.IsEnabled(list)) {
        error = "cannot pick in the " + name + " list: it is disabled because " +
                calc.GetDisabledReason(list);
        return false;
    }
    const int nIndex = FindEntry(calc.GetEntries(list), value, name, error);
    if (nIndex < 0) {
        return false;
    }
    calc.Pick(list, nIndex);
    if (pList != nullptr) {
        *pList = list;
    }
    return true;
}

std::string SelectionWord(const CCalculator& calc, CalcList list) {
    const std::vector<std::string>& entries = calc.GetEntries(list);
    const int nSelected = calc.GetSelected(list);
    const std::string& text = entries[static_cast<std::size_t>(nSelected)];
    const long nSame = std::count_if(entries.begin(), entries.end(), [&text](const std::string& e) {
        return EqualsIgnoringCase(e, text);
    });
    const bool bPosition = text.empty() || nSame > 1 || text[0] == '#';
    return std::string(GetListName(list)) + '=' +
           (bPosition ? '#' + std::to_string(nSelected) : text);
}

namespace {

// Orders to pick the lists in so that each is picked while it is enabled: under REC the sampling
// and channel lists are disabled but keep their positions, so those are picked under MEM first.
const CalcList kReopenOrders[][kCalcListCount] = {
    {CalcList::Model, CalcList::Memory, CalcList::Sampling, CalcList::Scanner, CalcList::Channels,
     CalcList::Function, CalcList::TimeRange},
    {CalcList::Model, CalcList::Memory, CalcList::Function, CalcList::Sampling, CalcList::Scanner,
     CalcList::Channels, CalcList::TimeRange},
};

} // namespace

std::vector<std::string> GetSelectionWords(const CCalculator& calc) {
    ctl::CHeadlessHost host;
    std::vector<std::string> words;
    for (const auto& order : kReopenOrders) {
        CCalculator reopened(host);
        words.clear();
        for (const CalcList list : order) {
            const int nWanted = calc.GetSelection()[list];
            if (reopened.GetSelected(list) != nWanted && reopened.IsEnabled(list) &&
                nWanted < static_cast<int>(reopened.GetEntries(list).size())) {
                reopened.Pick(list, nWanted);
                words.push_back(SelectionWord(reopened, list));
            }
        }
        if (reopened.GetSelection() == calc.GetSelection()) {
            break;
        }
    }
    return words;
}

std::string QuoteUserText(const std::string& text) {
    return QuoteTyped(text);
}

} // namespace spanwise
