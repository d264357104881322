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

std::vector<int> AllPositions(const std::vector<std::string>& entries) {
    std::vector<int> positions(entries.size());
    for (std::size_t i = 0; i < entries.size(); ++i) {
        positions[i] = static_cast<int>(i);
    }
    return positions;
}

// A window lists entries one to a line, so that none is broken where a message box wraps.
std::string EntryLines(const std::vector<std::string>& entries, const std::vector<int>& positions) {
    std::string lines;
    for (const int nPosition : positions) {
        const std::string& entry = entries[static_cast<std::size_t>(nPosition)];
        lines += '\n' +
                 (entry.empty() ? std::string(lang::Translate("(blank)")) : lang::Translate(entry));
    }
    return lines;
}

std::string PositionRange(int nCount) {
    return "#0 to #" + std::to_string(nCount - 1);
}

// The same in a window's language.
std::string WindowPositionRange(int nCount) {
    return lang::TranslateFormat("#0 to #%1", {std::to_string(nCount - 1)});
}

// The position "#N" names: N is decimal digits and nothing else. A number too large for an int
// is still a position, one that no list has.
int ParsePosition(const std::string& value) {
    int nPosition = 0;
    const auto [ptr, ec] =
        std::from_chars(value.data() + 1, value.data() + value.size(), nPosition);
    return ec == std::errc() ? nPosition : std::numeric_limits<int>::max();
}

