#include "DialogWindow.h"

#include "AccessibleList.h"
#include "Announcer.h"
#include "ControlWidgets.h"
#include "CoreText.h"
#include "Fonts.h"
#include "Icons.h"
#include "ReadableColour.h"
#include "TableWidget.h"
#include "TextExtents.h"

#include "controls/Dialog.h"
#include "controls/Mnemonics.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QCursor>
#include <QGroupBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

using namespace ctl;

namespace {

// How long an announcement waits for its window to be active again.
constexpr int kActivationWaitMs = 1000;

Qt::WindowFlags FrameFlags(const CDialogTemplate& dlgTemplate, bool bTopLevel) {
    // The application's main dialog is a window of its own, with a taskbar entry.
    const bool bAppWindow = (dlgTemplate.style & kDlgAppWindow) != 0 && bTopLevel;
    Qt::WindowFlags flags = (bAppWindow ? Qt::Window : Qt::Dialog) | Qt::CustomizeWindowHint;
    if ((dlgTemplate.style & kDlgCaption) != 0) {
        flags |= Qt::WindowTitleHint;
    }
    if ((dlgTemplate.style & kDlgSysMenu) != 0) {
        flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    }
    if ((dlgTemplate.style & kDlgMinimizeBox) != 0) {
        flags |= Qt::WindowMinimizeButtonHint;
    }
    if ((dlgTemplate.style & kDlgMaximizeBox) != 0) {
        flags |= Qt::WindowMaximizeButtonHint;
    }
    return flags;
}

QIcon DialogIcon(const CDialog& dlg) {
    for (const bool bBig : {true, false}) {
        const HICON hIcon = dlg.GetIcon(bBig);
        if (!hIcon.IsNull()) {
            return IconForResource(hIcon.nResource);
        }
    }
    return {};
}

} // namespace

CDialogWindow::CDialogWindow(CDialog& dlg, QWidget* pParent)
    : QDialog(pParent, FrameFlags(dlg.Template(), pParent == nullptr)), CControlView(dlg),
      m_pTemplate(&dlg.Template()), m_pAnnouncer(new CAnnouncer(this)) {
    const CDialogTemplate& dlgTemplate = dlg.Template();
    setWindowTitle(FromCore(Shown(dlgTemplate.title)));
    setFont(DialogFont(QString::fromUtf8(dlgTemplate.fontFace), dlgTemplate.nFontPointSize));
    m_units = BaseUnitsOf(font());
    const CDialogLayout layout = LayOutDialog(dlgTemplate, m_units);
    setFixedSize(layout.cx, layout.cy);
    setSizeGripEnabled(false);
    const QIcon icon = DialogIcon(dlg);
    if (!icon.isNull()) {
        setWindowIcon(icon);
    }

    for (std::size_t i = 0; i < dlgTemplate.nItems; ++i) {
        m_widgets.push_back(
            CreateControlWidget(dlgTemplate.items[i], layout.controls[i].rect, this));
        ConnectWidget(i);
        if (auto* pTable = qobject_cast<CTableWidget*>(m_widgets.back()); pTable != nullptr) {
            pTable->SetBoldFont(BoldFont(font(), QString::fromUtf8(dlgTemplate.fontFace)));
        }
    }
    // The caption before a list, an edit field or a table names it for screen readers, and its
    // mnemonic moves the focus there.
    for (std::size_t i = 0; i < dlgTemplate.nItems; ++i) {
        const int nLabel = layout.controls[i].nLabel;
        if (auto* pLabel = nLabel >= 0 ? qobject_cast<QLabel*>(m_widgets[nLabel]) : nullptr;
            pLabel != nullptr) {
            pLabel->setBuddy(m_widgets[i]);
        }
    }
    // Group boxes frame the controls inside them: keep them beneath, out of the way of the mouse.
    for (QWidget* pWidget : m_widgets) {
        if (qobject_cast<QGroupBox*>(pWidget) != nullptr) {
            pWidget->lower();
        }
    }
    Attach();
    FitTexts();
}

void CDialogWindow::FitTexts() {
    const CDialogBaseUnits units = FitBaseUnits(*m_pTemplate, m_units, MeasureTexts(m_widgets));
    if (units.nX == m_units.nX && units.nY == m_units.nY) {
        return;
    }
    // The core decides how the dialog grows: as a whole, at the least larger base units at which
    // every box holds its text. It never shrinks while open.
    m_units = units;
    const CDialogLayout layout = LayOutDialog(*m_pTemplate, m_units);
    setFixedSize(layout.cx, layout.cy);
    for (std::size_t i = 0; i < m_widgets.size() && i < layout.controls.size(); ++i) {
        PlaceControlWidget(m_widgets[i], layout.controls[i].rect);
    }
}

