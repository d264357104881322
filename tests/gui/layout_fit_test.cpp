// Every dialog of the window in the pseudo-language, whose texts are about 40 % longer than the
// English: measured as Qt draws them, no text is wider than its widget, no wrapped text higher,
// and no widget lies outside its dialog. English dialogs are laid out as their templates say.

#include "gui_test_support.h"

#include "gui/Fonts.h"
#include "gui/TextExtents.h"
#include "lang/Catalogue.h"
#include "lang/Language.h"
#include "lang/PseudoCatalogue.h"
#include "res/DialogTemplates.h"

#include <QGroupBox>
#include <QTest>

using namespace ctl;

namespace {

// What of window does not fit, one line for each fault.
std::vector<std::string> FitFaults(const CDialogWindow& window) {
    std::vector<std::string> faults;
    const CDialog& dlg = *window.GetDialog();
    for (std::size_t i = 0; i < dlg.Controls().size(); ++i) {
        const QWidget* pWidget = window.ControlWidgetAt(i);
        const std::string name =
            "control " + std::to_string(dlg.Controls()[i]->GetID()) + " of " + dlg.Template().title;
        if (!pWidget->isVisible()) {
            continue;
        }
        if (!window.rect().contains(pWidget->geometry())) {
            faults.push_back(name + " lies outside the dialog");
        }
        int nNeed = 0;
        int nHeightNeed = 0;
        if (const auto* pLabel = qobject_cast<const QLabel*>(pWidget); pLabel != nullptr) {
            nNeed = TextNeed(*pLabel);
            nHeightNeed = WrappedHeightNeed(*pLabel);
        } else if (const auto* pGroup = qobject_cast<const QGroupBox*>(pWidget);
                   pGroup != nullptr) {
            nNeed = TextNeed(*pGroup);
        } else if (const auto* pButton = qobject_cast<const QPushButton*>(pWidget);
                   pButton != nullptr) {
            nNeed = TextNeed(*pButton);
        } else if (const auto* pList = qobject_cast<const QComboBox*>(pWidget); pList != nullptr) {
            nNeed = TextNeed(*pList);
        }
        if (nNeed > pWidget->width()) {
            faults.push_back(name + " needs " + std::to_string(nNeed) + " px and is " +
                             std::to_string(pWidget->width()) + " px wide");
        }
        if (nHeightNeed > pWidget->height()) {
            faults.push_back(name + " needs " + std::to_string(nHeightNeed) + " px and is " +
                             std::to_string(pWidget->height()) + " px high");
        }
    }
    return faults;
}

// Whether window has the size its template gives it in its font, grown by nothing.
bool AtTemplateSize(const CDialogWindow& window) {
    const CDialogLayout layout =
        LayOutDialog(window.GetDialog()->Template(), BaseUnitsOf(window.font()));
    return window.size() == QSize(layout.cx, layout.cy);
}

class LayoutFitTest : public CalculatorWindowTest {
protected:
    void SetUp() override {
        spanwise::lang::AddCoreCatalogues();
        spanwise::lang::AddPseudoCatalogue();
        spanwise::lang::SetLanguage(Language());
        CalculatorWindowTest::SetUp();
    }
    void TearDown() override { spanwise::lang::SetLanguage({}); }
    virtual const char* Language() const { return "qps"; }

    // check of the box the window menu's command opens over the calculator, which then closes.
    void CheckBox(unsigned nCommand, const std::function<void(const CDialogWindow&)>& check) {
        Dlg().OnUserSysCommand(nCommand);
        ASSERT_TRUE(WaitUntil([&] { return m_host.Windows().size() == 2; }));
        QPointer<CDialogWindow> pBox = m_host.Windows().back();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(pBox.data()));
        check(*pBox);
        pBox->GetDialog()->OnCancel();
        EXPECT_TRUE(WaitUntil([&] { return m_host.Windows().size() == 1; }));
    }
};

class EnglishLayoutTest : public LayoutFitTest {
protected:
    const char* Language() const override { return ""; }
};

TEST_F(LayoutFitTest, EveryDialogHoldsItsLongerTexts) {
    ASSERT_NE(m_pWindow->windowTitle().toStdString(), kRecordingCalcTemplate.title)
        << "the pseudo-language is not spoken";
    // Every model and function, so that each list shows each set of entries it has.
    const int nModels = static_cast<int>(m_calc.GetEntries(spanwise::CalcList::Model).size());
    for (int nModel = 0; nModel < nModels; ++nModel) {
        for (int nFunction = 0; nFunction < 2; ++nFunction) {
            m_calc.Pick(spanwise::CalcList::Model, nModel);
            m_calc.Pick(spanwise::CalcList::Function, nFunction);
            SCOPED_TRACE("model #" + std::to_string(nModel) + ", function #" +
                         std::to_string(nFunction));
            EXPECT_EQ(FitFaults(*m_pWindow), std::vector<std::string>());
        }
    }
    for (const unsigned nCommand : {IDM_ABOUTBOX, IDM_FIT_TIME, IDM_RANGES}) {
        SCOPED_TRACE("window menu command " + std::to_string(nCommand));
        CheckBox(nCommand, [](const CDialogWindow& box) {
            EXPECT_EQ(FitFaults(box), std::vector<std::string>());
        });
    }
}

TEST_F(EnglishLayoutTest, DialogsKeepTheSizeOfTheirTemplates) {
    EXPECT_TRUE(AtTemplateSize(*m_pWindow));
    for (const unsigned nCommand : {IDM_ABOUTBOX, IDM_FIT_TIME, IDM_RANGES}) {
        SCOPED_TRACE("window menu command " + std::to_string(nCommand));
        CheckBox(nCommand, [](const CDialogWindow& box) { EXPECT_TRUE(AtTemplateSize(box)); });
    }
}

} // namespace