// The entry VALUE names in the refusal's list, whose entries it holds, as ApplyPick describes;
// -1 with why when there is none or more than one.
int FindEntry(const std::string& value, CPickRefusal& refusal) {
    const std::vector<std::string>& entries = refusal.entries;
    const int nCount = static_cast<int>(entries.size());
    const bool bSigned = value.size() > 2 && (value[1] == '-' || value[1] == '+');
    const std::size_t digitsStart = bSigned ? 2 : 1;
    bool bPosition = value.size() > digitsStart && value[0] == '#';
    for (std::size_t i = digitsStart; bPosition && i < value.size(); ++i) {
        bPosition = IsDigit(value[i]);
    }
    refusal.typed = value;
    if (bPosition && bSigned) {
        refusal.reason = CPickRefusal::Reason::SignedPosition;
        return -1;
    }
    if (bPosition) {
        const int nPosition = ParsePosition(value);
        if (nPosition >= nCount) {
            refusal.reason = CPickRefusal::Reason::NoSuchPosition;
            return -1;
        }
        return nPosition;
    }

    std::vector<int>& beginnings = refusal.beginnings;
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
    refusal.reason =
        beginnings.empty() ? CPickRefusal::Reason::NoSuchEntry : CPickRefusal::Reason::Ambiguous;
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

bool TryPick(CCalculator& calc, const std::string& selection, CPickRefusal& refusal,
             CalcList* pList) {
    refusal = CPickRefusal();
    const std::size_t equals = selection.find('=');
    if (equals == std::string::npos) {
        refusal.typed = selection;
        // "fit 90 min" unquoted leaves the unit behind as a word of its own.
        refusal.reason = IsDurationUnit(selection) ? CPickRefusal::Reason::DurationUnit
                                                   : CPickRefusal::Reason::NotASelection;
        return false;
    }
    const std::string listName = selection.substr(0, equals);
    const CalcList* pNamed = nullptr;
    for (const CalcList& candidate : kCalcLists) {
        if (EqualsIgnoringCase(listName, GetListName(candidate))) {
            pNamed = &candidate;
        }
    }
    if (pNamed == nullptr) {
        refusal.typed = listName;
        refusal.reason = CPickRefusal::Reason::UnknownList;
        return false;
    }
    refusal.list = *pNamed;
    refusal.caption = calc.GetListCaption(refusal.list);
    if (!calc.IsEnabled(refusal.list)) {
        refusal.reason = CPickRefusal::Reason::Disabled;
        refusal.disabledBecause = calc.GetDisabledReason(refusal.list);
        refusal.disabledHere = calc.GetDisabledReason(refusal.list, false);
        return false;
    }
    refusal.entries = calc.GetEntries(refusal.list);
    const int nIndex = FindEntry(selection.substr(equals + 1), refusal);
    if (nIndex < 0) {
        return false;
    }
    calc.Pick(refusal.list, nIndex);
    if (pList != nullptr) {
        *pList = refusal.list;
    }
    return true;
}

std::string CommandLineWords(const CPickRefusal& refusal) {
    using Reason = CPickRefusal::Reason;
    const std::string name = GetListName(refusal.list);
    const std::vector<std::string>& entries = refusal.entries;
    const int nCount = static_cast<int>(entries.size());
    switch (refusal.reason) {
    case Reason::NotASelection:
        return lang::CommandLineFormat(
            "%1 is not a selection: write LIST=VALUE, for example model=Cedar",
            {QuoteTyped(refusal.typed)});
    case Reason::DurationUnit:
        return lang::CommandLineFormat(
            "%1 is not a selection: quote a duration written with a blank (\"90 min\")",
            {QuoteTyped(refusal.typed)});
    case Reason::UnknownList:
        return lang::CommandLineFormat("unknown list %1: the lists are %2",
                                       {QuoteTyped(refusal.typed), ListNames()});
    case Reason::Disabled:
        return lang::CommandLineFormat("cannot pick in the %1 list: it is disabled because %2",
                                       {name, refusal.disabledBecause});
    case Reason::SignedPosition:
        return lang::CommandLineFormat(
            "%1 is not a position of the %2 list: write #N without a sign, %3",
            {QuoteTyped(refusal.typed), name, PositionRange(nCount)});
    case Reason::NoSuchPosition:
        return lang::CommandLineFormat(
            "%1 is not a position of the %2 list, which has %3 entries (%4)",
            {QuoteTyped(refusal.typed), name, std::to_string(nCount), PositionRange(nCount)});
    case Reason::NoSuchEntry:
        return lang::CommandLineFormat(
            "%1 is not an entry of the %2 list; its entries are now %3 (or #N for the N-th, from "
            "#0)",
            {QuoteTyped(refusal.typed), name, EntriesOf(entries, AllPositions(entries))});
    case Reason::Ambiguous:
        return lang::CommandLineFormat(
            "%1 is the beginning of more than one entry of the %2 list: %3; write more of it",
            {QuoteTyped(refusal.typed), name, EntriesOf(entries, refusal.beginnings)});
    }
    return {};
}

std::string WindowWords(const CPickRefusal& refusal) {
    using Reason = CPickRefusal::Reason;
    const std::string typed = QuoteTyped(refusal.typed);
    const std::vector<std::string>& entries = refusal.entries;
    const int nCount = static_cast<int>(entries.size());
    switch (refusal.reason) {
    case Reason::NotASelection:
    case Reason::DurationUnit:
        return lang::TranslateFormat(
            "Cannot read %1 as a pick. Write a list and one of its entries, such as model=Cedar.",
            {typed});
    case Reason::UnknownList: {
        std::string names;
        for (const CalcList list : kCalcLists) {
            if (list != CalcList::TimeRange) {
                names += std::string(names.empty() ? "" : ", ") + GetListName(list);
            }
        }
        return lang::TranslateFormat("There is no list %1. The lists are %2 and %3.",
                                     {typed, names, GetListName(CalcList::TimeRange)});
    }
    case Reason::Disabled:
        return lang::TranslateFormat("Cannot pick in the %1 list: it is disabled because %2.",
                                     {refusal.caption, refusal.disabledHere});
    case Reason::SignedPosition:
        return lang::TranslateFormat(
            "Cannot pick %1 in the %2 list: a position is written without a sign, from %3.",
            {typed, refusal.caption, WindowPositionRange(nCount)});
    case Reason::NoSuchPosition:
        return lang::TranslateFormat(
            "Cannot pick %1 in the %2 list: it has %3 entries, %4.",
            {typed, refusal.caption, std::to_string(nCount), WindowPositionRange(nCount)});
    case Reason::NoSuchEntry:
        return lang::TranslateFormat(
            "Cannot pick %1 in the %2 list, which has no such entry. Its entries are now:%3",
            {typed, refusal.caption, EntryLines(entries, AllPositions(entries))});
    case Reason::Ambiguous:
        return lang::TranslateFormat(
            "Cannot pick %1 in the %2 list: it begins more than one entry. Write more of one of "
            "these:%3",
            {typed, refusal.caption, EntryLines(entries, refusal.beginnings)});
    }
    return {};
}

bool ApplyPick(CCalculator& calc, const std::string& selection, std::string& error,
               CalcList* pList) {
    CPickRefusal refusal;
    if (TryPick(calc, selection, refusal, pList)) {
        return true;
    }
    error = CommandLineWords(refusal);
    return false;
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
