// The calculator window as a user sees and drives it: what it shows on opening, what a pick in a
// list refreshes, which lists are greyed out, fonts and colours, the tooltip, the keyboard, and
// the layout converted from the template's dialog units.

#include "gui_test_support.h"

#include "gui/Fonts.h"
#include "res/ModelEntries.h"
#include "res/Resource.h"

#include <QFontMetrics>
#include <QFontMetricsF>
#include <QGroupBox>
#include <QHelpEvent>
#include <QStyleOptionComboBox>
#include <QTest>
#include <QToolTip>

#include <iterator>
#include <set>

using namespace ctl;

namespace {

const std::vector<int> kConditionLists = {IDC_MEMORY, IDC_FUNCTION, IDC_SAMPLING, IDC_SCANNER,
                                          IDC_CHANNELS};

// The template's captions fit its controls in the dialog's own font or a Japanese Gothic one; in
// whatever font a desktop falls back to beyond those, they may not.
bool HasDialogFont(const CDialog& dlg) {
    return !ResolveFontFamily(QString::fromUtf8(dlg.Template().fontFace)).isEmpty();
}

constexpr const char* kNoDialogFont = "no Japanese Gothic font installed (fonts-ipafont-gothic)";

} // namespace

TEST_F(CalculatorWindowTest, OpensOnTheFirstEntriesWithTheirResults) {
    EXPECT_EQ(m_pWindow->windowTitle(),
              "NORVAK MEMORY Loomgraphs Maximum Recording Calculator(Test Version)");

    const std::vector<std::string> models(std::begin(spanwise::kModelEntries),
                                          std::end(spanwise::kModelEntries));
    EXPECT_EQ(ViewOf(List(IDC_MODEL)).entries, models);
    EXPECT_EQ(ViewOf(List(IDC_FUNCTION)).entries, std::vector<std::string>({"MEM", "REC"}));
    EXPECT_EQ(ViewOf(List(IDC_SAMPLING)).entries,
              std::vector<std::string>({"Single-axis Sampling", "Dual-axis Sampling"}));

    const std::vector<std::pair<int, QString>> shown = {
        {IDC_MODEL, "Alder/Alder-W"},
        {IDC_MEMORY, "32MW"},
        {IDC_FUNCTION, "MEM"},
        {IDC_SAMPLING, "Single-axis Sampling"},
        {IDC_SCANNER, "Sable Not Installed"},
        {IDC_CHANNELS, "1ch"},
        {IDC_TIME_RANGE, "5us/div"},
        {IDC_RECORDING_LENGTH, "320000 div"},
        {IDC_SAMPLING_PERIOD, "( 50ns/S )"},
        {IDC_RECORDING_TIME, "1.6s"},
        {IDC_GRP_RECORDING_LENGTH, "[Maximum Recording Length]"},
        {IDC_GRP_RECORDING_TIME, "[Maximum Recording Time]"},
        {IDC_LBL_SCANNER, "Sable Scanner Unit"},
        {IDC_LBL_TIME_RANGE, "Time-axis Range"},
        {IDC_COPY, "Copy"},
        {IDOK, "Exit"},
    };
    for (const auto& [nID, text] : shown) {
        EXPECT_EQ(Shown(nID), text) << "control " << nID;
    }
    for (const int nID : {IDC_MODEL, IDC_MEMORY, IDC_FUNCTION, IDC_SAMPLING, IDC_SCANNER,
                          IDC_CHANNELS, IDC_TIME_RANGE}) {
        EXPECT_EQ(List(nID)->currentIndex(), 0) << "list " << nID;
        EXPECT_TRUE(List(nID)->isEnabled()) << "list " << nID;
    }
    EXPECT_TRUE(Label(IDC_SAMPLING_PERIOD)->isVisible());
    EXPECT_EQ(m_pWindow->focusWidget(), List(IDC_MODEL));
    ExpectWidgetsMirrorDialog();
}

