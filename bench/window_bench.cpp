// Start-up of the calculator window: from constructing the dialog to its first frame on screen,
// beside the same for a bare Qt dialog with one plain widget of the same kind for each of the
// template's 22 controls. The ratio of the two is the cost of our own work above the toolkit's.
//
// What counts as whose: the bare dialog is written in the same dialog font as the window (the
// family found for the template's face, at its point size), because laying out and drawing text in
// that font is the toolkit's work whichever program asks for it. Finding that family among the
// installed fonts, the result fields' font, the lists' entries, the colours, the tooltip, the icon
// and the dialog's own logic are ours and are timed on the window's side only. The work done once
// per process (reading the icon's images, searching the font database) happens before the timing
// starts, for both kinds of window alike; BM_OncePerProcess_* time it on its own. The window is
// drawn in the application's style as CQtDialogHost sets it (a proxy over the toolkit's style),
// the bare dialog in the toolkit's style itself, so what the proxy costs is counted as ours.
//
// A third figure, the bare dialog showing the window's opening content through plain Qt calls,
// tells how much of the ratio is the toolkit's work on that content rather than our code's.
//
// Runs on Qt's offscreen platform unless QT_QPA_PLATFORM says otherwise, so it needs no display.

#include "controls/ControlState.h"
#include "controls/DC.h"
#include "controls/Dialog.h"
#include "controls/DialogHost.h"
#include "controls/DialogLayout.h"
#include "gui/ComboStyle.h"
#include "gui/DialogWindow.h"
#include "gui/Fonts.h"
#include "gui/Icons.h"
#include "gui/QtDialogHost.h"
#include "res/DialogTemplates.h"
#include "res/Resource.h"
#include "res/StringTable.h"
#include "ui/Calculator.h"
#include "ui/RecordingCalcDlg.h"

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <optional>
#include <vector>

using namespace ctl;

namespace {

// Notes the first paint of a top-level window. Qt paints the window and all its children in one
// pass, so once the event that brought it has been processed the frame is complete.
class CFirstFrameWatcher final : public QObject {
public:
    explicit CFirstFrameWatcher(QWidget& window) : m_window(window) {
        m_window.installEventFilter(this);
    }
    ~CFirstFrameWatcher() override { m_window.removeEventFilter(this); }
    CFirstFrameWatcher(const CFirstFrameWatcher&) = delete;
    CFirstFrameWatcher& operator=(const CFirstFrameWatcher&) = delete;

