// The spanwise program as a process: without a display it prints the opening report; help and
// version need no display; the screenshot option writes a picture of the real window.

#include "OpeningReport.h"

#include "controls/ControlState.h"
#include "gui/Fonts.h"
#include "res/DialogTemplates.h"
#include "res/Resource.h"
#include "res/StringTable.h"
#include "res/Version.h"

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

struct CRun {
    int nExit = -1;
    QString out;
    QString err;
};

// Runs spanwise with args; bDisplay: on the offscreen platform, else with no display at all.
// extra: variables set on top ("NAME=VALUE"); outFile: where standard output goes instead.
CRun RunSpanwise(const QStringList& args, bool bDisplay, const QStringList& extra = {},
                 const QString& outFile = {}) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name :
         {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "XDG_SESSION_TYPE", "QT_SCALE_FACTOR"}) {
        environment.remove(name);
    }
    if (bDisplay) {
        environment.insert("QT_QPA_PLATFORM", "offscreen");
    }
    for (const QString& variable : extra) {
        environment.insert(variable.section('=', 0, 0), variable.section('=', 1));
    }
    QProcess process;
    process.setProcessEnvironment(environment);
    if (!outFile.isEmpty()) {
        process.setStandardOutputFile(outFile);
    }
    process.start(SPANWISE_EXECUTABLE, args);
    CRun run;
    // A crash (an abort, a segmentation fault) leaves nExit at -1.
    if (!process.waitForFinished(20000)) {
        process.kill();
        process.waitForFinished();
        return run;
    }
    if (process.exitStatus() == QProcess::NormalExit) {
        run.nExit = process.exitCode();
    }
    run.out = QString::fromUtf8(process.readAllStandardOutput());
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
}

#ifdef SPANWISE_CLI_EXECUTABLE
CRun RunCli(const QStringList& args) {
    QProcess process;
    process.start(SPANWISE_CLI_EXECUTABLE, args);
    CRun run;
    if (process.waitForFinished(20000) && process.exitStatus() == QProcess::NormalExit) {
        run.nExit = process.exitCode();
    }
    run.out = QString::fromUtf8(process.readAllStandardOutput());
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
}
#endif

} // namespace

#ifdef SPANWISE_CLI_EXECUTABLE
// The picks on the command line: without a display, the report spanwise-cli prints for those
// that apply; a pick that does not is told on standard error with spanwise-cli's message, with a
// display too (where the window opens with the rest).
TEST(SpanwiseProcessTest, PicksOpenTheirConditions) {
    struct Case {
        QStringList picks;
        int nRefused; // position of the pick spanwise-cli refuses; -1 for none
    };
    const Case cases[] = {{{"model=Cedar", "function=REC"}, -1},
                          {{"model=hazel", "range=#3"}, -1},
                          {{"model=Cedar", "memory=9G", "function=REC"}, 1}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.picks.join(' ').toStdString());
        QStringList applied = c.picks;
        QString refusal;
        if (c.nRefused >= 0) {
            const CRun cli = RunCli(QStringList{"report"} + c.picks);
            ASSERT_EQ(cli.nExit, 2);
            refusal = "spanwise: " + cli.err.section('\n', 0, 0).section(": ", 1) + "\n";
            applied.removeAt(c.nRefused);
        }
        const CRun run = RunSpanwise(c.picks, false);
        EXPECT_EQ(run.out, RunCli(QStringList{"report"} + applied).out);
        EXPECT_EQ(run.nExit, c.nRefused >= 0 ? 2 : 0);
        EXPECT_TRUE(run.err.startsWith(refusal)) << run.err.toStdString();
        EXPECT_TRUE(run.err.contains("no display")) << run.err.toStdString();

        const QTemporaryDir dir;
        const CRun shown =
            RunSpanwise(c.picks + QStringList{"--screenshot", dir.filePath("w.png")}, true);
        EXPECT_EQ(shown.nExit, 0);
        QString told; // the toolkit may have said something of its own
        for (const QString& line : shown.err.split('\n')) {
            told += line.startsWith("spanwise: ") ? line + '\n' : QString();
        }
        EXPECT_EQ(told, refusal);
    }
}
#endif

