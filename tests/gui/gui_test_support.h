#pragma once

// Shared pieces of the window tests: the calculator dialog shown in its window on the offscreen
// platform, a scripted clipboard, and a way to act inside a modal loop (message boxes, menus,
// the About box) while the code under test waits in it.

#include "ControlSnapshot.h"

#include "controls/Clipboard.h"
#include "controls/Dialog.h"
#include "gui/DialogWindow.h"
#include "gui/QtDialogHost.h"
#include "res/Resource.h"
#include "ui/Calculator.h"

#include <QComboBox>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QStringList>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

// A clipboard whose answers a test chooses; it records what it is asked.
class CScriptedClipboard final : public ctl::IClipboard {
public:
    bool bOpenSucceeds = true;
    bool bEmptySucceeds = true;
    bool bSetSucceeds = true;

    int nOpens = 0;
    int nCloses = 0;
    std::vector<std::string> placed;

    bool Open() override {
        ++nOpens;
        return bOpenSucceeds;
    }
    bool Empty() override { return bEmptySucceeds; }
    bool SetText(const std::string& text) override {
        if (bSetSucceeds) {
            placed.push_back(text);
        }
        return bSetSucceeds;
    }
    void Close() override { ++nCloses; }
};

using spanwise::test::CControlSnapshot;

// What a user sees of a control's widget.
CControlSnapshot ViewOf(const QWidget* pWidget);

// The calculator shown in its window by the Qt host.
class CalculatorWindowTest : public ::testing::Test {
protected:
    void SetUp() override;

    // The calculator's dialog, as its window shows it.
    ctl::CDialog& Dlg() const { return *m_pDlg; }

    QWidget* Widget(int nID) const;
    QComboBox* List(int nID) const;
    QLabel* Label(int nID) const;
    QPushButton* Button(int nID) const;

    // The shown texts of lists and fields, for comparison with what a user expects.
    QString Shown(int nID) const;

    // Views of all controls, in template order.
    std::vector<CControlSnapshot> Views() const;
    // Indexes (template order) of the controls whose view differs.
    static std::vector<int> ChangedIds(const ctl::CDialog& dlg,
                                       const std::vector<CControlSnapshot>& before,
                                       const std::vector<CControlSnapshot>& after);

    // A user picks the next entry of list nID with the Down key (nTimes times).
    void PressDown(int nID, int nTimes = 1);

    // Every widget shows what its control holds.
    void ExpectWidgetsMirrorDialog() const;

    CQtDialogHost m_host;
    spanwise::CCalculator m_calc{m_host};
    ctl::CDialog* m_pDlg = nullptr;
    QPointer<CDialogWindow> m_pWindow;
};

// Runs the event loop until done() holds, or the time allowed has passed; returns done().
bool WaitUntil(const std::function<bool()>& done);

// Calls act with the next modal window (or popup menu) that opens, from inside its event loop.
// Fails the test if none opens within the time allowed.
void WhenModalOpens(std::function<void(QWidget*)> act);
void WhenPopupOpens(std::function<void(QWidget*)> act);

// The texts of the labels of a window, in creation order.
QStringList LabelTexts(const QWidget* pWindow);
