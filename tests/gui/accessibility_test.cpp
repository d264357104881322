// What a screen reader is told of the window, through Qt's accessibility interfaces: the lists by
// their captions, the results by what they are and show, the first focus shown.

#include "gui_test_support.h"

#include <QAccessible>
#include <QTest>

using namespace ctl;

namespace {

QString AccessibleName(QWidget* pWidget) {
    return QAccessible::queryAccessibleInterface(pWidget)->text(QAccessible::Name);
}

} // namespace

TEST_F(CalculatorWindowTest, ScreenReadersHearCaptionsResultsAndTheirChanges) {
    const std::pair<int, const char*> names[] = {
        {IDC_MODEL, "Model Number"},
        {IDC_MEMORY, "Internal Memory"},
        {IDC_FUNCTION, "Function"},
        {IDC_SAMPLING, "Sampling"},
        {IDC_SCANNER, "Sable Scanner Unit"},
        {IDC_CHANNELS, "Channels"},
        {IDC_TIME_RANGE, "Time-axis Range"},
        {IDC_RECORDING_LENGTH, "Maximum Recording Length: 320000 div"},
        {IDC_SAMPLING_PERIOD, "Sampling Period: 50ns/S"},
        {IDC_RECORDING_TIME, "Maximum Recording Time: 1.6s"},
        {IDC_COPY, "Copy"},
        {IDOK, "Exit"},
    };
    for (const auto& [nID, name] : names) {
        EXPECT_EQ(AccessibleName(Widget(nID)), name) << nID;
    }
    EXPECT_EQ(QAccessible::queryAccessibleInterface(List(IDC_MODEL))->text(QAccessible::Value),
              "Alder/Alder-W");
    EXPECT_EQ(Label(IDC_LBL_MODEL)->buddy(), List(IDC_MODEL));
    // The first focus shows before any Tab.
    EXPECT_TRUE(List(IDC_MODEL)->hasFocus());
    EXPECT_TRUE(m_pWindow->testAttribute(Qt::WA_KeyboardFocusChange));

    // The names follow a pick (the events a screen reader hears are counted by the AT-SPI test,
    // tests/gui/atspi_test.py: the offscreen platform has no accessibility bridge).
    PressDown(IDC_TIME_RANGE);
    EXPECT_EQ(AccessibleName(Widget(IDC_RECORDING_TIME)), "Maximum Recording Time: 3.2s");
    EXPECT_EQ(AccessibleName(Widget(IDC_SAMPLING_PERIOD)), "Sampling Period: 100ns/S");
}
