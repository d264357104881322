// The window on a user's desktop: a pick refills each list once, the wheel turns only the list
// that has the focus, the window opens centred, and the results read on a dark palette.

#include "gui_test_support.h"

#include "gui/ReadableColour.h"
#include "res/Resource.h"

#include <QAbstractItemModel>
#include <QScreen>
#include <QTest>
#include <QWheelEvent>

using namespace ctl;

// Counts how often a list's items are rebuilt: each insertion of rows into its model.
class CInsertionCounter {
public:
    explicit CInsertionCounter(const QComboBox* pList)
        : m_connection(QObject::connect(pList->model(), &QAbstractItemModel::rowsInserted,
                                        [this] { ++m_nInsertions; })) {}
    ~CInsertionCounter() { QObject::disconnect(m_connection); }
    CInsertionCounter(const CInsertionCounter&) = delete;
    CInsertionCounter& operator=(const CInsertionCounter&) = delete;

    int Count() const { return m_nInsertions; }

private:
    int m_nInsertions = 0;
    QMetaObject::Connection m_connection;
};

TEST_F(CalculatorWindowTest, APickRefillsEachListInOneStep) {
    // Alder to Birch (MEM), then REC: the lists after each are refilled, the range list with a
    // window of other ranges under REC.
    for (const int nList : {IDC_MODEL, IDC_FUNCTION}) {
        std::vector<std::unique_ptr<CInsertionCounter>> counters;
        for (const int nID : {IDC_MEMORY, IDC_SCANNER, IDC_CHANNELS, IDC_TIME_RANGE}) {
            counters.push_back(std::make_unique<CInsertionCounter>(List(nID)));
        }
        const std::vector<std::string> rangesBefore = ViewOf(List(IDC_TIME_RANGE)).entries;
        PressDown(nList);
        for (std::size_t i = 0; i < counters.size(); ++i) {
            EXPECT_LE(counters[i]->Count(), 1) << "list " << i << " after a pick in " << nList;
        }
        if (nList == IDC_FUNCTION) {
            EXPECT_EQ(counters.back()->Count(), 1);
            EXPECT_NE(ViewOf(List(IDC_TIME_RANGE)).entries, rangesBefore);
        }
        ExpectWidgetsMirrorDialog();
    }
}

// A turn of the wheel over the Model Number list, with the focus on it or elsewhere.
struct CWheelCase {
    const char* name;
    int nFocus;
    int nExpectedModel;
};

void PrintTo(const CWheelCase& row, std::ostream* pOut) {
    *pOut << row.name;
}

class WheelTest : public CalculatorWindowTest, public ::testing::WithParamInterface<CWheelCase> {};

