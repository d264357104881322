// What a screen reader is told of the window, through Qt's accessibility interfaces: the lists by
// their captions, the results by what they are and show, the first focus shown; and the window
// opened with the command line's picks.

#include "gui_test_support.h"

#include "app/RecordingCalcApp.h"

#include <QAccessible>
#include <QLabel>
#include <QMessageBox>
#include <QTest>

using namespace ctl;

namespace {

QString AccessibleName(QWidget* pWidget) {
    return QAccessible::queryAccessibleInterface(pWidget)->text(QAccessible::Name);
}

} // namespace

TEST_F(CalculatorWindowTest, ScreenReadersHearCaptionsResultsAndTheirChanges) {
    // Every control that takes the focus or tells a result is named as the core names it (the
    // core's own test holds the names themselves).
    for (const auto& pControl : Dlg().Controls()) {
        const unsigned style = pControl->Template().style;
        if ((style & ctl::kStyleTabStop) != 0 || ctl::CDialog::IsLiveField(*pControl)) {
            EXPECT_EQ(
                AccessibleName(m_pWindow->ControlWidgetAt(pControl->GetIndex())).toStdString(),
                Dlg().GetAccessibleName(*pControl))
                << pControl->GetID();
        }
    }
    EXPECT_EQ(AccessibleName(Widget(IDC_MODEL)), "Model Number");
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

// A pick the command line names that cannot be applied is told over the window, which opens with
// the others picked.
TEST(StartPicksTest, ARefusedPickIsToldOverTheWindowOpenedWithTheRest) {
    CHeadlessHost headless;
    spanwise::CCalculator calc(headless);
    spanwise::CPickRefusal refusal;
    ASSERT_TRUE(spanwise::TryPick(calc, "model=Cedar", refusal));
    ASSERT_FALSE(spanwise::TryPick(calc, "memory=9G", refusal));

    CQtDialogHost host;
    CRecordingCalcApp app;
    app.SetDialogHost(host);
    app.SetStartPicks({"model=Cedar", "memory=9G", "function=REC"});
    QString message;
    QString heard;
    QStringList shown;
    WhenModalOpens([&](QWidget* pModal) {
        auto* pBox = qobject_cast<QMessageBox*>(pModal);
        ASSERT_NE(pBox, nullptr);
        ASSERT_EQ(host.Windows().size(), 1U);
        CDialogWindow* pWindow = host.Windows().front();
        EXPECT_EQ(pBox->parentWidget(), pWindow);
        message = pBox->text();
        heard = QAccessible::queryAccessibleInterface(pBox->findChild<QLabel*>("qt_msgbox_label"))
                    ->text(QAccessible::Name);
        for (const int nID : {IDC_MODEL, IDC_FUNCTION}) {
            shown.append(qobject_cast<QComboBox*>(pWindow->ControlWidget(nID))->currentText());
        }
        pBox->accept();
        pWindow->reject();
    });
    app.InitInstance();
    // In a window's words, as it stands: nothing inserted where it may wrap.
    EXPECT_EQ(message.toStdString(), spanwise::WindowWords(refusal));
    EXPECT_EQ(heard, message);
    EXPECT_EQ(shown, QStringList({"Cedar", "REC"}));
}
