#include "ChangeBatch.h"

#include "ControlState.h"

namespace ctl {

void CChangeBatch::Close() {
    if (m_nDepth == 0 || --m_nDepth > 0) {
        return;
    }
    // Keep the batch open while sending, so that an observer that changes a control has that
    // change held and sent in the same pass, in turn.
    ++m_nDepth;
    // By position: the list may grow while it is sent.
    std::size_t nSent = 0;
    while (nSent < m_held.size()) {
        m_held[nSent++]->SendHeldChanges();
    }
    m_held.clear();
    --m_nDepth;
    if (nSent > 0 && m_pObserver != nullptr) {
        m_pObserver->OnActionEnded();
    }
}

} // namespace ctl
