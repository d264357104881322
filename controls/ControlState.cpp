#include "ControlState.h"

#include "ChangeBatch.h"

#include <utility>

namespace ctl {

const ControlChange kEveryControlChange[8] = {ControlChange::Text,      ControlChange::Entries,
                                              ControlChange::Selection, ControlChange::Enabled,
                                              ControlChange::Visible,   ControlChange::Font,
                                              ControlChange::ToolTip,   ControlChange::Focus};

CControlState::CControlState(const CDialogItemTemplate& item, std::size_t nIndex)
    : m_strText(item.caption != nullptr ? item.caption : ""), m_pTemplate(&item), m_nIndex(nIndex) {
}

void CControlState::Notify(ControlChange change) const {
    if (m_pObserver == nullptr) {
        return;
    }
    if (m_pBatch != nullptr && m_pBatch->IsOpen()) {
        if (m_nHeldChanges == 0) {
            m_pBatch->Hold(*this);
        }
        m_nHeldChanges |= ChangeBit(change);
        return;
    }
    m_pObserver->OnControlChanged(*this, change);
}

void CControlState::SendHeldChanges() const {
    const unsigned nHeld = std::exchange(m_nHeldChanges, 0U);
    for (const ControlChange change : kEveryControlChange) {
        if ((nHeld & ChangeBit(change)) != 0 && m_pObserver != nullptr) {
            m_pObserver->OnControlChanged(*this, change);
        }
    }
}

} // namespace ctl
