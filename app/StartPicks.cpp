#include "StartPicks.h"

#include "ui/Calculator.h"

std::vector<std::string> ApplyStartPicks(spanwise::CCalculator& calc,
                                         const std::vector<std::string>& picks,
                                         void (*report)(const spanwise::CPickRefusal&)) {
    std::vector<std::string> refused;
    for (const std::string& pick : picks) {
        spanwise::CPickRefusal refusal;
        if (!spanwise::TryPick(calc, pick, refusal)) {
            if (report != nullptr) {
                report(refusal);
            }
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
