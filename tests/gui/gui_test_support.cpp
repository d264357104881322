#include "gui_test_support.h"

#include "controls/DialogHost.h"

#include <QApplication>
#include <QGroupBox>
#include <QTest>
#include <QTimer>

#include <algorithm>

using namespace ctl;

namespace {

constexpr int kPollMs = 10;
constexpr int kGiveUpMs = 5000;

void WhenWidgetAppears(const std::function<QWidget*()>& find, std::function<void(QWidget*)> act,
                       const char* what) {
    auto* pTimer = new QTimer;
    auto nWaited = std::make_shared<int>(0);
    QObject::connect(pTimer, &QTimer::timeout, [pTimer, nWaited, find, act, what] {
        if (QWidget* pWidget = find(); pWidget != nullptr) {
            pTimer->stop();
            pTimer->deleteLater();
            act(pWidget);
            return;
        }
        *nWaited += kPollMs;
        if (*nWaited >= kGiveUpMs) {
            pTimer->stop();
            pTimer->deleteLater();
            ADD_FAILURE() << "no " << what << " opened";
        }
    });
    pTimer->start(kPollMs);
}

} // namespace

bool WaitUntil(const std::function<bool()>& done) {
    return QTest::qWaitFor(done, kGiveUpMs);
}

void WhenModalOpens(std::function<void(QWidget*)> act) {
    WhenWidgetAppears([] { return QApplication::activeModalWidget(); }, std::move(act),
                      "modal window");
}

void WhenPopupOpens(std::function<void(QWidget*)> act) {
    WhenWidgetAppears([] { return QApplication::activePopupWidget(); }, std::move(act),
                      "popup menu");
}

CControlSnapshot ViewOf(const QWidget* pWidget) {
    CControlSnapshot view;
    view.bEnabled = pWidget->isEnabled();
    view.bVisible = !pWidget->isHidden();
    if (const auto* pCombo = qobject_cast<const QComboBox*>(pWidget); pCombo != nullptr) {
        view.text = pCombo->currentText().toStdString();
        view.nCurSel = pCombo->currentIndex();
        for (int i = 0; i < pCombo->count(); ++i) {
            view.entries.push_back(pCombo->itemText(i).toStdString());
        }
    } else if (const auto* pLabel = qobject_cast<const QLabel*>(pWidget); pLabel != nullptr) {
        view.text = pLabel->text().toStdString();
    } else if (const auto* pGroup = qobject_cast<const QGroupBox*>(pWidget); pGroup != nullptr) {
        view.text = pGroup->title().toStdString();
    } else if (const auto* pButton = qobject_cast<const QPushButton*>(pWidget);
               pButton != nullptr) {
        view.text = pButton->text().toStdString();
    }
    return view;
}

void CalculatorWindowTest::SetUp() {
    m_calc.Show();
    ASSERT_EQ(m_host.Windows().size(), 1U);
    m_pWindow = m_host.Windows().front();
    m_pDlg = m_pWindow->GetDialog();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(m_pWindow.data()));
}

QWidget* CalculatorWindowTest::Widget(int nID) const {
    QWidget* pWidget = m_pWindow->ControlWidget(nID);
    EXPECT_NE(pWidget, nullptr) << "no widget for control " << nID;
    return pWidget;
}

QComboBox* CalculatorWindowTest::List(int nID) const {
    return qobject_cast<QComboBox*>(Widget(nID));
}

QLabel* CalculatorWindowTest::Label(int nID) const {
    return qobject_cast<QLabel*>(Widget(nID));
}

QPushButton* CalculatorWindowTest::Button(int nID) const {
    return qobject_cast<QPushButton*>(Widget(nID));
}

QString CalculatorWindowTest::Shown(int nID) const {
    return QString::fromStdString(ViewOf(Widget(nID)).text);
}

std::vector<CControlSnapshot> CalculatorWindowTest::Views() const {
    std::vector<CControlSnapshot> views;
    for (std::size_t i = 0; i < m_pDlg->Controls().size(); ++i) {
        views.push_back(ViewOf(m_pWindow->ControlWidgetAt(i)));
    }
    return views;
}

std::vector<int> CalculatorWindowTest::ChangedIds(const CDialog& dlg,
                                                  const std::vector<CControlSnapshot>& before,
                                                  const std::vector<CControlSnapshot>& after) {
    std::vector<int> ids;
    for (std::size_t i = 0; i < before.size() && i < after.size(); ++i) {
        if (!(before[i] == after[i])) {
            ids.push_back(dlg.Controls()[i]->GetID());
        }
    }
    std::sort(ids.begin(), ids.end());
    return ids;
}

void CalculatorWindowTest::PressDown(int nID, int nTimes) {
    QComboBox* pList = List(nID);
    ASSERT_NE(pList, nullptr);
    for (int i = 0; i < nTimes; ++i) {
        QTest::keyClick(pList, Qt::Key_Down);
    }
}

void CalculatorWindowTest::ExpectWidgetsMirrorDialog() const {
    for (std::size_t i = 0; i < m_pDlg->Controls().size(); ++i) {
        const CControlState& state = *m_pDlg->Controls()[i];
        const CControlSnapshot view = ViewOf(m_pWindow->ControlWidgetAt(i));
        SCOPED_TRACE("control " + std::to_string(state.GetID()));
        EXPECT_EQ(view.bEnabled, state.m_bEnabled);
        EXPECT_EQ(view.bVisible, state.m_bVisible);
        if (state.GetKind() == ControlKind::ComboBox) {
            EXPECT_EQ(view.entries, state.m_entries);
            EXPECT_EQ(view.nCurSel, state.m_nCurSel);
        } else if (state.GetKind() != ControlKind::Icon) {
            EXPECT_EQ(view.text, state.m_strText);
        }
    }
}

QStringList LabelTexts(const QWidget* pWindow) {
    QStringList texts;
    for (const QLabel* pLabel : pWindow->findChildren<QLabel*>()) {
        if (!pLabel->text().isEmpty()) {
            texts.append(pLabel->text());
        }
    }
    return texts;
}
