#include "WindowsApi.h"

#include "AccessibleName.h"

#include <oleacc.h>

#include <string>

namespace {

// The system's accessible object of a control, with another name for the control itself.
class CNamedAccessible final : public IAccessible {
public:
    CNamedAccessible(IAccessible* pStandard, HWND hwnd, AccessibleNameSource source)
        : m_pStandard(pStandard), m_hwnd(hwnd), m_source(source) {}

    CNamedAccessible(const CNamedAccessible&) = delete;
    CNamedAccessible& operator=(const CNamedAccessible&) = delete;

    // IUnknown: the interfaces the system's object has besides these are its own.
    STDMETHODIMP QueryInterface(REFIID riid, void** ppv) override {
        if (riid != IID_IUnknown && riid != IID_IDispatch && riid != __uuidof(IAccessible)) {
            return m_pStandard->QueryInterface(riid, ppv);
        }
        *ppv = static_cast<IAccessible*>(this);
        AddRef();
        return S_OK;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return InterlockedIncrement(&m_nRefs); }
    STDMETHODIMP_(ULONG) Release() override {
        const LONG nRefs = InterlockedDecrement(&m_nRefs);
        if (nRefs == 0) {
            delete this;
        }
        return static_cast<ULONG>(nRefs);
    }

    STDMETHODIMP get_accName(VARIANT varChild, BSTR* pszName) override {
        if (varChild.vt != VT_I4 || varChild.lVal != CHILDID_SELF || pszName == nullptr) {
            return m_pStandard->get_accName(varChild, pszName);
        }
        const std::wstring name = m_source(m_hwnd);
        if (name.empty()) {
            *pszName = nullptr;
            return S_FALSE;
        }
        *pszName = SysAllocStringLen(name.data(), static_cast<UINT>(name.size()));
        return *pszName != nullptr ? S_OK : E_OUTOFMEMORY;
    }

    // Everything else is the system's.
    STDMETHODIMP GetTypeInfoCount(UINT* p) override { return m_pStandard->GetTypeInfoCount(p); }
    STDMETHODIMP GetTypeInfo(UINT n, LCID lcid, ITypeInfo** pp) override {
        return m_pStandard->GetTypeInfo(n, lcid, pp);
    }
    STDMETHODIMP GetIDsOfNames(REFIID riid, LPOLESTR* names, UINT n, LCID lcid,
                               DISPID* ids) override {
        return m_pStandard->GetIDsOfNames(riid, names, n, lcid, ids);
    }
    STDMETHODIMP Invoke(DISPID id, REFIID riid, LCID lcid, WORD flags, DISPPARAMS* params,
                        VARIANT* result, EXCEPINFO* error, UINT* arg) override {
        return m_pStandard->Invoke(id, riid, lcid, flags, params, result, error, arg);
    }
    STDMETHODIMP get_accParent(IDispatch** pp) override { return m_pStandard->get_accParent(pp); }
    STDMETHODIMP get_accChildCount(long* p) override { return m_pStandard->get_accChildCount(p); }
    STDMETHODIMP get_accChild(VARIANT v, IDispatch** pp) override {
        return m_pStandard->get_accChild(v, pp);
    }
    STDMETHODIMP get_accValue(VARIANT v, BSTR* p) override {
        return m_pStandard->get_accValue(v, p);
    }
    STDMETHODIMP get_accDescription(VARIANT v, BSTR* p) override {
        return m_pStandard->get_accDescription(v, p);
    }
    STDMETHODIMP get_accRole(VARIANT v, VARIANT* p) override {
        return m_pStandard->get_accRole(v, p);
    }
    STDMETHODIMP get_accState(VARIANT v, VARIANT* p) override {
        return m_pStandard->get_accState(v, p);
    }
    STDMETHODIMP get_accHelp(VARIANT v, BSTR* p) override { return m_pStandard->get_accHelp(v, p); }
    STDMETHODIMP get_accHelpTopic(BSTR* p, VARIANT v, long* pn) override {
        return m_pStandard->get_accHelpTopic(p, v, pn);
    }
    STDMETHODIMP get_accKeyboardShortcut(VARIANT v, BSTR* p) override {
        return m_pStandard->get_accKeyboardShortcut(v, p);
    }
    STDMETHODIMP get_accFocus(VARIANT* p) override { return m_pStandard->get_accFocus(p); }
    STDMETHODIMP get_accSelection(VARIANT* p) override { return m_pStandard->get_accSelection(p); }
    STDMETHODIMP get_accDefaultAction(VARIANT v, BSTR* p) override {
        return m_pStandard->get_accDefaultAction(v, p);
    }
    STDMETHODIMP accSelect(long flags, VARIANT v) override {
        return m_pStandard->accSelect(flags, v);
    }
    STDMETHODIMP accLocation(long* x, long* y, long* cx, long* cy, VARIANT v) override {
        return m_pStandard->accLocation(x, y, cx, cy, v);
    }
    STDMETHODIMP accNavigate(long dir, VARIANT start, VARIANT* p) override {
        return m_pStandard->accNavigate(dir, start, p);
    }
    STDMETHODIMP accHitTest(long x, long y, VARIANT* p) override {
        return m_pStandard->accHitTest(x, y, p);
    }
    STDMETHODIMP accDoDefaultAction(VARIANT v) override {
        return m_pStandard->accDoDefaultAction(v);
    }
    STDMETHODIMP put_accName(VARIANT v, BSTR s) override { return m_pStandard->put_accName(v, s); }
    STDMETHODIMP put_accValue(VARIANT v, BSTR s) override {
        return m_pStandard->put_accValue(v, s);
    }

private:
    ~CNamedAccessible() { m_pStandard->Release(); }