TEST(SpanwiseProcessTest, WithoutDisplayPrintsTheOpeningReport) {
    const CRun run = RunSpanwise({}, false);
    EXPECT_EQ(run.nExit, 0);
    EXPECT_EQ(run.out.toStdString(), spanwise::test::kOpeningReport);
    EXPECT_EQ(run.err.count('\n'), 1) << run.err.toStdString();
    EXPECT_TRUE(run.err.contains("no display")) << run.err.toStdString();
    EXPECT_TRUE(run.err.contains("spanwise-cli")) << run.err.toStdString();
}

TEST(SpanwiseProcessTest, OutputThatCannotBeWrittenIsAnError) {
    struct Case {
        QStringList args;
        QStringList extra;
    };
    const Case cases[] = {{{"--version"}, {}},
                          {{"--help"}, {}},
                          {{}, {}},
                          // a display that does not answer: the report instead of the window
                          {{}, {"DISPLAY=:55"}}};
    for (const Case& c : cases) {
        SCOPED_TRACE((c.args + c.extra).join(' ').toStdString());
        const CRun run = RunSpanwise(c.args, false, c.extra, "/dev/full");
        EXPECT_EQ(run.nExit, 4);
        EXPECT_EQ(run.err.toStdString(), "spanwise: write error: No space left on device\n");
    }
}

struct CArgumentsCase {
    const char* name;
    QStringList args;
    int nExit;
    std::string outContains;
    const char* errContains;
    QStringList environment = {}; // "NAME=VALUE" set on top
};

void PrintTo(const CArgumentsCase& row, std::ostream* pOut) {
    *pOut << row.name;
}

class SpanwiseArgumentsTest : public ::testing::TestWithParam<CArgumentsCase> {};