// A pick with the Down key on each list; only the lists and fields after it may change.
struct CPickCase {
    const char* name;
    int nList;
    std::set<int> mayChange;
    std::set<int> mustChange;
};

void PrintTo(const CPickCase& pick, std::ostream* pOut) {
    *pOut << pick.name;
}

class PickRefreshTest : public CalculatorWindowTest,
                        public ::testing::WithParamInterface<CPickCase> {};

TEST_P(PickRefreshTest, RefreshesOnlyWhatLiesDownstream) {
    const CPickCase& pick = GetParam();
    const std::vector<CControlSnapshot> before = Views();
    PressDown(pick.nList);
    const std::vector<int> changed = ChangedIds(Dlg(), before, Views());

    EXPECT_EQ(List(pick.nList)->currentIndex(), 1);
    for (const int nID : changed) {
        EXPECT_TRUE(nID == pick.nList || pick.mayChange.count(nID) != 0)
            << "control " << nID << " changed";
    }
    for (const int nID : pick.mustChange) {
        EXPECT_TRUE(std::find(changed.begin(), changed.end(), nID) != changed.end())
            << "control " << nID << " did not change";
    }
    ExpectWidgetsMirrorDialog();
}

// Results: 1006 length, 1009 sampling period, 1007 time. A pick of sampling or scanner unit
// refills lists but never changes which lists are enabled; the views compare that too.
INSTANTIATE_TEST_SUITE_P(
    EachList, PickRefreshTest,
    ::testing::Values(
        CPickCase{"Model",
                  IDC_MODEL,
                  {IDC_MEMORY, IDC_FUNCTION, IDC_SAMPLING, IDC_SCANNER, IDC_CHANNELS,
                   IDC_TIME_RANGE, IDC_RECORDING_LENGTH, IDC_SAMPLING_PERIOD, IDC_RECORDING_TIME},
                  {IDC_CHANNELS}},
        CPickCase{"Memory",
                  IDC_MEMORY,
                  {IDC_RECORDING_LENGTH, IDC_RECORDING_TIME},
                  {IDC_RECORDING_LENGTH, IDC_RECORDING_TIME}},
        CPickCase{"Function",
                  IDC_FUNCTION,
                  {IDC_MEMORY, IDC_SAMPLING, IDC_SCANNER, IDC_CHANNELS, IDC_TIME_RANGE,
                   IDC_RECORDING_LENGTH, IDC_SAMPLING_PERIOD, IDC_RECORDING_TIME},
                  {IDC_SAMPLING, IDC_CHANNELS, IDC_SAMPLING_PERIOD}},
        CPickCase{"Sampling",
                  IDC_SAMPLING,
                  {IDC_SCANNER, IDC_CHANNELS, IDC_TIME_RANGE, IDC_RECORDING_LENGTH,
                   IDC_SAMPLING_PERIOD, IDC_RECORDING_TIME},
                  {IDC_CHANNELS}},
        CPickCase{"Scanner",
                  IDC_SCANNER,
                  {IDC_CHANNELS, IDC_TIME_RANGE, IDC_RECORDING_LENGTH, IDC_SAMPLING_PERIOD,
                   IDC_RECORDING_TIME},
                  {IDC_CHANNELS}},
        CPickCase{"Channels",
                  IDC_CHANNELS,
                  {IDC_RECORDING_LENGTH, IDC_RECORDING_TIME},
                  {IDC_RECORDING_LENGTH, IDC_RECORDING_TIME}},
        CPickCase{"TimeRange",
                  IDC_TIME_RANGE,
                  {IDC_SAMPLING_PERIOD, IDC_RECORDING_TIME},
                  {IDC_SAMPLING_PERIOD, IDC_RECORDING_TIME}}),
    [](const auto& info) { return std::string(info.param.name); });

