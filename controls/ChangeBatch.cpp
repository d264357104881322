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
    for (std::size_t i = 0; i < m_held.size(); ++i) {
        m_held[i]->SendHeldChanges();
    }
    m_held.clear();
    --m_nDepth;
}

} // namespace ctl
