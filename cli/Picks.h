#pragma once

#include <string>

namespace spanwise {
class CCalculator;
}

namespace spanwise::cli {

// The names of the lists on the command line, in dialog order, separated by ", ".
std::string ListNames();

// Applies one "LIST=VALUE" selection to an open calculator as a user's pick: the list's selection
// changes and its change notification runs. VALUE is an entry's text as the list shows it now
// (any case) or "#N" for the 0-based position. Returns false with a message, and changes
// nothing, when the selection is malformed, names no list or entry, or the list is disabled.
bool ApplyPick(CCalculator& calc, const std::string& selection, std::string& error);

} // namespace spanwise::cli
