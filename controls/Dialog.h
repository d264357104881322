#pragma once

#include "ChangeBatch.h"
#include "DataExchange.h"
#include "DialogHost.h"
#include "DialogTemplate.h"
#include "Menu.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace ctl {

class CDC;

// A dialog made from a built-in template. Create() makes its controls, fills the template's
// initial list entries and calls OnInitDialog; Open() has the host show it and returns, and
// DoModal() shows it until it ends. The host is the window system the dialog is shown by; a
// dialog opened from another takes its host.
class CDialog {
public:
    CDialog(const CDialogTemplate& dlgTemplate, IDialogHost& host, CDialog* pParent = nullptr);
    // A dialog destroyed while shown is closed first.
    virtual ~CDialog();

    CDialog(const CDialog&) = delete;
    CDialog& operator=(const CDialog&) = delete;

    const CDialogTemplate& Template() const { return *m_pTemplate; }
    CDialog* GetParent() const { return m_pParent; }
    IDialogHost& GetHost() const { return m_host; }

    // Makes the controls and opens the dialog without showing it.
    void Create();
    bool IsCreated() const { return !m_controls.empty(); }
    // Shows the dialog and returns; onEnded gets the code it ends with.
    void Open(DialogEnded onEnded = {});
    bool IsShown() const { return m_bShown; }
    // The host tells that the dialog's window is on screen: the message boxes held until then
    // show over it, in the order they were asked for.
    void OnWindowShown();
    // Shows the dialog and returns the code it ended with, once it has. The dialog must outlive
    // its modal loop.
    int DoModal();
    void EndDialog(int nResult);
    int GetModalResult() const { return m_nModalResult; }

    // Controls in template (tab) order.
    const std::vector<std::unique_ptr<CControlState>>& Controls() const { return m_controls; }
    CControlState* FindControl(int nID) const;
    // A handle on control nID; unbound when the dialog has none.
    CWnd GetDlgItem(int nID) const;

    bool UpdateData(bool bSaveAndValidate = true);

    // Shows every control through pObserver as it is now, each kind of change of each control in
    // template order and then the focus, and from then on each change as it happens. nullptr
    // stops it.
    void SetObserver(IControlObserver* pObserver);
    // The control that has the keyboard focus: the first tab stop that is enabled and visible
    // when the dialog opens, unless the dialog moved it. nullptr for none.
    const CControlState* GetFocus() const;
    // Gives control nID the focus.
    void GotoDlgCtrl(int nID);
    // The colour the dialog gives the text of control while it is drawn; kNoColour for the
    // window system's own.
    COLORREF GetTextColour(const CControlState& control);

    // What a screen reader calls control: a list or an edit field by the caption before it, a
    // field the dialog writes by what it is and what it shows ("Maximum Recording Length: 320000
    // div"; one outside any group box, a note, by what it shows alone), any other control by its
    // own caption; without mnemonic markers.
    std::string GetAccessibleName(const CControlState& control) const;
    // Whether control is a field the dialog writes, which a screen reader reads out as it changes.
    static bool IsLiveField(const CControlState& control);
    // What a screen reader says when such a field changes ("Maximum Recording Time 1.6s").
    std::string GetAnnouncement(const CControlState& control) const;
    // What a screen reader says once a user's action has changed the fields in changed: the list
    // the dialog picked in for the user (PickForUser) with its new entry, then each field that
    // shows, joined by ", "; "" for nothing.
    std::string GetAnnouncement(const std::vector<const CControlState*>& changed) const;

    // A user picked entry nIndex of list nID (or row nIndex of table nID): the selection changes
    // and the dialog is told, as by the control's own notification. Returns false when the
    // control is unknown, disabled or has no such entry; nothing changes then, and the observer
    // is sent the selection again, which the user's widget no longer shows. The controls'
    // observers hear of what the pick changed once the dialog has handled it, each kind of change
    // of a control once.
    bool OnUserPick(int nID, int nIndex);
    // The same pick made from outside the window (a command line, an address, a test): the
    // observer is sent the new selection, which the list's widget does not show yet.
    bool PickFromOutside(int nID, int nIndex);
    // A user pressed button nID.
    bool OnUserClick(int nID);
    // A user changed the text of edit field nID; the field already shows it. Returns false when
    // the field is unknown or disabled.
    bool OnUserEdit(int nID, const std::string& text);
    // A user chose item nID of the window menu (GetSystemMenu).
    void OnUserSysCommand(unsigned nID);

