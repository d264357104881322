// What becomes of the picks a window program cannot apply, and of the picks where no window
// opens: kept apart from ApplyStartPicks, so that a program without standard error (the web page)
// takes nothing of the streams.
#include "StartPicks.h"

#include "controls/DialogHost.h"
#include "ui/Calculator.h"

#include <iostream>

void ReportOnStandardError(const spanwise::CPickRefusal& refusal) {
    std::cerr << ctl::AfxGetAppName() << ": " << spanwise::CommandLineWords(refusal) << '\n';
}

std::string ReportAfterPicks(const std::vector<std::string>& picks,
                             std::vector<std::string>& refused) {
    ctl::CHeadlessHost host;
    spanwise::CCalculator calc(host);
    refused = ApplyStartPicks(calc, picks);
    std::string report = calc.GetReport();
    std::string::size_type at = 0;
    while ((at = report.find("\r\n", at)) != std::string::npos) {
        report.erase(at, 1);
    }
    return report;
}
