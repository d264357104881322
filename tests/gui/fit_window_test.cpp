// Fit a Recording Time, reached through the window's context menu: the question, the pick it
// makes, and the message over the question when nothing fits or the entry cannot be read.

#include "gui_test_support.h"

#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QScreen>
#include <QTest>

using namespace ctl;

namespace {

class FitWindowTest : public CalculatorWindowTest {
protected:
    // Chooses "Fit a Recording Time..." in the context menu, notes what the question offers,
    // types duration into it and presses OK; then calls onMessage with the message box, if one
    // opens. Returns once the question has closed, or with bStaysOpen once the message box has.
    void Fit(const QString& duration, const std::function<void(QWidget*)>& onMessage = {},
             bool bStaysOpen = false) {
        bool bAsked = false;
        WhenPopupOpens([&](QWidget* pPopup) {
            auto* pMenu = qobject_cast<QMenu*>(pPopup);
            ASSERT_NE(pMenu, nullptr);
            QAction* pFit = nullptr;
            for (QAction* pAction : pMenu->actions()) {
                if (pAction->text() == "&Fit a Recording Time...") {
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
                m_offered = pEdit->text();
                m_offeredSelected = pEdit->selectedText();
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
        const std::size_t nWindows = bStaysOpen ? 2 : 1;
        EXPECT_TRUE(WaitUntil([&] {
            const QWidget* pModal = QApplication::activeModalWidget();
            return bAsked && m_host.Windows().size() == nWindows &&
                   (bStaysOpen ? qobject_cast<const QMessageBox*>(pModal) == nullptr
                               : pModal == nullptr);
        }));
    }

    // The text the question offered when it opened, and how much of it was selected.
    QString m_offered;
    QString m_offeredSelected;
};

TEST_F(FitWindowTest, PicksTheFinestRangeThatRecordsTheDuration) {
    Fit("3s");
    EXPECT_EQ(Shown(IDC_TIME_RANGE), "10us/div");
    EXPECT_EQ(Shown(IDC_RECORDING_TIME), "3.2s");
    ExpectWidgetsMirrorDialog();
}

// The message shows over the question, which stays open with the text as typed, selected, so
// that typing replaces it; nothing changes until a duration is accepted, and the question offers
// it again when it reopens.
TEST_F(FitWindowTest, ABadEntryKeepsTheQuestionOpenWithItsTextSelected) {
    const std::vector<CControlSnapshot> before = Views();
    for (const char* duration : {"1h-", "2000d"}) {
        SCOPED_TRACE(duration);
        QString message;
        Fit(
            duration,
            [&](QWidget* pModal) {
                auto* pBox = qobject_cast<QMessageBox*>(pModal);
                ASSERT_NE(pBox, nullptr);
                ASSERT_EQ(m_host.Windows().size(), 2U);
                EXPECT_EQ(pBox->parentWidget(), m_host.Windows().back());
                message = pBox->text();
                pBox->accept();
            },
            true);
        EXPECT_TRUE(message.contains(QString("\"%1\"").arg(duration))) << message.toStdString();
        ASSERT_EQ(m_host.Windows().size(), 2U);
        auto* pEdit = m_host.Windows().back()->findChild<QLineEdit*>();
        ASSERT_NE(pEdit, nullptr);
        EXPECT_EQ(pEdit->text(), duration);
        EXPECT_EQ(pEdit->selectedText(), duration);
        EXPECT_EQ(m_host.Windows().back()->focusWidget(), pEdit);
        EXPECT_EQ(Views(), before);
        m_host.Windows().back()->reject();
        ASSERT_TRUE(WaitUntil([&] { return m_host.Windows().size() == 1; }));
    }

    Fit("3s");
    EXPECT_EQ(m_offered, "2000d");
    EXPECT_EQ(m_offeredSelected, "2000d");
    EXPECT_EQ(Shown(IDC_TIME_RANGE), "10us/div");
}

TEST_F(FitWindowTest, NothingFitsSaysSoAndChangesNothing) {
    const std::vector<CControlSnapshot> before = Views();
    QString message;
    Fit(
        "2000d",
        [&](QWidget* pModal) {
            auto* pBox = qobject_cast<QMessageBox*>(pModal);
            ASSERT_NE(pBox, nullptr);
            message = pBox->text();
            pBox->accept();
        },
        true);
    EXPECT_EQ(message, "No time-axis range records \"2000d\" under these conditions: the longest "
                       "recording time is 1111d2h40min, at 5min/div.");
    EXPECT_EQ(Views(), before);
}

// A message box never grows wider than its screen: a long text without a blank wraps.
TEST_F(FitWindowTest, ALongMessageWrapsWithinTheScreen) {
    const std::string text = "Cannot read " + std::string(1000, 'x') + ".";
    QRect box;
    QRect screen;
    WhenModalOpens([&](QWidget* pModal) {
        auto* pBox = qobject_cast<QMessageBox*>(pModal);
        ASSERT_NE(pBox, nullptr);
        box = pBox->frameGeometry();
        screen = pBox->screen()->availableGeometry();
        // The text as it stands, for copying and for screen readers: nothing inserted.
        EXPECT_EQ(pBox->text().toStdString(), text);
        pBox->accept();
    });
    Dlg().MessageBox(text);
    ASSERT_TRUE(WaitUntil([&] { return !box.isNull(); }));
    EXPECT_LE(box.width(), screen.width());
    EXPECT_TRUE(screen.contains(box))
        << box.x() << "," << box.y() << " " << box.width() << "x" << box.height();
}

} // namespace