void CDialogWindow::ConnectWidget(std::size_t nIndex) {
    QWidget* pWidget = m_widgets[nIndex];
    const int nID = GetDialog()->Controls()[nIndex]->GetID();
    if (auto* pCombo = qobject_cast<QComboBox*>(pWidget); pCombo != nullptr) {
        pCombo->installEventFilter(this);
        connect(pCombo, &QComboBox::activated, this, [this, nID](int nItem) {
            if (CDialog* pDlg = GetDialog(); pDlg != nullptr) {
                pDlg->OnUserPick(nID, nItem);
            }
        });
        connect(pCombo, &QComboBox::currentIndexChanged, this,
                [this, pCombo] { OnEntryShown(pCombo); });
    } else if (auto* pButton = qobject_cast<QPushButton*>(pWidget); pButton != nullptr) {
        connect(pButton, &QPushButton::clicked, this, [this, nID] {
            if (CDialog* pDlg = GetDialog(); pDlg != nullptr) {
                pDlg->OnUserClick(nID);
            }
        });
    } else if (auto* pTable = qobject_cast<CTableWidget*>(pWidget); pTable != nullptr) {
        // A click chooses a row, and so do Enter and a double click (activated).
        const auto choose = [this, nID](const QModelIndex& index) {
            if (CDialog* pDlg = GetDialog(); pDlg != nullptr && index.isValid()) {
                pDlg->OnUserPick(nID, index.row());
            }
        };
        connect(pTable, &QAbstractItemView::clicked, this, choose);
        connect(pTable, &QAbstractItemView::activated, this, choose);
    } else if (auto* pEdit = qobject_cast<QLineEdit*>(pWidget); pEdit != nullptr) {
        // The text is the dialog's as soon as it is typed, as a Windows edit field's is.
        connect(pEdit, &QLineEdit::textEdited, this, [this, nID](const QString& text) {
            if (CDialog* pDlg = GetDialog(); pDlg != nullptr) {
                pDlg->OnUserEdit(nID, text.toStdString());
            }
        });
    }
}

QWidget* CDialogWindow::ControlWidget(int nID) const {
    for (std::size_t i = 0; i < m_pTemplate->nItems; ++i) {
        if (m_pTemplate->items[i].nID == nID) {
            return m_widgets[i];
        }
    }
    return nullptr;
}

void CDialogWindow::ShowText(const CControlState& control) {
    QWidget* pWidget = m_widgets[control.GetIndex()];
    // Buttons, group boxes and labels with a buddy take '&' as a mnemonic themselves.
    const std::string shown = TextShown(control);
    QString text = FromCore(shown);
    if (auto* pLabel = qobject_cast<QLabel*>(pWidget);
        pLabel != nullptr && control.GetKind() == ControlKind::Static) {
        if (pLabel->buddy() == nullptr) {
            text = FromCore(ShownCaption(control.Template(), shown));
        } else if ((control.Template().style & kStyleNoPrefix) != 0) {
            text.replace(QLatin1Char('&'), QLatin1String("&&"));
        }
        pLabel->setText(text);
    } else if (auto* pGroup = qobject_cast<QGroupBox*>(pWidget); pGroup != nullptr) {
        pGroup->setTitle(text);
    } else if (auto* pButton = qobject_cast<QPushButton*>(pWidget); pButton != nullptr) {
        pButton->setText(text);
    } else if (auto* pEdit = qobject_cast<QLineEdit*>(pWidget); pEdit != nullptr) {
        pEdit->setText(text);
    }
    FitTexts();
}

void CDialogWindow::ShowEntries(const CControlState& control) {
    if (auto* pTable = qobject_cast<CTableWidget*>(m_widgets[control.GetIndex()]);
        pTable != nullptr) {
        pTable->ShowContent(control);
        return;
    }
    auto* pCombo = qobject_cast<QComboBox*>(m_widgets[control.GetIndex()]);
    if (pCombo == nullptr) {
        return;
    }
    QStringList entries;
    entries.reserve(static_cast<qsizetype>(control.m_entries.size()));
    for (const std::string& entry : EntriesShown(control)) {
        entries.append(FromCore(entry));
    }
    m_bShowingDialogChange = true;
    // Clearing resets the list's whole model, even an empty one.
    if (pCombo->count() > 0) {
        pCombo->clear();
    }
    pCombo->addItems(entries);
    m_bShowingDialogChange = false;
    FitTexts();
}

void CDialogWindow::ShowSelection(const CControlState& control) {
    if (auto* pCombo = qobject_cast<QComboBox*>(m_widgets[control.GetIndex()]); pCombo != nullptr) {
        m_bShowingDialogChange = true;
        pCombo->setCurrentIndex(control.m_nCurSel);
        m_bShowingDialogChange = false;
    } else if (auto* pTable = qobject_cast<CTableWidget*>(m_widgets[control.GetIndex()]);
               pTable != nullptr) {
        pTable->ShowCurrentRow(control.m_nCurSel);
    }
}