// Which condition lists a user can still use, by model and function.
struct CEnablingCase {
    const char* model;
    bool bRec;
    // Internal Memory, Function, Sampling, scanner unit, Channels
    std::vector<bool> enabled;
    bool bPeriodShown;
};

void PrintTo(const CEnablingCase& row, std::ostream* pOut) {
    *pOut << row.model << (row.bRec ? " REC" : " MEM");
}

class EnablingTest : public CalculatorWindowTest,
                     public ::testing::WithParamInterface<CEnablingCase> {};

TEST_P(EnablingTest, GreysOutTheListsThatDoNotApply) {
    const CEnablingCase& row = GetParam();
    const int nModel = List(IDC_MODEL)->findText(row.model);
    ASSERT_GE(nModel, 0) << "no model " << row.model;
    PressDown(IDC_MODEL, nModel);
    if (row.bRec) {
        PressDown(IDC_FUNCTION);
    }
    ASSERT_EQ(List(IDC_MODEL)->currentText(), row.model);
    for (std::size_t i = 0; i < kConditionLists.size(); ++i) {
        EXPECT_EQ(List(kConditionLists[i])->isEnabled(), row.enabled[i])
            << "list " << kConditionLists[i];
    }
    EXPECT_TRUE(List(IDC_MODEL)->isEnabled());
    EXPECT_TRUE(List(IDC_TIME_RANGE)->isEnabled());
    EXPECT_EQ(Label(IDC_SAMPLING_PERIOD)->isVisible(), row.bPeriodShown);
    EXPECT_TRUE(Label(IDC_RECORDING_LENGTH)->isVisible());
    EXPECT_TRUE(Label(IDC_RECORDING_TIME)->isVisible());
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(ByModelAndFunction, EnablingTest, ::testing::Values(
    //            model            REC    memory function sampling scanner channels  period shown
    CEnablingCase{"Alder/Alder-W", false, {true,  true,    true,    true,   true},   true},
    CEnablingCase{"Alder/Alder-W", true,  {true,  true,    false,   true,   false},  false},
    CEnablingCase{"Birch/Birch-W", true,  {true,  true,    false,   true,   false},  false},
    CEnablingCase{"Cedar",         false, {true,  true,    false,   false,  true},   true},
    CEnablingCase{"Gum/Gum-2",     false, {false, false,   false,   false,  false},  true},
    CEnablingCase{"Hazel",         false, {false, true,    false,   false,  true},   true},
    CEnablingCase{"Ivy",           true,  {false, true,    false,   false,  false},  false},
    CEnablingCase{"Juniper",       false, {false, false,   false,   false,  false},  true},
    CEnablingCase{"Kauri",         true,  {true,  true,    false,   false,  false},  false}));
// clang-format on

TEST_F(CalculatorWindowTest, GreyedListsComeBackWithMem) {
    PressDown(IDC_FUNCTION);
    ASSERT_FALSE(List(IDC_CHANNELS)->isEnabled());
    QTest::keyClick(List(IDC_FUNCTION), Qt::Key_Up);
    EXPECT_TRUE(List(IDC_SAMPLING)->isEnabled());
    EXPECT_TRUE(List(IDC_CHANNELS)->isEnabled());
    EXPECT_TRUE(Label(IDC_SAMPLING_PERIOD)->isVisible());
    ExpectWidgetsMirrorDialog();
}

TEST_F(CalculatorWindowTest, OnlyTheTwoResultFieldsAreBoldAndBlue) {
    const QColor blue(0, 0, 255);
    for (std::size_t i = 0; i < Dlg().Controls().size(); ++i) {
        const int nID = Dlg().Controls()[i]->GetID();
        const QWidget* pWidget = m_pWindow->ControlWidgetAt(i);
        const bool bResult = nID == IDC_RECORDING_LENGTH || nID == IDC_RECORDING_TIME;
        SCOPED_TRACE("control " + std::to_string(nID));
        EXPECT_EQ(pWidget->font().bold(), bResult);
        EXPECT_EQ(pWidget->palette().color(QPalette::Active, QPalette::WindowText) == blue,
                  bResult);
        if (bResult) {
            // A character cell of 12 pixels, ascent and descent together.
            const qreal cell = QFontMetricsF(pWidget->font()).height();
            EXPECT_LE(cell, 12.01);
            EXPECT_GT(cell, 10.0);
        } else {
            EXPECT_EQ(pWidget->font(), m_pWindow->font());
        }
    }
    EXPECT_EQ(Label(IDC_RECORDING_LENGTH)->alignment(), Qt::AlignCenter);
    EXPECT_EQ(Label(IDC_RECORDING_LENGTH)->frameShadow(), QFrame::Sunken);
    EXPECT_TRUE(Label(IDC_SAMPLING_PERIOD)->alignment() & Qt::AlignRight);
    EXPECT_EQ(Label(IDC_SAMPLING_PERIOD)->frameShape(), QFrame::NoFrame);
}

TEST_F(CalculatorWindowTest, HoveringOverCopyShowsItsTooltip) {
    QPushButton* pCopy = Button(IDC_COPY);
    const QPoint centre = pCopy->rect().center();
    QHelpEvent hover(QEvent::ToolTip, centre, pCopy->mapToGlobal(centre));
    QApplication::sendEvent(pCopy, &hover);
    EXPECT_TRUE(QToolTip::isVisible());
    EXPECT_EQ(QToolTip::text(), "The calculation result is copied to the clipboard.");
    QToolTip::hideText();

    for (std::size_t i = 0; i < Dlg().Controls().size(); ++i) {
        if (Dlg().Controls()[i]->GetID() != IDC_COPY) {
            EXPECT_TRUE(m_pWindow->ControlWidgetAt(i)->toolTip().isEmpty());
        }
    }
}

// How a user ends the dialog, and what it ends with.
struct CEndCase {
    const char* name;
    int nFocus;
    Qt::Key key;
    int nResult; // 0: the dialog goes on
};

void PrintTo(const CEndCase& row, std::ostream* pOut) {
    *pOut << row.name;
}

class EndingTest : public CalculatorWindowTest, public ::testing::WithParamInterface<CEndCase> {};

TEST_P(EndingTest, KeysEndTheDialogAsItsButtonsDo) {
    const CEndCase& row = GetParam();
    CScriptedClipboard clipboard;
    m_host.SetClipboard(&clipboard);
    QWidget* pFocus = Widget(row.nFocus);
    pFocus->setFocus();
    QTest::keyClick(pFocus, row.key);
    EXPECT_EQ(Dlg().GetModalResult(), row.nResult);
    EXPECT_EQ(m_pWindow->isVisible(), row.nResult == 0);
    // Enter on Copy is a press of Copy, not of Exit.
    EXPECT_EQ(clipboard.nOpens, row.nFocus == IDC_COPY ? 1 : 0);
    m_host.SetClipboard(nullptr);
}

INSTANTIATE_TEST_SUITE_P(
    FocusAndKey, EndingTest,
    ::testing::Values(CEndCase{"ReturnOnModelList", IDC_MODEL, Qt::Key_Return, IDOK},
                      CEndCase{"EnterOnTimeRangeList", IDC_TIME_RANGE, Qt::Key_Enter, IDOK},
                      CEndCase{"ReturnOnExit", IDOK, Qt::Key_Return, IDOK},
                      CEndCase{"EscapeOnChannelsList", IDC_CHANNELS, Qt::Key_Escape, IDCANCEL},
                      CEndCase{"ReturnOnCopy", IDC_COPY, Qt::Key_Return, 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(CalculatorWindowTest, CloseButtonAndExitClickEndTheDialog) {
    int nEnded = 0;
    m_pWindow->close();
    EXPECT_EQ(Dlg().GetModalResult(), IDCANCEL);
    EXPECT_FALSE(m_pWindow->isVisible());

    m_calc.Show([&nEnded](int nResult) { nEnded = nResult; });
    m_pWindow = m_host.Windows().back();
    QTest::mouseClick(Button(IDOK), Qt::LeftButton);
    EXPECT_EQ(nEnded, IDOK);
    EXPECT_FALSE(m_pWindow->isVisible());
    EXPECT_TRUE(m_host.Windows().empty());
}

TEST_F(CalculatorWindowTest, TabVisitsTheListsAndButtonsInTemplateOrder) {
    const std::vector<int> expected = {IDC_MODEL,      IDC_MEMORY,  IDC_FUNCTION,
                                       IDC_SAMPLING,   IDC_SCANNER, IDC_CHANNELS,
                                       IDC_TIME_RANGE, IDC_COPY,    IDOK};
    std::vector<QWidget*> order;
    QWidget* pWidget = List(IDC_MODEL);
    do {
        if ((pWidget->focusPolicy() & Qt::TabFocus) != 0 &&
            pWidget->parentWidget() == m_pWindow.data()) {
            order.push_back(pWidget);
        }
        pWidget = pWidget->nextInFocusChain();
    } while (pWidget != List(IDC_MODEL) && order.size() <= expected.size());
    ASSERT_EQ(order.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(order[i], Widget(expected[i])) << "tab stop " << i;
    }
}

// Pixels of a length in dialog units, as the templates are laid out: base unit x length / 4
// (horizontally) or / 8 (vertically), rounded.
int ToPixels(int nLength, int nBase, int nDivisor) {
    return (nLength * nBase + nDivisor / 2) / nDivisor;
}

TEST_F(CalculatorWindowTest, LayoutFollowsTheTemplate) {
    const QFontMetrics metrics(m_pWindow->font());
    const int nBaseX =
        (metrics.horizontalAdvance("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz") + 26) /
        52;
    const int nBaseY = metrics.height();

    EXPECT_EQ(m_pWindow->size(), QSize(ToPixels(289, nBaseX, 4), ToPixels(150, nBaseY, 8)));
    EXPECT_EQ(m_pWindow->minimumSize(), m_pWindow->maximumSize());
    EXPECT_FALSE(m_pWindow->windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(m_pWindow->windowFlags() & Qt::WindowMaximizeButtonHint);

    // The visible rectangle of each control in dialog units; a closed list is about 12 units
    // tall whatever the template gives for its drop-down.
    const auto& controls = Dlg().Controls();
    std::vector<QRect> units;
    for (std::size_t i = 0; i < controls.size(); ++i) {
        const CDialogItemTemplate& item = controls[i]->Template();
        const int nHeight = item.kind == ControlKind::ComboBox ? 12 : item.cy;
        units.emplace_back(item.x, item.y, item.cx, nHeight);

        const QRect geometry = m_pWindow->ControlWidgetAt(i)->geometry();
        SCOPED_TRACE("control " + std::to_string(item.nID));
        EXPECT_EQ(geometry.x(), ToPixels(item.x, nBaseX, 4));
        EXPECT_EQ(geometry.y(), ToPixels(item.y, nBaseY, 8));
        EXPECT_EQ(geometry.width(), ToPixels(item.cx, nBaseX, 4));
        if (item.kind != ControlKind::ComboBox) {
            EXPECT_EQ(geometry.height(), ToPixels(item.cy, nBaseY, 8));
        }
        EXPECT_TRUE(m_pWindow->rect().contains(geometry));
    }

    for (std::size_t i = 0; i < controls.size(); ++i) {
        for (std::size_t j = i + 1; j < controls.size(); ++j) {
            const QRect a = m_pWindow->ControlWidgetAt(i)->geometry();
            const QRect b = m_pWindow->ControlWidgetAt(j)->geometry();
            SCOPED_TRACE("controls " + std::to_string(controls[i]->GetID()) + " and " +
                         std::to_string(controls[j]->GetID()));
            if (!units[i].intersects(units[j])) {
                EXPECT_FALSE(a.intersects(b));
            }
            // What a group box holds in the template, it holds on screen.
            if (controls[i]->GetKind() == ControlKind::GroupBox && units[i].contains(units[j])) {
                EXPECT_TRUE(a.contains(b));
            }
            if (controls[j]->GetKind() == ControlKind::GroupBox && units[j].contains(units[i])) {
                EXPECT_TRUE(b.contains(a));
            }
        }
    }
}

TEST_F(CalculatorWindowTest, EveryCaptionFitsItsControl) {
    if (!HasDialogFont(Dlg())) {
        GTEST_SKIP() << kNoDialogFont;
    }
    // The labels and lists are as wide as the template makes them: their texts must show whole.
    for (std::size_t i = 0; i < Dlg().Controls().size(); ++i) {
        const QWidget* pWidget = m_pWindow->ControlWidgetAt(i);
        const QFontMetrics metrics(pWidget->font());
        SCOPED_TRACE("control " + std::to_string(Dlg().Controls()[i]->GetID()));
        if (const auto* pLabel = qobject_cast<const QLabel*>(pWidget);
            pLabel != nullptr && !pLabel->text().isEmpty()) {
            const int nFlags =
                static_cast<int>(pLabel->alignment()) | (pLabel->wordWrap() ? Qt::TextWordWrap : 0);
            const QRect needed =
                metrics.boundingRect(pLabel->contentsRect(), nFlags, pLabel->text());
            EXPECT_TRUE(pLabel->contentsRect().contains(needed))
                << pLabel->text().toStdString() << " needs " << needed.width() << "x"
                << needed.height();
        }
        if (const auto* pGroup = qobject_cast<const QGroupBox*>(pWidget); pGroup != nullptr) {
            EXPECT_LT(metrics.horizontalAdvance(pGroup->title()), pGroup->width() - 8);
        }
    }
}

TEST_F(CalculatorWindowTest, EveryListEntryShowsWhole) {
    if (!HasDialogFont(Dlg())) {
        GTEST_SKIP() << kNoDialogFont;
    }
    // Visit the entries the lists offer across the models, under MEM and REC.
    std::set<std::pair<int, QString>> entries;
    const auto collect = [&] {
        for (const int nID : {IDC_MODEL, IDC_MEMORY, IDC_FUNCTION, IDC_SAMPLING, IDC_SCANNER,
                              IDC_CHANNELS, IDC_TIME_RANGE}) {
            for (const std::string& entry : ViewOf(List(nID)).entries) {
                entries.insert({nID, QString::fromStdString(entry)});
            }
        }
    };
    for (int nModel = 0; nModel < List(IDC_MODEL)->count(); ++nModel) {
        collect();
        if (List(IDC_SAMPLING)->isEnabled()) {
            PressDown(IDC_SAMPLING);
            collect();
            QTest::keyClick(List(IDC_SAMPLING), Qt::Key_Up);
        }
        if (List(IDC_FUNCTION)->isEnabled()) {
            PressDown(IDC_FUNCTION);
            collect();
            QTest::keyClick(List(IDC_FUNCTION), Qt::Key_Up);
        }
        PressDown(IDC_MODEL);
    }
    ASSERT_GT(entries.size(), 40U);

    for (const auto& [nID, entry] : entries) {
        const QComboBox* pList = List(nID);
        QStyleOptionComboBox option;
        option.initFrom(pList);
        option.editable = false;
        option.currentText = entry;
        const QRect field = pList->style()->subControlRect(QStyle::CC_ComboBox, &option,
                                                           QStyle::SC_ComboBoxEditField, pList);
        // The text is drawn one pixel in from each side of the field.
        EXPECT_LE(pList->fontMetrics().horizontalAdvance(entry), field.width() - 2)
            << "list " << nID << ": " << entry.toStdString();
    }
}
