#include "StartPicks.h"

#include "controls/DialogHost.h"
#include "ui/Calculator.h"

#include <iostream>

std::vector<std::string> ApplyStartPicks(spanwise::CCalculator& calc,
                                         const std::vector<std::string>& picks) {
    std::vector<std::string> refused;
    for (const std::string& pick : picks) {
        spanwise::CPickRefusal refusal;
        if (!spanwise::TryPick(calc, pick, refusal)) {
            std::cerr << ctl::AfxGetAppName() << ": " << spanwise::CommandLineWords(refusal)
                      << '\n';
            refused.push_back(spanwise::WindowWords(refusal));
        }
    }
    return refused;
}

std::string RefusedPicksMessage(const std::vector<std::string>& refused) {
    std::string message;
    for (const std::string& one : refused) {
        message += (message.empty() ? "" : "\n\n") + one;
    }
    return message;
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