void CDialogWindow::ShowEnabled(const CControlState& control) {
    m_widgets[control.GetIndex()]->setEnabled(control.m_bEnabled);
}

void CDialogWindow::ShowVisible(const CControlState& control) {
    m_widgets[control.GetIndex()]->setVisible(control.m_bVisible);
}

void CDialogWindow::ShowAccessibleName(const CControlState& control, const std::string& name) {
    m_widgets[control.GetIndex()]->setAccessibleName(FromCore(name));
}

void CDialogWindow::OnEntryShown(QComboBox* pList) {
    SelectShownEntry(pList);
    // A pick in the open drop-down is heard as its items are; Orca says nothing of a closed list
    // whose entry changes (Qt 6.4 gives it no selected child), so the entry is spoken here.
    if (!m_bShowingDialogChange && pList->hasFocus() && !pList->view()->isVisible()) {
        m_strPickedEntry = pList->currentText();
        SpeakSoon();
    }
}

void CDialogWindow::Announce(const std::string& text) {
    m_strAnnouncement +=
        (m_strAnnouncement.isEmpty() ? QString() : QStringLiteral(", ")) + FromCore(text);
    SpeakSoon();
}

void CDialogWindow::SpeakSoon() {
    if (!m_bSpeechQueued) {
        m_bSpeechQueued = true;
        QTimer::singleShot(0, this, &CDialogWindow::Speak);
    }
}

void CDialogWindow::Speak() {
    if (m_strPickedEntry.isEmpty() && m_strAnnouncement.isEmpty()) {
        m_bSpeechQueued = false;
        m_bWaitedForActivation = false;
        return;
    }
    // After a box over the window closes (Fit a Recording Time, Ranges), the window is active
    // again only once the window manager says so, and Orca then reads it afresh: what is said
    // before would be cut short. The announcement waits for that, a while at most.
    if (!isActiveWindow() && !m_bWaitedForActivation) {
        m_bWaitedForActivation = true;
        QTimer::singleShot(kActivationWaitMs, this, &CDialogWindow::Speak);
        return;
    }
    m_bWaitedForActivation = false;
    m_bSpeechQueued = false;
    QString speech = m_strPickedEntry;
    if (!m_strAnnouncement.isEmpty()) {
        speech += (speech.isEmpty() ? QString() : QStringLiteral(", ")) + m_strAnnouncement;
    }
    m_strPickedEntry.clear();
    m_strAnnouncement.clear();
    if (!speech.isEmpty()) {
        m_pAnnouncer->Say(speech);
    }
}

void CDialogWindow::ShowFont(const CControlState& control) {
    if (control.m_bHasFont) {
        m_widgets[control.GetIndex()]->setFont(ControlFont(control.m_font, font()));
        FitTexts();
    }
}

void CDialogWindow::ShowToolTip(const CControlState& control) {
    m_widgets[control.GetIndex()]->setToolTip(FromCore(ToolTipShown(control)));
}

void CDialogWindow::ShowFocus(const CControlState& control) {
    QWidget* pWidget = m_widgets[control.GetIndex()];
    pWidget->setFocus(Qt::OtherFocusReason);
    // An edit field the dialog gives the focus is ready to be typed over, as on Windows: the
    // duration offered again, or one a message box has just refused.
    if (auto* pEdit = qobject_cast<QLineEdit*>(pWidget); pEdit != nullptr) {
        pEdit->selectAll();
    }
}

void CDialogWindow::ShowTextColour(const CControlState& control, COLORREF colour) {
    QWidget* pWidget = m_widgets[control.GetIndex()];
    if (colour == kNoColour) {
        pWidget->setPalette(QPalette());
        return;
    }
    // The colour the dialog asks for was chosen for a light window; on a dark palette it may not
    // read.
    const QColor textColour = ReadableTextColour(QColor(static_cast<int>(colour & 0xFFU),
                                                        static_cast<int>((colour >> 8) & 0xFFU),
                                                        static_cast<int>((colour >> 16) & 0xFFU)),
                                                 palette());
    QPalette palette = pWidget->palette();
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        palette.setColor(group, QPalette::WindowText, textColour);
        palette.setColor(group, QPalette::Text, textColour);
        palette.setColor(group, QPalette::ButtonText, textColour);
    }
    pWidget->setPalette(palette);
}

void CDialogWindow::accept() {
    if (CDialog* pDlg = GetDialog(); pDlg != nullptr) {
        pDlg->OnOK();
    }
}

