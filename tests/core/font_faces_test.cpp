// Which installed face a window draws a template's font in: the face itself, a stand-in with like
// metrics, and for bold text a face with a bold style of its own.

#include "controls/FontFaces.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

using namespace ctl;

namespace spanwise::test {
namespace {

// The faces a window system draws in, from what it has installed.
class CFakeFonts final : public IInstalledFonts {
public:
    CFakeFonts(std::vector<std::string> installed, std::vector<std::string> bold,
               std::vector<std::string> japanese)
        : m_installed(std::move(installed)), m_bold(std::move(bold)),
          m_japanese(std::move(japanese)) {}

    bool IsInstalled(const std::string& face) const override { return Has(m_installed, face); }
    bool HasBoldStyle(const std::string& face) const override { return Has(m_bold, face); }
    std::vector<std::string> JapaneseFaces() const override { return m_japanese; }

private:
    static bool Has(const std::vector<std::string>& faces, const std::string& face) {
        return std::find(faces.begin(), faces.end(), face) != faces.end();
    }

    std::vector<std::string> m_installed;
    std::vector<std::string> m_bold;
    std::vector<std::string> m_japanese;
};

TEST(FontFaces, ResolveBoldTextToAFaceWithABoldStyle) {
    struct CCase {
        const char* what;
        std::vector<std::string> installed;
        std::vector<std::string> bold;
        std::vector<std::string> japanese;
        std::string regular;
        std::string boldFace;
    };
    const CCase kCases[] = {
        {"the face itself, by its English name",
         {"MS PGothic"},
         {},
         {},
         "MS PGothic",
         "MS PGothic"},
        {"a stand-in without bold gives way for bold text (Wine's IPAPGothic)",
         {"IPAPGothic", "DejaVu Sans"},
         {"DejaVu Sans"},
         {"IPAPGothic"},
         "IPAPGothic",
         "DejaVu Sans"},
        {"a stand-in with bold keeps it",
         {"IPAexGothic"},
         {"IPAexGothic"},
         {},
         "IPAexGothic",
         "IPAexGothic"},
        {"any Japanese Gothic face where no stand-in is",
         {"Some Mincho", "Other Gothic"},
         {},
         {"Some Mincho", "Other Gothic"},
         "Other Gothic",
         "Other Gothic"},
        {"nothing of the kind: the window system's own", {"DejaVu Serif"}, {}, {}, "", ""},
    };
    for (const CCase& c : kCases) {
        SCOPED_TRACE(c.what);
        const CFakeFonts fonts(c.installed, c.bold, c.japanese);
        EXPECT_EQ(ResolveFace("ＭＳ Ｐゴシック", false, fonts), c.regular);
        EXPECT_EQ(ResolveFace("ＭＳ Ｐゴシック", true, fonts), c.boldFace);
    }
}

} // namespace
} // namespace spanwise::test
