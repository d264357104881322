#include "Announcer.h"

#include <QAccessibleWidget>

namespace {

QAccessibleInterface* CreateAccessibleAnnouncer(const QString& className, QObject* pObject) {
    auto* pWidget = qobject_cast<QWidget*>(pObject);
    if (pWidget == nullptr) {
        return nullptr;
    }
    if (className == QLatin1String("CAnnouncer")) {
        return new QAccessibleWidget(pWidget, QAccessible::StatusBar);
    }
    if (className == QLatin1String("CNoticeFrame")) {
        return new QAccessibleWidget(pWidget, QAccessible::ToolTip);
    }
    if (className == QLatin1String("CNotice")) {
        return new QAccessibleWidget(pWidget, QAccessible::Notification);
    }
    return nullptr;
}

} // namespace

CAnnouncer::CAnnouncer(QWidget* pParent)
    : QWidget(pParent), m_pNotice(new CNotice(new CNoticeFrame(this))) {
    setGeometry(0, 0, 0, 0);
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    m_pNotice->parentWidget()->setGeometry(0, 0, 0, 0);
    m_pNotice->setGeometry(0, 0, 0, 0);
    m_pNotice->hide();
}

void CAnnouncer::Say(const QString& text) {
    m_pNotice->hide();
    m_pNotice->setAccessibleName(text);
    m_pNotice->show();
}

void CAnnouncer::InstallAccessibleRoles() {
    static bool bInstalled = false;
    if (!bInstalled) {
        bInstalled = true;
        QAccessible::installFactory(CreateAccessibleAnnouncer);
    }
}
