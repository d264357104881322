#pragma once

#include "DialogUnits.h"

#include "controls/ControlState.h"
#include "controls/DC.h"

#include <QDialog>

#include <string>
#include <unordered_map>
#include <vector>

namespace ctl {
class CDialog;
}

// The window of one CDialog: a QDialog with one widget for each control of the dialog's template,
// laid out from the template's dialog units. The window holds no state of its own: every widget
// mirrors its CControlState, a user's action on a widget goes to the dialog (a pick in a list,
// a button press, closing, the window menu), and what the dialog then changes shows up in the
// widgets through the observer.
class CDialogWindow : public QDialog, public ctl::IControlObserver {
    Q_OBJECT

public:
    // dlg must have been created (CDialog::Create); the window starts mirroring its controls.
    explicit CDialogWindow(ctl::CDialog& dlg, QWidget* pParent = nullptr);
    ~CDialogWindow() override;

    ctl::CDialog& Dialog() const { return m_dlg; }
    const CDialogBaseUnits& BaseUnits() const { return m_units; }

    // The widget of control nID (the first one with that id), or nullptr.
    QWidget* ControlWidget(int nID) const;
    // The widget of the control at nIndex in template order.
    QWidget* ControlWidgetAt(std::size_t nIndex) const { return m_widgets.at(nIndex); }

    // The dialog has ended itself with nResult: close the window with that result.
    void EndFromDialog(int nResult);

    // Shows the dialog's window menu at globalPos and sends the chosen item as a system command.
    // Opened from the keyboard, its first item is active, so that Return chooses it.
    void ShowSystemMenu(const QPoint& globalPos, bool bFromKeyboard = false);

    void OnControlChanged(const ctl::CControlState& control, ctl::ControlChange change) override;

    // A top-level window opens centred on its screen; one with a parent, on the parent.
    void setVisible(bool bVisible) override;

public slots:
    // Enter on the default button and Escape or the close button: the dialog decides.
    void accept() override;
    void reject() override;

protected:
    void changeEvent(QEvent* pEvent) override;
    void contextMenuEvent(QContextMenuEvent* pEvent) override;
    bool eventFilter(QObject* pWatched, QEvent* pEvent) override;
    void keyPressEvent(QKeyEvent* pEvent) override;

private:
    QWidget* CreateControlWidget(const ctl::CControlState& state);
    // What a change of the control at nIndex shows in its widget, its text colour included.
    void ApplyChange(std::size_t nIndex, ctl::ControlChange change);
    // The same without the text colour.
    void ApplyContent(std::size_t nIndex, ctl::ControlChange change);
    void ApplyTextColour(std::size_t nIndex);
    void ApplyEntries(std::size_t nIndex);
    void ApplySelection(std::size_t nIndex);

    ctl::CDialog& m_dlg;
    CDialogBaseUnits m_units;
    std::vector<QWidget*> m_widgets;           // by control index, template order
    std::vector<ctl::COLORREF> m_askedColours; // as the dialog last asked; kNoColour for none
    std::vector<std::vector<std::string>> m_shownEntries; // a list's entries as its widget has them
    bool m_bPlaced = false;
    std::unordered_map<const ctl::CControlState*, std::size_t> m_indexOf;
};
