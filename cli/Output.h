#pragma once

#include <string>
#include <vector>

namespace spanwise {
class CCalculator;
}

namespace spanwise::cli {

// The report with "\n" line ends, for a terminal.
std::string ToTerminalLines(const std::string& report);

// The whole dialog as one JSON object on one line; report is what Copy put on the clipboard.
std::string StateJson(const CCalculator& calc, const std::string& report);

// {"error": message} on one line; bytes that are not UTF-8 are replaced.
std::string ErrorJson(const std::string& message);

// Rows of cells as columns two blanks apart, each line ending in its last cell unpadded.
// The columns text takes on a terminal: one for each character, two for the wide characters of
// East Asian scripts (kana, kanji, full-width forms).
std::size_t TerminalWidth(const std::string& text);

std::string Columns(const std::vector<std::vector<std::string>>& rows);

// The sampling period and recording time at each range the Time-axis Range list offers.
std::string RangeTable(const CCalculator& calc, bool bCsv);

} // namespace spanwise::cli