TEST_P(WheelTest, TurnsOnlyTheListWithTheFocus) {
    const CWheelCase& row = GetParam();
    Widget(row.nFocus)->setFocus();
    QComboBox* pList = List(IDC_MODEL);
    const QPointF centre = QRectF(pList->rect()).center();
    QWheelEvent wheel(centre, pList->mapToGlobal(centre), QPoint(), QPoint(0, -120), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(pList, &wheel);
    EXPECT_EQ(pList->currentIndex(), row.nExpectedModel);
    EXPECT_EQ(Dlg().FindControl(IDC_MODEL)->m_nCurSel, row.nExpectedModel);
    EXPECT_EQ(Widget(row.nFocus)->hasFocus(), true) << "the wheel moved the focus";
    ExpectWidgetsMirrorDialog();
}

INSTANTIATE_TEST_SUITE_P(FocusHere, WheelTest,
                         ::testing::Values(CWheelCase{"OnTheList", IDC_MODEL, 1},
                                           CWheelCase{"OnAnotherList", IDC_TIME_RANGE, 0},
                                           CWheelCase{"OnExit", IDOK, 0}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(CalculatorWindowTest, OpensCentredOnItsScreen) {
    const QRect area = m_pWindow->screen()->availableGeometry();
    ASSERT_TRUE(area.contains(m_pWindow->frameGeometry()));
    const QPoint offset = m_pWindow->geometry().center() - area.center();
    EXPECT_LE(offset.manhattanLength(), 2) << offset.x() << ", " << offset.y();
}

// A desktop palette, and what colour the two results should then take.
struct CPaletteCase {
    const char* name;
    QColor window;
    QColor text;
    QColor link;
    enum { kTemplateBlue, kLinkColour, kLighterBlue } expected;
};

void PrintTo(const CPaletteCase& row, std::ostream* pOut) {
    *pOut << row.name;
}

class PaletteTest : public CalculatorWindowTest,
                    public ::testing::WithParamInterface<CPaletteCase> {
protected:
    void TearDown() override {
        QApplication::setPalette(m_original);
        CalculatorWindowTest::TearDown();
    }
    const QPalette m_original = QApplication::palette();
};

TEST_P(PaletteTest, ResultsReadOnTheWindowBackground) {
    const CPaletteCase& row = GetParam();
    QPalette palette = QApplication::palette();
    palette.setColor(QPalette::Window, row.window);
    palette.setColor(QPalette::WindowText, row.text);
    palette.setColor(QPalette::Button, row.window);
    palette.setColor(QPalette::ButtonText, row.text);
    palette.setColor(QPalette::Link, row.link);
    QApplication::setPalette(palette);
    // The toolkit passes a new palette on to the open windows through its event queue.
    QCoreApplication::processEvents();

    // The window that was open when the palette changed, and one opened under it.
    spanwise::CCalculator other(m_host);
    other.Show();
    for (const CDialogWindow* pWindow : {m_pWindow.data(), m_host.Windows().back()}) {
        for (const int nID : {IDC_RECORDING_LENGTH, IDC_RECORDING_TIME}) {
            const QWidget* pResult = pWindow->ControlWidget(nID);
            const QColor background = pWindow->palette().color(QPalette::Window);
            const QColor shown = pResult->palette().color(QPalette::Active, QPalette::WindowText);
            SCOPED_TRACE("control " + std::to_string(nID) + " " + shown.name().toStdString());
            EXPECT_EQ(background, row.window);
            EXPECT_GE(ContrastRatio(shown, background), 4.5);
            switch (row.expected) {
            case CPaletteCase::kTemplateBlue:
                EXPECT_EQ(shown, QColor(0, 0, 255));
                break;
            case CPaletteCase::kLinkColour:
                EXPECT_EQ(shown, row.link);
                break;
            case CPaletteCase::kLighterBlue:
                EXPECT_EQ(shown.blue(), 255);
                EXPECT_EQ(shown.red(), shown.green());
                EXPECT_GT(shown.red(), 0);
                EXPECT_LT(ContrastRatio(shown, background), 5.0) << "lighter than it needs";
                break;
            }
            // The sampling period keeps the palette's own text colour.
            EXPECT_EQ(pWindow->ControlWidget(IDC_SAMPLING_PERIOD)
                          ->palette()
                          .color(QPalette::Active, QPalette::WindowText),
                      row.text);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Desktops, PaletteTest,
    ::testing::Values(CPaletteCase{"Light", QColor(239, 239, 239), QColor(0, 0, 0),
                                   QColor(0, 0, 255), CPaletteCase::kTemplateBlue},
                      CPaletteCase{"DarkWithReadableLink", QColor(49, 54, 59),
                                   QColor(252, 252, 252), QColor(41, 128, 255).lighter(150),
                                   CPaletteCase::kLinkColour},
                      CPaletteCase{"DarkWithDarkLink", QColor(53, 53, 53), QColor(255, 255, 255),
                                   QColor(42, 130, 218), CPaletteCase::kLighterBlue},
                      CPaletteCase{"DarkWithGreenLink", QColor(30, 30, 30), QColor(220, 220, 220),
                                   QColor(80, 220, 80), CPaletteCase::kLighterBlue}),
    [](const auto& info) { return std::string(info.param.name); });
