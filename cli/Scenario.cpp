#include "Scenario.h"

#include "ExitStatus.h"
#include "ui/Calculator.h"

namespace spanwise::cli {

CAnswer RunScenario(const CCommand& command, const CCommandOptions& options,
                    const std::vector<std::string>& selections) {
    ctl::CHeadlessHost host;
    CCalculator calc(host);
    PickedLists picked;
    for (const std::string& selection : selections) {
        std::string error;
        CalcList list = CalcList::Model;
        if (!ApplyPick(calc, selection, error, &list)) {
            return {{}, error, kExitUsage};
        }
        picked.push_back(list);
    }
    return command.answer(calc, options, picked);
}

} // namespace spanwise::cli
