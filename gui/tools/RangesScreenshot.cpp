// Renders the Ranges box over the calculator to a PNG for the docs (scripts/screenshot.sh
// --ranges):
//
//   spanwise_ranges_screenshot OUTPUT.png [DURATION] [LIST=VALUE ...]
//
// The picks are applied first, then Fit a Recording Time with DURATION (when not "-"), so that the
// box marks the ranges that record it. Run on Qt's offscreen platform; needs no display. The box
// speaks the locale's language, as the window does (LC_ALL, LC_MESSAGES, LANG).

#include "gui/DialogWindow.h"
#include "gui/QtDialogHost.h"

#include "controls/Dialog.h"
#include "lang/Catalogue.h"
#include "lang/Language.h"
#include "res/Resource.h"
#include "ui/Calculator.h"

#include <QApplication>

#include <cstdlib>
#include <iostream>
#include <string>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() < 2) {
        std::cerr << "usage: spanwise_ranges_screenshot OUTPUT.png [DURATION] [LIST=VALUE ...]\n";
        return 2;
    }
    spanwise::lang::AddCoreCatalogues();
    spanwise::lang::SetLanguage(spanwise::lang::LanguageOfEnvironment(
        std::getenv("LC_ALL"), std::getenv("LC_MESSAGES"), std::getenv("LANG")));
    CQtDialogHost host;
    spanwise::CCalculator calc(host);
    for (qsizetype i = 3; i < args.size(); ++i) {
        std::string error;
        if (!spanwise::ApplyPick(calc, args[i].toStdString(), error)) {
            std::cerr << error << '\n';
            return 2;
        }
    }
    if (args.size() > 2 && args[2] != "-" && !calc.FitRecordingTime(args[2].toStdString())) {
        std::cerr << "no range records " << args[2].toStdString() << '\n';
        return 2;
    }
    calc.Show();
    host.Windows().front()->GetDialog()->OnUserSysCommand(IDM_RANGES);
    CDialogWindow* pRanges = host.Windows().back();
    QApplication::processEvents();
    if (!pRanges->grab().save(args[1], "PNG")) {
        std::cerr << "cannot write " << args[1].toStdString() << '\n';
        return 1;
    }
    return 0;
}
