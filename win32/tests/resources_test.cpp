// Both programs carry their icon, with every size Explorer, the Start menu and the taskbar ask
// for at 100% to 200% scaling and the large icons' 256 px, their version record and their
// manifest, read as Windows reads them.

#include "win32/WindowsApi.h"

#include "win32/TextConversion.h"

#include <gtest/gtest.h>
#include <winver.h>

#include <string>
#include <vector>

namespace {

struct CProgram {
    const char* path;
    const char* fileName;
};

const CProgram kPrograms[] = {{SPANWISE_GUI_PATH, "spanwise.exe"},
                              {SPANWISE_CLI_PATH, "spanwise-cli.exe"}};

constexpr WORD kIconResource = 128;
// RT_GROUP_ICON and RT_MANIFEST, whose macros name the ANSI form in a build without UNICODE.
const wchar_t* const kGroupIconType = MAKEINTRESOURCEW(14);
const wchar_t* const kManifestType = MAKEINTRESOURCEW(24);

// The widths of the images of an icon group resource (GRPICONDIR): a 6-byte header with the
// count at offset 4, then 14 bytes an image, the width first, 0 meaning 256.
std::vector<int> IconSizes(HMODULE hModule) {
    HRSRC hGroup = FindResourceW(hModule, MAKEINTRESOURCEW(kIconResource), kGroupIconType);
    if (hGroup == nullptr) {
        return {};
    }
    const auto* bytes = static_cast<const BYTE*>(LockResource(LoadResource(hModule, hGroup)));
    const DWORD nBytes = SizeofResource(hModule, hGroup);
    std::vector<int> sizes;
    const int nImages = nBytes >= 6 ? bytes[4] | (bytes[5] << 8) : 0;
    for (int i = 0; i < nImages && 6 + 14 * (i + 1) <= static_cast<int>(nBytes); ++i) {
        const int nWidth = bytes[6 + 14 * i];
        sizes.push_back(nWidth == 0 ? 256 : nWidth);
    }
    return sizes;
}

std::string VersionValue(const std::string& path, const wchar_t* name) {
    const std::wstring file = Widen(path);
    std::vector<BYTE> record(GetFileVersionInfoSizeW(file.c_str(), nullptr));
    if (record.empty() ||
        !GetFileVersionInfoW(file.c_str(), 0, static_cast<DWORD>(record.size()), record.data())) {
        return {};
    }
    void* value = nullptr;
    UINT nLength = 0;
    const std::wstring key = std::wstring(L"\\StringFileInfo\\040904B0\\") + name;
    if (!VerQueryValueW(record.data(), key.c_str(), &value, &nLength) || nLength == 0) {
        return {};
    }
    return Narrow(static_cast<const wchar_t*>(value));
}

TEST(Win32Resources, EachProgramCarriesIconVersionAndManifest) {
    for (const CProgram& program : kPrograms) {
        SCOPED_TRACE(program.fileName);
        HMODULE hModule = LoadLibraryExW(Widen(program.path).c_str(), nullptr,
                                         LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
        ASSERT_NE(hModule, nullptr);
        EXPECT_EQ(IconSizes(hModule), (std::vector<int>{16, 20, 24, 32, 40, 48, 64, 256}));
        EXPECT_NE(FindResourceW(hModule, MAKEINTRESOURCEW(1), kManifestType), nullptr);
        FreeLibrary(hModule);

        EXPECT_EQ(VersionValue(program.path, L"OriginalFilename"), program.fileName);
        EXPECT_EQ(VersionValue(program.path, L"ProductName"), "Spanwise");
        EXPECT_EQ(VersionValue(program.path, L"FileVersion").substr(0, 1), "V");
    }
}

} // namespace
