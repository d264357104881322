#pragma once

#include <string>

class CRecordingCalcDlg;

namespace spanwise::cli {

// A list as the command line and the JSON state name it.
struct CListName {
    const char* name;
    int nID;
};

constexpr int kListCount = 7;
// In dialog order: model, memory, function, sampling, scanner, channels, range.
extern const CListName kListNames[kListCount];

// The names of the lists on the command line, in dialog order, separated by ", ".
const char* ListNames();

// Applies one "LIST=VALUE" selection to an open dialog as a user's pick: the list's selection
// changes and its change notification runs. VALUE is an entry's text as the list shows it now
// (any case) or "#N" for the 0-based position. Returns false with a message, and changes
// nothing, when the selection is malformed, names no list or entry, or the list is disabled.
bool ApplyPick(CRecordingCalcDlg& dlg, const std::string& selection, std::string& error);

} // namespace spanwise::cli
