#include "Font.h"

bool CFont::CreateFontIndirect(const LOGFONT& lf) {
    m_spec.nHeight = lf.lfHeight;
    m_spec.nWeight = lf.lfWeight;
    m_spec.faceName = lf.lfFaceName;
    m_bCreated = true;
    return true;
}
