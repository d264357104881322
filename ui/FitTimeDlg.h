#pragma once

#include "controls/Dialog.h"

#include <string>

// Asks for the recording time a measurement needs, as the user writes it ("3d", "1h30min").
class CFitTimeDlg : public ctl::CDialog {
public:
    explicit CFitTimeDlg(ctl::IDialogHost& host, ctl::CDialog* pParent = nullptr);

    // What the user wrote, once the dialog has ended with OK.
    const std::string& GetDuration() const { return m_strDuration; }

    void OnOK() override;

private:
    std::string m_strDuration;
};
