#pragma once

#include "ui/ConditionLists.h"

#include <string>

namespace spanwise {
class CCalculator;
}

namespace spanwise::cli {

// The names of the lists on the command line, in dialog order, separated by ", ".
std::string ListNames();
// Whether word is the name of a list, in any case.
bool IsListName(const std::string& word);

// Applies one "LIST=VALUE" selection to an open calculator as a user's pick: the list's selection
// changes and its change notification runs. VALUE names an entry of the list as it is now:
// - "#N", N decimal digits without a sign, is the entry at 0-based position N;
// - otherwise the first entry whose text is VALUE, compared without regard to case;
// - failing that, the one entry whose text begins with VALUE (not empty), without regard to case.
// Returns false with a message, and changes nothing, when the selection is malformed, names no
// list, no entry or more than one entry, or when the list is disabled. pList, when given, receives
// the list picked in.
bool ApplyPick(CCalculator& calc, const std::string& selection, std::string& error,
               CalcList* pList = nullptr);

} // namespace spanwise::cli
