#pragma once

#include "ChangeBatch.h"
#include "DataExchange.h"
#include "DialogTemplate.h"
#include "Menu.h"

#include <memory>
#include <string>
#include <vector>

namespace ctl {

class CDC;
class IDialogHost;

// A dialog made from a built-in template. Create() makes its controls, fills the template's
// initial list entries and calls OnInitDialog; DoModal() has the host show it until it ends. The
// host is the window system the dialog is shown by; a dialog opened from another takes its host.
class CDialog {
public:
    CDialog(const CDialogTemplate& dlgTemplate, IDialogHost& host, CDialog* pParent = nullptr);
    virtual ~CDialog() = default;

    CDialog(const CDialog&) = delete;
    CDialog& operator=(const CDialog&) = delete;

    const CDialogTemplate& Template() const { return *m_pTemplate; }
    CDialog* GetParent() const { return m_pParent; }
    IDialogHost& GetHost() const { return m_host; }

    // Makes the controls and opens the dialog without running a modal loop.
    void Create();
    bool IsCreated() const { return !m_controls.empty(); }
    int DoModal();
    void EndDialog(int nResult);
    int GetModalResult() const { return m_nModalResult; }

    // Controls in template (tab) order.
    const std::vector<std::unique_ptr<CControlState>>& Controls() const { return m_controls; }
    CControlState* FindControl(int nID) const;
    // A handle on control nID; unbound when the dialog has none.
    CWnd GetDlgItem(int nID) const;

    bool UpdateData(bool bSaveAndValidate = true);

    // A user picked entry nIndex of list nID: the list's selection changes and the dialog is
    // told, as by the list's own change notification. Returns false when the list is unknown,
    // disabled or has no such entry; nothing changes then. The controls' observers hear of what
    // the pick changed once the dialog has handled it, each kind of change of a control once.
    bool OnUserPick(int nID, int nIndex);
    // A user pressed button nID.
    bool OnUserClick(int nID);
    // A user changed the text of edit field nID; the field already shows it. Returns false when
    // the field is unknown or disabled.
    bool OnUserEdit(int nID, const std::string& text);

    // A command from control nID with notification nCode; true when something handled it.
    virtual bool OnCommand(int nID, int nCode);
    virtual void OnSysCommand(unsigned nID, long lParam);
    // Asked while control pWnd is drawn; may set the text colour of pDC.
    virtual void OnCtlColor(CDC* pDC, CWnd* pWnd, unsigned nCtlColor);

    virtual void OnOK() { EndDialog(IDOK); }
    virtual void OnCancel() { EndDialog(IDCANCEL); }

    int MessageBox(const std::string& text, const char* caption = nullptr, unsigned nType = MB_OK);

    // The window menu; the dialog may append to it when it opens.
    CMenu* GetSystemMenu(bool bRevert);
    void SetIcon(HICON hIcon, bool bBigIcon);
    HICON GetIcon(bool bBigIcon) const { return bBigIcon ? m_hBigIcon : m_hSmallIcon; }

protected:
    virtual bool OnInitDialog();
    virtual void DoDataExchange(CDataExchange* pDX);

private:
    const CDialogTemplate* m_pTemplate;
    IDialogHost& m_host;
    CDialog* m_pParent;
    std::vector<std::unique_ptr<CControlState>> m_controls;
    CChangeBatch m_changeBatch;
    int m_nModalResult = 0;
    CMenu m_systemMenu;
    HICON m_hBigIcon;
    HICON m_hSmallIcon;
};

} // namespace ctl
