// spanwise: the calculator window.

#include "ConsoleOutput.h"
#include "DisplayCheck.h"
#include "Icons.h"
#include "QtDialogHost.h"

#include "app/CommandLine.h"
#include "app/RecordingCalcApp.h"
#include "app/StartPicks.h"
#include "controls/DialogHost.h"
#include "lang/Catalogue.h"
#include "lang/Language.h"
#include "res/Resource.h"
#include "res/Version.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include <clocale>
#include <cstdlib>
#include <iostream>
#include <string>
#include <vector>

using namespace ctl;
namespace lang = spanwise::lang;

namespace {

constexpr int kExitUsage = 2;
constexpr int kExitFailure = 1;

const char* const kMenuHint = N_("right-click the window, or press the Menu key or Shift+F10");
const char* const kHelpNotes =
    N_("Qt's own options, such as -platform NAME, are accepted as well.\n"
       "-display NAME opens the window on that X display, DISPLAY set or not.\n"
       "Without a display (neither DISPLAY nor WAYLAND_DISPLAY set, no -display and no\n"
       "Qt platform chosen) the report of the picked conditions is printed instead of\n"
       "the window; a pick that cannot be applied then makes the exit status 2.\n"
       "spanwise-cli calculates any conditions without a window.\n");

// Where no window can be opened: the report of the conditions the picks lead to, as Copy would
// give it, with the terminal's line ends, and on standard error the picks refused and why there
// is no window (reason). Returns nExit, kExitUsage when a pick was refused, or kExitWriteError
// when the report could not be written.
int PrintReport(const std::vector<std::string>& picks, const std::string& reason, int nExit) {
    std::vector<std::string> refused;
    if (!WriteStandardOutput(ReportAfterPicks(picks, refused), AfxGetAppName())) {
        return kExitWriteError;
    }
    std::cerr << (picks.empty()
                      ? lang::CommandLineFormat("%1: %2, so this is the opening report instead of "
                                                "the window; spanwise-cli serves without one",
                                                {AfxGetAppName(), reason})
                      : lang::CommandLineFormat(
                            "%1: %2, so this is the report of the picked conditions instead of "
                            "the window; spanwise-cli serves without one",
                            {AfxGetAppName(), reason}))
              << '\n';
    return refused.empty() ? nExit : kExitUsage;
}

// Help, version and bad arguments, which need no window. Returns -1 when the program goes on.
int AnswerWithoutWindow(const CCommandLine& commandLine, bool bReportErrors) {
    if (commandLine.bHelp || commandLine.bVersion) {
        const std::string text =
            commandLine.bHelp ? HelpText(AfxGetAppName(), lang::CommandLineFormat(kMenuHint, {}),
                                         lang::CommandLineFormat(kHelpNotes, {}))
                              : std::string("Spanwise ") + spanwise::kFileVersion + "\n";
        return WriteStandardOutput(text, AfxGetAppName()) ? 0 : kExitWriteError;
    }
    if (bReportErrors && !commandLine.error.empty()) {
        std::cerr << AfxGetAppName() << ": " << commandLine.error << '\n'
                  << lang::CommandLineFormat("Run '%1 --help' for the options.", {AfxGetAppName()})
                  << '\n';
        return kExitUsage;
    }
    return -1;
}

} // namespace

int main(int argc, char* argv[]) {
    theApp.SetProgramPath(argc > 0 ? argv[0] : "spanwise");
    const std::vector<std::string> rawArgs(argv + (argc > 0 ? 1 : 0), argv + argc);
    // The window, the help and the messages in the locale's language, as the C library chooses
    // it; --lang overrides it.
    lang::AddCoreCatalogues();
    lang::AddCommandLineCatalogues();
    lang::SetLanguage(lang::LanguageOfEnvironment(std::getenv("LC_ALL"), std::getenv("LC_MESSAGES"),
                                                  std::getenv("LANG")));

    const bool bDisplay = HasDisplay(rawArgs);
    // Before Qt has taken its options out, only help and version can be answered.
    const CCommandLine rawCommandLine = ParseCommandLine(WithoutToolkitOptions(rawArgs));
    if (const int nExit = AnswerWithoutWindow(rawCommandLine, !bDisplay); nExit >= 0) {
        return nExit;
    }
    if (!bDisplay) {
        return PrintReport(rawCommandLine.picks, lang::CommandLineFormat("no display found", {}),
                           0);
    }
    // A display that is named but does not answer (a stopped X server, an ssh session without X
    // forwarding) would make the toolkit abort. Qt's options are still among the arguments.
    if (const CDisplayCheck check = CheckDisplay(rawArgs); !check.bAnswers) {
        return PrintReport(rawCommandLine.picks,
                           lang::CommandLineFormat("cannot open display %1", {check.display}),
                           kExitFailure);
    }

    if (DisplayOptionChoosesX11(rawArgs)) {
        qputenv("QT_QPA_PLATFORM", "xcb");
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

    // Qt's own words (a message box's button, an edit field's menu) in the language spoken, from
    // Qt's translations where they are installed; English where they are not.
    QTranslator qtWords;
    if (qtWords.load(QString::fromStdString("qtbase_" + lang::GetLanguage()),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(&qtWords);
    }

    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.spanwise.Spanwise"));
    QApplication::setWindowIcon(IconForResource(IDR_MAINFRAME));

    CQtDialogHost host;
    host.SetScreenshotFile(QString::fromStdString(commandLine.screenshotFile));
    theApp.SetDialogHost(host);
    theApp.SetStartPicks(commandLine.picks);
    theApp.InitInstance();

    if (!commandLine.screenshotFile.empty() && !host.ScreenshotSaved()) {
        std::cerr << AfxGetAppName() << ": "
                  << lang::CommandLineFormat("cannot write %1", {commandLine.screenshotFile})
                  << '\n';
        return kExitFailure;
    }
    return 0;
}
