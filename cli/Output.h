#pragma once

#include <string>

class CRecordingCalcDlg;

namespace spanwise::cli {

class CCliHost;

// Presses Copy and returns what it put on the host's clipboard (CR LF line ends).
std::string CopyReport(CRecordingCalcDlg& dlg, const CCliHost& host);

// The report with "\n" line ends, for a terminal.
std::string ToTerminalLines(const std::string& report);

// The whole dialog as one JSON object on one line.
std::string StateJson(CRecordingCalcDlg& dlg, const CCliHost& host);

// {"error": message} on one line; bytes that are not UTF-8 are replaced.
std::string ErrorJson(const std::string& message);

// The sampling period and recording time at each range the Time-axis Range list offers.
// Leaves the list's selection on its last entry.
std::string RangeTable(CRecordingCalcDlg& dlg, bool bCsv);

} // namespace spanwise::cli
