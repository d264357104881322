#include "WindowsApi.h"

#include "Fonts.h"

#include "TextConversion.h"

#include "controls/FontFaces.h"

#include <map>

namespace {

// Every system maps this name to its dialog face: the last resort.
const wchar_t kSystemDialogFace[] = L"MS Shell Dlg 2";

int CALLBACK OnFontFamily(const LOGFONTW* /*pLogFont*/, const TEXTMETRICW* /*pMetric*/,
                          DWORD /*dwType*/, LPARAM lParam) {
    *reinterpret_cast<bool*>(lParam) = true;
    return 0;
}

bool IsFaceInstalled(const std::wstring& face) {
    if (face.empty() || face.size() >= LF_FACESIZE) {
        return false;
    }
    LOGFONTW lf{};
    lf.lfCharSet = DEFAULT_CHARSET;
    face.copy(lf.lfFaceName, face.size());
    bool bFound = false;
    HDC hdc = GetDC(nullptr);
    EnumFontFamiliesExW(hdc, &lf, OnFontFamily, reinterpret_cast<LPARAM>(&bFound), 0);
    ReleaseDC(nullptr, hdc);
    return bFound;
}

std::wstring FindFace(const std::string& face) {
    for (const std::vector<std::string>& faces :
         {ctl::GetFaceNames(face), ctl::GetStandInFaces()}) {
        for (const std::string& candidate : faces) {
            if (std::wstring wide = Widen(candidate); IsFaceInstalled(wide)) {
                return wide;
            }
        }
    }
    return kSystemDialogFace;
}

} // namespace

std::wstring ResolveFontFace(const std::string& face) {
    // Asked for each dialog and font; the installed fonts are enumerated once per face.
    static std::map<std::string, std::wstring> resolved;
    const auto found = resolved.find(face);
    if (found != resolved.end()) {
        return found->second;
    }
    return resolved[face] = FindFace(face);
}

HFONT CreateRequestedFont(const ctl::CFontRequest& request, UINT nDpi) {
    LOGFONTW lf{};
    lf.lfHeight = MulDiv(request.nHeight, static_cast<int>(nDpi), USER_DEFAULT_SCREEN_DPI);
    lf.lfWeight = request.nWeight;
    lf.lfCharSet = DEFAULT_CHARSET;
    lf.lfOutPrecision = OUT_DEFAULT_PRECIS;
    lf.lfClipPrecision = CLIP_STROKE_PRECIS;
    lf.lfQuality = DRAFT_QUALITY;
    lf.lfPitchAndFamily = FF_MODERN | VARIABLE_PITCH;
    const std::wstring face = ResolveFontFace(request.faceName);
    face.copy(lf.lfFaceName, LF_FACESIZE - 1);
    return CreateFontIndirectW(&lf);
}

UINT GetWindowDpi(HWND hwnd) {
    // GetDpiForWindow came with Windows 10 1607; before it, every monitor had the system's.
    using GetDpiForWindowFn = UINT(WINAPI*)(HWND);
    static const auto pfnGetDpiForWindow =
        reinterpret_cast<GetDpiForWindowFn>(reinterpret_cast<void (*)()>(
            GetProcAddress(GetModuleHandleW(L"user32.dll"), "GetDpiForWindow")));
    if (pfnGetDpiForWindow != nullptr && hwnd != nullptr) {
        return pfnGetDpiForWindow(hwnd);
    }
    HDC hdc = GetDC(nullptr);
    const int nDpi = GetDeviceCaps(hdc, LOGPIXELSY);
    ReleaseDC(nullptr, hdc);
    return nDpi > 0 ? static_cast<UINT>(nDpi) : USER_DEFAULT_SCREEN_DPI;
}

HFONT CreateBoldFont(HFONT hFont) {
    LOGFONTW lf{};
    if (GetObjectW(hFont != nullptr ? hFont : GetStockObject(DEFAULT_GUI_FONT), sizeof lf, &lf) ==
        0) {
        return nullptr;
    }
    lf.lfWeight = FW_BOLD;
    return CreateFontIndirectW(&lf);
}
