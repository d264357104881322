#include "WindowsApi.h"

#include "Fonts.h"

#include "TextConversion.h"

#include "controls/FontFaces.h"

#include <algorithm>
#include <string>
#include <vector>

namespace {

// Every system maps this name to its dialog face: the last resort.
const wchar_t kSystemDialogFace[] = L"MS Shell Dlg 2";

// What EnumFontFamiliesExW found: whether any style of the face, and whether a bold one.
struct CFaceStyles {
    bool bFound = false;
    bool bBold = false;
};

int CALLBACK OnFaceStyle(const LOGFONTW* pLogFont, const TEXTMETRICW* /*pMetric*/, DWORD /*dwType*/,
                         LPARAM lParam) {
    auto& styles = *reinterpret_cast<CFaceStyles*>(lParam);
    styles.bFound = true;
    styles.bBold = styles.bBold || pLogFont->lfWeight >= FW_SEMIBOLD;
    return 1;
}

int CALLBACK OnJapaneseFace(const LOGFONTW* pLogFont, const TEXTMETRICW* /*pMetric*/,
                            DWORD /*dwType*/, LPARAM lParam) {
    auto& faces = *reinterpret_cast<std::vector<std::string>*>(lParam);
    // Vertical-writing faces ("@MS Gothic") are not for dialogs.
    const std::string face = Narrow(pLogFont->lfFaceName);
    if (!face.empty() && face[0] != '@' &&
        std::find(faces.begin(), faces.end(), face) == faces.end()) {
        faces.push_back(face);
    }
    return 1;
}

// The system's fonts, as the face resolution asks them.
class CWin32Fonts final : public ctl::IInstalledFonts {
public:
    bool IsInstalled(const std::string& face) const override { return StylesOf(face).bFound; }
    bool HasBoldStyle(const std::string& face) const override { return StylesOf(face).bBold; }
    std::vector<std::string> JapaneseFaces() const override {
        std::vector<std::string> faces;
        LOGFONTW lf{};
        lf.lfCharSet = SHIFTJIS_CHARSET;
        HDC hdc = GetDC(nullptr);
        EnumFontFamiliesExW(hdc, &lf, OnJapaneseFace, reinterpret_cast<LPARAM>(&faces), 0);
        ReleaseDC(nullptr, hdc);
        return faces;
    }

private:
    static CFaceStyles StylesOf(const std::string& face) {
        CFaceStyles styles;
        const std::wstring wide = Widen(face);
        if (wide.empty() || wide.size() >= LF_FACESIZE) {
            return styles;
        }
        LOGFONTW lf{};
        lf.lfCharSet = DEFAULT_CHARSET;
        wide.copy(lf.lfFaceName, wide.size());
        HDC hdc = GetDC(nullptr);
        EnumFontFamiliesExW(hdc, &lf, OnFaceStyle, reinterpret_cast<LPARAM>(&styles), 0);
        ReleaseDC(nullptr, hdc);
        return styles;
    }
};

std::wstring CachedFace(const std::string& face, bool bBold) {
    static const CWin32Fonts fonts;
    static ctl::CFaceResolver resolver(fonts);
    const std::string resolved = resolver.Resolve(face, bBold);
    return resolved.empty() ? std::wstring(kSystemDialogFace) : Widen(resolved);
}

} // namespace

std::wstring ResolveFontFace(const std::string& face) {
    return CachedFace(face, false);
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
    const std::wstring face = CachedFace(request.faceName, request.nWeight >= FW_SEMIBOLD);
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

HFONT CreateBoldFont(HFONT hFont, const std::string& face) {
    LOGFONTW lf{};
    if (GetObjectW(hFont != nullptr ? hFont : GetStockObject(DEFAULT_GUI_FONT), sizeof lf, &lf) ==
        0) {
        return nullptr;
    }
    lf.lfWeight = FW_BOLD;
    const std::wstring boldFace = CachedFace(face, true);
    boldFace.copy(lf.lfFaceName, LF_FACESIZE - 1);
    lf.lfFaceName[std::min<std::size_t>(boldFace.size(), LF_FACESIZE - 1)] = L'\0';
    return CreateFontIndirectW(&lf);
}
