#pragma once

#include "controls/Dialog.h"

#include <functional>
#include <memory>
#include <string>

// Asks for the recording time a measurement needs, as the user writes it ("3d", "1h30min"). OK
// ends it only for a duration the calculator accepts; otherwise a message box over it says why,
// and once it is closed the text as typed is there to correct, selected.
class CFitTimeDlg : public ctl::CDialog {
public:
    // Tries a duration: empty when it is accepted, else the message that says why not.
    using Check = std::function<std::string(const std::string& duration)>;

    // strDuration is the text the field offers when the dialog opens.
    CFitTimeDlg(ctl::IDialogHost& host, std::string strDuration, Check check,
                ctl::CDialog* pParent = nullptr);

    // What the user wrote, once the dialog has ended with OK.
    const std::string& GetDuration() const { return m_strDuration; }

    void OnOK() override;

protected:
    bool OnInitDialog() override;

private:
    std::string m_strDuration;
    Check m_check;
    // Expires with the dialog, for a message box that may outlive it.
    std::shared_ptr<int> m_pAlive = std::make_shared<int>();
};
