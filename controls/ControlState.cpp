#include "ControlState.h"

namespace ctl {

CControlState::CControlState(const CDialogItemTemplate& item)
    : m_strText(item.caption != nullptr ? item.caption : ""), m_pTemplate(&item) {}

void CControlState::Notify(ControlChange change) const {
    if (m_pObserver != nullptr) {
        m_pObserver->OnControlChanged(*this, change);
    }
}

} // namespace ctl
