#include "TableWidget.h"

#include "CoreText.h"

#include "controls/ControlState.h"
#include "controls/ControlView.h"

#include <QHeaderView>
#include <QPainter>
#include <QStyledItemDelegate>

using namespace ctl;

namespace {

constexpr int kBarRole = CTableWidget::kBarRole;
constexpr int kMarkedRole = CTableWidget::kMarkedRole;
// Pixels between the last column's text and the bar, and around the bar.
constexpr int kBarGap = 8;
constexpr int kBarInset = 3;
// Dark enough to read on a light row, light enough on a dark one.
const QColor kBarColour(0x3A, 0x78, 0xB5);
const QColor kMarkedBarColour(0x2E, 0x8B, 0x3E);
const QString kCheckMark = QStringLiteral("\u2713");

} // namespace

// Paints the bar of each row after the text of the last column, from the same left edge in every
// row so that the bars compare at a glance.
class CBarDelegate final : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    int m_nTextWidth = 0; // the widest text of the last column, in pixels

    void paint(QPainter* pPainter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        QStyledItemDelegate::paint(pPainter, option, index);
        const QVariant bar = index.data(kBarRole);
        if (!bar.isValid()) {
            return;
        }
        // The bar lies on a faint track of the whole scale; a marked row has a check mark after
        // the track, so that the mark does not rest on colour alone.
        const bool bSelected = (option.state & QStyle::State_Selected) != 0;
        const bool bMarked = index.data(kMarkedRole).toBool();
        const QColor ink =
            bSelected ? option.palette.highlightedText().color() : option.palette.text().color();
        const int nCheckWidth = option.fontMetrics.horizontalAdvance(kCheckMark) + kBarGap;
        const QRect track = option.rect.adjusted(m_nTextWidth + kBarGap, kBarInset,
                                                 -kBarGap - nCheckWidth, -kBarInset);
        QColor trackColour = ink;
        trackColour.setAlpha(40);
        pPainter->fillRect(track, trackColour);
        QRect area = track;
        area.setWidth(qMax(1, qRound(track.width() * bar.toDouble())));
        pPainter->fillRect(area, bSelected ? ink : bMarked ? kMarkedBarColour : kBarColour);
        if (bMarked) {
            pPainter->setPen(ink);
            pPainter->drawText(QRect(track.right() + kBarGap, option.rect.top(), nCheckWidth,
                                     option.rect.height()),
                               Qt::AlignLeft | Qt::AlignVCenter, kCheckMark);
        }
    }
};

CTableWidget::CTableWidget(QWidget* pParent)
    : QTableWidget(pParent), m_pDelegate(new CBarDelegate(this)), m_boldFont(font()) {
    m_boldFont.setBold(true);
    setItemDelegate(m_pDelegate);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setTabKeyNavigation(false);
    setShowGrid(false);
    setWordWrap(false);
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 2 * kBarInset + 2);
    horizontalHeader()->setSectionsClickable(false);
    // Titles wrap, so that the columns are as narrow as their texts and the bars have the room.
    horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter |
                                            Qt::Alignment(Qt::TextWordWrap));
    horizontalHeader()->setStretchLastSection(true);
}

void CTableWidget::ShowContent(const CControlState& control) {
    const int nColumns = static_cast<int>(control.m_entries.size());
    const int nRows = static_cast<int>(control.m_rows.size());
    clear();
    setColumnCount(nColumns);
    setRowCount(nRows);
    QStringList titles;
    for (const std::string& title : CControlView::EntriesShown(control)) {
        titles.append(FromCore(title));
    }
    setHorizontalHeaderLabels(titles);
    m_pDelegate->m_nTextWidth = 0;
    for (int nRow = 0; nRow < nRows; ++nRow) {
        const CTableRow& row = control.m_rows[static_cast<std::size_t>(nRow)];
        for (int nColumn = 0; nColumn < nColumns && nColumn < static_cast<int>(row.cells.size());
             ++nColumn) {
            auto* pItem =
                new QTableWidgetItem(FromCore(row.cells[static_cast<std::size_t>(nColumn)]));
            pItem->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
            if (row.bCurrent) {
                pItem->setFont(m_boldFont);
            }
            if (nColumn == nColumns - 1) {
                pItem->setData(kBarRole, row.dBar);
                pItem->setData(kMarkedRole, row.bMarked);
                if (!row.note.empty()) {
                    pItem->setData(Qt::AccessibleTextRole,
                                   pItem->text() + QStringLiteral(", ") + FromCore(row.note));
                }
                m_pDelegate->m_nTextWidth = qMax(
                    m_pDelegate->m_nTextWidth,
                    QFontMetrics(pItem->font()).horizontalAdvance(pItem->text()) + 2 * kBarInset);
            }
            setItem(nRow, nColumn, pItem);
        }
    }
    const QFontMetrics header(horizontalHeader()->font());
    const int nMargin = 2 * style()->pixelMetric(QStyle::PM_HeaderMargin) + 2;
    horizontalHeader()->setMinimumHeight(2 * header.lineSpacing() + nMargin);
    for (int nColumn = 0; nColumn + 1 < nColumns; ++nColumn) {
        int nWidth = sizeHintForColumn(nColumn) + kBarGap;
        for (const QString& word : titles[nColumn].split(QLatin1Char(' '))) {
            nWidth = qMax(nWidth, header.horizontalAdvance(word) + nMargin);
        }
        setColumnWidth(nColumn, nWidth);
    }
}

void CTableWidget::ShowCurrentRow(int nRow) {
    // A row outside the table selects none; a shown table scrolls to the row by itself.
    setCurrentCell(nRow, 0);
}

void CTableWidget::showEvent(QShowEvent* pEvent) {
    QTableWidget::showEvent(pEvent);
    // Before the table is on screen its viewport has no size to scroll in.
    if (currentIndex().isValid()) {
        scrollTo(currentIndex(), QAbstractItemView::PositionAtCenter);
    }
}