TEST_P(SpanwiseArgumentsTest, AnswerWithoutAWindow) {
    const CArgumentsCase& row = GetParam();
    for (const bool bDisplay : {false, true}) {
        const CRun run = RunSpanwise(row.args, bDisplay, row.environment);
        SCOPED_TRACE(bDisplay ? "offscreen platform" : "no display");
        EXPECT_EQ(run.nExit, row.nExit);
        EXPECT_TRUE(run.out.contains(QString::fromStdString(row.outContains)))
            << run.out.toStdString();
        EXPECT_TRUE(run.err.contains(row.errContains)) << run.err.toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Options, SpanwiseArgumentsTest,
    ::testing::Values(
        CArgumentsCase{"Version",
                       {"--version"},
                       0,
                       std::string("Spanwise ") + spanwise::kFileVersion + "\n",
                       ""},
        CArgumentsCase{"Help", {"--help"}, 0, "Usage: spanwise", ""},
        CArgumentsCase{"Unknown", {"--frobnicate"}, 2, "", "unknown option \"--frobnicate\""},
        CArgumentsCase{"UnknownWithEscape", {"--\x1b[2J"}, 2, "", "unknown option \"--\\x1b[2J\""},
        CArgumentsCase{"Language", {"--lang", "ja", "--help"}, 0, "使い方: spanwise", ""},
        CArgumentsCase{"LanguageJoined", {"--help", "--lang=ja"}, 0, "使い方: spanwise", ""},
        CArgumentsCase{
            "LanguageOfLocale", {"--help"}, 0, "使い方: spanwise", "", {"LANG=ja_JP.UTF-8"}},
        CArgumentsCase{"LanguageOverLocale",
                       {"--lang", "en", "--help"},
                       0,
                       "Usage: spanwise",
                       "",
                       {"LC_ALL=ja_JP.UTF-8"}},
        CArgumentsCase{"UnknownLanguage", {"--lang", "xx"}, 2, "", "unknown language \"xx\""},
        CArgumentsCase{"LanguageLacking", {"--lang"}, 2, "", "--lang needs a language"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SpanwiseProcessTest, ScreenshotIsTheWholeWindow) {
    const QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString file = dir.filePath("window.png");
    const CRun run = RunSpanwise({"--screenshot", file}, true);
    ASSERT_EQ(run.nExit, 0) << run.err.toStdString();

    const QImage image(file);
    ASSERT_FALSE(image.isNull());
    const QFont font = DialogFont(QString::fromUtf8(kRecordingCalcTemplate.fontFace),
                                  kRecordingCalcTemplate.nFontPointSize);
    const ctl::CRect size = ctl::MapDialogRect(
        {0, 0, kRecordingCalcTemplate.cx, kRecordingCalcTemplate.cy}, BaseUnitsOf(font));
    const QSize expected(size.cx, size.cy);
    EXPECT_EQ(image.size() / image.devicePixelRatio(), expected);
}

// An X display number that nothing serves here.
QString SilentXDisplay() {
    for (int nDisplay = 55; nDisplay < 200; ++nDisplay) {
        if (!QFileInfo::exists(QString("/tmp/.X11-unix/X%1").arg(nDisplay)) &&
            !QFileInfo::exists(QString("/tmp/.X%1-lock").arg(nDisplay))) {
            return QString(":%1").arg(nDisplay);
        }
    }
    return ":55";
}

// A display that is named but does not answer, and how it is named back.
struct CSilentDisplayCase {
    const char* name;
    QStringList environment;
    QStringList args;
    QString named;
};

void PrintTo(const CSilentDisplayCase& row, std::ostream* pOut) {
    *pOut << row.name;
}

class SilentDisplayTest : public ::testing::TestWithParam<CSilentDisplayCase> {};

TEST_P(SilentDisplayTest, SaysSoAndPrintsTheOpeningReport) {
    const CSilentDisplayCase& row = GetParam();
    const QTemporaryDir runtimeDir;
    QStringList environment = row.environment;
    environment.replaceInStrings("@RUNTIME@", runtimeDir.path());
    environment.replaceInStrings("@SILENT@", SilentXDisplay());
    QStringList args = row.args;
    args.replaceInStrings("@SILENT@", SilentXDisplay());
    const QString named = QString(row.named).replace("@SILENT@", SilentXDisplay());

    const CRun run = RunSpanwise(args, false, environment);
    EXPECT_EQ(run.nExit, 1) << "no crash, and not success";
    EXPECT_EQ(run.out.toStdString(), spanwise::test::kOpeningReport);
    EXPECT_EQ(run.err.count('\n'), 1) << run.err.toStdString();
    EXPECT_TRUE(run.err.startsWith("spanwise: cannot open display " + named + ","))
        << run.err.toStdString();
    EXPECT_FALSE(run.err.contains("einstall")) << run.err.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Displays, SilentDisplayTest,
    ::testing::Values(
        CSilentDisplayCase{"XServerGone", {"DISPLAY=@SILENT@"}, {}, "\"@SILENT@\""},
        CSilentDisplayCase{
            "X11Chosen", {"DISPLAY=@SILENT@", "QT_QPA_PLATFORM=xcb"}, {}, "\"@SILENT@\""},
        CSilentDisplayCase{"DisplayOption",
                           {"DISPLAY=@SILENT@"},
                           {"-platform", "xcb", "-display", "@SILENT@"},
                           "\"@SILENT@\""},
        // -display is tried whether DISPLAY is set or not, in a Wayland session too.
        CSilentDisplayCase{
            "DisplayOptionWithoutDisplay", {}, {"-display", "@SILENT@"}, "\"@SILENT@\""},
        CSilentDisplayCase{
            "DisplayOptionInWaylandSession",
            {"WAYLAND_DISPLAY=wayland-9", "XDG_SESSION_TYPE=wayland", "XDG_RUNTIME_DIR=@RUNTIME@"},
            {"-display", "@SILENT@"},
            "\"@SILENT@\""},
        CSilentDisplayCase{
            "X11WithoutDisplay", {"QT_QPA_PLATFORM=xcb"}, {}, "(DISPLAY is not set)"},
        // A name is shown as every text a user gives: a terminal's escape does not reach it.
        CSilentDisplayCase{"EscapeInDisplay", {"DISPLAY=\x1b[31m"}, {}, "\"\\x1b[31m\""},
        CSilentDisplayCase{
            "WaylandSessionGone",
            {"WAYLAND_DISPLAY=wayland-9", "XDG_SESSION_TYPE=wayland", "XDG_RUNTIME_DIR=@RUNTIME@"},
            {},
            "Wayland \"wayland-9\""}),
    [](const auto& info) { return std::string(info.param.name); });

namespace {

// How much blue ink the text in rect of image carries: the text is blue on a grey background.
double BlueInk(const QImage& image, const QRect& rect) {
    double ink = 0;
    for (int y = rect.top(); y <= rect.bottom(); ++y) {
        for (int x = rect.left(); x <= rect.right(); ++x) {
            const QColor pixel = image.pixelColor(x, y);
            ink += qMax(0, pixel.blue() - (pixel.red() + pixel.green()) / 2) / 255.0;
        }
    }
    return ink;
}

} // namespace

TEST(SpanwiseProcessTest, ResultsAreBoldAtEveryScaleFactor) {
    const QFont dialogFont = DialogFont(QString::fromUtf8(kRecordingCalcTemplate.fontFace),
                                        kRecordingCalcTemplate.nFontPointSize);
    const ctl::CDialogBaseUnits units = BaseUnitsOf(dialogFont);
    const ctl::CDialogItemTemplate* pField = std::find_if(
        kRecordingCalcTemplate.items, kRecordingCalcTemplate.items + kRecordingCalcTemplate.nItems,
        [](const ctl::CDialogItemTemplate& item) { return item.nID == IDC_RECORDING_LENGTH; });
    const ctl::CRect place =
        ctl::MapDialogRect({pField->x, pField->y, pField->cx, pField->cy}, units);
    const QRect field(place.x, place.y, place.cx, place.cy);
    ctl::CFontRequest request;
    request.nHeight = 12;
    request.nWeight = 700;
    request.faceName = LoadString(IDS_RESULT_FONT_FACE);
    const QFont bold = ControlFont(request, dialogFont);
    QFont regular = bold;
    regular.setWeight(QFont::Normal);

    for (const double scale : {1.0, 1.25, 1.5, 2.0}) {
        SCOPED_TRACE("scale factor " + std::to_string(scale));
        const QTemporaryDir dir;
        const QString file = dir.filePath("window.png");
        const CRun run = RunSpanwise({"--screenshot", file}, true,
                                     {"QT_SCALE_FACTOR=" + QString::number(scale)});
        ASSERT_EQ(run.nExit, 0) << run.err.toStdString();
        const QImage shot(file);
        ASSERT_FALSE(shot.isNull());
        // The field's inside, clear of its sunken edge.
        const int nEdge = qCeil(2 * scale);
        const QRect inside(qRound(field.x() * scale) + nEdge, qRound(field.y() * scale) + nEdge,
                           qRound(field.width() * scale) - 2 * nEdge,
                           qRound(field.height() * scale) - 2 * nEdge);
        const double shownInk = BlueInk(shot, inside);

        // The same text in the same face, not bold, drawn at the same scale.
        QImage plain(inside.size(), QImage::Format_RGB32);
        plain.fill(QColor(239, 239, 239));
        {
            QImage scaled(field.size() * scale, QImage::Format_RGB32);
            scaled.fill(QColor(239, 239, 239));
            scaled.setDevicePixelRatio(scale);
            QPainter painter(&scaled);
            painter.setFont(regular);
            painter.setPen(QColor(0, 0, 255));
            painter.drawText(QRect(QPoint(0, 0), field.size()), Qt::AlignCenter, "320000 div");
            painter.end();
            plain = scaled;
        }
        const double plainInk = BlueInk(plain, plain.rect());
        ASSERT_GT(plainInk, 0.0);
        // A face's own bold carries some 1.7 times the ink of its regular style at every scale;
        // the thickening the toolkit fakes a bold with fades as the scale grows (1.25 at 2).
        EXPECT_GE(shownInk / plainInk, 1.5) << "shown " << shownInk << ", not bold " << plainInk;
    }
}
