#include "Scenario.h"

#include "ExitStatus.h"
#include "lang/Language.h"
#include "ui/Calculator.h"

#include <optional>

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
    // JSON and CSV are read by programs: the same in every language.
    const std::optional<lang::CEnglishScope> english =
        command.format(options) == AnswerFormat::Text ? std::nullopt
                                                      : std::make_optional<lang::CEnglishScope>();
    return command.answer(calc, options, picked);
}

} // namespace spanwise::cli
