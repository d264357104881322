// The Ranges box, reached through the window menu: its table shows the core's rows for the
// conditions, the current range and the ranges that record a fitted duration marked, and a click
// or Enter on a row picks that range as the Time-axis Range list would.

#include "gui_test_support.h"

#include "gui/TableWidget.h"
#include "ui/RangeRows.h"

#include <QAccessible>
#include <QMenu>
#include <QTest>

using namespace ctl;

namespace {

class RangesWindowTest : public CalculatorWindowTest {
protected:
    // Opens the box from the window menu with the keyboard (Shift+F10, then its mnemonic).
    CTableWidget* OpenRanges() {
        WhenPopupOpens([](QWidget* pPopup) { QTest::keyClick(pPopup, Qt::Key_R); });
        QTest::keyClick(List(IDC_MODEL), Qt::Key_F10, Qt::ShiftModifier);
        EXPECT_TRUE(WaitUntil([&] { return m_host.Windows().size() == 2; }));
        if (m_host.Windows().size() != 2) {
            return nullptr;
        }
        m_pRanges = m_host.Windows().back();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(m_pRanges.data()));
        return qobject_cast<CTableWidget*>(m_pRanges->ControlWidget(IDC_RANGES));
    }

    void Apply(const std::vector<std::string>& picks) {
        for (const std::string& pick : picks) {
            std::string error;
            ASSERT_TRUE(spanwise::ApplyPick(m_calc, pick, error)) << error;
        }
    }

    bool RangesClosed() {
        return WaitUntil([&] { return m_pRanges.isNull() && m_host.Windows().size() == 1; });
    }

    QPointer<CDialogWindow> m_pRanges;
};

TEST_F(RangesWindowTest, ShowsTheCoresRowsWithTheCurrentRangeMarked) {
    const std::vector<std::vector<std::string>> scenarios = {
        {}, {"model=Cedar", "function=REC"}, {"model=Juniper", "range=1s/div"}};
    for (const std::vector<std::string>& picks : scenarios) {
        SCOPED_TRACE(::testing::PrintToString(picks));
        Apply(picks);
        CTableWidget* pTable = OpenRanges();
        ASSERT_NE(pTable, nullptr);
        EXPECT_EQ(m_pRanges->windowTitle(), "Ranges");
        EXPECT_EQ(QAccessible::queryAccessibleInterface(pTable)->text(QAccessible::Name),
                  "Maximum recording time at each time-axis range:");
        ASSERT_EQ(pTable->columnCount(), 3);
        for (int nColumn = 0; nColumn < 3; ++nColumn) {
            EXPECT_EQ(pTable->horizontalHeaderItem(nColumn)->text(),
                      spanwise::kRangeColumns[nColumn].title);
        }
        const std::vector<spanwise::CRangeRow> rows = m_calc.GetRangeRows();
        const int nCurrent = m_calc.GetSelected(spanwise::CalcList::TimeRange);
        ASSERT_EQ(pTable->rowCount(), static_cast<int>(rows.size()));
        for (int nRow = 0; nRow < pTable->rowCount(); ++nRow) {
            const std::vector<std::string> cells = rows[static_cast<std::size_t>(nRow)].Cells();
            for (int nColumn = 0; nColumn < 3; ++nColumn) {
                EXPECT_EQ(pTable->item(nRow, nColumn)->text().toStdString(),
                          cells[static_cast<std::size_t>(nColumn)]);
            }
            EXPECT_EQ(pTable->item(nRow, 0)->font().bold(), nRow == nCurrent) << nRow;
            EXPECT_FALSE(pTable->item(nRow, 2)->data(CTableWidget::kMarkedRole).toBool());
        }
        EXPECT_EQ(pTable->currentRow(), nCurrent);
        EXPECT_EQ(pTable->selectionModel()->selectedRows().size(), 1);
        EXPECT_TRUE(pTable->hasFocus());
        EXPECT_TRUE(m_pRanges->ControlWidget(IDC_RANGES_FIT)->isHidden());
        QTest::keyClick(pTable, Qt::Key_Escape);
        ASSERT_TRUE(RangesClosed());
    }
}

TEST_F(RangesWindowTest, MarksTheRangesThatRecordTheFittedDuration) {
    ASSERT_TRUE(m_calc.FitRecordingTime("1h"));
    CTableWidget* pTable = OpenRanges();
    ASSERT_NE(pTable, nullptr);
    const std::vector<spanwise::CRangeRow> rows = m_calc.GetRangeRows();
    for (int nRow = 0; nRow < pTable->rowCount(); ++nRow) {
        EXPECT_EQ(pTable->item(nRow, 2)->data(CTableWidget::kMarkedRole).toBool(),
                  rows[static_cast<std::size_t>(nRow)].dRecordingTime >= 3600)
            << nRow;
    }
    const auto* pNote = qobject_cast<QLabel*>(m_pRanges->ControlWidget(IDC_RANGES_FIT));
    EXPECT_TRUE(pNote->isVisible());
    EXPECT_EQ(pNote->text(), "Marked: the ranges that record \"1h\"; the finest is 20ms/div.");
}

// A click on a row, or Enter on the row the arrow keys reached, picks that range and closes the
// box; Escape closes it and changes nothing.
TEST_F(RangesWindowTest, ChoosingARowPicksItsRange) {
    enum class Way { Click, DownDownEnter, Escape };
    for (const Way way : {Way::Click, Way::DownDownEnter, Way::Escape}) {
        SCOPED_TRACE(static_cast<int>(way));
        Apply({"model=Cedar", "range=#3"});
        CTableWidget* pTable = OpenRanges();
        ASSERT_NE(pTable, nullptr);
        int nExpected = 3;
        switch (way) {
        case Way::Click: {
            nExpected = 4;
            const QRect row = pTable->visualRect(pTable->model()->index(nExpected, 0));
            QTest::mouseClick(pTable->viewport(), Qt::LeftButton, {}, row.center());
            break;
        }
        case Way::DownDownEnter:
            nExpected = 5;
            QTest::keyClick(pTable, Qt::Key_Down);
            QTest::keyClick(pTable, Qt::Key_Down);
            QTest::keyClick(pTable, Qt::Key_Return);
            break;
        case Way::Escape:
            QTest::keyClick(pTable, Qt::Key_Down);
            QTest::keyClick(pTable, Qt::Key_Escape);
            break;
        }
        ASSERT_TRUE(RangesClosed());
        EXPECT_EQ(List(IDC_TIME_RANGE)->currentIndex(), nExpected);
        const spanwise::CRangeRow row = m_calc.GetRangeRows()[static_cast<std::size_t>(nExpected)];
        EXPECT_EQ(Shown(IDC_RECORDING_TIME).toStdString(), row.recordingTime);
        ExpectWidgetsMirrorDialog();
    }
}

} // namespace
