#include "StartPicks.h"

#include "controls/DialogHost.h"
#include "ui/Calculator.h"

#include <iostream>

std::vector<std::string> ApplyStartPicks(spanwise::CCalculator& calc,
                                         const std::vector<std::string>& picks) {
    std::vector<std::string> refused;
    for (const std::string& pick : picks) {
        std::string error;
        if (!spanwise::ApplyPick(calc, pick, error)) {
            std::cerr << ctl::AfxGetAppName() << ": " << error << '\n';
            refused.push_back(error);
        }
    }
    return refused;
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
