#include "ControlWidgets.h"

#include "Icons.h"
#include "TableWidget.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using namespace ctl;

namespace {

Qt::Alignment StaticAlignment(unsigned style) {
    Qt::Alignment alignment = Qt::AlignLeft;
    if ((style & kStyleCenter) != 0) {
        alignment = Qt::AlignHCenter;
    } else if ((style & kStyleRight) != 0) {
        alignment = Qt::AlignRight;
    }
    alignment |= (style & kStyleCenterImage) != 0 ? Qt::AlignVCenter : Qt::AlignTop;
    return alignment;
}

QWidget* CreateLabel(const CDialogItemTemplate& item, QWidget* pParent) {
    auto* pLabel = new QLabel(pParent);
    pLabel->setTextFormat(Qt::PlainText);
    pLabel->setAlignment(StaticAlignment(item.style));
    // Static text wraps at word boundaries unless it is centred vertically on one line.
    pLabel->setWordWrap((item.style & kStyleCenterImage) == 0);
    if ((item.style & kStyleStaticEdge) != 0) {
        pLabel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        pLabel->setLineWidth(1);
    }
    return pLabel;
}

void PlaceList(QComboBox* pCombo, const QRect& rect) {
    // The template's height is that of the list dropped down; the closed list takes the height
    // its font needs.
    const int nClosedHeight = pCombo->sizeHint().height();
    const int nItemHeight = qMax(1, pCombo->fontMetrics().height());
    pCombo->setMaxVisibleItems(qMax(1, (rect.height() - nClosedHeight) / nItemHeight));
    pCombo->setGeometry(rect.x(), rect.y(), rect.width(), nClosedHeight);
}

QWidget* CreateList(const QRect& rect, QWidget* pParent) {
    auto* pCombo = new QComboBox(pParent);
    PlaceList(pCombo, rect);
    // The wheel turns a list only once the list has the focus (see CDialogWindow), and does not
    // give it the focus either, so that scrolling over the window changes nothing by accident.
    pCombo->setFocusPolicy(Qt::StrongFocus);
    return pCombo;
}

QWidget* CreateIcon(const CDialogItemTemplate& item, QWidget* pParent) {
    auto* pLabel = new QLabel(pParent);
    const QIcon icon = IconForResource(item.nIconResource);
    if (!icon.isNull()) {
        pLabel->setPixmap(icon.pixmap(QSize(kStandardIconSize, kStandardIconSize)));
    }
    return pLabel;
}

} // namespace

QWidget* CreateControlWidget(const CDialogItemTemplate& item, const CRect& place,
                             QWidget* pParent) {
    const QRect rect(place.x, place.y, place.cx, place.cy);
    QWidget* pWidget = nullptr;
    switch (item.kind) {
    case ControlKind::Static:
        pWidget = CreateLabel(item, pParent);
        break;
    case ControlKind::GroupBox:
        pWidget = new QGroupBox(pParent);
        break;
    case ControlKind::ComboBox:
        pWidget = CreateList(rect, pParent);
        break;
    case ControlKind::PushButton:
    case ControlKind::DefPushButton: {
        auto* pButton = new QPushButton(pParent);
        pButton->setDefault(item.kind == ControlKind::DefPushButton);
        pWidget = pButton;
        break;
    }
    case ControlKind::Edit: {
        auto* pEdit = new QLineEdit(pParent);
        pEdit->setFrame((item.style & kStyleStaticEdge) != 0);
        pWidget = pEdit;
        break;
    }
    case ControlKind::Icon:
        pWidget = CreateIcon(item, pParent);
        break;
    case ControlKind::Table:
        pWidget = new CTableWidget(pParent);
        break;
    }
    if (item.kind != ControlKind::ComboBox) {
        pWidget->setGeometry(rect);
    }
    if ((item.style & kStyleTabStop) == 0 && pWidget->focusPolicy() != Qt::NoFocus) {
        pWidget->setFocusPolicy(Qt::ClickFocus);
    }
    pWidget->setObjectName(QLatin1String("control") + QString::number(item.nID));
    return pWidget;
}

void PlaceControlWidget(QWidget* pWidget, const CRect& place) {
    const QRect rect(place.x, place.y, place.cx, place.cy);
    if (auto* pCombo = qobject_cast<QComboBox*>(pWidget); pCombo != nullptr) {
        PlaceList(pCombo, rect);
    } else {
        pWidget->setGeometry(rect);
    }
}
