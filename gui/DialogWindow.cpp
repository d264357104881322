#include "DialogWindow.h"

#include "Fonts.h"
#include "Icons.h"
#include "ReadableColour.h"

#include "controls/DC.h"
#include "controls/Dialog.h"
#include "controls/Menu.h"

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
#include <QWindow>

using namespace ctl;

namespace {

// The size a static icon control takes on: the standard icon size.
constexpr int kStandardIconSize = 32;

QString FromCore(const std::string& text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// Static text that does not say otherwise takes '&' as a mnemonic marker: "&&" shows one '&',
// a lone '&' shows nothing. Labels here name no buddy, so the mnemonic itself has no use.
QString StripMnemonics(const QString& text) {
    if (!text.contains(QLatin1Char('&'))) {
        return text;
    }
    QString shown;
    shown.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == QLatin1Char('&') && i + 1 < text.size()) {
            ++i;
        } else if (text[i] == QLatin1Char('&')) {
            continue;
        }
        shown += text[i];
    }
    return shown;
}

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
    : QDialog(pParent, FrameFlags(dlg.Template(), pParent == nullptr)), m_dlg(dlg) {
    const CDialogTemplate& dlgTemplate = dlg.Template();
    setWindowTitle(QString::fromUtf8(dlgTemplate.title));
    setFont(DialogFont(QString::fromUtf8(dlgTemplate.fontFace), dlgTemplate.nFontPointSize));
    m_units = CDialogBaseUnits::FromFont(font());
    setFixedSize(MapDialogSize(dlgTemplate.cx, dlgTemplate.cy, m_units));
    setSizeGripEnabled(false);
    const QIcon icon = DialogIcon(dlg);
    if (!icon.isNull()) {
        setWindowIcon(icon);
    }

    const auto& controls = dlg.Controls();
    m_widgets.reserve(controls.size());
    m_askedColours.assign(controls.size(), kNoColour);
    m_shownEntries.resize(controls.size());
    for (std::size_t i = 0; i < controls.size(); ++i) {
        const CControlState& state = *controls[i];
        m_indexOf[&state] = i;
        m_widgets.push_back(CreateControlWidget(state));
    }
    // Group boxes frame the controls inside them: keep them beneath, out of the way of the mouse.
    for (QWidget* pWidget : m_widgets) {
        if (qobject_cast<QGroupBox*>(pWidget) != nullptr) {
            pWidget->lower();
        }
    }

    for (std::size_t i = 0; i < controls.size(); ++i) {
        for (const ControlChange change :
             {ControlChange::Text, ControlChange::Entries, ControlChange::Enabled,
              ControlChange::Visible, ControlChange::Font, ControlChange::ToolTip}) {
            ApplyContent(i, change);
        }
        ApplyTextColour(i);
        controls[i]->SetObserver(this);
    }

    // The dialog opens with the focus on its first tab stop.
    for (std::size_t i = 0; i < controls.size(); ++i) {
        if ((controls[i]->Template().style & kStyleTabStop) != 0 && m_widgets[i]->isEnabled() &&
            !m_widgets[i]->isHidden()) {
            m_widgets[i]->setFocus(Qt::OtherFocusReason);
            break;
        }
    }
}

CDialogWindow::~CDialogWindow() {
    for (const auto& pControl : m_dlg.Controls()) {
        pControl->SetObserver(nullptr);
    }
}

