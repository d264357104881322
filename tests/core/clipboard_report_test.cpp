// Copy: the report text, the clipboard protocol and its three failure messages.

#include "DialogSnapshot.h"
#include "OpeningReport.h"
#include "Picking.h"
#include "controls/Clipboard.h"
#include "controls/DialogHost.h"

#include <gtest/gtest.h>

using namespace ctl;

namespace spanwise::test {
namespace {

enum class Failure { None, Open, Empty, SetData };

// A clipboard that fails where told and records how it was used, with a host that records
// message boxes instead of showing them.
class CFakeHost final : public IDialogHost, public IClipboard {
public:
    void OpenDialog(CDialog& dlg, DialogEnded /*onEnded*/) override { dlg.OnWindowShown(); }
    void CloseDialog(CDialog& /*dlg*/, int /*nResult*/) override {}
    void RunUntilEnded(CDialog& /*dlg*/) override {}
    void ShowMessageBox(CDialog& /*owner*/, const std::string& text, const std::string& caption,
                        unsigned nType, DialogEnded /*onClosed*/) override {
        messages.push_back(text);
        captions.push_back(caption);
        types.push_back(nType);
    }
    IClipboard& Clipboard() override { return *this; }

    bool Open() override {
        if (failure == Failure::Open) {
            return false;
        }
        ++nOpens;
        bOpen = true;
        return true;
    }
    bool Empty() override {
        EXPECT_TRUE(bOpen);
        if (failure == Failure::Empty) {
            return false;
        }
        text.clear();
        return true;
    }
    bool SetText(const std::string& newText) override {
        EXPECT_TRUE(bOpen);
        if (failure == Failure::SetData) {
            return false;
        }
        text = newText;
        return true;
    }
    void Close() override {
        EXPECT_TRUE(bOpen);
        bOpen = false;
        ++nCloses;
    }

    Failure failure = Failure::None;
    bool bOpen = false;
    int nOpens = 0;
    int nCloses = 0;
    std::string text = "earlier clipboard text";
    std::vector<std::string> messages;
    std::vector<std::string> captions;
    std::vector<unsigned> types;
};

class ClipboardReport : public ::testing::Test {
protected:
    void SetUp() override { dlg.Open(); }

