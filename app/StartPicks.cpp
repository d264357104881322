#include "StartPicks.h"

#include "ui/Calculator.h"

std::vector<std::string> ApplyStartPicks(spanwise::CCalculator& calc,
                                         const std::vector<std::string>& picks,
                                         void (*report)(const std::string&)) {
    std::vector<std::string> refused;
    for (const std::string& pick : picks) {
        std::string error;
        if (!spanwise::ApplyPick(calc, pick, error)) {
            if (report != nullptr) {
                report(error);
            }
            refused.push_back(error);
        }
    }
    return refused;
}
