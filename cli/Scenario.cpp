#include "Scenario.h"

#include "ExitStatus.h"
#include "Picks.h"
#include "ui/Calculator.h"

namespace spanwise::cli {

CAnswer RunScenario(const CCommand& command, const CCommandOptions& options,
                    const std::vector<std::string>& selections) {
    ctl::CHeadlessHost host;
    CCalculator calc(host);
    for (const std::string& selection : selections) {
        std::string error;
        if (!ApplyPick(calc, selection, error)) {
            return {{}, error, kExitUsage};
        }
    }
    return command.answer(calc, options);
}

} // namespace spanwise::cli
