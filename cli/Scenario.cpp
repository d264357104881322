#include "Scenario.h"

#include "CliHost.h"
#include "Output.h"
#include "Picks.h"
#include "ui/RecordingCalcDlg.h"

namespace spanwise::cli {

namespace {

// Installs a host for the scenario's dialog and puts the previous one back afterwards.
class CHostScope {
public:
    explicit CHostScope(IDialogHost& host) : m_previous(AfxGetDialogHost()) {
        AfxSetDialogHost(&host);
    }
    ~CHostScope() { AfxSetDialogHost(&m_previous); }
    CHostScope(const CHostScope&) = delete;
    CHostScope& operator=(const CHostScope&) = delete;

private:
    IDialogHost& m_previous;
};

} // namespace

bool RunScenario(const CScenarioOptions& options, const std::vector<std::string>& selections,
                 std::string& out, std::string& error) {
    out.clear();
    CCliHost host;
    const CHostScope scope(host);
    CRecordingCalcDlg dlg;
    dlg.Create();
    for (const std::string& selection : selections) {
        if (!ApplyPick(dlg, selection, error)) {
            return false;
        }
    }
    switch (options.command) {
    case Command::Report:
        out = ToTerminalLines(CopyReport(dlg, host));
        break;
    case Command::State:
        out = StateJson(dlg, host) + '\n';
        break;
    case Command::Table:
        out = RangeTable(dlg, options.bCsv);
        break;
    }
    return true;
}

} // namespace spanwise::cli
