#pragma once

#include <string>
#include <vector>

namespace ctl {

// The faces the templates and controls name, and what stands in for them where they are not
// installed. A window system tries the faces in order and takes the first it has.

// The names of face: the face itself, then its English name where the face is known by a Japanese
// one (systems without Japanese fonts know it only by that).
std::vector<std::string> GetFaceNames(const std::string& face);

// Where the face is not installed: Japanese Gothic faces with like metrics, proportional ones
// first, so that the templates' texts fit as they were laid out.
std::vector<std::string> GetStandInFaces();

// What a window system has installed, as ResolveFace asks it.
class IInstalledFonts {
public:
    virtual bool IsInstalled(const std::string& face) const = 0;
    virtual bool HasBoldStyle(const std::string& face) const = 0;
    // The installed faces with Japanese glyphs, in the window system's order.
    virtual std::vector<std::string> JapaneseFaces() const = 0;

protected:
    ~IInstalledFonts() = default;
};

// The face to draw face in: the face by one of its names where installed, else the first
// stand-in installed, else the first installed Japanese face with "Gothic" or "Sans" in its name;
// for bold text a stand-in without a bold style of its own gives way to the first bold fallback
// that has one. Empty when nothing of the kind is installed: the window system's own face then.
std::string ResolveFace(const std::string& face, bool bBold, const IInstalledFonts& fonts);

// ResolveFace's answers, asked once for each face: a window system answers by going through
// every installed face.
class CFaceResolver {
public:
    explicit CFaceResolver(const IInstalledFonts& fonts) : m_fonts(fonts) {}

    std::string Resolve(const std::string& face, bool bBold);
    // The installed fonts changed.
    void Forget() { m_resolved.clear(); }

private:
    struct CResolved {
        std::string face;
        bool bBold;
        std::string resolved;
    };

    const IInstalledFonts& m_fonts;
    std::vector<CResolved> m_resolved;
};

} // namespace ctl
