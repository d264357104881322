#pragma once

#include <QTableWidget>

namespace ctl {
class CControlState;
}

class CBarDelegate;

// A table control: one column for each title the control has, one row for each of its rows, and
// after the last column's text a bar as long as the row's bar value. The current row is in bold;
// a marked row has its bar in a colour of its own and a check mark after it. Rows are chosen
// whole; the arrow keys move the keyboard's row, Tab leaves the table.
class CTableWidget final : public QTableWidget {
    Q_OBJECT

public:
    // Each row's bar value (0 to 1) and whether it is marked, on the items of the last column.
    static constexpr int kBarRole = Qt::UserRole;
    static constexpr int kMarkedRole = Qt::UserRole + 1;

    explicit CTableWidget(QWidget* pParent);

    // The font of the current row.
    void SetBoldFont(const QFont& font) { m_boldFont = font; }
    // Shows the control's columns and rows, replacing what the table shows. A screen reader hears
    // a row's note (CTableRow::note) after its last cell.
    void ShowContent(const ctl::CControlState& control);
    // Puts the keyboard's row on nRow (none for -1) and brings it into view.
    void ShowCurrentRow(int nRow);

protected:
    void showEvent(QShowEvent* pEvent) override;

private:
    CBarDelegate* m_pDelegate;
    QFont m_boldFont;
};
