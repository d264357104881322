#pragma once

#include <string>
#include <vector>

namespace spanwise {
class CCalculator;
struct CPickRefusal;
} // namespace spanwise

// The picks a desktop program opens with (CCommandLine::picks), applied as spanwise-cli applies
// them, except that one which cannot be applied is passed over and the rest still are.

// Reports a pick that cannot be applied on standard error, as "PROGRAM: MESSAGE" with
// spanwise-cli's message (spanwise::CommandLineWords).
void ReportOnStandardError(const spanwise::CPickRefusal& refusal);

// Applies picks to calc in their order. Each that cannot be applied is reported (report; nullptr:
// nowhere but the result); returns the messages as a window words them (spanwise::WindowWords).
// The web page has no standard error to report on, and leaves out what writing there takes,
// spanwise-cli's wording included.
std::vector<std::string>
ApplyStartPicks(spanwise::CCalculator& calc, const std::vector<std::string>& picks,
                void (*report)(const spanwise::CPickRefusal&) = ReportOnStandardError);

// The one message box that tells of the refused picks: their messages, a blank line between
// them; empty for none.
std::string RefusedPicksMessage(const std::vector<std::string>& refused);

// For a program without a window: the Copy report, with the terminal's line ends, of the
// conditions picks bring a calculator to; refused receives the messages ApplyStartPicks gave.
std::string ReportAfterPicks(const std::vector<std::string>& picks,
                             std::vector<std::string>& refused);