    CFakeHost host;
    CRecordingCalcDlg dlg{host};
};

TEST_F(ClipboardReport, OpeningReport) {
    ASSERT_TRUE(dlg.OnUserClick(IDC_COPY));
    EXPECT_EQ(host.text, kOpeningReportCrLf);
    EXPECT_TRUE(host.messages.empty());
    EXPECT_EQ(host.nOpens, 1);
    EXPECT_EQ(host.nCloses, 1);
}

struct CDashes {
    const char* model;
    const char* function;
    const char* report;
};

void PrintTo(const CDashes& param, std::ostream* os) {
    *os << param.model << ' ' << param.function;
}

class DisabledListsReadAsDash : public ClipboardReport,
                                public ::testing::WithParamInterface<CDashes> {};

TEST_P(DisabledListsReadAsDash, InTheReport) {
    Pick(dlg, IDC_MODEL, GetParam().model);
    if (ListOf(dlg, IDC_FUNCTION).IsWindowEnabled()) {
        Pick(dlg, IDC_FUNCTION, GetParam().function);
    }
    dlg.OnUserClick(IDC_COPY);
    EXPECT_EQ(host.text, GetParam().report);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(, DisabledListsReadAsDash, ::testing::Values(
    CDashes{"Alder/Alder-W", "REC",
            "Model Number Alder/Alder-W\r\nInternal Memory 32MW\r\nFunction REC\r\nSampling -\r\n"
            "Sable Scanner Unit Sable Not Installed\r\nChannels -\r\nTime-axis Range 10ms/div\r\n\r\n"
            "[Maximum Recording Length] 5000 div\r\n[Maximum Recording Time] 50s\r\n"},
    CDashes{"Gum/Gum-2", "MEM",
            "Model Number Gum/Gum-2\r\nInternal Memory -\r\nFunction -\r\nSampling -\r\n"
            "Sable Scanner Unit -\r\nChannels -\r\nTime-axis Range 100us/div\r\n\r\n"
            "[Maximum Recording Length] 500 div\r\n[Maximum Recording Time] 50ms\r\n"},
    CDashes{"Juniper", "MEM",
            "Model Number Juniper\r\nInternal Memory -\r\nFunction -\r\nSampling -\r\n"
            "Sable Scanner Unit -\r\nChannels -\r\nTime-axis Range 100us/div\r\n\r\n"
            "[Maximum Recording Length] 20000 div\r\n[Maximum Recording Time] 2s\r\n"},
    CDashes{"Hazel", "MEM",
            "Model Number Hazel\r\nInternal Memory -\r\nFunction MEM\r\nSampling -\r\n"
            "Sable Scanner Unit -\r\nChannels 1ch\r\nTime-axis Range 200us/div\r\n\r\n"
            "[Maximum Recording Length] 3200 div\r\n[Maximum Recording Time] 640ms\r\n"},
    CDashes{"Ivy", "REC",
            "Model Number Ivy\r\nInternal Memory -\r\nFunction REC\r\nSampling -\r\n"
            "Sable Scanner Unit -\r\nChannels -\r\nTime-axis Range 100ms/div\r\n\r\n"
            "[Maximum Recording Length] 400 div\r\n[Maximum Recording Time] 40s\r\n"},
    CDashes{"Kauri", "MEM",
            "Model Number Kauri\r\nInternal Memory 64MW\r\nFunction MEM\r\nSampling -\r\n"
            "Sable Scanner Unit -\r\nChannels 2ch\r\nTime-axis Range 5us/div\r\n\r\n"
            "[Maximum Recording Length] 320000 div\r\n[Maximum Recording Time] 1.6s\r\n"}
));
// clang-format on

struct CFailureCase {
    Failure failure;
    const char* message;
    int nCloses; // the clipboard is closed exactly when it was opened
};

void PrintTo(const CFailureCase& param, std::ostream* os) {
    *os << param.message;
}

class ClipboardFailures : public ClipboardReport,
                          public ::testing::WithParamInterface<CFailureCase> {};

TEST_P(ClipboardFailures, ShowTheirMessageAndLeaveTheDialogAlone) {
    Pick(dlg, IDC_MODEL, "Cedar");
    const CDialogSnapshot before = TakeSnapshot(dlg);
    host.failure = GetParam().failure;
    AfxSetAppName("spanwise-test");

    dlg.OnUserClick(IDC_COPY);

    ASSERT_EQ(host.messages, std::vector<std::string>{GetParam().message});
    EXPECT_EQ(host.captions.front(), "spanwise-test");
    EXPECT_EQ(host.types.front(), MB_OK);
    EXPECT_EQ(host.nCloses, GetParam().nCloses);
    EXPECT_FALSE(host.bOpen);
    EXPECT_EQ(TakeSnapshot(dlg), before);
    AfxSetAppName("spanwise");
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(, ClipboardFailures, ::testing::Values(
    CFailureCase{Failure::Open,    "Cannot open the Clipboard",    0},
    CFailureCase{Failure::Empty,   "Cannot empty the Clipboard",   1},
    CFailureCase{Failure::SetData, "Unable to set Clipboard data", 1}
));
// clang-format on

TEST_F(ClipboardReport, OpenFailureLeavesClipboardUntouched) {
    host.failure = Failure::Open;
    dlg.OnUserClick(IDC_COPY);
    EXPECT_EQ(host.text, "earlier clipboard text");
}

TEST_F(ClipboardReport, CopyTwiceGivesTheSameTextAndChangesNothing) {
    Pick(dlg, IDC_MODEL, "Fir");
    Pick(dlg, IDC_TIME_RANGE, "5min/div");
    const CDialogSnapshot before = TakeSnapshot(dlg);
    dlg.OnUserClick(IDC_COPY);
    const std::string first = host.text;
    dlg.OnUserClick(IDC_COPY);
    EXPECT_EQ(host.text, first);
    EXPECT_EQ(TakeSnapshot(dlg), before);
    EXPECT_EQ(host.nOpens, 2);
    EXPECT_EQ(host.nCloses, 2);
}

} // namespace
} // namespace spanwise::test