    // Shows the window and returns once its first frame is drawn.
    void ShowAndWait() {
        m_window.show();
        while (!m_bPainted) {
            QCoreApplication::processEvents(QEventLoop::AllEvents);
        }
    }

protected:
    bool eventFilter(QObject* pWatched, QEvent* pEvent) override {
        if (pWatched == &m_window && pEvent->type() == QEvent::Paint) {
            m_bPainted = true;
        }
        return false;
    }

private:
    QWidget& m_window;
    bool m_bPainted = false;
};

// Closing a window and letting Qt finish with it is not part of start-up.
void Dispose(benchmark::State& state, std::unique_ptr<QWidget> pWindow) {
    state.PauseTiming();
    pWindow.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
    state.ResumeTiming();
}

// The name of the toolkit's own style, the application's style before any window opens.
QString& ToolkitStyleName() {
    static QString name;
    return name;
}

bool HasOurStyle() {
    return qobject_cast<CComboStyle*>(QApplication::style()) != nullptr;
}

// The window the host shows a calculator in.
CDialogWindow& ShowCalculator(CQtDialogHost& host, spanwise::CCalculator& calc) {
    calc.Show();
    return *host.Windows().back();
}

void OpenCalculatorWindowOnce(CQtDialogHost& host) {
    spanwise::CCalculator calc(host);
    CFirstFrameWatcher(ShowCalculator(host, calc)).ShowAndWait();
}

// The calculator window as the program opens it: the dialog with its opening chain, its window
// with one widget for each control, and the first frame.
void BM_CalculatorWindowFirstFrame(benchmark::State& state) {
    const bool bStyleChanges = !HasOurStyle();
    CQtDialogHost host;
    if (bStyleChanges) {
        // The first window after a change of style pays for the change.
        OpenCalculatorWindowOnce(host);
    }
    for (auto _ : state) {
        auto pCalc = std::make_unique<spanwise::CCalculator>(host);
        CFirstFrameWatcher(ShowCalculator(host, *pCalc)).ShowAndWait();
        state.PauseTiming();
        pCalc.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_CalculatorWindowFirstFrame)->Unit(benchmark::kMillisecond);

// The font the calculator's window is written in, looked up once.
const QFont& CalculatorDialogFont() {
    static const QFont font = DialogFont(QString::fromUtf8(kRecordingCalcTemplate.fontFace),
                                         kRecordingCalcTemplate.nFontPointSize);
    return font;
}

// What the calculator's window shows as it opens, read once from an opened dialog, by control in
// template order: the text, a list's entries and selection, a font and a text colour of its own.
struct COpeningContent {
    std::vector<QString> texts;
    std::vector<QStringList> entries;
    std::vector<int> selections;
    std::vector<std::optional<QFont>> fonts;
    std::vector<std::optional<QColor>> colours;
};

const COpeningContent& OpeningContent() {
    static const COpeningContent content = [] {
        COpeningContent read;
        CHeadlessHost host;
        CRecordingCalcDlg dlg{host};
        dlg.Create();
        for (const auto& pControl : dlg.Controls()) {
            read.texts.push_back(QString::fromStdString(pControl->m_strText));
            QStringList entries;
            for (const std::string& entry : pControl->m_entries) {
                entries.append(QString::fromStdString(entry));
            }
            read.entries.push_back(entries);
            read.selections.push_back(pControl->m_nCurSel);
            read.fonts.push_back(
                pControl->m_bHasFont
                    ? std::optional<QFont>(ControlFont(pControl->m_font, CalculatorDialogFont()))
                    : std::nullopt);
            CDC dc;
            CWnd wnd(pControl.get());
            dlg.OnCtlColor(&dc, &wnd, CTLCOLOR_STATIC);
            const COLORREF colour = dc.GetTextColor();
            read.colours.push_back(
                colour == kNoColour
                    ? std::nullopt
                    : std::optional<QColor>(QColor(static_cast<int>(colour & 0xFFU),
                                                   static_cast<int>((colour >> 8) & 0xFFU),
                                                   static_cast<int>((colour >> 16) & 0xFFU))));
        }
        return read;
    }();
    return content;
}

// A bare QDialog with a plain widget of the same kind, caption and place for each control of the
// calculator's template: empty lists, the same dialog font, the toolkit's style, nothing
// connected. The lists take their closed height, as in the calculator's window: a list as tall as
// its template (the height it has dropped down) would make the toolkit draw a frame many times
// the size and so flatter the ratio.
//
// Given pContent, the same dialog shows what the calculator's window shows, through plain Qt
// calls: the texts, the lists' entries and selections, static text aligned, wrapped and edged as
// the template says, and the result fields' font and colour. That is the toolkit's own cost of
// the window's content, a second yardstick: how much of the ratio is the content, how much the
// calculator's code.
std::unique_ptr<QDialog> BuildBareDialog(const QFont& font,
                                         const COpeningContent* pContent = nullptr) {
    const CDialogTemplate& dlgTemplate = kRecordingCalcTemplate;
    auto pDialog = std::make_unique<QDialog>();
    pDialog->setWindowTitle(QString::fromUtf8(dlgTemplate.title));
    pDialog->setFont(font);
    const QFontMetrics metrics(pDialog->font());
    const CDialogBaseUnits units = GetDialogBaseUnits(
        metrics.horizontalAdvance(QLatin1String(kBaseUnitLetters)), metrics.height());
    const CRect size = MapDialogRect({0, 0, dlgTemplate.cx, dlgTemplate.cy}, units);
    pDialog->setFixedSize(size.cx, size.cy);
    for (std::size_t i = 0; i < dlgTemplate.nItems; ++i) {
        const CDialogItemTemplate& item = dlgTemplate.items[i];
        const QString caption =
            pContent != nullptr ? pContent->texts[i] : QString::fromUtf8(item.caption);
        QWidget* pWidget = nullptr;
        switch (item.kind) {
        case ControlKind::Static:
        case ControlKind::Edit:
        case ControlKind::Icon: {
            auto* pLabel = new QLabel(caption, pDialog.get());
            if (pContent != nullptr && item.kind == ControlKind::Static) {
                Qt::Alignment alignment = (item.style & kStyleCenter) != 0  ? Qt::AlignHCenter
                                          : (item.style & kStyleRight) != 0 ? Qt::AlignRight
                                                                            : Qt::AlignLeft;
                const bool bCentredLine = (item.style & kStyleCenterImage) != 0;
                alignment |= bCentredLine ? Qt::AlignVCenter : Qt::AlignTop;
                pLabel->setAlignment(alignment);
                pLabel->setWordWrap(!bCentredLine);
                if ((item.style & kStyleStaticEdge) != 0) {
                    pLabel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
                }
            }
            pWidget = pLabel;
            break;
        }
        case ControlKind::GroupBox:
            pWidget = new QGroupBox(caption, pDialog.get());
            break;
        case ControlKind::ComboBox:
            pWidget = new QComboBox(pDialog.get());
            break;
        case ControlKind::Table:
            pWidget = new QTableWidget(pDialog.get());
            break;
        case ControlKind::PushButton:
        case ControlKind::DefPushButton:
            pWidget = new QPushButton(caption, pDialog.get());
            break;
        }
        if (pContent != nullptr && pContent->fonts[i]) {
            pWidget->setFont(*pContent->fonts[i]);
        }
        if (pContent != nullptr && pContent->colours[i]) {
            QPalette palette = pWidget->palette();
            palette.setColor(QPalette::WindowText, *pContent->colours[i]);
            pWidget->setPalette(palette);
        }
        const CRect place = MapDialogRect({item.x, item.y, item.cx, item.cy}, units);
        QRect rect(place.x, place.y, place.cx, place.cy);
        if (item.kind == ControlKind::ComboBox) {
            // A template gives a list the height it has dropped down; closed, as it is drawn,
            // it has the height it asks for (as in the calculator's window).
            rect.setHeight(pWidget->sizeHint().height());
        }
        pWidget->setGeometry(rect);
        // Filled after its size is known, as in the calculator's window: a list keeps the size
        // it first worked out, which with entries means measuring every one of them.
        if (auto* pCombo = qobject_cast<QComboBox*>(pWidget);
            pCombo != nullptr && pContent != nullptr) {
            pCombo->addItems(pContent->entries[i]);
            pCombo->setCurrentIndex(pContent->selections[i]);
        }
    }
    return pDialog;
}

void OpenBareDialogOnce() {
    const std::unique_ptr<QDialog> pDialog = BuildBareDialog(CalculatorDialogFont());
    CFirstFrameWatcher(*pDialog).ShowAndWait();
}

// Puts the toolkit's own style back in place of ours, and opens a window in it untimed.
void UseToolkitStyle() {
    if (HasOurStyle()) {
        QApplication::setStyle(ToolkitStyleName());
        OpenBareDialogOnce();
    }
}

void BM_BareDialogFirstFrame(benchmark::State& state) {
    UseToolkitStyle();
    const QFont& font = CalculatorDialogFont();
    for (auto _ : state) {
        std::unique_ptr<QDialog> pDialog = BuildBareDialog(font);
        CFirstFrameWatcher(*pDialog).ShowAndWait();
        Dispose(state, std::move(pDialog));
    }
    state.counters["widgets"] = static_cast<double>(kRecordingCalcTemplate.nItems);
}
BENCHMARK(BM_BareDialogFirstFrame)->Unit(benchmark::kMillisecond);

void BM_BareDialogWithContentFirstFrame(benchmark::State& state) {
    UseToolkitStyle();
    const QFont& font = CalculatorDialogFont();
    const COpeningContent& content = OpeningContent();
    for (auto _ : state) {
        std::unique_ptr<QDialog> pDialog = BuildBareDialog(font, &content);
        CFirstFrameWatcher(*pDialog).ShowAndWait();
        Dispose(state, std::move(pDialog));
    }
}
BENCHMARK(BM_BareDialogWithContentFirstFrame)->Unit(benchmark::kMillisecond);

// What the first window of a process pays and the later ones do not: reading the icon from the
// resources (every image of it decoded) and searching the installed fonts for the dialog's face
// and the result fields' face.
void BM_OncePerProcess_ReadIcon(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(LoadIconResource(IDR_MAINFRAME));
    }
}
BENCHMARK(BM_OncePerProcess_ReadIcon)->Unit(benchmark::kMillisecond);

void BM_OncePerProcess_FindFonts(benchmark::State& state) {
    const QString dialogFace = QString::fromUtf8(kRecordingCalcTemplate.fontFace);
    const QString resultFace = QString::fromStdString(LoadString(IDS_RESULT_FONT_FACE));
    for (auto _ : state) {
        benchmark::DoNotOptimize(ResolveFontFamily(dialogFace));
        benchmark::DoNotOptimize(ResolveFontFamily(resultFace));
    }
}
BENCHMARK(BM_OncePerProcess_FindFonts)->Unit(benchmark::kMillisecond);

// One pick in a list of the calculator's window, from the list's signal to every widget showing
// what the pick changed, beside plain Qt code that makes the same changes to the same widgets.
//
// The picks go round a list, one entry further on each iteration (the Model Number list: the whole
// refresh chain, four lists refilled; the Time-axis Range list: two texts). What each pick changes
// is recorded once, beforehand, from the dialog itself: an observer notes every change it is told
// of, and the control's state after the pick. The plain code then does, for each pick, just what
// a hand-written Qt program would: a refilled list is cleared, given its entries and its
// selection; a changed text is set; a list greyed out or back, a label shown or hidden. Its texts
// are QStrings made beforehand, so converting them is counted as ours.

// A change to one widget, as plain Qt code would make it.
struct CWidgetChange {
    std::size_t nIndex = 0; // control, template order
    ControlChange change = ControlChange::Text;
    QString text;
    QStringList entries;
    int nSelection = -1;
    bool bOn = false; // enabled or visible
};

// What a pick changed, as the dialog told its observer.
class CChangeRecorder final : public IControlObserver {
public:
    explicit CChangeRecorder(CDialog& dlg) : m_dlg(dlg) {
        dlg.SetObserver(this);
        m_changes.clear();
    }
    ~CChangeRecorder() { m_dlg.SetObserver(nullptr); }
    CChangeRecorder(const CChangeRecorder&) = delete;
    CChangeRecorder& operator=(const CChangeRecorder&) = delete;

