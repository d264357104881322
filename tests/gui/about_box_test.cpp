// The About box, reached through the window's context menu (the window menu of the dialog) by the
// mouse or the keyboard.

#include "gui_test_support.h"

#include "res/Version.h"

#include <QContextMenuEvent>
#include <QMenu>
#include <QTest>

// Outside an anonymous namespace: the test fixture derives from a template of it.
enum class Trigger { RightClickOnBackground, RightClickOnLabel, MenuKey, ShiftF10 };

static void PrintTo(Trigger trigger, std::ostream* pOut) {
    const char* const names[] = {"right-click on the background", "right-click on a label",
                                 "Menu key", "Shift+F10"};
    *pOut << names[static_cast<int>(trigger)];
}

class AboutTest : public CalculatorWindowTest, public ::testing::WithParamInterface<Trigger> {
protected:
    void OpenContextMenu(Trigger trigger) {
        QWidget* pTarget = m_pWindow.data();
        QPoint pos;
        switch (trigger) {
        case Trigger::RightClickOnBackground:
            // Inside the conditions group box, below the last list: no control there.
            pos = Widget(IDC_LBL_CHANNELS)->geometry().bottomLeft() + QPoint(0, 8);
            pTarget = m_pWindow->childAt(pos);
            ASSERT_TRUE(pTarget == nullptr || qobject_cast<QLabel*>(pTarget) == nullptr);
            if (pTarget == nullptr) {
                pTarget = m_pWindow.data();
            }
            pos = pTarget->mapFrom(m_pWindow.data(), pos);
            break;
        case Trigger::RightClickOnLabel:
            pTarget = Widget(IDC_LBL_MODEL);
            pos = pTarget->rect().center();
            break;
        case Trigger::MenuKey:
            QTest::keyClick(List(IDC_MODEL), Qt::Key_Menu);
            return;
        case Trigger::ShiftF10:
            QTest::keyClick(List(IDC_MODEL), Qt::Key_F10, Qt::ShiftModifier);
            return;
        }
        QContextMenuEvent event(QContextMenuEvent::Mouse, pos, pTarget->mapToGlobal(pos));
        QApplication::sendEvent(pTarget, &event);
    }
};

TEST_P(AboutTest, ContextMenuOpensTheAboutBox) {
    const Trigger trigger = GetParam();
    QStringList items;
    bool bAboutShown = false;
    WhenPopupOpens([&](QWidget* pPopup) {
        auto* pMenu = qobject_cast<QMenu*>(pPopup);
        ASSERT_NE(pMenu, nullptr);
        QAction* pAbout = nullptr;
        for (QAction* pAction : pMenu->actions()) {
            if (!pAction->isSeparator()) {
                items.append(pAction->text());
                pAbout = pAbout != nullptr ? pAbout : pAction;
            }
        }
        ASSERT_NE(pAbout, nullptr);

        WhenModalOpens([&](QWidget* pModal) {
            bAboutShown = true;
            EXPECT_EQ(pModal->windowTitle(), "About Spanwise");
            EXPECT_EQ(pModal->parentWidget(), m_pWindow.data());
            const QStringList texts = LabelTexts(pModal);
            EXPECT_TRUE(texts.contains(spanwise::kAboutVersionLine));
            // The legal notice: two lines.
            EXPECT_EQ(texts.size(), 2);
            if (texts.size() == 2) {
                EXPECT_EQ(texts[1].count('\n'), 1);
            }
            bool bIcon = false;
            for (const QLabel* pLabel : pModal->findChildren<QLabel*>()) {
                bIcon = bIcon || pLabel->pixmap().size() == QSize(32, 32);
            }
            EXPECT_TRUE(bIcon);
            QPushButton* pOk = pModal->findChild<QPushButton*>();
            ASSERT_NE(pOk, nullptr);
            EXPECT_EQ(pOk->text(), "OK");
            QTest::mouseClick(pOk, Qt::LeftButton);
        });
        const bool bFromKeyboard = trigger == Trigger::MenuKey || trigger == Trigger::ShiftF10;
        if (bFromKeyboard) {
            // Opened from the keyboard, one Return chooses its first item.
            EXPECT_EQ(pMenu->activeAction(), pAbout);
        } else {
            pMenu->setActiveAction(pAbout);
        }
        QTest::keyClick(pMenu, Qt::Key_Return);
    });
    OpenContextMenu(trigger);
    EXPECT_TRUE(WaitUntil([&] { return bAboutShown && m_host.Windows().size() == 1; }));

    EXPECT_EQ(items, QStringList({"&About...", "&Fit a Recording Time...", "&Ranges..."}));
    EXPECT_TRUE(bAboutShown);
    // The calculator stays open behind it.
    EXPECT_TRUE(m_pWindow->isVisible());
    EXPECT_EQ(Dlg().GetModalResult(), 0);
}

INSTANTIATE_TEST_SUITE_P(MouseAndKeyboard, AboutTest,
                         ::testing::Values(Trigger::RightClickOnBackground,
                                           Trigger::RightClickOnLabel, Trigger::MenuKey,
                                           Trigger::ShiftF10));
