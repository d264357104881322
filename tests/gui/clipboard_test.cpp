// Copy in the window: the report on Qt's clipboard, and each refusal of the clipboard answered by
// its message box while the dialog carries on unchanged.

#include "OpeningReport.h"
#include "gui_test_support.h"

#include "controls/DialogHost.h"
#include "res/Resource.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMessageBox>
#include <QMimeData>
#include <QTest>

using namespace ctl;

namespace {

using spanwise::test::kOpeningReportCrLf;

} // namespace

TEST_F(CalculatorWindowTest, CopyPutsTheReportOnTheClipboard) {
    QClipboard* pClipboard = QGuiApplication::clipboard();
    pClipboard->setText("something else");
    const std::vector<CControlSnapshot> before = Views();

    for (int nPress = 0; nPress < 2; ++nPress) {
        QTest::mouseClick(Button(IDC_COPY), Qt::LeftButton);
        EXPECT_EQ(pClipboard->text().toStdString(), kOpeningReportCrLf) << "press " << nPress;
        EXPECT_EQ(pClipboard->mimeData()->data("text/plain").toStdString(), kOpeningReportCrLf);
    }
    EXPECT_TRUE(ChangedIds(Dlg(), before, Views()).empty());
    EXPECT_TRUE(m_pWindow->isVisible());
}

struct CRefusalCase {
    const char* name;
    bool bOpen;
    bool bEmpty;
    bool bSet;
    const char* message;
    int nCloses;
};

void PrintTo(const CRefusalCase& row, std::ostream* pOut) {
    *pOut << row.name;
}

class ClipboardRefusalTest : public CalculatorWindowTest,
                             public ::testing::WithParamInterface<CRefusalCase> {};

TEST_P(ClipboardRefusalTest, ShowsItsMessageAndCarriesOn) {
    const CRefusalCase& row = GetParam();
    CScriptedClipboard clipboard;
    clipboard.bOpenSucceeds = row.bOpen;
    clipboard.bEmptySucceeds = row.bEmpty;
    clipboard.bSetSucceeds = row.bSet;
    m_host.SetClipboard(&clipboard);
    const std::vector<CControlSnapshot> before = Views();

    bool bShown = false;
    WhenModalOpens([&](QWidget* pModal) {
        auto* pBox = qobject_cast<QMessageBox*>(pModal);
        ASSERT_NE(pBox, nullptr);
        bShown = true;
        EXPECT_EQ(pBox->text(), row.message);
        EXPECT_EQ(pBox->windowTitle().toStdString(), AfxGetAppName());
        EXPECT_EQ(pBox->icon(), QMessageBox::NoIcon);
        EXPECT_EQ(pBox->standardButtons(), QMessageBox::Ok);
        EXPECT_EQ(pBox->parentWidget(), m_pWindow.data());
        QTest::mouseClick(pBox->button(QMessageBox::Ok), Qt::LeftButton);
    });
    QTest::mouseClick(Button(IDC_COPY), Qt::LeftButton);
    EXPECT_TRUE(WaitUntil([&] { return bShown && QApplication::activeModalWidget() == nullptr; }));
    EXPECT_EQ(clipboard.nCloses, row.nCloses);
    EXPECT_TRUE(clipboard.placed.empty());
    EXPECT_TRUE(ChangedIds(Dlg(), before, Views()).empty());
    EXPECT_TRUE(m_pWindow->isVisible());
    EXPECT_EQ(Dlg().GetModalResult(), 0);
    m_host.SetClipboard(nullptr);
}

INSTANTIATE_TEST_SUITE_P(
    EachStep, ClipboardRefusalTest,
    ::testing::Values(CRefusalCase{"Open", false, true, true, "Cannot open the Clipboard", 0},
                      CRefusalCase{"Empty", true, false, true, "Cannot empty the Clipboard", 1},
                      CRefusalCase{"SetData", true, true, false, "Unable to set Clipboard data",
                                   1}),
    [](const auto& info) { return std::string(info.param.name); });