void CDialogWindow::reject() {
    if (CDialog* pDlg = GetDialog(); pDlg != nullptr) {
        pDlg->OnCancel();
    }
}

void CDialogWindow::setVisible(bool bVisible) {
    if (bVisible && !m_bPlaced && parentWidget() == nullptr) {
        m_bPlaced = true;
        // The screen the window opens on: where the mouse is, as the toolkit places a dialog
        // without a parent.
        const QScreen* pScreen = QGuiApplication::screenAt(QCursor::pos());
        if (pScreen == nullptr) {
            pScreen = screen();
        }
        if (pScreen != nullptr) {
            // The window itself, without its frame: most platforms tell the frame only once the
            // window is on screen, and moving it then would show it jump.
            const QRect area = pScreen->availableGeometry();
            setGeometry(QRect(area.x() + (area.width() - width()) / 2,
                              area.y() + (area.height() - height()) / 2, width(), height()));
        }
    }
    QDialog::setVisible(bVisible);
    if (bVisible) {
        // The focus the dialog gives shows as the keyboard's does (showing the window forgets
        // that), so that a keyboard user sees where it is before the first Tab.
        setAttribute(Qt::WA_KeyboardFocusChange);
    }
}

void CDialogWindow::changeEvent(QEvent* pEvent) {
    QDialog::changeEvent(pEvent);
    if (pEvent->type() == QEvent::ActivationChange && isActiveWindow() && m_bWaitedForActivation) {
        QTimer::singleShot(0, this, &CDialogWindow::Speak);
    }
    if (pEvent->type() == QEvent::PaletteChange) {
        // The readable text colours depend on the window's background: work them out afresh.
        RefreshTextColours();
    }
}

bool CDialogWindow::eventFilter(QObject* pWatched, QEvent* pEvent) {
    if (pEvent->type() == QEvent::Wheel) {
        const auto* pList = qobject_cast<QComboBox*>(pWatched);
        if (pList != nullptr && !pList->hasFocus()) {
            pEvent->ignore();
            return true;
        }
    }
    return QDialog::eventFilter(pWatched, pEvent);
}

void CDialogWindow::ShowSystemMenu(const QPoint& globalPos, bool bFromKeyboard) {
    CDialog* pDlg = GetDialog();
    const CMenu* pSystemMenu = pDlg != nullptr ? pDlg->GetSystemMenu(false) : nullptr;
    if (pSystemMenu == nullptr) {
        return;
    }
    QMenu menu(this);
    QAction* pFirstCommand = nullptr;
    for (const CMenu::CItem& item : pSystemMenu->Items()) {
        if ((item.nFlags & MF_SEPARATOR) != 0) {
            menu.addSeparator();
            continue;
        }
        QAction* pAction = menu.addAction(FromCore(Shown(item.text)));
        pAction->setData(item.nID);
        if (pFirstCommand == nullptr) {
            pFirstCommand = pAction;
        }
    }
    if (pFirstCommand == nullptr) {
        return;
    }
    if (bFromKeyboard) {
        // Once the menu is up: showing it makes no item active.
        QTimer::singleShot(0, &menu,
                           [&menu, pFirstCommand] { menu.setActiveAction(pFirstCommand); });
    }
    const QAction* pChosen = menu.exec(globalPos);
    if (pChosen != nullptr && GetDialog() != nullptr) {
        GetDialog()->OnUserSysCommand(pChosen->data().toUInt());
    }
}

void CDialogWindow::contextMenuEvent(QContextMenuEvent* pEvent) {
    QPoint globalPos = pEvent->globalPos();
    if (pEvent->reason() == QContextMenuEvent::Keyboard) {
        const QWidget* pFocus = focusWidget() != nullptr ? focusWidget() : this;
        globalPos = pFocus->mapToGlobal(QPoint(0, pFocus->height()));
    }
    pEvent->accept();
    ShowSystemMenu(globalPos, pEvent->reason() == QContextMenuEvent::Keyboard);
}

void CDialogWindow::keyPressEvent(QKeyEvent* pEvent) {
    const Qt::KeyboardModifiers modifiers = pEvent->modifiers() & ~Qt::KeypadModifier;
    const bool bMenuKey = pEvent->key() == Qt::Key_Menu && modifiers == Qt::NoModifier;
    const bool bShiftF10 = pEvent->key() == Qt::Key_F10 && modifiers == Qt::ShiftModifier;
    if (bMenuKey || bShiftF10) {
        pEvent->accept();
        const QWidget* pFocus = focusWidget() != nullptr ? focusWidget() : this;
        ShowSystemMenu(pFocus->mapToGlobal(QPoint(0, pFocus->height())), true);
        return;
    }
    QDialog::keyPressEvent(pEvent);
}
