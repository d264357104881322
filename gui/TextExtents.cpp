#include "TextExtents.h"

#include <QComboBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QStyleOptionGroupBox>
#include <QTextBoundaryFinder>

namespace {

// The width of the widest line of text drawn in metrics' font.
int WidestLine(const QFontMetrics& metrics, const QString& text) {
    int nWidest = 0;
    for (const QString& line : text.split(QLatin1Char('\n'))) {
        nWidest = qMax(nWidest, metrics.horizontalAdvance(line));
    }
    return nWidest;
}

// A caption as drawn: "&&" is one '&', a single '&' underlines the next letter.
QString WithoutMnemonics(const QString& text) {
    QString shown;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == QLatin1Char('&') && i + 1 < text.size()) {
            ++i;
        }
        shown += text[i];
    }
    return shown;
}

} // namespace

// Whether label breaks its text into lines: it wraps, and its box holds more than one line. A
// text in a box of one line stays on it, as on the other front ends.
bool BreaksLines(const QLabel& label) {
    return label.wordWrap() &&
           label.contentsRect().height() >= 2 * QFontMetrics(label.font()).lineSpacing();
}

int TextNeed(const QLabel& label) {
    if (label.text().isEmpty()) {
        return 0;
    }
    const QFontMetrics metrics(label.font());
    const int nFrame = label.width() - label.contentsRect().width();
    // A label that names a control underlines its mnemonic.
    const QString text = label.buddy() != nullptr ? WithoutMnemonics(label.text()) : label.text();
    if (!BreaksLines(label)) {
        return WidestLine(metrics, text) + nFrame;
    }
    // Its longest piece between two places a line may break (blanks; any two Japanese letters)
    // must fit on a line.
    int nWidest = 0;
    QTextBoundaryFinder breaks(QTextBoundaryFinder::Line, text);
    for (qsizetype nStart = 0, nEnd = breaks.toNextBoundary(); nEnd > nStart;
         nStart = nEnd, nEnd = breaks.toNextBoundary()) {
        nWidest =
            qMax(nWidest, metrics.horizontalAdvance(text.mid(nStart, nEnd - nStart).trimmed()));
    }
    return nWidest + nFrame;
}

int WrappedHeightNeed(const QLabel& label) {
    if (label.text().isEmpty() || !BreaksLines(label)) {
        return 0;
    }
    return label.heightForWidth(label.width());
}

int TextNeed(const QGroupBox& group) {
    if (group.title().isEmpty()) {
        return 0;
    }
    QStyleOptionGroupBox option;
    option.initFrom(&group);
    option.text = group.title();
    option.subControls = QStyle::SC_GroupBoxLabel | QStyle::SC_GroupBoxFrame;
    const QRect label = group.style()->subControlRect(QStyle::CC_GroupBox, &option,
                                                      QStyle::SC_GroupBoxLabel, &group);
    // The caption keeps as much room after it as it stands in from the left.
    return QFontMetrics(group.font()).horizontalAdvance(WithoutMnemonics(group.title())) +
           2 * qMax(0, label.x());
}

int TextNeed(const QPushButton& button) {
    if (button.text().isEmpty()) {
        return 0;
    }
    const QStyle* pStyle = button.style();
    const int nMargins = 2 * (pStyle->pixelMetric(QStyle::PM_ButtonMargin, nullptr, &button) +
                              pStyle->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, &button));
    return WidestLine(QFontMetrics(button.font()), WithoutMnemonics(button.text())) + nMargins;
}

int TextNeed(const QComboBox& list) {
    if (list.count() == 0) {
        return 0;
    }
    const QFontMetrics metrics(list.font());
    int nWidest = 0;
    for (int i = 0; i < list.count(); ++i) {
        nWidest = qMax(nWidest, metrics.horizontalAdvance(list.itemText(i)));
    }
    QStyleOptionComboBox option;
    option.initFrom(&list);
    option.editable = list.isEditable();
    const QRect field = list.style()->subControlRect(QStyle::CC_ComboBox, &option,
                                                     QStyle::SC_ComboBoxEditField, &list);
    // The frame and the button take what the edit field leaves of the list's width.
    return nWidest + (list.width() - field.width());
}

std::vector<ctl::CTextExtent> MeasureTexts(const std::vector<QWidget*>& widgets) {
    std::vector<ctl::CTextExtent> extents;
    for (std::size_t i = 0; i < widgets.size(); ++i) {
        const QWidget* pWidget = widgets[i];
        ctl::CTextExtent extent{i, 0, 0};
        if (const auto* pLabel = qobject_cast<const QLabel*>(pWidget); pLabel != nullptr) {
            extent.cx = TextNeed(*pLabel);
            extent.cy = WrappedHeightNeed(*pLabel);
        } else if (const auto* pGroup = qobject_cast<const QGroupBox*>(pWidget);
                   pGroup != nullptr) {
            extent.cx = TextNeed(*pGroup);
        } else if (const auto* pButton = qobject_cast<const QPushButton*>(pWidget);
                   pButton != nullptr) {
            extent.cx = TextNeed(*pButton);
        } else if (const auto* pList = qobject_cast<const QComboBox*>(pWidget); pList != nullptr) {
            extent.cx = TextNeed(*pList);
        }
        if (extent.cx > 0 || extent.cy > 0) {
            extents.push_back(extent);
        }
    }
    return extents;
}
