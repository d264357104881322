#include "AccessibleList.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QItemSelectionModel>

namespace {

// A closed drop-down list as a screen reader reads it: named by its caption, its shown entry as
// its value and as its text (Orca reads a list's value from its text), the entries as its one
// child, the drop-down view, in which the shown entry is the selected item.
class CAccessibleList final : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit CAccessibleList(QComboBox* pList) : QAccessibleWidget(pList, QAccessible::ComboBox) {}

    void* interface_cast(QAccessible::InterfaceType type) override {
        return type == QAccessible::TextInterface ? static_cast<QAccessibleTextInterface*>(this)
                                                  : QAccessibleWidget::interface_cast(type);
    }

    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Value ? List()->currentText() : QAccessibleWidget::text(t);
    }

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

    // The text: the shown entry, read only, nothing selected, the caret before it.
    QString text(int nStart, int nEnd) const override {
        return List()->currentText().mid(nStart, nEnd - nStart);
    }
    int characterCount() const override { return static_cast<int>(List()->currentText().size()); }
    void selection(int /*nSelection*/, int* pnStart, int* pnEnd) const override {
        *pnStart = 0;
        *pnEnd = 0;
    }
    int selectionCount() const override { return 0; }
    void addSelection(int /*nStart*/, int /*nEnd*/) override {}
    void removeSelection(int /*nSelection*/) override {}
    void setSelection(int /*nSelection*/, int /*nStart*/, int /*nEnd*/) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int /*nPosition*/) override {}
    QRect characterRect(int /*nOffset*/) const override { return rect(); }
    int offsetAtPoint(const QPoint& /*point*/) const override { return -1; }
    void scrollToSubstring(int /*nStart*/, int /*nEnd*/) override {}
    QString attributes(int nOffset, int* pnStart, int* pnEnd) const override {
        *pnStart = nOffset;
        *pnEnd = nOffset;
        return {};
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

void SelectShownEntry(QComboBox* pList) {
    if (QItemSelectionModel* pSelection = pList->view()->selectionModel(); pSelection != nullptr) {
        // Selected, not made current: the view's current item is the one it gives the focus.
        pSelection->select(pList->model()->index(pList->currentIndex(), pList->modelColumn()),
                           QItemSelectionModel::ClearAndSelect);
    }
}
