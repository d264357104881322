#include "Scenario.h"

#include "Output.h"
#include "Picks.h"
#include "ui/Calculator.h"

#include <iostream>

namespace spanwise::cli {

bool RunScenario(const CScenarioOptions& options, const std::vector<std::string>& selections,
                 std::string& out, std::string& error) {
    out.clear();
    ctl::CHeadlessHost host;
    CCalculator calc(host);
    for (const std::string& selection : selections) {
        if (!ApplyPick(calc, selection, error)) {
            return false;
        }
    }
    switch (options.command) {
    case Command::Report:
        calc.Copy();
        out = ToTerminalLines(host.ClipboardText());
        break;
    case Command::State:
        calc.Copy();
        out = StateJson(calc, host.ClipboardText()) + '\n';
        break;
    case Command::Table:
        out = RangeTable(calc, options.bCsv);
        break;
    }
    // A message box has no window here: it becomes a line on standard error.
    for (const ctl::CHeadlessHost::CMessage& message : host.TakeMessages()) {
        std::cerr << message.caption << ": " << message.text << '\n';
    }
    return true;
}

} // namespace spanwise::cli
