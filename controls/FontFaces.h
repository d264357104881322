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

// For bold text in a face that is not installed: faces with a bold style of their own, Japanese
// Gothic ones first, then Latin ones (the texts shown in bold are Latin). A face without one is
// made bold by thickening its strokes, which thins out or vanishes when drawn scaled.
std::vector<std::string> GetBoldFallbackFaces();

// What a window system has installed, as ResolveFace asks it.
class IInstalledFonts {
public:
    virtual bool IsInstalled(const std::string& face) const = 0;
    virtual bool HasBoldStyle(const std::string& face) const = 0;

protected:
    ~IInstalledFonts() = default;
};

// The face to draw face in: the face by one of its names where installed, else the first
// stand-in installed; for bold text a stand-in without a bold style of its own gives way to the
// first bold fallback that has one. Empty when nothing of the kind is installed.
std::string ResolveFace(const std::string& face, bool bBold, const IInstalledFonts& fonts);

} // namespace ctl