    // A command from control nID with notification nCode; true when something handled it.
    virtual bool OnCommand(int nID, int nCode);
    virtual void OnSysCommand(unsigned nID, long lParam);
    // Asked while control pWnd is drawn; may set the text colour of pDC.
    virtual void OnCtlColor(CDC* pDC, CWnd* pWnd, unsigned nCtlColor);

    virtual void OnOK() { EndDialog(IDOK); }
    virtual void OnCancel() { EndDialog(IDCANCEL); }

    // Shows a message box over the dialog, which stays open; returns at once. onClosed, when
    // given, is called once the user has closed it. Until the host tells that the dialog's window
    // is on screen (OnWindowShown), the box is held.
    int MessageBox(const std::string& text, const char* caption = nullptr, unsigned nType = MB_OK,
                   DialogEnded onClosed = {});

    // The window menu; the dialog may append to it when it opens.
    CMenu* GetSystemMenu(bool bRevert);
    void SetIcon(HICON hIcon, bool bBigIcon);
    HICON GetIcon(bool bBigIcon) const { return bBigIcon ? m_hBigIcon : m_hSmallIcon; }

protected:
    // What a field the dialog writes is ("Maximum Recording Length": the caption of the group
    // box around it without its brackets) and what it shows (its text).
    virtual std::string GetFieldName(const CControlState& control) const;
    virtual std::string GetFieldValue(const CControlState& control) const;

    virtual bool OnInitDialog();
    virtual void DoDataExchange(CDataExchange* pDX);

    // A pick the dialog makes in list nID for the user, who is looking elsewhere (at the box
    // that chose it): as OnUserPick, and the list's new entry is announced with the fields.
    bool PickForUser(int nID, int nIndex);

    // Opens pChild over this dialog, which keeps it until it has ended and onEnded has run.
    template <class TDialog>
    void OpenChild(std::unique_ptr<TDialog> pChild,
                   std::function<void(TDialog& child, int nResult)> onEnded = {}) {
        TDialog& child = *pChild;
        m_children.push_back(std::move(pChild));
        child.Open([this, &child, onEnded = std::move(onEnded)](int nResult) {
            if (onEnded) {
                onEnded(child, nResult);
            }
            ReleaseChild(child);
        });
    }

private:
    // A pick as OnUserPick makes it; bInWidget: the list's own widget shows it already.
    bool Pick(int nID, int nIndex, bool bInWidget);

    struct CHeldMessage {
        std::string text;
        std::string caption;
        unsigned nType;
        DialogEnded onClosed;
    };

    // Shows the message boxes held, once the window is on screen.
    void ShowHeldMessages();
    void ReleaseChild(const CDialog& child);
    std::size_t FirstTabStop() const;

    const CDialogTemplate* m_pTemplate;
    IDialogHost& m_host;
    CDialog* m_pParent;
    std::vector<std::unique_ptr<CControlState>> m_controls;
    CChangeBatch m_changeBatch;
    IControlObserver* m_pObserver = nullptr;
    // Expires with the dialog: a user's action that ends the dialog may see it destroyed before
    // the action returns (whoever opened it may destroy it when told that it ended).
    std::shared_ptr<bool> m_pAlive = std::make_shared<bool>(true);
    std::vector<std::unique_ptr<CDialog>> m_children;
    int m_nModalResult = 0;
    bool m_bShown = false;
    bool m_bWindowShown = false; // the host has told that the window is on screen
    std::vector<CHeldMessage> m_heldMessages;
    const CControlState* m_pPickedForUser = nullptr;
    bool m_bDestroying = false;
    std::size_t m_nFocus = 0; // index of the focused control; the control count for none
    CMenu m_systemMenu;
    HICON m_hBigIcon;
    HICON m_hSmallIcon;
};

} // namespace ctl
