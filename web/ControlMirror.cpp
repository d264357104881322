#include "ControlMirror.h"

#include "PageObjects.h"

#include "controls/Dialog.h"

using namespace ctl;

namespace {

struct CChangeName {
    ControlChange change;
    const char* name;
};

// clang-format off
const CChangeName kChangeNames[] = {
    { ControlChange::Text,      "text" },
    { ControlChange::Entries,   "entries" },
    { ControlChange::Selection, "selection" },
    { ControlChange::Enabled,   "enabled" },
    { ControlChange::Visible,   "visible" },
    { ControlChange::Font,      "font" },
    { ControlChange::ToolTip,   "toolTip" },
};
// clang-format on

unsigned Bit(ControlChange change) {
    return 1U << static_cast<unsigned>(change);
}

} // namespace

CControlMirror::CControlMirror(CDialog& dlg) : m_dlg(dlg) {
    const auto& controls = dlg.Controls();
    m_changes.assign(controls.size(), 0);
    for (std::size_t i = 0; i < controls.size(); ++i) {
        m_indexOf[controls[i].get()] = i;
        controls[i]->SetObserver(this);
    }
}

CControlMirror::~CControlMirror() {
    for (const auto& pControl : m_dlg.Controls()) {
        pControl->SetObserver(nullptr);
    }
}

void CControlMirror::OnControlChanged(const CControlState& control, ControlChange change) {
    const auto found = m_indexOf.find(&control);
    if (found != m_indexOf.end()) {
        m_changes[found->second] |= Bit(change);
    }
}

emscripten::val CControlMirror::TakeChanges() {
    emscripten::val changed = emscripten::val::array();
    const auto& controls = m_dlg.Controls();
    for (std::size_t i = 0; i < controls.size(); ++i) {
        if (m_changes[i] == 0) {
            continue;
        }
        emscripten::val object = ControlObject(m_dlg, *controls[i]);
        object.set("index", i);
        emscripten::val names = emscripten::val::array();
        for (const CChangeName& name : kChangeNames) {
            if ((m_changes[i] & Bit(name.change)) != 0) {
                names.call<void>("push", std::string(name.name));
            }
        }
        object.set("changes", names);
        changed.call<void>("push", object);
        m_changes[i] = 0;
    }
    return changed;
}
