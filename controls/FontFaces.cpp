#include "FontFaces.h"

#include <iterator>

namespace ctl {

namespace {

// clang-format off
const char* const kEnglishFaceNames[][2] = {
    { "ＭＳ Ｐゴシック", "MS PGothic" },
    { "ＭＳ ゴシック",   "MS Gothic" },
    { "ＭＳ Ｐ明朝",     "MS PMincho" },
    { "ＭＳ 明朝",       "MS Mincho" },
};

// IPA P Gothic has the metrics of MS PGothic.
const char* const kStandInFaces[] = {
    "MS PGothic", "IPAPGothic", "MS UI Gothic", "Yu Gothic UI", "Meiryo UI", "IPAexGothic",
    "VL PGothic", "TakaoPGothic", "Noto Sans CJK JP", "Source Han Sans JP", "IPAGothic",
    "VL Gothic", "TakaoGothic",
};

const char* const kBoldFallbackFaces[] = {
    "Noto Sans CJK JP", "Source Han Sans JP", "DejaVu Sans", "Liberation Sans", "Noto Sans",
};
// clang-format on

} // namespace

std::vector<std::string> GetFaceNames(const std::string& face) {
    std::vector<std::string> names;
    if (!face.empty()) {
        names.push_back(face);
    }
    for (const auto& translation : kEnglishFaceNames) {
        if (face == translation[0]) {
            names.emplace_back(translation[1]);
        }
    }
    return names;
}

std::vector<std::string> GetStandInFaces() {
    return {std::begin(kStandInFaces), std::end(kStandInFaces)};
}

std::vector<std::string> GetBoldFallbackFaces() {
    return {std::begin(kBoldFallbackFaces), std::end(kBoldFallbackFaces)};
}

std::string ResolveFace(const std::string& face, bool bBold, const IInstalledFonts& fonts) {
    for (const std::string& name : GetFaceNames(face)) {
        if (fonts.IsInstalled(name)) {
            return name;
        }
    }
    std::string standIn;
    for (const char* candidate : kStandInFaces) {
        if (fonts.IsInstalled(candidate)) {
            standIn = candidate;
            break;
        }
    }
    if (!bBold || (!standIn.empty() && fonts.HasBoldStyle(standIn))) {
        return standIn;
    }
    for (const char* candidate : kBoldFallbackFaces) {
        if (fonts.IsInstalled(candidate) && fonts.HasBoldStyle(candidate)) {
            return candidate;
        }
    }
    return standIn;
}

} // namespace ctl