    IAccessible* m_pStandard;
    HWND m_hwnd;
    AccessibleNameSource m_source;
    LONG m_nRefs = 1;
};

LRESULT CALLBACK AnswerWithName(HWND hwnd, UINT nMessage, WPARAM wParam, LPARAM lParam,
                                UINT_PTR nID, DWORD_PTR source) {
    if (nMessage == WM_NCDESTROY) {
        RemoveWindowSubclass(hwnd, AnswerWithName, nID);
    } else if (nMessage == WM_GETOBJECT && static_cast<LONG>(lParam) == OBJID_CLIENT) {
        IAccessible* pStandard = nullptr;
        if (SUCCEEDED(CreateStdAccessibleObject(hwnd, OBJID_CLIENT, __uuidof(IAccessible),
                                                reinterpret_cast<void**>(&pStandard)))) {
            auto* pNamed = new CNamedAccessible(pStandard, hwnd,
                                                reinterpret_cast<AccessibleNameSource>(source));
            const LRESULT result = LresultFromObject(__uuidof(IAccessible), wParam, pNamed);
            pNamed->Release();
            return result;
        }
    }
    return DefSubclassProc(hwnd, nMessage, wParam, lParam);
}

// The object id, of the window's own numbering, under which a window answers with its last
// announcement, which the window keeps as a property.
constexpr LONG kAnnouncementObject = 1;
const wchar_t kAnnouncementProperty[] = L"Spanwise.Announcement";

std::wstring LastAnnouncement(HWND hwnd) {
    const auto* pText = static_cast<const std::wstring*>(GetPropW(hwnd, kAnnouncementProperty));
    return pText != nullptr ? *pText : std::wstring();
}

LRESULT CALLBACK AnswerWithAnnouncement(HWND hwnd, UINT nMessage, WPARAM wParam, LPARAM lParam,
                                        UINT_PTR nID, DWORD_PTR /*data*/) {
    if (nMessage == WM_NCDESTROY) {
        RemoveWindowSubclass(hwnd, AnswerWithAnnouncement, nID);
        delete static_cast<std::wstring*>(RemovePropW(hwnd, kAnnouncementProperty));
    } else if (nMessage == WM_GETOBJECT && static_cast<LONG>(lParam) == kAnnouncementObject) {
        IAccessible* pStandard = nullptr;
        if (SUCCEEDED(CreateStdAccessibleObject(hwnd, OBJID_CLIENT, __uuidof(IAccessible),
                                                reinterpret_cast<void**>(&pStandard)))) {
            auto* pNamed = new CNamedAccessible(pStandard, hwnd, LastAnnouncement);
            const LRESULT result = LresultFromObject(__uuidof(IAccessible), wParam, pNamed);
            pNamed->Release();
            return result;
        }
    }
    return DefSubclassProc(hwnd, nMessage, wParam, lParam);
}

} // namespace

void RaiseAnnouncement(HWND hwndWindow, const std::wstring& text) {
    if (hwndWindow == nullptr || text.empty()) {
        return;
    }
    auto* pText = static_cast<std::wstring*>(GetPropW(hwndWindow, kAnnouncementProperty));
    if (pText == nullptr) {
        pText = new std::wstring;
        SetPropW(hwndWindow, kAnnouncementProperty, pText);
        SetWindowSubclass(hwndWindow, AnswerWithAnnouncement, 0, 0);
    }
    *pText = text;
    NotifyWinEvent(EVENT_SYSTEM_ALERT, hwndWindow, kAnnouncementObject, CHILDID_SELF);
}

void SetAccessibleNameSource(HWND hwndControl, AccessibleNameSource source) {
    SetWindowSubclass(hwndControl, AnswerWithName, 0, reinterpret_cast<DWORD_PTR>(source));
}
