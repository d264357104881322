#include "WindowsApi.h"

#include "Fonts.h"

#include "TextConversion.h"

#include <map>

namespace {

// Faces the templates name by their Japanese names, which systems without the Japanese fonts do
// not know, and the English names of the same faces.
const wchar_t* const kEnglishFaceNames[][2] = {
    {L"\xFF2D\xFF33 \xFF30\x30B4\x30B7\x30C3\x30AF", L"MS PGothic"},
    {L"\xFF2D\xFF33 \x30B4\x30B7\x30C3\x30AF", L"MS Gothic"},
};

// Japanese interface faces, most like the templates' faces first: IPA P Gothic has the metrics
// of MS PGothic, so the templates' texts fit as they were laid out.
const wchar_t* const kFallbackFaces[] = {L"MS PGothic", L"IPAPGothic", L"MS UI Gothic",
                                         L"Yu Gothic UI", L"Meiryo UI"};

// Every system maps this name to its dialog face.
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

std::wstring FindFace(const std::wstring& face) {
    if (IsFaceInstalled(face)) {
        return face;
    }
    for (const auto& names : kEnglishFaceNames) {
        if (face == names[0] && IsFaceInstalled(names[1])) {
            return names[1];
        }
    }
    for (const wchar_t* fallback : kFallbackFaces) {
        if (IsFaceInstalled(fallback)) {
            return fallback;
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
    return resolved[face] = FindFace(Widen(face));
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
