// The spanwise program as a process: without a display it prints the opening report; help and
// version need no display; the screenshot option writes a picture of the real window.

#include "DialogUnits.h"
#include "Fonts.h"
#include "OpeningReport.h"

#include "res/DialogTemplates.h"

#include <QImage>
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

CRun RunSpanwise(const QStringList& args, bool bDisplay) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
        environment.remove(name);
    }
    if (bDisplay) {
        environment.insert("QT_QPA_PLATFORM", "offscreen");
    }
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(SPANWISE_EXECUTABLE, args);
    CRun run;
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

} // namespace

TEST(SpanwiseProcessTest, WithoutDisplayPrintsTheOpeningReport) {
    const CRun run = RunSpanwise({}, false);
    EXPECT_EQ(run.nExit, 0);
    EXPECT_EQ(run.out.toStdString(), spanwise::test::kOpeningReport);
    EXPECT_EQ(run.err.count('\n'), 1) << run.err.toStdString();
    EXPECT_TRUE(run.err.contains("no display")) << run.err.toStdString();
    EXPECT_TRUE(run.err.contains("spanwise-cli")) << run.err.toStdString();
}

struct CArgumentsCase {
    const char* name;
    QStringList args;
    int nExit;
    const char* outContains;
    const char* errContains;
};

void PrintTo(const CArgumentsCase& row, std::ostream* pOut) {
    *pOut << row.name;
}

class SpanwiseArgumentsTest : public ::testing::TestWithParam<CArgumentsCase> {};

TEST_P(SpanwiseArgumentsTest, AnswerWithoutAWindow) {
    const CArgumentsCase& row = GetParam();
    for (const bool bDisplay : {false, true}) {
        const CRun run = RunSpanwise(row.args, bDisplay);
        SCOPED_TRACE(bDisplay ? "offscreen platform" : "no display");
        EXPECT_EQ(run.nExit, row.nExit);
        EXPECT_TRUE(run.out.contains(row.outContains)) << run.out.toStdString();
        EXPECT_TRUE(run.err.contains(row.errContains)) << run.err.toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Options, SpanwiseArgumentsTest,
    ::testing::Values(CArgumentsCase{"Version", {"--version"}, 0, "Spanwise V1.02\n", ""},
                      CArgumentsCase{"Help", {"--help"}, 0, "Usage: spanwise", ""},
                      CArgumentsCase{
                          "Unknown", {"--frobnicate"}, 2, "", "unknown argument '--frobnicate'"}),
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
    const QSize expected = MapDialogSize(kRecordingCalcTemplate.cx, kRecordingCalcTemplate.cy,
                                         CDialogBaseUnits::FromFont(font));
    EXPECT_EQ(image.size() / image.devicePixelRatio(), expected);
}
