#include "DialogHost.h"

#include "Clipboard.h"
#include "Dialog.h"

namespace {

// No window system: a dialog opens and ends at once, message boxes go nowhere and the clipboard
// cannot be opened.
class CHeadlessHost final : public IDialogHost, public IClipboard {
public:
    int RunModal(CDialog& dlg) override {
        dlg.Create();
        return IDCANCEL;
    }
    void EndModal(CDialog& /*dlg*/, int /*nResult*/) override {}
    int MessageBox(CDialog& /*owner*/, const std::string& /*text*/, const std::string& /*caption*/,
                   unsigned /*nType*/) override {
        return IDOK;
    }
    IClipboard& Clipboard() override { return *this; }

    bool Open() override { return false; }
    bool Empty() override { return false; }
    bool SetText(const std::string& /*text*/) override { return false; }
    void Close() override {}
};

CHeadlessHost g_headlessHost;
IDialogHost* g_pHost = nullptr;
std::string g_appName = "spanwise";

} // namespace

IDialogHost& AfxGetDialogHost() {
    return g_pHost != nullptr ? *g_pHost : g_headlessHost;
}

void AfxSetDialogHost(IDialogHost* pHost) {
    g_pHost = pHost;
}

const std::string& AfxGetAppName() {
    return g_appName;
}

void AfxSetAppName(const std::string& name) {
    g_appName = name;
}
