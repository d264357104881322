#include "ComboStyle.h"

#include <QApplication>
#include <QStyleFactory>
#include <QStyleOptionComboBox>

void CComboStyle::InstallOnApplication() {
    QStyle* pStyle = QApplication::style();
    if (qobject_cast<CComboStyle*>(pStyle) != nullptr) {
        return;
    }
    // A fresh instance of the same style to stand beneath: the application deletes the one it
    // has when it is given another.
    QStyle* pBase = QStyleFactory::create(pStyle->name());
    QApplication::setStyle(new CComboStyle(pBase));
}

QRect CComboStyle::subControlRect(ComplexControl control, const QStyleOptionComplex* pOption,
                                  SubControl subControl, const QWidget* pWidget) const {
    QRect rect = QProxyStyle::subControlRect(control, pOption, subControl, pWidget);
    const auto* pCombo = qstyleoption_cast<const QStyleOptionComboBox*>(pOption);
    if (control != CC_ComboBox || subControl != SC_ComboBoxEditField || pCombo == nullptr ||
        pCombo->editable) {
        return rect;
    }
    // The arrow is drawn in the middle of its button; its first quarter stays blank.
    const QRect arrow = QProxyStyle::subControlRect(control, pOption, SC_ComboBoxArrow, pWidget);
    if (pCombo->direction == Qt::RightToLeft) {
        if (arrow.right() < rect.left()) {
            rect.setLeft(qMin(rect.left(), arrow.right() - arrow.width() / 4));
        }
    } else if (arrow.left() > rect.right()) {
        rect.setRight(qMax(rect.right(), arrow.left() + arrow.width() / 4));
    }
    return rect;
}