    void OnControlChanged(const CControlState& control, ControlChange change) override {
        m_changes.push_back({&control, change});
    }

    // The changes since the last call, with the state the controls are in now.
    std::vector<CWidgetChange> Take() {
        std::vector<CWidgetChange> taken;
        for (const auto& [pControl, change] : m_changes) {
            CWidgetChange widgetChange;
            widgetChange.change = change;
            widgetChange.nIndex = pControl->GetIndex();
            widgetChange.text = QString::fromStdString(pControl->m_strText);
            for (const std::string& entry : pControl->m_entries) {
                widgetChange.entries.append(QString::fromStdString(entry));
            }
            widgetChange.nSelection = pControl->m_nCurSel;
            widgetChange.bOn =
                change == ControlChange::Visible ? pControl->m_bVisible : pControl->m_bEnabled;
            taken.push_back(widgetChange);
        }
        m_changes.clear();
        return taken;
    }

private:
    CDialog& m_dlg;
    std::vector<std::pair<const CControlState*, ControlChange>> m_changes;
};

// A round of picks in list nID, one entry further each time, and what each changes; the round
// ends where it began, so it can be repeated.
struct CPickRound {
    std::vector<int> picks;
    std::vector<std::vector<CWidgetChange>> changes;
};

CPickRound RecordPickRound(int nID) {
    CHeadlessHost host;
    CRecordingCalcDlg dlg{host};
    dlg.Create();
    const int nCount = static_cast<int>(dlg.FindControl(nID)->m_entries.size());
    CPickRound round;
    CChangeRecorder recorder(dlg);
    // Once round first, so that every later list is in the state the round leaves it in.
    for (int nPass = 0; nPass < 2; ++nPass) {
        for (int i = 1; i <= nCount; ++i) {
            dlg.OnUserPick(nID, i % nCount);
            std::vector<CWidgetChange> changes = recorder.Take();
            if (nPass == 1) {
                round.picks.push_back(i % nCount);
                round.changes.push_back(std::move(changes));
            }
        }
    }
    return round;
}

void ApplyPlainly(const std::vector<QWidget*>& widgets, const CWidgetChange& change) {
    QWidget* pWidget = widgets[change.nIndex];
    switch (change.change) {
    case ControlChange::Text:
        if (auto* pLabel = qobject_cast<QLabel*>(pWidget); pLabel != nullptr) {
            pLabel->setText(change.text);
        }
        break;
    case ControlChange::Entries:
        if (auto* pCombo = qobject_cast<QComboBox*>(pWidget); pCombo != nullptr) {
            pCombo->clear();
            pCombo->addItems(change.entries);
            pCombo->setCurrentIndex(change.nSelection);
        }
        break;
    case ControlChange::Selection:
        if (auto* pCombo = qobject_cast<QComboBox*>(pWidget); pCombo != nullptr) {
            pCombo->setCurrentIndex(change.nSelection);
        }
        break;
    case ControlChange::Enabled:
        pWidget->setEnabled(change.bOn);
        break;
    case ControlChange::Visible:
        pWidget->setVisible(change.bOn);
        break;
    case ControlChange::Font:
    case ControlChange::ToolTip:
    case ControlChange::Focus:
        break;
    }
}

void BM_WindowPick(benchmark::State& state, int nID) {
    CQtDialogHost host;
    spanwise::CCalculator calc(host);
    CDialogWindow& window = ShowCalculator(host, calc);
    CFirstFrameWatcher(window).ShowAndWait();
    auto* pList = qobject_cast<QComboBox*>(window.ControlWidget(nID));
    const int nCount = pList->count();
    // Round once untimed, as the plain code's picks were recorded.
    for (int i = 1; i <= nCount; ++i) {
        pList->setCurrentIndex(i % nCount);
        emit pList->activated(i % nCount);
    }
    int nPick = 0;
    for (auto _ : state) {
        nPick = (nPick + 1) % nCount;
        pList->setCurrentIndex(nPick);
        emit pList->activated(nPick);
    }
    state.counters["entries"] = nCount;
}

void BM_PlainQtPick(benchmark::State& state, int nID) {
    CQtDialogHost host; // the same application style as the window's
    const CPickRound round = RecordPickRound(nID);
    const std::unique_ptr<QDialog> pDialog =
        BuildBareDialog(CalculatorDialogFont(), &OpeningContent());
    CFirstFrameWatcher(*pDialog).ShowAndWait();
    std::vector<QWidget*> widgets;
    for (QObject* pChild : pDialog->children()) {
        if (auto* pWidget = qobject_cast<QWidget*>(pChild); pWidget != nullptr) {
            widgets.push_back(pWidget);
        }
    }
    const std::size_t nListIndex = static_cast<std::size_t>(
        std::find_if(kRecordingCalcTemplate.items,
                     kRecordingCalcTemplate.items + kRecordingCalcTemplate.nItems,
                     [nID](const CDialogItemTemplate& item) { return item.nID == nID; }) -
        kRecordingCalcTemplate.items);
    auto* pList = qobject_cast<QComboBox*>(widgets.at(nListIndex));
    // Bring the bare dialog to where the round starts: every change of a whole round applied.
    for (const auto& changes : round.changes) {
        for (const CWidgetChange& change : changes) {
            ApplyPlainly(widgets, change);
        }
    }
    std::size_t nPick = 0;
    for (auto _ : state) {
        pList->setCurrentIndex(round.picks[nPick]);
        for (const CWidgetChange& change : round.changes[nPick]) {
            ApplyPlainly(widgets, change);
        }
        nPick = (nPick + 1) % round.picks.size();
    }
    state.counters["entries"] = static_cast<double>(round.picks.size());
}

BENCHMARK_CAPTURE(BM_WindowPick, Model, IDC_MODEL)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_PlainQtPick, Model, IDC_MODEL)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_WindowPick, TimeRange, IDC_TIME_RANGE)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_PlainQtPick, TimeRange, IDC_TIME_RANGE)->Unit(benchmark::kMicrosecond);

