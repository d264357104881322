#pragma once

#include "controls/ControlView.h"
#include "controls/DialogLayout.h"

#include <QDialog>
#include <QString>

#include <string>
#include <vector>

namespace ctl {
class CDialog;
}

class CAnnouncer;
class QComboBox;

// The window of one CDialog: a QDialog with one widget for each control of the dialog's template,
// laid out from the template's dialog units. The window holds no state of its own: every widget
// mirrors its control, a user's action on a widget goes to the dialog (a pick in a list, a button
// press, closing, the window menu), and what the dialog then changes shows up in the widgets.
// Once detached (the dialog ended or went away) the window only closes.
class CDialogWindow : public QDialog, public ctl::CControlView {
    Q_OBJECT

public:
    // dlg must have been created (CDialog::Create); the window draws its controls at once.
    explicit CDialogWindow(ctl::CDialog& dlg, QWidget* pParent = nullptr);

    // The widget of control nID (the first one with that id), or nullptr.
    QWidget* ControlWidget(int nID) const;
    // The widget of the control at nIndex in template order.
    QWidget* ControlWidgetAt(std::size_t nIndex) const { return m_widgets.at(nIndex); }

    // Shows the dialog's window menu at globalPos and sends the chosen item as a system command.
    // Opened from the keyboard, its first item is active, so that Return chooses it.
    void ShowSystemMenu(const QPoint& globalPos, bool bFromKeyboard = false);

    // A top-level window opens centred on its screen; one with a parent, on the parent.
    void setVisible(bool bVisible) override;

public slots:
    // Enter on the default button and Escape or the close button: the dialog decides.
    void accept() override;
    void reject() override;

protected:
    void ShowText(const ctl::CControlState& control) override;
    void ShowEntries(const ctl::CControlState& control) override;
    void ShowSelection(const ctl::CControlState& control) override;
    void ShowEnabled(const ctl::CControlState& control) override;
    void ShowVisible(const ctl::CControlState& control) override;
    void ShowFont(const ctl::CControlState& control) override;
    void ShowToolTip(const ctl::CControlState& control) override;
    void ShowFocus(const ctl::CControlState& control) override;
    void ShowAccessibleName(const ctl::CControlState& control, const std::string& name) override;
    void ShowTextColour(const ctl::CControlState& control, ctl::COLORREF colour) override;
    void Announce(const std::string& text) override;

    void changeEvent(QEvent* pEvent) override;
    void contextMenuEvent(QContextMenuEvent* pEvent) override;
    bool eventFilter(QObject* pWatched, QEvent* pEvent) override;
    void keyPressEvent(QKeyEvent* pEvent) override;

private:
    // Sends the user's actions on the widget of the control at nIndex to the dialog.
    void ConnectWidget(std::size_t nIndex);
    // Lays the dialog out again, larger, where a text it shows does not fit its box.
    void FitTexts();
    // A list shows another entry: it is the selected child screen readers find, and one the user
    // picked in the closed list (with the keyboard) is spoken.
    void OnEntryShown(QComboBox* pList);
    // Speaks, once the user's action is over, the entry the user picked and what the dialog
    // announced, in one utterance: Orca would cut the first short with the second.
    void SpeakSoon();
    void Speak();

    const ctl::CDialogTemplate* m_pTemplate;
    std::vector<QWidget*> m_widgets; // by control index, template order
    ctl::CDialogBaseUnits m_units;   // at which the dialog is laid out
    CAnnouncer* m_pAnnouncer;
    bool m_bShowingDialogChange = false; // a list's entry changes for the dialog, not the user
    QString m_strPickedEntry;            // to be spoken
    QString m_strAnnouncement;           // to be spoken
    bool m_bSpeechQueued = false;
    bool m_bWaitedForActivation = false;
    bool m_bPlaced = false;
};