QWidget* CDialogWindow::CreateControlWidget(const CControlState& state) {
    const CDialogItemTemplate& item = state.Template();
    const QRect rect = MapDialogRect(item.x, item.y, item.cx, item.cy, m_units);
    const int nID = item.nID;
    QWidget* pWidget = nullptr;

    switch (item.kind) {
    case ControlKind::Static: {
        auto* pLabel = new QLabel(this);
        pLabel->setTextFormat(Qt::PlainText);
        pLabel->setAlignment(StaticAlignment(item.style));
        // Static text wraps at word boundaries unless it is centred vertically on one line.
        pLabel->setWordWrap((item.style & kStyleCenterImage) == 0);
        if ((item.style & kStyleStaticEdge) != 0) {
            pLabel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
            pLabel->setLineWidth(1);
        }
        pLabel->setGeometry(rect);
        pWidget = pLabel;
        break;
    }
    case ControlKind::GroupBox: {
        auto* pGroup = new QGroupBox(this);
        pGroup->setGeometry(rect);
        pWidget = pGroup;
        break;
    }
    case ControlKind::ComboBox: {
        auto* pCombo = new QComboBox(this);
        // The template's height is that of the list dropped down; the closed list takes the
        // height its font needs.
        const int nClosedHeight = pCombo->sizeHint().height();
        const int nItemHeight = qMax(1, pCombo->fontMetrics().height());
        pCombo->setMaxVisibleItems(qMax(1, (rect.height() - nClosedHeight) / nItemHeight));
        pCombo->setGeometry(rect.x(), rect.y(), rect.width(), nClosedHeight);
        // The wheel turns a list only once the list has the focus (eventFilter); it does not give
        // the focus either, so that scrolling over the window changes nothing by accident.
        pCombo->setFocusPolicy(Qt::StrongFocus);
        pCombo->installEventFilter(this);
        connect(pCombo, &QComboBox::activated, this, [this, pCombo, nID](int nItem) {
            if (!m_dlg.OnUserPick(nID, nItem)) {
                // The dialog refused the pick: show its selection again.
                const CControlState* pState = m_dlg.FindControl(nID);
                pCombo->setCurrentIndex(pState != nullptr ? pState->m_nCurSel : -1);
            }
        });
        pWidget = pCombo;
        break;
    }
    case ControlKind::PushButton:
    case ControlKind::DefPushButton: {
        auto* pButton = new QPushButton(this);
        pButton->setDefault(item.kind == ControlKind::DefPushButton);
        pButton->setGeometry(rect);
        connect(pButton, &QPushButton::clicked, this, [this, nID] { m_dlg.OnUserClick(nID); });
        pWidget = pButton;
        break;
    }
    case ControlKind::Edit: {
        auto* pEdit = new QLineEdit(this);
        if ((item.style & kStyleStaticEdge) == 0) {
            pEdit->setFrame(false);
        }
        pEdit->setGeometry(rect);
        // The text is the dialog's as soon as it is typed, as a Windows edit field's is.
        connect(pEdit, &QLineEdit::textEdited, this,
                [this, nID](const QString& text) { m_dlg.OnUserEdit(nID, text.toStdString()); });
        pWidget = pEdit;
        break;
    }
    case ControlKind::Icon: {
        auto* pLabel = new QLabel(this);
        const QIcon icon = IconForResource(item.nIconResource);
        if (!icon.isNull()) {
            pLabel->setPixmap(icon.pixmap(QSize(kStandardIconSize, kStandardIconSize)));
        }
        // An icon control takes the size of its icon.
        pLabel->setGeometry(rect.x(), rect.y(), kStandardIconSize, kStandardIconSize);
        pWidget = pLabel;
        break;
    }
    }

    if ((item.style & kStyleTabStop) == 0 && pWidget->focusPolicy() != Qt::NoFocus) {
        pWidget->setFocusPolicy(Qt::ClickFocus);
    }
    pWidget->setObjectName(QLatin1String("control") + QString::number(nID));
    return pWidget;
}

QWidget* CDialogWindow::ControlWidget(int nID) const {
    const auto& controls = m_dlg.Controls();
    for (std::size_t i = 0; i < controls.size(); ++i) {
        if (controls[i]->GetID() == nID) {
            return m_widgets[i];
        }
    }
    return nullptr;
}

void CDialogWindow::OnControlChanged(const CControlState& control, ControlChange change) {
    const auto found = m_indexOf.find(&control);
    if (found != m_indexOf.end()) {
        ApplyChange(found->second, change);
    }
}

void CDialogWindow::ApplyChange(std::size_t nIndex, ControlChange change) {
    ApplyContent(nIndex, change);
    ApplyTextColour(nIndex);
}

