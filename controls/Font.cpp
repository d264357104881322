#include "Font.h"

namespace ctl {

bool CFont::CreateFontIndirect(const LOGFONT& lf) {
    m_request.nHeight = lf.lfHeight;
    m_request.nWeight = lf.lfWeight;
    m_request.faceName = lf.lfFaceName;
    m_bCreated = true;
    return true;
}

} // namespace ctl