// Each kind of window is opened once before any is timed: the first window of a process also
// pays for the toolkit's own start (fonts, style, platform) and for what we keep once read (the
// icon, the fonts found), which belong to neither figure.
void WarmUp() {
    ToolkitStyleName() = QApplication::style()->name();
    OpenBareDialogOnce();
    CQtDialogHost host;
    OpenCalculatorWindowOnce(host);
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);

    // The figure is a ratio of two benchmarks: unless told otherwise, run their repetitions
    // interleaved in random order, so that a change in the machine's load while they run weighs
    // on both alike instead of on whichever ran at the time.
    std::vector<char*> args(argv, argv + argc);
    char interleave[] = "--benchmark_enable_random_interleaving=true";
    const bool bInterleavingChosen = std::any_of(args.begin(), args.end(), [](const char* pArg) {
        return std::strncmp(pArg, "--benchmark_enable_random_interleaving", 38) == 0;
    });
    if (!bInterleavingChosen) {
        args.insert(args.begin() + (argc > 0 ? 1 : 0), interleave);
    }
    int nArgs = static_cast<int>(args.size());
    args.push_back(nullptr);
    benchmark::Initialize(&nArgs, args.data());
    if (benchmark::ReportUnrecognizedArguments(nArgs, args.data())) {
        return 1;
    }
    WarmUp();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
