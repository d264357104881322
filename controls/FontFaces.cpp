#include "FontFaces.h"

#include <algorithm>
#include <cctype>
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

// Where the face is not installed: Japanese Gothic faces with like metrics, proportional ones
// first, so that the templates' texts fit as they were laid out. IPA P Gothic has the metrics of
// MS PGothic.
const char* const kStandInFaces[] = {
    "MS PGothic", "IPAPGothic", "MS UI Gothic", "Yu Gothic UI", "Meiryo UI", "IPAexGothic",
    "VL PGothic", "TakaoPGothic", "Noto Sans CJK JP", "Source Han Sans JP", "IPAGothic",
    "VL Gothic", "TakaoGothic",
};

// For bold text in a face that is not installed: faces with a bold style of their own, Japanese
// Gothic ones first, then Latin ones (the texts shown in bold are Latin). A face without one is
// made bold by thickening its strokes, which thins out or vanishes when drawn scaled.
const char* const kBoldFallbackFaces[] = {
    "Noto Sans CJK JP", "Source Han Sans JP", "DejaVu Sans", "Liberation Sans", "Noto Sans",
};
// clang-format on

bool ContainsIgnoringCase(const std::string& text, const char* lowerWord) {
    std::string lower = text;
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return lower.find(lowerWord) != std::string::npos;
}

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
    if (standIn.empty()) {
        for (const std::string& japanese : fonts.JapaneseFaces()) {
            if (ContainsIgnoringCase(japanese, "gothic") ||
                ContainsIgnoringCase(japanese, "sans")) {
                standIn = japanese;
                break;
            }
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

std::string CFaceResolver::Resolve(const std::string& face, bool bBold) {
    for (const CResolved& resolved : m_resolved) {
        if (resolved.face == face && resolved.bBold == bBold) {
            return resolved.resolved;
        }
    }
    m_resolved.push_back({face, bBold, ResolveFace(face, bBold, m_fonts)});
    return m_resolved.back().resolved;
}

} // namespace ctl