void CDialogWindow::ApplyContent(std::size_t nIndex, ControlChange change) {
    const CControlState& state = *m_dlg.Controls()[nIndex];
    QWidget* pWidget = m_widgets[nIndex];

    switch (change) {
    case ControlChange::Text: {
        const QString text = FromCore(state.m_strText);
        if (auto* pLabel = qobject_cast<QLabel*>(pWidget);
            pLabel != nullptr && state.GetKind() == ControlKind::Static) {
            const bool bPrefix = (state.Template().style & kStyleNoPrefix) == 0;
            pLabel->setText(bPrefix ? StripMnemonics(text) : text);
        } else if (auto* pGroup = qobject_cast<QGroupBox*>(pWidget); pGroup != nullptr) {
            pGroup->setTitle(text);
        } else if (auto* pButton = qobject_cast<QPushButton*>(pWidget); pButton != nullptr) {
            pButton->setText(text);
        } else if (auto* pEdit = qobject_cast<QLineEdit*>(pWidget);
                   pEdit != nullptr && pEdit->text() != text) {
            pEdit->setText(text);
        }
        break;
    }
    case ControlChange::Entries:
        ApplyEntries(nIndex);
        break;
    case ControlChange::Selection:
        ApplySelection(nIndex);
        break;
    case ControlChange::Enabled:
        pWidget->setEnabled(state.m_bEnabled);
        break;
    case ControlChange::Visible:
        pWidget->setVisible(state.m_bVisible);
        break;
    case ControlChange::Font:
        if (state.m_bHasFont) {
            pWidget->setFont(ControlFont(state.m_font, font()));
        }
        break;
    case ControlChange::ToolTip:
        pWidget->setToolTip(state.m_bToolTipActive ? FromCore(state.m_strToolTip) : QString());
        break;
    }
}

void CDialogWindow::ApplyEntries(std::size_t nIndex) {
    auto* pCombo = qobject_cast<QComboBox*>(m_widgets[nIndex]);
    if (pCombo == nullptr) {
        return;
    }
    const CControlState& state = *m_dlg.Controls()[nIndex];
    // A list refilled with the entries it had (the same model's memories, the same range window)
    // keeps its items: only the selection may have changed.
    if (state.m_entries == m_shownEntries[nIndex]) {
        ApplySelection(nIndex);
        return;
    }
    m_shownEntries[nIndex] = state.m_entries;
    QStringList entries;
    entries.reserve(static_cast<qsizetype>(state.m_entries.size()));
    for (const std::string& entry : state.m_entries) {
        entries.append(FromCore(entry));
    }
    const QSignalBlocker blocker(pCombo);
    // Clearing resets the list's whole model, even an empty one.
    if (pCombo->count() > 0) {
        pCombo->clear();
    }
    pCombo->addItems(entries);
    pCombo->setCurrentIndex(state.m_nCurSel);
}

void CDialogWindow::ApplySelection(std::size_t nIndex) {
    if (auto* pCombo = qobject_cast<QComboBox*>(m_widgets[nIndex]); pCombo != nullptr) {
        const QSignalBlocker blocker(pCombo);
        pCombo->setCurrentIndex(m_dlg.Controls()[nIndex]->m_nCurSel);
    }
}

void CDialogWindow::ApplyTextColour(std::size_t nIndex) {
    // The dialog may colour a control's text while it is drawn; ask it as each control changes.
    CDC dc;
    CWnd wnd(m_dlg.Controls()[nIndex].get());
    m_dlg.OnCtlColor(&dc, &wnd, CTLCOLOR_STATIC);
    const COLORREF colour = dc.GetTextColor();
    if (colour == m_askedColours[nIndex]) {
        return;
    }
    m_askedColours[nIndex] = colour;
    QWidget* pWidget = m_widgets[nIndex];
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

void CDialogWindow::EndFromDialog(int nResult) {
    QDialog::done(nResult);
}

void CDialogWindow::accept() {
    m_dlg.OnOK();
}

void CDialogWindow::reject() {
    m_dlg.OnCancel();
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
}

void CDialogWindow::changeEvent(QEvent* pEvent) {
    QDialog::changeEvent(pEvent);
    if (pEvent->type() == QEvent::PaletteChange) {
        // The readable text colours depend on the window's background: work them out afresh.
        for (std::size_t i = 0; i < m_widgets.size(); ++i) {
            if (m_askedColours[i] != kNoColour) {
                m_askedColours[i] = kNoColour;
                ApplyTextColour(i);
            }
        }
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
    CMenu* pSystemMenu = m_dlg.GetSystemMenu(false);
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
        QAction* pAction = menu.addAction(FromCore(item.text));
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
    if (const QAction* pChosen = menu.exec(globalPos); pChosen != nullptr) {
        m_dlg.OnSysCommand(pChosen->data().toUInt(), 0);
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
