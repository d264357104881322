// Fit a Recording Time, reached through the window's context menu: the question, the pick it
// makes, and the message when nothing fits.

#include "gui_test_support.h"

#include <QContextMenuEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QTest>

using namespace ctl;

namespace {

class FitWindowTest : public CalculatorWindowTest {
protected:
    // Chooses "Fit a Recording Time..." in the context menu, types duration into the question and
    // presses OK; then calls onMessage with the message box, if one opens.
    void Fit(const QString& duration, const std::function<void(QWidget*)>& onMessage = {}) {
        bool bAsked = false;
        WhenPopupOpens([&](QWidget* pPopup) {
            auto* pMenu = qobject_cast<QMenu*>(pPopup);
            ASSERT_NE(pMenu, nullptr);
            QAction* pFit = nullptr;
            for (QAction* pAction : pMenu->actions()) {
                if (pAction->text() == "Fit a Recording Time...") {
                    pFit = pAction;
                }
            }
            ASSERT_NE(pFit, nullptr);
            WhenModalOpens([&](QWidget* pModal) {
                bAsked = true;
                EXPECT_EQ(pModal->windowTitle(), "Fit a Recording Time");
                auto* pEdit = pModal->findChild<QLineEdit*>();
                ASSERT_NE(pEdit, nullptr);
                EXPECT_TRUE(pEdit->hasFocus());
                QTest::keyClicks(pEdit, duration);
                if (onMessage) {
                    WhenModalOpens(onMessage);
                }
                QTest::keyClick(pEdit, Qt::Key_Return);
            });
            pMenu->setActiveAction(pFit);
            QTest::keyClick(pMenu, Qt::Key_Return);
        });
        QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(2, 2),
                                m_pWindow->mapToGlobal(QPoint(2, 2)));
        QApplication::sendEvent(m_pWindow.data(), &event);
        EXPECT_TRUE(WaitUntil([&] {
            return bAsked && m_host.Windows().size() == 1 &&
                   QApplication::activeModalWidget() == nullptr;
        }));
    }
};

TEST_F(FitWindowTest, PicksTheFinestRangeThatRecordsTheDuration) {
    Fit("3s");
    EXPECT_EQ(Shown(IDC_TIME_RANGE), "10us/div");
    EXPECT_EQ(Shown(IDC_RECORDING_TIME), "3.2s");
    ExpectWidgetsMirrorDialog();
}

TEST_F(FitWindowTest, NothingFitsSaysSoAndChangesNothing) {
    const std::vector<CWidgetView> before = Views();
    QString message;
    Fit("2000d", [&](QWidget* pModal) {
        auto* pBox = qobject_cast<QMessageBox*>(pModal);
        ASSERT_NE(pBox, nullptr);
        message = pBox->text();
        pBox->accept();
    });
    EXPECT_EQ(message, "No time-axis range records 2000d under these conditions: the longest "
                       "recording time is 1111d2h40min, at 5min/div.");
    EXPECT_EQ(Views(), before);
}

} // namespace
