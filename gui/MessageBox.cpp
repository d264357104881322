#include "MessageBox.h"

#include <QLayout>
#include <QScreen>

CMessageBox::CMessageBox(const QString& caption, const QString& text, QWidget* pParent)
    : QMessageBox(QMessageBox::NoIcon, caption, text, QMessageBox::Ok, pParent) {}

void CMessageBox::showEvent(QShowEvent* pEvent) {
    // QMessageBox gives itself its size here.
    QMessageBox::showEvent(pEvent);
    if (screen() == nullptr) {
        return;
    }
    const int nWidest = screen()->availableGeometry().width() * 9 / 10;
    if (width() > nWidest && layout() != nullptr) {
        setFixedSize(nWidest, layout()->hasHeightForWidth()
                                  ? layout()->totalHeightForWidth(nWidest)
                                  : layout()->totalMinimumSize().height());
    }
}
