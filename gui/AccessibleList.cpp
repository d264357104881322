#include "AccessibleList.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QComboBox>

namespace {

class CAccessibleList final : public QAccessibleWidget {
public:
    explicit CAccessibleList(QComboBox* pList) : QAccessibleWidget(pList, QAccessible::ComboBox) {}

    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Value ? List()->currentText() : QAccessibleWidget::text(t);
    }

    // The entries, as Qt's own description has them: the drop-down view.
    int childCount() const override { return 1; }
    QAccessibleInterface* child(int nIndex) const override {
        return nIndex == 0 ? QAccessible::queryAccessibleInterface(List()->view()) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* pChild) const override {
        return pChild != nullptr && pChild->object() == List()->view() ? 0 : -1;
    }

    QStringList actionNames() const override {
        return QAccessibleWidget::actionNames() << showMenuAction();
    }
    void doAction(const QString& actionName) override {
        if (actionName == showMenuAction()) {
            List()->showPopup();
        } else {
            QAccessibleWidget::doAction(actionName);
        }
    }

private:
    QComboBox* List() const { return static_cast<QComboBox*>(widget()); }
};

QAccessibleInterface* CreateAccessibleList(const QString& className, QObject* pObject) {
    auto* pList = qobject_cast<QComboBox*>(pObject);
    return className == QLatin1String("QComboBox") && pList != nullptr ? new CAccessibleList(pList)
                                                                       : nullptr;
}

} // namespace

void InstallAccessibleLists() {
    static bool bInstalled = false;
    if (!bInstalled) {
        bInstalled = true;
        QAccessible::installFactory(CreateAccessibleList);
    }
}
