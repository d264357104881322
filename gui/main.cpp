// spanwise: the calculator window.

#include "CommandLine.h"
#include "ConsoleOutput.h"
#include "DisplayCheck.h"
#include "Icons.h"
#include "QtDialogHost.h"

#include "app/RecordingCalcApp.h"
#include "controls/DialogHost.h"
#include "res/Resource.h"
#include "ui/Calculator.h"

#include <QApplication>

#include <clocale>
#include <iostream>
#include <string>
#include <vector>

using namespace ctl;

namespace {

constexpr int kExitUsage = 2;
constexpr int kExitFailure = 1;

// Where no window can be opened: the report of the opening conditions, as Copy would give it,
// with the terminal's line ends, and on standard error why there is no window (reason). False
// when the report could not be written.
bool PrintOpeningReport(const std::string& reason) {
    CHeadlessHost host;
    const spanwise::CCalculator calc(host);
    std::string report = calc.GetReport();
    std::string::size_type at = 0;
    while ((at = report.find("\r\n", at)) != std::string::npos) {
        report.erase(at, 1);
    }
    if (!WriteStandardOutput(report, AfxGetAppName())) {
        return false;
    }
    std::cerr << AfxGetAppName() << ": " << reason
              << ", so this is the opening report instead of the window;"
                 " spanwise-cli serves without one\n";
    return true;
}

// Help, version and bad arguments, which need no window. Returns -1 when the program goes on.
int AnswerWithoutWindow(const CCommandLine& commandLine, bool bReportErrors) {
    if (commandLine.bHelp || commandLine.bVersion) {
        const std::string text = commandLine.bHelp ? HelpText(AfxGetAppName()) : VersionText();
        return WriteStandardOutput(text, AfxGetAppName()) ? 0 : kExitWriteError;
    }
    if (bReportErrors && !commandLine.error.empty()) {
        std::cerr << AfxGetAppName() << ": " << commandLine.error << "\nRun '" << AfxGetAppName()
                  << " --help' for the options.\n";
        return kExitUsage;
    }
    return -1;
}

} // namespace

int main(int argc, char* argv[]) {
    theApp.SetProgramPath(argc > 0 ? argv[0] : "spanwise");
    const std::vector<std::string> rawArgs(argv + (argc > 0 ? 1 : 0), argv + argc);

    const bool bDisplay = HasDisplay(rawArgs);
    // Before Qt's options are taken out, only help and version can be answered.
    if (const int nExit = AnswerWithoutWindow(ParseCommandLine(rawArgs), !bDisplay); nExit >= 0) {
        return nExit;
    }
    if (!bDisplay) {
        return PrintOpeningReport("no display found") ? 0 : kExitWriteError;
    }
    // A display that is named but does not answer (a stopped X server, an ssh session without X
    // forwarding) would make the toolkit abort.
    if (const CDisplayCheck check = CheckDisplay(rawArgs); !check.bAnswers) {
        return PrintOpeningReport("cannot open display " + check.display) ? kExitFailure
                                                                          : kExitWriteError;
    }

    QApplication app(argc, argv);
    // Qt takes the locale from the environment; numbers are written with '.' whatever it is.
    std::setlocale(LC_NUMERIC, "C");

    std::vector<std::string> args;
    const QStringList qtArgs = QCoreApplication::arguments();
    for (qsizetype i = 1; i < qtArgs.size(); ++i) {
        args.push_back(qtArgs[i].toStdString());
    }
    const CCommandLine commandLine = ParseCommandLine(args);
    if (const int nExit = AnswerWithoutWindow(commandLine, true); nExit >= 0) {
        return nExit;
    }

    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.spanwise.Spanwise"));
    QApplication::setWindowIcon(IconForResource(IDR_MAINFRAME));

    CQtDialogHost host;
    host.SetScreenshotFile(QString::fromStdString(commandLine.screenshotFile));
    theApp.SetDialogHost(host);
    theApp.InitInstance();

    if (!commandLine.screenshotFile.empty() && !host.ScreenshotSaved()) {
        std::cerr << AfxGetAppName() << ": cannot write " << commandLine.screenshotFile << '\n';
        return kExitFailure;
    }
    return 0;
}
