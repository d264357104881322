#pragma once

#include <QWidget>

class CNotice;

// What a window says to screen readers besides what its controls are: the announcement at the end
// of a user's action. Qt 6.4 has no event for it on Linux, and Orca 43 speaks nothing when the
// name or the description of a label or of the focus changes: Qt sends the object, not the text,
// with the event, and Orca speaks what is sent. Orca speaks a notification as soon as it shows:
// without calling it a notification where it stands in a status bar, and without first reading
// the dialog around it (its title and every label) where a tool tip stands between them, since
// Orca stops there when it tells where an object is. So this is a status bar of no size, holding
// a tool tip holding a notification, which is shown afresh, named by the text, for each
// announcement. None of them takes the focus or shows anything.
class CAnnouncer final : public QWidget {
    Q_OBJECT

public:
    explicit CAnnouncer(QWidget* pParent);

    void Say(const QString& text);

    // Gives the announcer's widgets their roles for screen readers; once, with a QApplication.
    static void InstallAccessibleRoles();

private:
    CNotice* m_pNotice;
};

// The tool tip of a CAnnouncer, around its notification.
class CNoticeFrame final : public QWidget {
    Q_OBJECT

public:
    using QWidget::QWidget;
};

// The notification of a CAnnouncer.
class CNotice final : public QWidget {
    Q_OBJECT

public:
    using QWidget::QWidget;
};
